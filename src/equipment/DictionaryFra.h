#pragma once

#include "OptionPageFra.h"

#include <memory>

class QToolButton;
class TBatchEditSet;
class TjtDBGrid;

// An options page editing one dictionary in a grid: "+" adds a row, "-" marks the current one
// removed, and the rows are written only when something was changed.
class TDictionaryFra : public TOptionPageFra {
    Q_OBJECT
public:
    TjtDBGrid* Grid() const { return m_grid; }
    QToolButton* AddButton() const { return m_add; }
    QToolButton* RemoveButton() const { return m_remove; }
    bool Changed() const { return m_changed; }
    void Save() override;

protected:
    // Shows the page's own set, or the shared one when given.
    TDictionaryFra(std::unique_ptr<TBatchEditSet> owned, TBatchEditSet* shared, int layoutId,
                   const QString& title, const QString& note, QWidget* parent);

private:
    void AddRow();

    std::unique_ptr<TBatchEditSet> m_owned;
    TBatchEditSet& m_set;
    TjtDBGrid* m_grid;
    QToolButton* m_add;
    QToolButton* m_remove;
    bool m_changed = false;
};

// "编号规则": the code-numbering rules.
class TCodeFormatFra : public TDictionaryFra {
    Q_OBJECT
public:
    explicit TCodeFormatFra(QWidget* parent = nullptr);
};

// "设备状况": the status dictionary the whole program uses.
class TSystatusFra : public TDictionaryFra {
    Q_OBJECT
public:
    explicit TSystatusFra(QWidget* parent = nullptr);
    // The rows added or removed in memory go again.
    void Discard() override;
};
