#include "AssetEventsFra.h"

#include "AttachmentPages_p.h"
#include "EventEditorFrm.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"

namespace {

constexpr int kLayout = 121;
constexpr int kEditRight = 127;

bool HasRows(const TEqiEventSet& set) {
    const DataSet& data = set.Query();
    return data.Active() && !data.IsEmpty();
}

} // namespace

TAssetEventsFra::TAssetEventsFra(QWidget* parent)
    : TAssetPageFra(parent), m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)),
      m_add(new QPushButton(QStringLiteral("添加"), this)),
      m_edit(new QPushButton(QStringLiteral("修改"), this)),
      m_delete(new QPushButton(QStringLiteral("删除"), this)),
      m_menu(new QPushButton(QStringLiteral("更多...↓"), this)),
      m_deleteAction(new QAction(QStringLiteral("删除"), this)),
      m_editAction(new QAction(QStringLiteral("修改"), this)) {
    setObjectName(QStringLiteral("AssetEventsFra"));
    attachmentui::SetUpGrid(m_grid, &m_events.Query(), kLayout);
    attachmentui::AppendMenu(m_grid, {nullptr, m_deleteAction, nullptr, m_editAction});
    attachmentui::LayOut(this, {m_add, m_edit, m_delete, m_menu}, m_grid);
    attachmentui::PopsUpMenu(m_menu, m_grid);

    connect(m_add, &QPushButton::clicked, this, &TAssetEventsFra::AddClick);
    connect(m_edit, &QPushButton::clicked, this, &TAssetEventsFra::EditClick);
    connect(m_editAction, &QAction::triggered, this, &TAssetEventsFra::EditClick);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TAssetEventsFra::EditClick);
    connect(m_delete, &QPushButton::clicked, this, &TAssetEventsFra::DeleteClick);
    connect(m_deleteAction, &QAction::triggered, this, &TAssetEventsFra::DeleteClick);
}

void TAssetEventsFra::SetAssetId(int id) {
    if (id == AssetId()) return;
    try {
        m_events.OpenByAsset(id);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the page stays empty.
    }
    TAssetPageFra::SetAssetId(id);
}

void TAssetEventsFra::AddClick() {
    if (!CurrentOperator.CheckRight(kEditRight, false) || AssetId() <= 0) return;
    TEventEditorFrm editor(m_events, true, AssetId(), this);
    editor.exec();
}

void TAssetEventsFra::EditClick() {
    if (!HasRows(m_events) || !CurrentOperator.CheckRight(kEditRight, false)) return;
    TEventEditorFrm editor(m_events, false, m_events.EqiIdFld->AsInteger(), this);
    editor.exec();
}

void TAssetEventsFra::DeleteClick() {
    if (!HasRows(m_events) || !CurrentOperator.CheckRight(kEditRight, false)) return;
    if (!ConfirmDelete(QStringLiteral("当前记录"))) return;
    try {
        m_events.DeleteCurrent();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
    }
}
