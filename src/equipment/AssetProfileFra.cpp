#include "AssetProfileFra.h"

#include "AssetAccessoriesFra.h"
#include "AssetDocumentsFra.h"
#include "AssetEditor2Fra.h"
#include "AssetEditorFra.h"
#include "AssetEventsFra.h"
#include "AssetPhotosFra.h"

#include <QTabWidget>
#include <QVBoxLayout>

TAssetProfileFra::TAssetProfileFra(QWidget* parent)
    : TAssetPageFra(parent), tcProfile1(new QTabWidget(this)) {
    tcProfile1->setObjectName(QStringLiteral("tcProfile1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tcProfile1);
    AddTab([](QWidget* p) { return new TAssetEditorFra(p); }, QStringLiteral("基本"), 0);
    AddTab([](QWidget* p) { return new TAssetEditor2Fra(p); }, QStringLiteral("扩展"), 0);
    AddTab([](QWidget* p) { return new TAssetAccessoriesFra(p); }, QStringLiteral("附件"), 139);
    AddTab([](QWidget* p) { return new TAssetPhotosFra(p); }, QStringLiteral("图片"), 138);
    AddTab([](QWidget* p) { return new TAssetDocumentsFra(p); }, QStringLiteral("文档"), 137);
    AddTab([](QWidget* p) { return new TAssetEventsFra(p); }, QStringLiteral("记事"), 136);
    connect(tcProfile1, &QTabWidget::currentChanged, this, &TAssetProfileFra::TabChanged);
}

TAssetPageFra* TAssetProfileFra::AddTab(const TAssetPageFactory& factory, const QString& caption,
                                        int right) {
    if (!AssetPageAllowed(right)) return nullptr;
    TAssetPageFra* page = factory(tcProfile1);
    page->SetSaveCallback(m_saved);
    tcProfile1->addTab(page, caption);
    m_pages.append(page);
    return page;
}

void TAssetProfileFra::SetAssetId(int id) {
    TAssetPageFra::SetAssetId(id);
    if (TAssetPageFra* front = TabPage(tcProfile1->currentIndex())) front->SetAssetId(id);
}

void TAssetProfileFra::SetSaveCallback(std::function<void()> saved) {
    m_saved = std::move(saved);
    for (TAssetPageFra* page : m_pages)
        page->SetSaveCallback(m_saved);
}

void TAssetProfileFra::TabChanged(int index) {
    TAssetPageFra* page = TabPage(index);
    if (!page) return;
    page->SetAssetId(AssetId());
    page->update();
}
