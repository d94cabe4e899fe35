#pragma once

#include "jtCtrls.h"

#include <QLineEdit>

// The text input of every entry window: painted ColorOnEnter while focused, Enter moves to the
// next input, number inputs refuse what cannot be part of a number, and the text reads and
// writes as typed values with one fixed message per type.
class TjtEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TjtEdit(QWidget* parent = nullptr);

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    QColor ColorOnEnter() const { return m_colorOnEnter; }
    void SetColorOnEnter(const QColor& colour) { m_colorOnEnter = colour; }
    bool TabOnEnter() const { return m_tabOnEnter; }
    void SetTabOnEnter(bool on) { m_tabOnEnter = on; }
    TEditType EditType() const { return m_editType; }
    void SetEditType(TEditType type) { m_editType = type; }

    // The background colour; setting it ends taking the parent's colour.
    QColor Color() const;
    void SetColor(const QColor& colour);
    // Shows the parent's colour as background and keeps it while focused.
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool on);

    // Empty reads as 0 and 0 writes as empty; other texts raise EConvertError.
    double AsDouble() const;
    void SetAsDouble(double value);
    int AsInteger() const;
    void SetAsInteger(int value);
    // Empty reads as null (an invalid QVariant) and null writes as empty.
    QVariant AsDate() const; // a QDate
    void SetAsDate(const QVariant& value);
    QVariant AsDateTime() const; // a QDateTime
    void SetAsDateTime(const QVariant& value);
    QVariant AsVariant() const; // a double
    void SetAsVariant(const QVariant& value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The key filter: whether the character may not be typed into the current text.
    bool Refuses(QChar typed, const QString& current) const;
    void SetBackground(const QColor& colour);

    TAlignment m_alignment = taLeftJustify;
    QColor m_colorOnEnter = clAqua;
    bool m_tabOnEnter = true;
    TEditType m_editType = etFree;
    bool m_parentColor = false;
    bool m_entered = false;
    QColor m_colorBeforeEnter;
};
