#include "AssetChangesFra.h"

#include "AccidentUi_p.h"
#include "ChangeEditing.h"
#include "platform/Exceptions.h"
#include "ui/jtDBGrid.h"
#include "ui/jtPopupMenu.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kLayout = 103;
}

TAssetChangesFra::TAssetChangesFra(QWidget* parent)
    : TAssetPageFra(parent), m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)),
      m_apply(new QPushButton(QStringLiteral("申请"), this)),
      m_approve(new QPushButton(QStringLiteral("批准"), this)),
      m_edit(new QPushButton(QStringLiteral("修改"), this)),
      m_delete(new QPushButton(QStringLiteral("删除"), this)),
      m_more(new QPushButton(QStringLiteral("更多...↓"), this)) {
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_changes.Query());
    m_deleteAction = accidentui::NewAction(this, QStringLiteral("删除"));
    m_editAction = accidentui::NewAction(this, QStringLiteral("修改"));
    m_approveAction = accidentui::NewAction(this, QStringLiteral("批准"));
    m_grid->InsertMenuAction(m_deleteAction);
    m_grid->InsertMenuAction(m_editAction);
    m_grid->InsertMenuAction(m_approveAction);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_apply, m_approve, m_edit, m_delete, m_more}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(buttons);
    layout->addWidget(m_grid, 1);

    const auto editClick = [this] { EditChange(m_changes, this); };
    const auto deleteClick = [this] { DeleteChange(m_changes); };
    const auto approveClick = [this] {
        ApproveChange(m_changes);
        UpdateButtons();
    };
    connect(m_apply, &QPushButton::clicked, this, &TAssetChangesFra::ApplyClick);
    connect(m_edit, &QPushButton::clicked, this, editClick);
    connect(m_editAction, &QAction::triggered, this, editClick);
    connect(m_grid, &QAbstractItemView::doubleClicked, m_editAction, &QAction::trigger);
    connect(m_delete, &QPushButton::clicked, this, deleteClick);
    connect(m_deleteAction, &QAction::triggered, this, deleteClick);
    connect(m_approve, &QPushButton::clicked, this, approveClick);
    connect(m_approveAction, &QAction::triggered, this, approveClick);
    connect(m_more, &QPushButton::clicked, this, [this] {
        m_grid->PopupMenuJt()->popup(m_more->mapToGlobal(QPoint(0, m_more->height())));
    });
    connect(m_grid, &TjtDBGrid::selectChanged, this, &TAssetChangesFra::UpdateButtons);
    connect(&m_changes.Query(), &DataSet::reset, this, &TAssetChangesFra::UpdateButtons);
    connect(&m_changes.Query(), &DataSet::rowChanged, this, &TAssetChangesFra::UpdateButtons);
    connect(&m_changes.Query(), &DataSet::currentChanged, this, &TAssetChangesFra::UpdateButtons);
    UpdateButtons();
}

void TAssetChangesFra::SetAssetId(int id) {
    m_where.Clear();
    m_where.AssetIdFld->SetAsInteger(id);
    try {
        m_changes.Search(m_where);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the page stays empty.
    }
    TAssetPageFra::SetAssetId(id);
    UpdateButtons();
}

void TAssetChangesFra::ApplyClick() {
    if (AssetId() <= 0) return;
    ApplyChange(m_changes, AssetId(), this);
    UpdateButtons();
}

void TAssetChangesFra::UpdateButtons() {
    const bool any = m_grid->SelectedCount() > 0;
    for (QPushButton* button : {m_approve, m_edit, m_delete}) button->setEnabled(any);
    for (QAction* action : {m_approveAction, m_editAction, m_deleteAction}) action->setEnabled(any);
    m_approve->setText(ApproveCaption(m_changes));
    m_approveAction->setText(m_approve->text());
}
