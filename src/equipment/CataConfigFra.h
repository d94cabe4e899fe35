#pragma once

#include "OptionPageFra.h"

#include <QList>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

// "设备分类": the six class columns of the ledger, each with its title, its values and whether
// it is in use. A new title shows at once.
class TCataConfigFra : public TOptionPageFra {
    Q_OBJECT
public:
    explicit TCataConfigFra(QWidget* parent = nullptr);
    void Save() override;

    QListWidget* Classes() const { return m_classes; }
    QLineEdit* NameEdit() const { return m_name; }
    QPlainTextEdit* ItemsMemo() const { return m_items; }
    QCheckBox* InUse() const { return m_inUse; }

private:
    struct Entry {
        QString Name;
        QString Items;
        bool Enabled = false;
        bool Changed = false;
    };
    void Select(int row);
    void Store();

    QList<Entry> m_entries;
    QListWidget* m_classes;
    QLineEdit* m_name;
    QPlainTextEdit* m_items;
    QCheckBox* m_inUse;
    int m_shown = -1;
};
