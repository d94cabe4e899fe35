#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QProxyStyle>

// Password boxes show "*" for each character, whatever the desktop style would draw.
inline void MaskWithStars(QLineEdit* edit) {
    class StarStyle : public QProxyStyle {
    public:
        int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                      QStyleHintReturn* returnData) const override {
            if (hint == SH_LineEdit_PasswordCharacter) return '*';
            return QProxyStyle::styleHint(hint, option, widget, returnData);
        }
    };
    static QStyle* const style = [] {
        auto* s = new StarStyle;
        s->setParent(qApp);
        return s;
    }();
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyle(style);
}
