#include "AssetFra.h"

#include "AssetProfileFra.h"
#include "AssetUpdatelogsFra.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QScrollArea>
#include <QStackedWidget>

#include <algorithm>

namespace {

constexpr int kUpdatelogRight = 140;

struct TPageKind {
    int Order;
    TAssetPageFactory Factory;
    QString Caption;
    int Right;
};

QList<TPageKind>& RegisteredPages() {
    static QList<TPageKind> kinds;
    return kinds;
}

} // namespace

TAssetFra::TAssetFra(QWidget* parent)
    : TAssetPageFra(parent), lbPages1(new QListWidget(this)), m_stack(new QStackedWidget) {
    lbPages1->setObjectName(QStringLiteral("lbPages1"));
    lbPages1->setFixedWidth(64);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("sbPages1"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(m_stack);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(lbPages1);
    layout->addWidget(scroll, 1);

    AddPage([](QWidget* p) { return new TAssetProfileFra(p); }, QStringLiteral("信息"), 0);
    for (const TPageKind& kind : RegisteredPages())
        AddPage(kind.Factory, kind.Caption, kind.Right);
    m_logPage = AddPage([](QWidget* p) { return new TAssetUpdatelogsFra(p); },
                        QStringLiteral("日志"), kUpdatelogRight);
    connect(lbPages1, &QListWidget::currentRowChanged, this, &TAssetFra::PageSelected);
    SelectPage(0);
}

void TAssetFra::RegisterPage(int order, TAssetPageFactory factory, const QString& caption,
                             int right) {
    QList<TPageKind>& kinds = RegisteredPages();
    const auto after =
        std::upper_bound(kinds.begin(), kinds.end(), order,
                         [](int o, const TPageKind& kind) { return o < kind.Order; });
    kinds.insert(after, {order, std::move(factory), caption, right});
}

TAssetPageFra* TAssetFra::AddPage(const TAssetPageFactory& factory, const QString& caption,
                                  int right) {
    if (!AssetPageAllowed(right)) return nullptr;
    // The update log stays last, also for pages added after it.
    const int at = m_logPage ? int(m_pages.indexOf(m_logPage)) : int(m_pages.size());
    TAssetPageFra* page = factory(m_stack);
    page->SetSaveCallback(m_saved);
    m_stack->insertWidget(at, page);
    m_pages.insert(at, page);
    lbPages1->insertItem(at, caption);
    return page;
}

void TAssetFra::SetAssetId(int id) {
    TAssetPageFra::SetAssetId(id);
    if (TAssetPageFra* front = Page(CurrentPage())) front->SetAssetId(id);
}

void TAssetFra::SetSaveCallback(std::function<void()> saved) {
    m_saved = std::move(saved);
    for (TAssetPageFra* page : m_pages)
        page->SetSaveCallback(m_saved);
}

QStringList TAssetFra::PageNames() const {
    QStringList names;
    for (int row = 0; row < lbPages1->count(); ++row)
        names.append(lbPages1->item(row)->text());
    return names;
}

int TAssetFra::CurrentPage() const {
    return lbPages1->currentRow();
}

void TAssetFra::SelectPage(int index) {
    if (index >= 0 && index < m_pages.size()) lbPages1->setCurrentRow(index);
}

void TAssetFra::PageSelected(int index) {
    TAssetPageFra* page = Page(index);
    if (!page) return;
    m_stack->setCurrentWidget(page);
    page->SetAssetId(AssetId());
    Q_EMIT pageChanged(index);
}
