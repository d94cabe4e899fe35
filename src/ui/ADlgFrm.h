#pragma once

#include "aFrm.h"

#include <initializer_list>

class QPushButton;
class QVBoxLayout;

// A modal dialog: its controls go into Body(); a line above "确定(&O)", "取消" (Esc) and
// "帮助" at the bottom right. Subclasses validate in accept() and stay open on failure.
class TADlgFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TADlgFrm(QWidget* parent = nullptr);

    QWidget* Body() const { return m_body; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* HelpButton() const { return m_help; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* m_body;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
};

// Centres a dialog on a window (its owner, or the main window).
void CentreOn(QWidget* dialog, const QWidget* over);
// The buttons at the bottom right of a dialog; none of them reacts to Enter.
class QHBoxLayout;
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);
