#pragma once

#include "ADlgFrm.h"

#include <QPointer>
#include <QStringList>

class DataSet;
class Field;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;

// The filter dialog "过滤/筛选": condition lines built from a field, an operator and a value,
// joined by brackets and relations into the data set's filter syntax.
class TFilterFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TFilterFrm(QWidget* parent = nullptr);

    void InitFrm(DataSet& data);
    // The composed lines, each preceded by one blank; empty without lines.
    QString GetFilterStr() const;
    void SumExpresses();

    // Driving the dialog as the user does.
    QComboBox* FieldBox() const { return m_fieldBox; }
    QComboBox* OperatorBox() const { return m_operatorBox; }
    // The value control of the chosen field (none for types without one).
    QWidget* ValueControl() const { return m_valueControl; }
    QListWidget* Lines() const { return m_lines; }
    QButtonGroup* Brackets() const { return m_brackets; }
    QButtonGroup* Relations() const { return m_relations; }
    QLabel* StatusStrip() const { return m_status; }
    QPushButton* BuildButton() const { return m_build; }
    QPushButton* ClearButton() const { return m_clear; }
    // "生成": appends a condition line from the chosen field, operator and value.
    void AddCondition();
    // "清除": removes the selected line.
    void RemoveCondition();

private:
    void FieldChosen(int index);
    void LineSelected(int row);
    void BracketChosen(int position);
    void RelationChosen(int position);
    QString ValueText() const;
    QString ValueDisplay() const;

    DataSet* m_data = nullptr;
    QComboBox* m_fieldBox;
    QComboBox* m_operatorBox;
    QGroupBox* m_valueBox;
    QPointer<QWidget> m_valueControl;
    QButtonGroup* m_valueChoice = nullptr;
    QListWidget* m_lines;
    QButtonGroup* m_brackets;
    QButtonGroup* m_relations;
    QLabel* m_status;
    QPushButton* m_build;
    QPushButton* m_clear;
    bool m_updating = false;

    // One entry per condition line in each list.
    QStringList m_conditions;
    QStringList m_displays;
    QStringList m_lineBrackets;
    QStringList m_lineRelations;
    QStringList m_relationDisplays;
    // The composed lines in filter syntax and for the list box.
    QStringList m_composed;
    QStringList m_composedDisplays;
    // The operator codes of the chosen field.
    QStringList m_operatorCodes;
};
