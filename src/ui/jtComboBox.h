#pragma once

#include <QComboBox>

// The combo box of every entry window: no automatic completion, Enter moves to the next input
// (Shift+Enter to the previous), aqua while focused and white otherwise.
class TjtComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TjtComboBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void SetBackground(const QColor& colour);
};
