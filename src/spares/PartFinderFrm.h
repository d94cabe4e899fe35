#pragma once

#include "ui/ADlgFrm.h"

class DataSource;
class QComboBox;
class QLineEdit;
class TPartsWhere;

// "备件查找": edits the parts list's own condition. Whatever closes it, the edited criteria
// stay; the list searches only when it closes with OK.
class TPartFinderFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TPartFinderFrm(TPartsWhere& where, QWidget* parent = nullptr);

    QComboBox* ClassCombo() const { return m_class; }
    QComboBox* StatusCombo() const { return m_status; }
    // The input of S1 … S8, numbered from 1.
    QLineEdit* TextEdit(int number) const { return m_texts.value(number - 1); }

    void done(int result) override;

private:
    TPartsWhere& m_where;
    DataSource* m_source;
    QComboBox* m_class;
    QComboBox* m_status;
    QList<QLineEdit*> m_texts;
};
