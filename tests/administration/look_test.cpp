// Renders the administration windows to PNG files in /tmp for a look by eye:
//   test_administration --gtest_also_run_disabled_tests --gtest_filter='*Look*'
#include "administration/classfollowup.h"
#include "administration/tadminiden.h"
#include "administration/timportcomptev3.h"
#include "consolefixture.h"

#include <QImage>

namespace {
void save(QWidget *w, const QString &name)
{
    QApplication::processEvents();
    const QImage image = w->grab().toImage();
    EXPECT_FALSE(image.isNull());
    image.save(QStringLiteral("/tmp/tavelo-admin-") + name + QStringLiteral(".png"));
}
}

TEST_F(ConsoleTest, DISABLED_Look)
{
    writeRecord(QStringLiteral("alice"), recordLines(QStringLiteral("Alice Martin"), QStringLiteral("a"), QStringLiteral("6A"), groupsWith({1, 2, 5, 12, 22})));
    writeRecord(QStringLiteral("bruno"), recordLines(QStringLiteral("bruno"), QStringLiteral("b"), QStringLiteral("6A"), groupsWith({})));
    boxes.allowUnexpected();
    Tadminiden login(&mainWindow);
    login.setAttribute(Qt::WA_DeleteOnClose, false);
    save(&login, QStringLiteral("login"));

    openConsole();
    save(console, QStringLiteral("console-empty"));
    clickClass(QStringLiteral("6A"));
    clickPupil(QStringLiteral("alice"));
    robot.click(console->rowBox(3));
    save(console, QStringLiteral("console-results"));
    clickButton(QStringLiteral("Button10"));
    save(console, QStringLiteral("console-page2"));
    clickButton(QStringLiteral("Button2"));
    save(console, QStringLiteral("console-statistics"));
    clickButton(QStringLiteral("Button18"));
    console->followUp()->resize(1280, 980);
    save(console->followUp(), QStringLiteral("class-follow-up"));
    console->followUp()->close();
    console->activateWindow();
    clickPupil(QStringLiteral("bruno"));
    clickPupil(QStringLiteral("alice"));
    clickButton(QStringLiteral("Button6"));
    save(console, QStringLiteral("console-sheet"));
    clickButton(QStringLiteral("Button16"));
    robot.click(child<QLineEdit>(QStringLiteral("Edit2")));
    clickButton(QStringLiteral("Button4"));
    save(console, QStringLiteral("console-editor"));

    Timportcomptev3 import(nullptr);
    import.setAttribute(Qt::WA_DeleteOnClose, false);
    import.show();
    save(&import, QStringLiteral("import"));
}
