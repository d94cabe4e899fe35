#pragma once

#include "aFrm.h"

class QPushButton;

// An information window: its content goes into Body(); "关闭" (Esc) and "帮助" below.
class TAInfoDlgFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TAInfoDlgFrm(QWidget* parent = nullptr);

    QWidget* Body() const { return m_body; }
    QPushButton* CloseButton() const { return m_close; }
    QPushButton* HelpButton() const { return m_help; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* m_body;
    QPushButton* m_close;
    QPushButton* m_help;
};
