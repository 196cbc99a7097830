#include "widgets/passwordfield.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

namespace {
// The program's style, with a star as the password character. (A style sheet
// property would be lost as soon as a window's own style sheet applies.)
class StarMaskStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle *starMaskStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        QStyle *program = QApplication::style();
        while (auto *proxy = qobject_cast<QProxyStyle *>(program))
            program = proxy->baseStyle();
        style = new StarMaskStyle(QStyleFactory::create(program->name()));
        style->setParent(qApp);
    }
    return style;
}
}

void makePasswordField(QLineEdit *field)
{
    field->setStyle(starMaskStyle());
    field->setEchoMode(QLineEdit::Password);
}
