#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <gtest/gtest.h>

// The board's statements are long: their hints wrap at 150 pixels, short ones do not.
TEST(Hints, LongHintsWrapAt150PixelsAndShortOnesStayOnOneLine)
{
    QLabel label(QStringLiteral("1.1"));
    label.resize(40, 40);
    label.show();
    const auto hintOf = [&](const QString &text) {
        label.setToolTip(text);
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), label.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&label, &help);
        return QToolTip::text();
    };
    const QString longHint = hintOf(QStringLiteral("Je sais m'identifier sur un réseau ou un site et mettre fin à cette identification."));
    EXPECT_TRUE(longHint.contains(QStringLiteral("width=150"))) << longHint.toStdString();
    EXPECT_TRUE(longHint.contains(QStringLiteral("identifier sur un r")));
    const QString shortHint = hintOf(QStringLiteral("couper"));
    EXPECT_FALSE(shortHint.contains(QStringLiteral("width=150")));
    EXPECT_TRUE(shortHint.contains(QStringLiteral("couper")));
    QToolTip::hideText();
}
