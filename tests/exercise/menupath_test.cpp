#include "shell/exercise/menuscreen.h"
#include "support/pupilmenus.h"
#include "support/pupilmenus.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {
enum Id { Footer, Field, Date, PageNumber, Spare };

// A window with one menu "Insertion": a submenu "Champ" that starts disabled, with
// "Date" and "Numéro page", then "Piedpage" and a hidden "Cadre".
struct MenuWindow
{
    MenuWindow()
    {
        MenuEntry field = MenuEntry::sub(Field, QStringLiteral("Champ"),
                                         {MenuEntry::item(Date, QStringLiteral("Date")),
                                          MenuEntry::item(PageNumber, QStringLiteral("Numéro page"))});
        field.enabled = false;
        MenuEntry hidden = MenuEntry::item(Spare, QStringLiteral("Cadre"));
        hidden.visible = false;
        bar = MenuBuilder::build({{QStringLiteral("Insertion"),
                                   {field, MenuEntry::item(Footer, QStringLiteral("Piedpage")), hidden}, {}}},
                                 &window, [this](int id) { chosen << id; });
        bar->setGeometry(0, 0, 300, bar->sizeHint().height());
        window.resize(300, 200);
        window.show();
    }
    ~MenuWindow()
    {
        while (QWidget *open = QApplication::activePopupWidget())
            open->close();
    }
    QMenu *fieldMenu() const { return MenuBuilder::action(bar, Field)->menu(); }
    // The failures the robot reports while choosing this path.
    QStringList failuresChoosing(const QStringList &path)
    {
        testing::TestPartResultArray failures;
        {
            testing::ScopedFakeTestPartResultReporter reporter(
                testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
            PupilMenus::choose(&window, path);
        }
        QStringList messages;
        for (int i = 0; i < failures.size(); ++i)
            messages << QString::fromStdString(failures.GetTestPartResult(i).message());
        return messages;
    }

    QWidget window;
    QMenuBar *bar = nullptr;
    QList<int> chosen;
};
const QStringList PageNumberPath{QStringLiteral("Insertion"), QStringLiteral("Champ"), QStringLiteral("Numéro page")};
}

TEST(MenuPath, ASubmenuEnabledThroughItsMenuOrItsEntryOpensToThePupil)
{
    MenuWindow w;
    EXPECT_FALSE(MenuBuilder::action(w.bar, Field)->isEnabled());
    EXPECT_FALSE(w.fieldMenu()->isEnabled());

    // The menu widget enabled: its entry follows, and the item can be chosen.
    w.fieldMenu()->setEnabled(true);
    EXPECT_TRUE(MenuBuilder::action(w.bar, Field)->isEnabled());
    EXPECT_TRUE(PupilMenus::choose(&w.window, PageNumberPath));
    EXPECT_EQ(w.chosen, QList<int>{PageNumber});

    // The entry disabled then enabled again: the menu widget follows both ways.
    MenuBuilder::action(w.bar, Field)->setEnabled(false);
    EXPECT_FALSE(w.fieldMenu()->isEnabled());
    MenuBuilder::action(w.bar, Field)->setEnabled(true);
    EXPECT_TRUE(PupilMenus::choose(&w.window, MenuBuilder::action(w.bar, Date)));
    EXPECT_EQ(w.chosen, (QList<int>{PageNumber, Date}));
}

TEST(MenuPath, TheRobotRefusesAPathThePupilCannotTake)
{
    MenuWindow w;
    auto failsWith = [&](const QStringList &path, const char *what) {
        const QStringList failures = w.failuresChoosing(path);
        ASSERT_EQ(failures.size(), 1) << path.join(QLatin1Char('>')).toStdString();
        EXPECT_TRUE(failures.first().contains(QLatin1String(what))) << failures.first().toStdString();
        EXPECT_TRUE(failures.first().contains(path.join(QStringLiteral(" > ")))) << failures.first().toStdString();
    };
    failsWith(PageNumberPath, "disabled");
    failsWith({QStringLiteral("Insertion"), QStringLiteral("Cadre")}, "hidden");
    failsWith({QStringLiteral("Insertion"), QStringLiteral("Tableau")}, "no menu entry");
    EXPECT_TRUE(w.chosen.isEmpty());
}
