// The open dialog: its built-in folder tree, the name field and what "Ouvrir" hands over.
#include "dialogs/uouverture.h"
#include "support/pupilrobot.h"
#include "support/standinboard.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct Owner
{
    Owner()
    {
        window->resize(400, 300);
        window->show();
        dialog = new Touverture(window.get(), [this](const QString &name) { chosen << name; });
        dialog->show();
        robot.setWindow(dialog);
    }
    void open(const QString &caption)
    {
        const QPoint at = dialog->entryCentre(caption);
        ASSERT_FALSE(at.isNull()) << caption.toStdString();
        robot.doubleClick(at);
    }
    void click(const QString &caption) { robot.click(dialog->entryCentre(caption)); }
    QString view() const { return dialog ? dialog->currentView()->objectName() : QString(); }

    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QPointer<Touverture> dialog;
    PupilRobot robot;
    QStringList chosen;
};
}

TEST(OpenDialog, ThroughTheDriveToTheImagesADoubleClickHandsTheFileOverAndCloses)
{
    Owner o;
    EXPECT_EQ(o.dialog->windowTitle(), QStringLiteral("Ouvrir"));
    EXPECT_EQ(o.dialog->size(), Touverture::ClientSize);
    EXPECT_EQ(o.view(), QStringLiteral("ListView1"));
    EXPECT_TRUE(o.dialog->BitBtn1->isEnabled());
    EXPECT_EQ(o.dialog->Edit2->text(), QStringLiteral("Tout type de fichier (*.*)"));
    EXPECT_EQ(o.dialog->SpeedButton1->toolTip(), QStringLiteral("remonter d'un niveau"));
    o.open(QStringLiteral("Poste de travail"));
    EXPECT_EQ(o.view(), QStringLiteral("ListView12"));
    o.open(QStringLiteral("C:\\"));
    EXPECT_EQ(o.view(), QStringLiteral("ListView122"));
    o.open(QStringLiteral("images"));
    EXPECT_EQ(o.view(), QStringLiteral("ListView1222"));
    QStringList shown;
    for (int i = 0; i < o.dialog->currentView()->count(); ++i)
        shown << o.dialog->currentView()->item(i)->text();
    EXPECT_EQ(shown, (QStringList{"symcen.jpg", "affiche.jpg", "symaxe.jpg", "eclipse.jpg"}));
    o.open(QStringLiteral("symaxe.jpg"));
    flushDeletes();
    EXPECT_EQ(o.chosen, QStringList{QStringLiteral("symaxe.jpg")});
    EXPECT_FALSE(o.dialog);
}

TEST(OpenDialog, InertEntriesAndFolderClicksDoNothing)
{
    Owner o;
    o.open(QStringLiteral("poubelle"));
    o.click(QStringLiteral("Mes documents"));
    EXPECT_EQ(o.view(), QStringLiteral("ListView1"));
    EXPECT_TRUE(o.dialog->Edit1->text().isEmpty());
    o.open(QStringLiteral("Poste de travail"));
    o.open(QStringLiteral("A:\\"));
    o.open(QStringLiteral("D:\\"));
    EXPECT_EQ(o.view(), QStringLiteral("ListView12"));
    EXPECT_TRUE(o.chosen.isEmpty());
}

TEST(OpenDialog, TheUpButtonEmptiesTheNameAndOuvrirWaitsForAnotherFile)
{
    Owner o;
    o.robot.click(o.dialog->SpeedButton1);   // at the root
    EXPECT_EQ(o.view(), QStringLiteral("ListView1"));
    EXPECT_FALSE(o.dialog->BitBtn1->isEnabled());
    o.open(QStringLiteral("Mes documents"));
    o.open(QStringLiteral("musique"));
    EXPECT_FALSE(o.dialog->BitBtn1->isEnabled()) << "entering a folder does not enable it";
    o.click(QStringLiteral("skelmo.wav"));
    EXPECT_EQ(o.dialog->Edit1->text(), QStringLiteral("skelmo.wav"));
    EXPECT_TRUE(o.dialog->BitBtn1->isEnabled());
    o.robot.click(o.dialog->SpeedButton1);
    EXPECT_EQ(o.view(), QStringLiteral("ListView11"));
    EXPECT_TRUE(o.dialog->Edit1->text().isEmpty());
    EXPECT_FALSE(o.dialog->BitBtn1->isEnabled());
    o.open(QStringLiteral("jeux"));
    o.click(QStringLiteral("dongeon & dragons"));
    o.robot.click(o.dialog->BitBtn1);
    flushDeletes();
    EXPECT_EQ(o.chosen, QStringList{QStringLiteral("dongeon & dragons")});
}

TEST(OpenDialog, OuvrirWithNoFileHandsTheEmptyNameAndAnnulerHandsNothing)
{
    {
        Owner o;
        o.robot.click(o.dialog->BitBtn1);
        flushDeletes();
        EXPECT_EQ(o.chosen, QStringList{QString()});
        EXPECT_FALSE(o.dialog);
    }
    Owner o;
    o.robot.click(o.dialog->BitBtn2);
    flushDeletes();
    EXPECT_TRUE(o.chosen.isEmpty());
    EXPECT_FALSE(o.dialog);
}

TEST(OpenDialog, EveryViewOfTheTreeLeadsBackToTheRoot)
{
    for (int folder = 1; folder < Touverture::tree().size(); ++folder) {
        int steps = 0;
        for (int f = folder; f != 0 && steps < 5; f = Touverture::tree()[f].parent)
            ++steps;
        EXPECT_LT(steps, 5) << Touverture::tree()[folder].name.toStdString();
    }
}
