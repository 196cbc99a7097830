#include "pictures/appearance.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QStandardPaths>
#include <QPalette>
#include <QProxyStyle>
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
