#include "AssetCaresFra.h"

#include "AccidentUi_p.h"
#include "CareEditing.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "ui/jtDBGrid.h"
#include "ui/jtPopupMenu.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kLayout = 139;
constexpr int kItemRight = 143;
}

TAssetCaresFra::TAssetCaresFra(QWidget* parent)
    : TAssetPageFra(parent), m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)),
      m_add(new QPushButton(QStringLiteral("添加"), this)), m_edit(new QPushButton(QStringLiteral("修改"), this)),
      m_delete(new QPushButton(QStringLiteral("删除"), this)),
      m_care(new QPushButton(QStringLiteral("保养录入"), this)),
      m_more(new QPushButton(QStringLiteral("更多...V"), this)),
      m_editLastCare(accidentui::NewAction(this, QStringLiteral("修改上一次保养记录"))) {
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_items.Query());
    auto* edit = accidentui::NewAction(this, QStringLiteral("修改"));
    auto* remove = accidentui::NewAction(this, QStringLiteral("删除"));
    m_grid->InsertMenuAction(edit);
    m_grid->InsertMenuAction(m_editLastCare);
    m_grid->PopupMenuJt()->addSeparator();
    m_grid->PopupMenuJt()->addAction(remove);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_add, m_edit, m_delete, m_care, m_more}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(buttons);
    layout->addWidget(m_grid, 1);

    const auto editClick = [this] { EditCareitem(m_items, false, 0, this); };
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (AssetId() > 0) EditCareitem(m_items, true, AssetId(), this);
    });
    connect(m_edit, &QPushButton::clicked, this, editClick);
    connect(edit, &QAction::triggered, this, editClick);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, editClick);
    connect(m_delete, &QPushButton::clicked, this, &TAssetCaresFra::DeleteClick);
    connect(remove, &QAction::triggered, this, &TAssetCaresFra::DeleteClick);
    connect(m_care, &QPushButton::clicked, this, [this] { AddItemCarecord(m_items, this); });
    connect(m_editLastCare, &QAction::triggered, this, [this] { EditLastCarecord(m_items, this); });
    connect(m_more, &QPushButton::clicked, this, [this] {
        m_grid->PopupMenuJt()->popup(m_more->mapToGlobal(QPoint(0, m_more->height())));
    });
}

void TAssetCaresFra::SetAssetId(int id) {
    m_where.Clear();
    m_where.ciAssetIdFld->SetAsInteger(id);
    try {
        m_items.Search(m_where);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the page stays empty.
    }
    TAssetPageFra::SetAssetId(id);
}

void TAssetCaresFra::DeleteClick() {
    const DataSet& data = m_items.Query();
    if (!data.Active() || data.IsEmpty()) return;
    if (!CurrentOperator.CheckRight(kItemRight, false) || !ConfirmDelete()) return;
    try {
        m_items.Delete();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
    }
}
