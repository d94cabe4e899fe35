#include "AssetCarecordsFra.h"

#include "AccidentUi_p.h"
#include "CareEditing.h"
#include "CareitemPickerFrm.h"
#include "CarecordBillFrm.h"
#include "admin/Operator.h"
#include "platform/Exceptions.h"
#include "ui/jtDBGrid.h"
#include "ui/jtPopupMenu.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kLayout = 142;
constexpr int kRecordRight = 144;
}

TAssetCarecordsFra::TAssetCarecordsFra(QWidget* parent)
    : TAssetPageFra(parent), m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)),
      m_add(new QPushButton(QStringLiteral("添加"), this)), m_open(new QPushButton(QStringLiteral("打开"), this)),
      m_refresh(new QPushButton(QStringLiteral("刷新"), this)),
      m_menu(new QPushButton(QStringLiteral("菜单▼"), this)) {
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_records.Query());
    auto* edit = accidentui::NewAction(this, QStringLiteral("修改"));
    auto* refresh = accidentui::NewAction(this, QStringLiteral("刷新"));
    auto* remove = accidentui::NewAction(this, QStringLiteral("删除"));
    m_grid->InsertMenuAction(edit);
    m_grid->InsertMenuAction(refresh);
    m_grid->PopupMenuJt()->addSeparator();
    m_grid->PopupMenuJt()->addAction(remove);

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

    connect(m_add, &QPushButton::clicked, this, &TAssetCarecordsFra::AddClick);
    connect(m_open, &QPushButton::clicked, this, &TAssetCarecordsFra::OpenClick);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TAssetCarecordsFra::OpenClick);
    connect(m_refresh, &QPushButton::clicked, this, &TAssetCarecordsFra::RefreshClick);
    connect(refresh, &QAction::triggered, this, &TAssetCarecordsFra::RefreshClick);
    connect(edit, &QAction::triggered, this, [this] { EditCarecord(m_records, this); });
    connect(remove, &QAction::triggered, this, [this] { DeleteCarecord(m_records); });
    connect(m_menu, &QPushButton::clicked, this, [this] {
        m_grid->PopupMenuJt()->popup(m_menu->mapToGlobal(QPoint(0, m_menu->height())));
    });
}

void TAssetCarecordsFra::SetAssetId(int id) {
    m_where.Clear();
    m_where.ciAssetIdFld->SetAsInteger(id);
    try {
        m_records.Search(m_where);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the page stays empty.
    }
    TAssetPageFra::SetAssetId(id);
}

void TAssetCarecordsFra::AddClick() {
    if (AssetId() <= 0 || !CurrentOperator.CheckRight(kRecordRight, false)) return;
    const DataSet& data = m_records.Query();
    const int itemId = data.Active() && !data.IsEmpty() ? m_records.crItemIdFld->AsInteger() : 0;
    PickCareitem(AssetId(), itemId, [this](const TCareitemData& item) {
        AddCarecord(m_records, item, this);
        return 0;
    }, this);
}

void TAssetCarecordsFra::OpenClick() {
    const DataSet& data = m_records.Query();
    if (!data.Active() || data.IsEmpty()) return;
    ShowCarecordBill(m_records.crIdFld->AsInteger(), this);
    RefreshClick();
}

void TAssetCarecordsFra::RefreshClick() {
    if (!m_records.Query().Active()) return;
    try {
        m_records.Refresh(m_records.crIdFld);
    } catch (const EDatabaseError&) {
        // The reopen has shown the refused statement.
    }
}
