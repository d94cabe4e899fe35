#pragma once

#include "OptionPageFra.h"

#include <QList>

class QListWidget;
class QPlainTextEdit;

// "下拉选项": the pick lists, one item per line.
class TPickListFra : public TOptionPageFra {
    Q_OBJECT
public:
    explicit TPickListFra(QWidget* parent = nullptr);
    void Save() override;

    QListWidget* Lists() const { return m_lists; }
    QPlainTextEdit* Memo() const { return m_memo; }

private:
    struct Entry {
        int Key;
        QString Text;
        bool Changed = false;
    };
    void Select(int row);
    void StoreMemo();

    QList<Entry> m_entries;
    QListWidget* m_lists;
    QPlainTextEdit* m_memo;
    int m_shown = -1;
};
