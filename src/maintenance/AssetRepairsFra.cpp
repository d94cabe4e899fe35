#include "AssetRepairsFra.h"

#include "AccidentUi_p.h"
#include "RepairBillFrm.h"
#include "RepairEditing.h"
#include "platform/Exceptions.h"
#include "ui/jtDBGrid.h"
#include "ui/jtPopupMenu.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kLayout = 102;
}

TAssetRepairsFra::TAssetRepairsFra(QWidget* parent)
    : TAssetPageFra(parent), m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)),
      m_add(new QPushButton(QStringLiteral("添加"), this)), m_open(new QPushButton(QStringLiteral("打开"), this)),
      m_refresh(new QPushButton(QStringLiteral("刷新"), this)),
      m_menu(new QPushButton(QStringLiteral("菜单...↓"), this)),
      m_edit(accidentui::NewAction(this, QStringLiteral("修改"))),
      m_delete(accidentui::NewAction(this, QStringLiteral("删除..."))) {
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_repairs.Query());
    auto* refresh = accidentui::NewAction(this, QStringLiteral("刷新"));
    m_grid->InsertMenuAction(m_edit);
    m_grid->InsertMenuAction(refresh);
    m_grid->PopupMenuJt()->addSeparator();
    m_grid->PopupMenuJt()->addAction(m_delete);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_add, m_open, m_refresh, m_menu}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(buttons);
    layout->addWidget(m_grid, 1);

    connect(m_add, &QPushButton::clicked, this, [this] {
        if (AssetId() > 0) AddRepair(m_repairs, AssetId(), QString(), this);
    });
    connect(m_open, &QPushButton::clicked, this, &TAssetRepairsFra::OpenClick);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TAssetRepairsFra::OpenClick);
    connect(m_refresh, &QPushButton::clicked, this, &TAssetRepairsFra::RefreshClick);
    connect(refresh, &QAction::triggered, this, &TAssetRepairsFra::RefreshClick);
    connect(m_edit, &QAction::triggered, this, [this] { EditRepair(m_repairs, this); });
    connect(m_delete, &QAction::triggered, this, [this] { DeleteRepair(m_repairs); });
    connect(m_menu, &QPushButton::clicked, this, [this] {
        m_grid->PopupMenuJt()->popup(m_menu->mapToGlobal(QPoint(0, m_menu->height())));
    });
}

void TAssetRepairsFra::SetAssetId(int id) {
    m_where.Clear();
    m_where.AssetIdFld->SetAsInteger(id);
    try {
        m_repairs.Search(m_where);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the page stays empty.
    }
    TAssetPageFra::SetAssetId(id);
}

void TAssetRepairsFra::OpenClick() {
    const DataSet& data = m_repairs.Query();
    if (!data.Active() || data.IsEmpty()) return;
    ShowRepairBill(m_repairs.IdFld->AsInteger(), this);
    // The bill works on its own copy of the repair.
    RefreshClick();
}

void TAssetRepairsFra::RefreshClick() {
    if (!m_repairs.Query().Active()) return;
    try {
        m_repairs.Refresh(m_repairs.IdFld);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement.
    }
}
