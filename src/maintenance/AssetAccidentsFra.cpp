#include "AssetAccidentsFra.h"

#include "AccidentEditing.h"
#include "AccidentUi_p.h"
#include "platform/Exceptions.h"
#include "ui/jtDBGrid.h"
#include "ui/jtPopupMenu.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kLayout = 133;
}

TAssetAccidentsFra::TAssetAccidentsFra(QWidget* parent)
    : TAssetPageFra(parent), m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)),
      m_add(new QPushButton(QStringLiteral("添加"), this)), m_edit(new QPushButton(QStringLiteral("修改"), this)),
      m_delete(new QPushButton(QStringLiteral("删除"), this)),
      m_more(new QPushButton(QStringLiteral("更多...↓"), this)) {
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_accidents.Query());
    auto* edit = accidentui::NewAction(this, QStringLiteral("修改"));
    auto* remove = accidentui::NewAction(this, QStringLiteral("删除"));
    m_grid->InsertMenuAction(edit);
    m_grid->InsertMenuAction(remove);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_add, m_edit, m_delete, m_more}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(buttons);
    layout->addWidget(m_grid, 1);

    connect(m_add, &QPushButton::clicked, this, &TAssetAccidentsFra::AddClick);
    connect(m_edit, &QPushButton::clicked, this, &TAssetAccidentsFra::EditClick);
    connect(edit, &QAction::triggered, this, &TAssetAccidentsFra::EditClick);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TAssetAccidentsFra::EditClick);
    const auto deleteClick = [this] { DeleteAccident(m_accidents); };
    connect(m_delete, &QPushButton::clicked, this, deleteClick);
    connect(remove, &QAction::triggered, this, deleteClick);
    connect(m_more, &QPushButton::clicked, this, [this] {
        m_grid->PopupMenuJt()->popup(m_more->mapToGlobal(QPoint(0, m_more->height())));
    });
}

void TAssetAccidentsFra::SetAssetId(int id) {
    m_where.Clear();
    m_where.AssetIdFld->SetAsInteger(id);
    try {
        m_accidents.Search(m_where);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the page stays empty.
    }
    TAssetPageFra::SetAssetId(id);
}

void TAssetAccidentsFra::AddClick() {
    if (!CanManageAccidents() || AssetId() <= 0) return;
    EditAccident(m_accidents, true, AssetId(), this);
}

void TAssetAccidentsFra::EditClick() {
    if (!CanManageAccidents()) return;
    const DataSet& data = m_accidents.Query();
    if (!data.Active() || data.IsEmpty()) return;
    EditAccident(m_accidents, false, m_accidents.AssetIdFld->AsInteger(), this);
}
