#pragma once

#include "ui/ADlgFrm.h"

#include <QStringList>

class QLineEdit;
class QListWidget;

// "选择": a value for a change request, picked from the candidates or typed.
class TChgItemsFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TChgItemsFrm(const QStringList& candidates, QWidget* parent = nullptr);

    QListWidget* List() const { return m_list; }
    QLineEdit* ValueEdit() const { return m_value; }
    QString Value() const;

private:
    QLineEdit* m_value;
    QListWidget* m_list;
};

// Shows the chooser; true with the value when it closed with OK.
bool ChooseChangeValue(const QStringList& candidates, QString& value, QWidget* parent = nullptr);
