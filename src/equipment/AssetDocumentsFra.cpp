#include "AssetDocumentsFra.h"

#include "AttachmentFiles.h"
#include "AttachmentPages_p.h"
#include "DocumentEditorFrm.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"

namespace {

constexpr int kLayout = 109;
constexpr int kManageRight = 105;

bool HasRows(const TDocumentSet& set) {
    const DataSet& data = set.Query();
    return data.Active() && !data.IsEmpty();
}

} // namespace

TAssetDocumentsFra::TAssetDocumentsFra(QWidget* parent)
    : TAssetPageFra(parent), m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)),
      m_add(new QPushButton(QStringLiteral("添加"), this)),
      m_open(new QPushButton(QStringLiteral("打开"), this)),
      m_menu(new QPushButton(QStringLiteral("更多...↓"), this)),
      m_deleteAction(new QAction(QStringLiteral("删除"), this)),
      m_editAction(new QAction(QStringLiteral("修改"), this)),
      m_openAction(new QAction(QStringLiteral("打开"), this)) {
    setObjectName(QStringLiteral("AssetDocumentsFra"));
    attachmentui::SetUpGrid(m_grid, &m_documents.Query(), kLayout);
    attachmentui::AppendMenu(m_grid,
                             {nullptr, m_deleteAction, m_editAction, nullptr, m_openAction});
    attachmentui::LayOut(this, {m_add, m_open, m_menu}, m_grid);
    attachmentui::PopsUpMenu(m_menu, m_grid);

    connect(m_add, &QPushButton::clicked, this, &TAssetDocumentsFra::AddClick);
    connect(m_open, &QPushButton::clicked, this, &TAssetDocumentsFra::OpenClick);
    connect(m_openAction, &QAction::triggered, this, &TAssetDocumentsFra::OpenClick);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TAssetDocumentsFra::OpenClick);
    connect(m_editAction, &QAction::triggered, this, &TAssetDocumentsFra::EditClick);
    connect(m_deleteAction, &QAction::triggered, this, &TAssetDocumentsFra::DeleteClick);
}

void TAssetDocumentsFra::SetAssetId(int id) {
    if (id == AssetId()) return;
    try {
        m_documents.OpenByAsset(id);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the page stays empty.
    }
    TAssetPageFra::SetAssetId(id);
}

void TAssetDocumentsFra::AddClick() {
    if (!CurrentOperator.CheckRight(kManageRight, false) || AssetId() <= 0) return;
    TDocumentEditorFrm editor(m_documents, true, AssetId(), this);
    editor.exec();
}

void TAssetDocumentsFra::EditClick() {
    if (!CurrentOperator.CheckRight(kManageRight, false) || !HasRows(m_documents)) return;
    TDocumentEditorFrm editor(m_documents, false, m_documents.EqiIdFld->AsInteger(), this);
    editor.exec();
}

void TAssetDocumentsFra::DeleteClick() {
    if (!CurrentOperator.CheckRight(kManageRight, false) || !HasRows(m_documents)) return;
    if (!ConfirmDelete(QStringLiteral("当前记录"))) return;
    try {
        m_documents.DeleteCurrent();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
    }
}

void TAssetDocumentsFra::OpenClick() {
    if (!HasRows(m_documents)) return;
    QString copy;
    try {
        copy = WriteTemporaryCopy(m_documents.FileNameFld->AsString(),
                                  m_documents.FileDataFld->AsBytes());
    } catch (const Exception& e) {
        ShowInfo(e.Message());
        return;
    }
    OpenAttachment(copy);
}
