#include "pictures/appearance.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QFontDatabase>
#include <QIcon>
#include <QStandardPaths>
#include <QPalette>
#include <QProxyStyle>
#include <QTextDocument>
#include <QToolTip>
#include <QStyleFactory>

namespace {
// Hints show at once and stay five seconds, as the board's statements need.
class HintStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 1;
        if (hint == SH_ToolTip_FallAsleepDelay)
            return 5000;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Every hint of the program: a white box at most 150 pixels wide, 50 pixels to the
// right of the usual place, hidden after five seconds.
class HintPlacement : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        const QString text = widget->toolTip();
        if (text.isEmpty() || Qt::mightBeRichText(text))
            return false;
        const auto *help = static_cast<QHelpEvent *>(event);
        const QFontMetrics metrics(QToolTip::font());
        QString shown = text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
        if (metrics.horizontalAdvance(text) > MaximumWidth)
            shown = QStringLiteral("<table width=%1><tr><td>%2</td></tr></table>").arg(MaximumWidth).arg(shown);
        else
            shown = QStringLiteral("<p style='white-space:pre'>%1</p>").arg(shown);
        // No owner widget: a control's own style sheet must not colour the hint.
        QToolTip::showText(help->globalPos() + QPoint(50, 0), shown, nullptr, QRect(), 5000);
        return true;
    }

private:
    static constexpr int MaximumWidth = 150;
};
}

void installAppearance()
{
    QApplication::setStyle(new HintStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    // White hint boxes. (A style sheet would stop the windows' fonts from reaching
    // their controls, so the hint palette is set instead.)
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, Qt::white);
    hints.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(hints);
    static HintPlacement *placement = nullptr;
    if (!placement) {
        placement = new HintPlacement(qApp);
        qApp->installEventFilter(placement);
    }

    // Under the offscreen platform no theme is configured: point Qt at the XDG icons.
    QStringList iconPaths = QIcon::themeSearchPaths();
    const QStringList dataDirs = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString &dir : dataDirs)
        iconPaths << dir + QStringLiteral("/icons");
    iconPaths << QStringLiteral("/usr/share/icons");
    iconPaths.removeDuplicates();
    QIcon::setThemeSearchPaths(iconPaths);
    QIcon::setThemeName(QStringLiteral("breeze"));

    // The windows ask for the families of the original look; Debian's fonts stand in.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    // Debian's wine fonts ship a Tahoma look-alike outside fontconfig's folders.
    const QString wineTahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    QString tahoma = QStringLiteral("DejaVu Sans");
    if (QFile::exists(wineTahoma)) {
        const int id = QFontDatabase::addApplicationFont(wineTahoma);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty() && families.first() != QStringLiteral("Tahoma"))
            tahoma = families.first();
        else if (!families.isEmpty())
            tahoma.clear();
    }
    if (!tahoma.isEmpty())
        QFont::insertSubstitution(QStringLiteral("Tahoma"), tahoma);
    QFont::insertSubstitutions(QStringLiteral("Lucida Sans"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitution(QStringLiteral("Lydian"), QStringLiteral("Liberation Serif"));
}
