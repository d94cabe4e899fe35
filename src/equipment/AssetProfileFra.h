#pragma once

#include "AssetPageFra.h"

#include <QList>

class QTabWidget;

// The "信息" page: tabs each carrying a page; as in the panel, only the tab in front follows
// the current equipment.
class TAssetProfileFra : public TAssetPageFra {
    Q_OBJECT
public:
    explicit TAssetProfileFra(QWidget* parent = nullptr);

    void SetAssetId(int id) override;
    void SetSaveCallback(std::function<void()> saved) override;

    // Adds the tab at the end, when the operator holds its right.
    TAssetPageFra* AddTab(const TAssetPageFactory& factory, const QString& caption, int right);
    QTabWidget* Tabs() const { return tcProfile1; }
    TAssetPageFra* TabPage(int index) const { return m_pages.value(index); }

private:
    void TabChanged(int index);

    QTabWidget* tcProfile1;
    QList<TAssetPageFra*> m_pages;
    std::function<void()> m_saved;
};
