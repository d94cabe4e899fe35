#pragma once

#include "AssetPageFra.h"

#include <QList>
#include <QStringList>

class QListWidget;
class QStackedWidget;

// The detail panel under the equipment list: page names on the left, the pages stacked on the
// right. Only the page in front follows the current equipment; a page brought to the front
// catches up then, so moving through the list loads one page, not all of them.
class TAssetFra : public TAssetPageFra {
    Q_OBJECT
public:
    explicit TAssetFra(QWidget* parent = nullptr);

    void SetAssetId(int id) override;
    // Handed to every page, so an editor's save refreshes the list.
    void SetSaveCallback(std::function<void()> saved) override;

    // Adds the page at the end of the list, before "日志", when the operator holds its right.
    TAssetPageFra* AddPage(const TAssetPageFactory& factory, const QString& caption, int right);
    // Pages of later libraries: every panel made afterwards has them, in the order given
    // ("信息" is 0), between this library's "信息" and "日志".
    static void RegisterPage(int order, TAssetPageFactory factory, const QString& caption,
                             int right);

    QStringList PageNames() const;
    int CurrentPage() const;
    void SelectPage(int index);
    TAssetPageFra* Page(int index) const { return m_pages.value(index); }
    QListWidget* PageList() const { return lbPages1; }

Q_SIGNALS:
    void pageChanged(int index);

private:
    void PageSelected(int index);

    QListWidget* lbPages1;
    QStackedWidget* m_stack;
    QList<TAssetPageFra*> m_pages;
    TAssetPageFra* m_logPage = nullptr;
    std::function<void()> m_saved;
};
