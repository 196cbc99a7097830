#include "shelldriving.h"

#include "records/cp1252.h"
#include "records/passwordhash.h"
#include "records/recordstore.h"
#include "records/textfile.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "shell/tform1.h"
#include "shell/tidentification.h"
#include "shell/tu_motpasseeleve.h"
#include "support/pupilrobot.h"
#include "support/scriptedmessages.h"
#include "support/standinboard.h"
#include "support/tempdatafolder.h"
#include "widgets/choicecombo.h"
#include "records/datafolder.h"
#include "records/systemcalls.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using MessageBox::Kind;

namespace {
int lineCount(const QByteArray &bytes) { return int(bytes.count("\r\n")); }

using ShellDriving::rowCentre;

// The main window on its home screen over a fresh data folder, with a robot.
struct Shell
{
    TempDataFolder data;
    ScriptedMessages boxes;
    Tform1 form;
    PupilRobot robot{&form};

    Shell() { form.show(); }
    ~Shell() { ShellDriving::closeOtherWindows(&form); }

    void select(const QString &pupil, const QString &teacher) { ShellDriving::select(robot, form, pupil, teacher); }
    void logIn(const QString &pupil, const QString &password, const QString &teacher = QStringLiteral("M. Besson"))
    {
        robot.click(form.button2);
        select(pupil, teacher);
        robot.type(password, form.edit1);
        robot.key(Qt::Key_Return, Qt::NoModifier, form.edit1);
    }
    QByteArray record(const QString &name) const { return data.readBytes(QStringLiteral("sauvegardes/") + name + QStringLiteral("-qib.txt")); }
};
}

TEST(Shell, HomeScreenShowsItsThreeButtonsAndTheTitleAtTheBoardPlace)
{
    Shell shell;
    EXPECT_TRUE(shell.form.button2->isVisible());
    EXPECT_TRUE(shell.form.button4->isVisible());
    EXPECT_TRUE(shell.form.fin->isVisible());
    EXPECT_FALSE(shell.form.combobox2->isVisible());
    EXPECT_EQ(shell.form.Label4->x(), 568);
    EXPECT_EQ(shell.form.Label8->x(), 704);
    EXPECT_EQ(shell.form.windowTitle(), QStringLiteral("  Quorvil"));
    EXPECT_EQ(shell.form.size(), QSize(792, 576));
}

TEST(Shell, PasswordControlsAppearOnlyOnceBothListsHaveASelection)
{
    Shell shell;
    shell.data.addPupil(QStringLiteral("lucas"), QStringLiteral("pw"));
    shell.robot.click(shell.form.button2);
    EXPECT_EQ(shell.form.ListBox1->count(), 3);
    EXPECT_EQ(shell.form.combobox2->count(), 1);
    EXPECT_FALSE(shell.form.Button1->isEnabled()) << "registration is forbidden without the marker";
    shell.robot.click(rowCentre(shell.form.combobox2, QStringLiteral("lucas"), &shell.form));
    EXPECT_FALSE(shell.form.edit1->isVisible());
    shell.robot.click(rowCentre(shell.form.ListBox1, QStringLiteral("Mme Okafor"), &shell.form));
    EXPECT_TRUE(shell.form.edit1->isVisible());
    EXPECT_TRUE(shell.form.Button3->isVisible());
    EXPECT_FALSE(shell.form.CheckBox1->isVisible());
    shell.robot.type(QStringLiteral("p"), shell.form.edit1);
    EXPECT_TRUE(shell.form.CheckBox1->isVisible()) << "the check box shows at the first key";
    // "Menu général" leaves no password control visible.
    shell.robot.click(shell.form.Button5);
    EXPECT_FALSE(shell.form.edit1->isVisible());
    EXPECT_FALSE(shell.form.CheckBox1->isVisible());
    EXPECT_FALSE(shell.form.Button3->isVisible());
    EXPECT_TRUE(shell.form.edit1->text().isEmpty());
}

TEST(Shell, LoginShowsTheBoardAndRetourMenuSavesTheRecord)
{
    Shell shell;
    shell.data.addPupil(QStringLiteral("lucas"), QStringLiteral("secret"));
    // Two competences already acquired, one by the administrator.
    ASSERT_TRUE(RecordStore::loadPupilRecord(QStringLiteral("lucas")).ok());
    RecordContent content;
    RecordStore::readRecord(QStringLiteral("lucas"), &content);
    content.results[4] = CompetenceResult{5, true, QStringLiteral("12/11/2026"), QStringLiteral("l'administrateur")};
    content.results[21] = CompetenceResult{22, true, QStringLiteral("01/12/2026"), QStringLiteral("Mme Laurent")};
    ASSERT_TRUE(RecordStore::writeRecord(QStringLiteral("lucas"), content.header, content.results, GroupLabel::CompetenceAccent).ok());

    shell.logIn(QStringLiteral("lucas"), QStringLiteral("secret"));
    ASSERT_EQ(shell.form.screen(), Tform1::Screen::Board);
    EXPECT_EQ(shell.form.m[4]->text(), QStringLiteral("réussi le 12/11/2026\n(l'administrateur)"));
    EXPECT_TRUE(shell.form.m[21]->isVisible());
    EXPECT_FALSE(shell.form.m[0]->isVisible());
    EXPECT_EQ(shell.form.Label62->text(), QStringLiteral("score : 2 / 29"));
    EXPECT_EQ(shell.form.ProgressBar1->value(), 2);
    EXPECT_EQ(shell.form.Label1->text(), QStringLiteral("Bienvenue lucas"));
    EXPECT_EQ(shell.form.Label5->text(), QStringLiteral("Vous êtes sous la responsabilité de M. Besson"));
    EXPECT_EQ(shell.form.Label6->text(), QStringLiteral("Nous sommes le 09/12/2026"));
    EXPECT_EQ(shell.form.windowTitle(), QStringLiteral("  Quorvil - lucas"));
    EXPECT_TRUE(shell.form.ex[0]->isVisible());
    // The 29-group record written by the console was saved back at login.
    EXPECT_TRUE(shell.record(QStringLiteral("lucas")).contains("\r\ncompetence 5\r\noui\r\n12/11/2026\r\nl'administrateur\r\n"));

    shell.robot.click(shell.form.quitter);
    EXPECT_EQ(shell.form.screen(), Tform1::Screen::Home);
    EXPECT_EQ(shell.form.Label4->x(), 336);
    EXPECT_EQ(shell.form.Label8->x(), 472);
    EXPECT_FALSE(shell.form.ex[0]->isVisible());
    EXPECT_TRUE(shell.form.button2->isVisible());
    const QByteArray saved = shell.record(QStringLiteral("lucas"));
    EXPECT_EQ(lineCount(saved), 120);
    EXPECT_TRUE(saved.contains("\r\ncompetence 22\r\noui\r\n01/12/2026\r\nMme Laurent\r\n"));
}

TEST(Shell, AWrongPasswordStaysOnTheSelectionScreen)
{
    Shell shell;
    shell.data.addPupil(QStringLiteral("lucas"), QStringLiteral("secret"));
    shell.boxes.expect(Kind::Plain, QStringLiteral("Mauvais mot de passe !"));
    shell.logIn(QStringLiteral("lucas"), QStringLiteral("Secret"));
    EXPECT_EQ(shell.form.screen(), Tform1::Screen::Selection);
    EXPECT_TRUE(shell.form.edit1->text().isEmpty());
    EXPECT_EQ(lineCount(shell.record(QStringLiteral("lucas"))), 148) << "nothing written";
    // "Entrez !" with nothing selected does nothing.
    shell.robot.click(shell.form.Button5);
    shell.robot.click(shell.form.button2);
    shell.form.Button3Click();
    EXPECT_EQ(shell.boxes.count(), 1);
}

TEST(Shell, LaunchingACompetenceSavesTheRecordAndAnAbsentExerciseSaysSo)
{
    Shell shell;
    shell.data.addPupil(QStringLiteral("lucas"), QStringLiteral("secret"));
    shell.logIn(QStringLiteral("lucas"), QStringLiteral("secret"));
    EXPECT_EQ(lineCount(shell.record(QStringLiteral("lucas"))), 148) << "a fresh record is left alone at login";
    // The last competence that has no exercise here yet.
    int absent = 29;
    while (absent > 0 && ExerciseRegistry::has(absent))
        --absent;
    if (absent == 0)
        GTEST_SKIP() << "every competence has its exercise";
    shell.boxes.expect(Kind::Plain, QStringLiteral("Cet exercice n'est pas encore disponible."));
    shell.robot.click(shell.form.ex[absent - 1]);
    EXPECT_EQ(lineCount(shell.record(QStringLiteral("lucas"))), 120) << "saved before the launch";
    EXPECT_TRUE(shell.form.isVisible());
    // The code label starts the exercise too.
    shell.boxes.expect(Kind::Plain, QStringLiteral("Cet exercice n'est pas encore disponible."));
    shell.robot.click(shell.form.l[absent - 1]);
}

TEST(Shell, RegistrationChecksInOrderThenCreatesA148LineRecord)
{
    Shell shell;
    shell.data.addPupil(QStringLiteral("Lucas"), QStringLiteral("pw"));
    ASSERT_TRUE(RecordStore::allowRegistration(true).ok());
    shell.robot.click(shell.form.button2);
    ASSERT_TRUE(shell.form.Button1->isEnabled());
    shell.robot.click(shell.form.Button1);
    auto *registration = qobject_cast<Tidentification *>(PupilRobot::topWindow(QStringLiteral("Tidentification")));
    ASSERT_TRUE(registration);
    PupilRobot robot(registration);
    EXPECT_EQ(registration->ComboBox1->count(), 3);
    EXPECT_EQ(registration->ComboBox1->currentText(), QStringLiteral("sélectionnez..."));

    const auto tryWith = [&](const QString &name, const QString &password, const QString &expected) {
        registration->Edit1->setText(name);
        registration->Edit2->setText(password);
        shell.boxes.expect(Kind::Plain, expected);
        robot.click(registration->Button1);
    };
    tryWith(QStringLiteral("Lucas"), QStringLiteral("x"), QStringLiteral("Ce nom existe déjà. Choisissez autre chose..."));
    tryWith(QStringLiteral("LUCAS"), QStringLiteral("x"), QStringLiteral("Ce nom existe déjà. Choisissez autre chose..."));
    tryWith(QString(), QStringLiteral("x"), QStringLiteral("Veuillez entrer un nom"));
    tryWith(QStringLiteral("emma"), QString(), QStringLiteral("Entrez un mot de passe"));
    tryWith(QStringLiteral(".tavelo-zoe"), QStringLiteral("x"), QStringLiteral("Un nom ne peut pas commencer par un point."));
    tryWith(QStringLiteral("emma"), QStringLiteral("Жаба"), Cp1252::passwordRefusal(QStringLiteral("Жаба")));
    // Typed text in the class box is not a choice.
    registration->ComboBox1->setEditText(QStringLiteral("6A"));
    tryWith(QStringLiteral("emma"), QStringLiteral("x"), QStringLiteral("Sélectionnez votre classe"));
    EXPECT_EQ(registration->ComboBox1->count(), 3) << "the classes are still listed after a box";

    // The name field refuses what a file name cannot hold.
    registration->Edit1->clear();
    robot.type(QStringLiteral("em/ma\\:*?\"<>|"), registration->Edit1);
    EXPECT_EQ(registration->Edit1->text(), QStringLiteral("emma"));
    const int sixB = registration->ComboBox1->findText(QStringLiteral("6B"));
    registration->ComboBox1->setCurrentIndex(sixB);
    emit registration->ComboBox1->activated(sixB);
    registration->Edit2->setText(QStringLiteral("mdp"));
    shell.boxes.expect(Kind::Confirmation, QStringLiteral("Avez-vous retenu votre mot de passe ?"), 1);   // Non
    robot.click(registration->Button1);
    EXPECT_FALSE(QFile::exists(shell.data.recordPath(QStringLiteral("emma"))));
    shell.boxes.expect(Kind::Confirmation, QStringLiteral("Avez-vous retenu votre mot de passe ?"), 0);   // Oui
    robot.click(registration->Button1);
    flushDeletes();
    const QByteArray created = shell.record(QStringLiteral("emma"));
    EXPECT_EQ(lineCount(created), 148);
    EXPECT_TRUE(created.startsWith("nom\r\nemma\r\n" + passwordHash(QStringLiteral("mdp")).toLatin1() + "\r\n6B\r\n"));
    EXPECT_FALSE(shell.form.combobox2->findItems(QStringLiteral("emma"), Qt::MatchExactly).isEmpty());
    EXPECT_FALSE(shell.form.Button3->isVisible());
}

TEST(Shell, PasswordChangeDoesNotLogInAndRewritesLineThree)
{
    Shell shell;
    shell.data.addPupil(QStringLiteral("lucas"), QStringLiteral("old"));
    shell.robot.click(shell.form.button2);
    shell.select(QStringLiteral("lucas"), QStringLiteral("Mme Laurent"));
    shell.robot.type(QStringLiteral("old"), shell.form.edit1);
    shell.form.CheckBox1->setChecked(true);
    shell.robot.click(shell.form.Button3);
    EXPECT_EQ(shell.form.screen(), Tform1::Screen::Selection);
    auto *change = qobject_cast<Tu_motpasseeleve *>(PupilRobot::topWindow(QStringLiteral("Tu_motpasseeleve")));
    ASSERT_TRUE(change);
    EXPECT_EQ(change->pupilName(), QStringLiteral("lucas"));
    change->Edit1->setText(QStringLiteral("neuf"));
    change->Edit2->setText(QStringLiteral("nouf"));
    shell.boxes.expect(Kind::Information, QStringLiteral("Les mots de passe sont différents !"));
    PupilRobot(change).click(change->Button1);
    change->Edit1->setText(QStringLiteral("Жаба"));
    change->Edit2->setText(QStringLiteral("Жаба"));
    shell.boxes.expect(Kind::Plain, Cp1252::passwordRefusal(QStringLiteral("Жаба")));
    PupilRobot(change).click(change->Button1);
    EXPECT_TRUE(change->isVisible());
    change->Edit1->setText(QStringLiteral("neuf"));
    change->Edit2->setText(QStringLiteral("neuf"));
    PupilRobot(change).click(change->Button1);
    flushDeletes();
    const QByteArray after = shell.record(QStringLiteral("lucas"));
    EXPECT_EQ(lineCount(after), 120);
    EXPECT_TRUE(after.contains(passwordHash(QStringLiteral("neuf")).toLatin1()));
    // The new password logs in.
    shell.robot.click(shell.form.Button5);
    shell.logIn(QStringLiteral("lucas"), QStringLiteral("neuf"));
    EXPECT_EQ(shell.form.screen(), Tform1::Screen::Board);
}

namespace {
// Another workstation registers "EMMA" just before this one's "emma" gets its name.
int renameAfterTwinRegistered(const char *from, const char *to)
{
    QFile twin(DataFolder::recordFolder() + QStringLiteral("EMMA-qib.txt"));
    twin.open(QIODevice::WriteOnly);
    twin.write("nom\r\nEMMA\r\n");
    twin.close();
    return SystemCalls::system().renameNoReplace(from, to);
}
}

TEST(Shell, ANameTakenByAnotherWorkstationMeanwhileIsAnsweredAsAnExistingName)
{
    Shell shell;
    ASSERT_TRUE(RecordStore::allowRegistration(true).ok());
    shell.robot.click(shell.form.button2);
    shell.robot.click(shell.form.Button1);
    auto *registration = qobject_cast<Tidentification *>(PupilRobot::topWindow(QStringLiteral("Tidentification")));
    ASSERT_TRUE(registration);
    PupilRobot robot(registration);
    registration->Edit1->setText(QStringLiteral("emma"));
    registration->Edit2->setText(QStringLiteral("mdp"));
    registration->ComboBox1->setCurrentIndex(1);
    emit registration->ComboBox1->activated(1);
    shell.boxes.expect(Kind::Confirmation, QStringLiteral("Avez-vous retenu votre mot de passe ?"), 0);
    shell.boxes.expect(Kind::Plain, QStringLiteral("Ce nom existe déjà. Choisissez autre chose..."));
    SystemCalls::current().renameNoReplace = renameAfterTwinRegistered;
    robot.click(registration->Button1);
    SystemCalls::current() = SystemCalls::system();
    EXPECT_FALSE(QFile::exists(shell.data.recordPath(QStringLiteral("emma"))));
    EXPECT_TRUE(registration->isVisible()) << "the pupil chooses another name";
}

TEST(Shell, TwoLoginsShowOnlyTheSecondNameInTheCaption)
{
    Shell shell;
    shell.data.addPupil(QStringLiteral("lucas"), QStringLiteral("a"));
    shell.data.addPupil(QStringLiteral("zoe"), QStringLiteral("b"));
    shell.logIn(QStringLiteral("lucas"), QStringLiteral("a"));
    shell.robot.click(shell.form.quitter);
    shell.logIn(QStringLiteral("zoe"), QStringLiteral("b"), QStringLiteral("Mme Okafor"));
    EXPECT_EQ(shell.form.windowTitle(), QStringLiteral("  Quorvil - zoe"));
    EXPECT_EQ(login().validatorName, QStringLiteral("Mme Okafor"));
}

TEST(Shell, TheFirstExerciseIsTrainedFromTheBoard)
{
    Shell shell;
    shell.data.addPupil(QStringLiteral("lucas"), QStringLiteral("a"));
    shell.logIn(QStringLiteral("lucas"), QStringLiteral("a"), QStringLiteral("Mme Okafor"));
    shell.robot.click(shell.form.ex[0]);
    QWidget *exercise = PupilRobot::topWindow(QStringLiteral("Texercice1v3"));
    ASSERT_TRUE(exercise);
    EXPECT_FALSE(shell.form.isVisible());
    PupilRobot robot(exercise);
    robot.click(QPoint(663, 394));
    robot.type(QStringLiteral("lucasmar"));
    robot.click(QPoint(663, 417));
    robot.type(QStringLiteral("secret1"));
    robot.click(QPoint(666, 447));
    shell.boxes.expect(Kind::Information, QStringLiteral("Bravo exercice réussi !"));
    robot.click(QPoint(879, 137));
    flushDeletes();
    EXPECT_TRUE(shell.form.isVisible());
    EXPECT_FALSE(shell.form.ex[0]->isVisible());
    EXPECT_EQ(shell.form.m[0]->text(), QStringLiteral("réussi le 09/12/2026\n(Mme Okafor)"));
    EXPECT_EQ(shell.form.Label62->text(), QStringLiteral("score : 1 / 29"));
    shell.robot.click(shell.form.quitter);
    EXPECT_TRUE(shell.record(QStringLiteral("lucas")).contains("\r\ncompetence 1\r\noui\r\n09/12/2026\r\nMme Okafor\r\n"));
}

TEST(Shell, ClosingTheMainWindowOnTheBoardSavesTheRecordFirst)
{
    Shell shell;
    shell.data.addPupil(QStringLiteral("lucas"), QStringLiteral("a"));
    shell.logIn(QStringLiteral("lucas"), QStringLiteral("a"));
    student().results[8] = CompetenceResult{9, true, QStringLiteral("09/12/2026"), QStringLiteral("M. Besson")};
    PupilRobot(&shell.form).closeWindow();   // Alt+F4
    EXPECT_FALSE(shell.form.isVisible());
    const QByteArray saved = shell.record(QStringLiteral("lucas"));
    EXPECT_EQ(lineCount(saved), 120);
    EXPECT_TRUE(saved.contains("\r\ncompetence 9\r\noui\r\n09/12/2026\r\nM. Besson\r\n"));
}

TEST(Shell, AuRevoirOnTheSelectionScreenWritesNothing)
{
    Shell shell;
    shell.data.addPupil(QStringLiteral("lucas"), QStringLiteral("a"));
    const QByteArray before = shell.record(QStringLiteral("lucas"));
    shell.robot.click(shell.form.button2);
    shell.robot.click(shell.form.fin);
    EXPECT_FALSE(shell.form.isVisible());
    EXPECT_EQ(shell.record(QStringLiteral("lucas")), before);
}

TEST(Shell, AMissingTeacherListIsReportedAndTheScreenStopsThere)
{
    Shell shell;
    shell.data.addPupil(QStringLiteral("lucas"), QStringLiteral("a"));
    QFile::remove(shell.data.path() + QStringLiteral("profs.txt"));
    shell.boxes.expect(Kind::Error, QStringLiteral("Fichier introuvable : profs.txt"));
    shell.robot.click(shell.form.button2);
    EXPECT_EQ(shell.form.combobox2->count(), 0);
    EXPECT_FALSE(shell.form.Button1->isVisible());
    shell.robot.click(shell.form.Button5);
    EXPECT_TRUE(shell.form.button2->isVisible()) << "Menu général still leads home";
}

TEST(Shell, TheAdministratorButtonOpensItsLogin)
{
    Shell shell;
    shell.robot.click(shell.form.button4);
    QWidget *login = PupilRobot::topWindow(QStringLiteral("Tadminiden"));
    ASSERT_TRUE(login);
    login->close();
}

// ---- what a pupil meets with a real mouse and keyboard -----------------------------------

TEST(Shell, AfterAWrongPasswordClickingTheSameEntriesAgainLetsThePupilIn)
{
    Shell shell;
    shell.data.addPupil(QStringLiteral("lucas"), QStringLiteral("secret"));
    shell.boxes.expect(Kind::Plain, QStringLiteral("Mauvais mot de passe !"));
    shell.logIn(QStringLiteral("lucas"), QStringLiteral("Secret"));
    ASSERT_EQ(shell.form.screen(), Tform1::Screen::Selection);
    // His name and the teacher again, both already selected; the keys go where the focus is.
    shell.select(QStringLiteral("lucas"), QStringLiteral("M. Besson"));
    EXPECT_EQ(QApplication::focusWidget(), shell.form.edit1);
    shell.robot.type(QStringLiteral("secret"));
    shell.robot.key(Qt::Key_Return);
    EXPECT_EQ(shell.form.screen(), Tform1::Screen::Board);

    // Arrow keys still move the choice and bring the focus to the password field.
    shell.data.addPupil(QStringLiteral("zoe"), QStringLiteral("b"));
    shell.robot.click(shell.form.quitter);
    shell.robot.click(shell.form.button2);
    shell.form.ListBox1->setFocus();
    shell.robot.key(Qt::Key_Down, Qt::NoModifier, shell.form.ListBox1);
    shell.form.combobox2->setFocus();
    shell.robot.key(Qt::Key_Down, Qt::NoModifier, shell.form.combobox2);
    EXPECT_TRUE(shell.form.Button3->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), shell.form.edit1);
}

TEST(Shell, AfterTheRegistrationIsAbandonedAClickOnTheSelectedEntriesBringsEntrezBack)
{
    Shell shell;
    shell.data.addPupil(QStringLiteral("lucas"), QStringLiteral("secret"));
    ASSERT_TRUE(RecordStore::allowRegistration(true).ok());
    shell.robot.click(shell.form.button2);
    shell.select(QStringLiteral("lucas"), QStringLiteral("Mme Okafor"));
    ASSERT_TRUE(shell.form.Button3->isVisible());
    shell.robot.click(shell.form.Button1);
    auto *registration = qobject_cast<Tidentification *>(PupilRobot::topWindow(QStringLiteral("Tidentification")));
    ASSERT_TRUE(registration);
    PupilRobot(registration).click(registration->BitBtn1);
    flushDeletes();
    shell.form.activateWindow();   // as the window manager does when the window above closes
    QApplication::processEvents();
    EXPECT_FALSE(shell.form.Button3->isVisible());
    shell.robot.click(rowCentre(shell.form.ListBox1, QStringLiteral("Mme Okafor"), &shell.form));
    EXPECT_TRUE(shell.form.Button3->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), shell.form.edit1);
    shell.robot.type(QStringLiteral("secret"));
    shell.robot.key(Qt::Key_Return);
    EXPECT_EQ(shell.form.screen(), Tform1::Screen::Board);
}

TEST(Shell, APasswordChangedWhileLoggedInSurvivesTheNextSave)
{
    Shell shell;
    shell.data.addPupil(QStringLiteral("lucas"), QStringLiteral("old"));
    // The change window is opened, left open, and the pupil logs in meanwhile.
    shell.robot.click(shell.form.button2);
    shell.select(QStringLiteral("lucas"), QStringLiteral("Mme Laurent"));
    shell.robot.type(QStringLiteral("old"), shell.form.edit1);
    shell.form.CheckBox1->setChecked(true);
    shell.robot.click(shell.form.Button3);
    auto *change = qobject_cast<Tu_motpasseeleve *>(PupilRobot::topWindow(QStringLiteral("Tu_motpasseeleve")));
    ASSERT_TRUE(change);
    shell.select(QStringLiteral("lucas"), QStringLiteral("Mme Laurent"));
    shell.robot.type(QStringLiteral("old"), shell.form.edit1);
    shell.robot.key(Qt::Key_Return, Qt::NoModifier, shell.form.edit1);
    ASSERT_EQ(shell.form.screen(), Tform1::Screen::Board);
    change->Edit1->setText(QStringLiteral("neuf"));
    change->Edit2->setText(QStringLiteral("neuf"));
    PupilRobot(change).click(change->Button1);
    flushDeletes();

    shell.robot.click(shell.form.quitter);   // saves the record in memory
    EXPECT_TRUE(shell.record(QStringLiteral("lucas")).contains(passwordHash(QStringLiteral("neuf")).toLatin1()));
    shell.logIn(QStringLiteral("lucas"), QStringLiteral("neuf"));
    EXPECT_EQ(shell.form.screen(), Tform1::Screen::Board);
}

TEST(Shell, AFailedSaveAsksWhetherToLeaveWithoutTheNewSuccesses)
{
    Shell shell;
    shell.data.addPupil(QStringLiteral("lucas"), QStringLiteral("a"));
    shell.logIn(QStringLiteral("lucas"), QStringLiteral("a"));
    student().results[8] = CompetenceResult{9, true, QStringLiteral("09/12/2026"), QStringLiteral("M. Besson")};
    const QString question = QStringLiteral("Vos nouvelles réussites de cette séance n'ont pas pu être enregistrées "
                                            "et seront perdues.\nQuitter sans enregistrer ?");
    const auto failingSave = [&](int answer) {
        TextFile::failNextWriteAfter(0);
        shell.boxes.expect(Kind::Error, QStringLiteral("Disque plein"));
        shell.boxes.expect(Kind::Confirmation, question, answer);
    };

    failingSave(1);   // Non: he stays on his board
    shell.robot.click(shell.form.quitter);
    EXPECT_EQ(shell.form.screen(), Tform1::Screen::Board);
    EXPECT_TRUE(shell.form.ex[0]->isVisible());
    EXPECT_TRUE(shell.form.quitter->isVisible());
    EXPECT_FALSE(shell.form.button2->isVisible());

    failingSave(1);
    PupilRobot(&shell.form).closeWindow();
    EXPECT_TRUE(shell.form.isVisible()) << "the program does not quit with the successes in memory only";
    EXPECT_EQ(shell.form.screen(), Tform1::Screen::Board);
    EXPECT_FALSE(shell.record(QStringLiteral("lucas")).contains("\r\ncompetence 9\r\noui\r\n"));

    // Oui: home without the success, the record as it was.
    const QByteArray before = shell.record(QStringLiteral("lucas"));
    failingSave(0);
    shell.robot.click(shell.form.quitter);
    EXPECT_EQ(shell.form.screen(), Tform1::Screen::Home);
    EXPECT_TRUE(shell.form.button2->isVisible());
    EXPECT_EQ(shell.record(QStringLiteral("lucas")), before);

    // Once the disk accepts the save, closing works and the success is kept.
    shell.logIn(QStringLiteral("lucas"), QStringLiteral("a"));
    student().results[8] = CompetenceResult{9, true, QStringLiteral("09/12/2026"), QStringLiteral("M. Besson")};
    PupilRobot(&shell.form).closeWindow();
    EXPECT_FALSE(shell.form.isVisible());
    EXPECT_TRUE(shell.record(QStringLiteral("lucas")).contains("\r\ncompetence 9\r\noui\r\n09/12/2026\r\nM. Besson\r\n"));
}

TEST(Shell, ALoginWhoseRecordCannotBeWrittenBackNeverShowsTheBoard)
{
    Shell shell;
    shell.data.addPupil(QStringLiteral("lucas"), QStringLiteral("a"));
    shell.data.addPupil(QStringLiteral("zoe"), QStringLiteral("b"));
    shell.logIn(QStringLiteral("lucas"), QStringLiteral("a"));
    student().results[3] = CompetenceResult{4, true, QStringLiteral("09/12/2026"), QStringLiteral("M. Besson")};
    shell.robot.click(shell.form.quitter);
    // Zoé's record has 29 groups: the login writes it back, and that write fails.
    RecordContent zoe;
    ASSERT_TRUE(RecordStore::readRecord(QStringLiteral("zoe"), &zoe).ok());
    ASSERT_TRUE(RecordStore::writeRecord(QStringLiteral("zoe"), zoe.header, zoe.results, GroupLabel::CompetenceAccent).ok());
    const QByteArray before = shell.record(QStringLiteral("zoe"));
    TextFile::failNextWriteAfter(0);
    shell.boxes.expect(Kind::Error, QStringLiteral("Disque plein"));
    shell.logIn(QStringLiteral("zoe"), QStringLiteral("b"));
    EXPECT_EQ(shell.form.screen(), Tform1::Screen::Selection);
    EXPECT_FALSE(shell.form.ex[3]->isVisible());
    EXPECT_FALSE(shell.form.m[3]->isVisible());
    EXPECT_EQ(shell.record(QStringLiteral("zoe")), before);
    EXPECT_FALSE(student().results[3].acquired) << "nothing of Lucas stays in memory";
    // Nothing saves over a record afterwards: closing writes no file.
    const QByteArray lucas = shell.record(QStringLiteral("lucas"));
    EXPECT_EQ(RecordStore::savePupilRecord().ok(), true);
    EXPECT_EQ(shell.record(QStringLiteral("lucas")), lucas);
    EXPECT_EQ(shell.record(QStringLiteral("zoe")), before);
}

TEST(Shell, PasswordFieldsShowStarsAndTheCodeLabelOf32EndsWithOneFullStop)
{
    Shell shell;
    shell.form.edit1->setText(QStringLiteral("abc"));
    EXPECT_EQ(shell.form.edit1->displayText(), QStringLiteral("***"));
    Tu_motpasseeleve change(QStringLiteral("lucas"));
    for (QLineEdit *field : {change.Edit1, change.Edit2}) {
        field->setText(QStringLiteral("mot"));
        EXPECT_EQ(field->displayText(), QStringLiteral("***"));
    }
    ASSERT_TRUE(RecordStore::allowRegistration(true).ok());
    shell.robot.click(shell.form.button2);
    shell.robot.click(shell.form.Button1);
    auto *registration = qobject_cast<Tidentification *>(PupilRobot::topWindow(QStringLiteral("Tidentification")));
    ASSERT_TRUE(registration);
    registration->Edit2->setText(QStringLiteral("é1"));
    EXPECT_EQ(registration->Edit2->displayText(), QStringLiteral("**"));
    registration->close();
    flushDeletes();

    EXPECT_EQ(shell.form.l[14]->toolTip(),
              QStringLiteral("Je sais utiliser l'outil de recherche et de remplacement dans un document."));
    EXPECT_EQ(shell.form.ex[14]->toolTip(),
              QStringLiteral("Je sais utiliser l'outil de recherche et de remplacement dans un document.."));
    // The other hints are the statements as they are.
    EXPECT_EQ(shell.form.l[4]->toolTip(), shell.form.ex[4]->toolTip());
    EXPECT_EQ(shell.form.l[10]->toolTip(), shell.form.ex[10]->toolTip());
}

TEST(Shell, NamesAreListedInFrenchOrderAndTypedLettersFindTheFirstMatch)
{
    Shell shell;
    for (const QString &name : QStringLiteral("gaëlle jules hugo émile Éva Chloé david Adam").split(QLatin1Char(' ')))
        shell.data.addPupil(name, QStringLiteral("pw"));
    shell.data.writeBytes(QStringLiteral("profs.txt"), "Mme Okafor\r\n\xC9tienne Roux\r\nM. Besson\r\n");
    shell.robot.click(shell.form.button2);
    const auto texts = [](const QListWidget *list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    };
    EXPECT_EQ(texts(shell.form.combobox2), QStringLiteral("Adam Chloé david émile Éva gaëlle hugo jules").split(QLatin1Char(' ')));
    EXPECT_EQ(texts(shell.form.ListBox1), (QStringList{QStringLiteral("Étienne Roux"), QStringLiteral("M. Besson"), QStringLiteral("Mme Okafor")}));

    // A click in the list, then letters typed there (where the focus is).
    shell.robot.click(rowCentre(shell.form.combobox2, QStringLiteral("Adam"), &shell.form));
    shell.robot.type(QStringLiteral("ev"));
    EXPECT_EQ(shell.form.combobox2->currentItem()->text(), QStringLiteral("Éva"));
    shell.robot.type(QStringLiteral("x"));
    EXPECT_EQ(shell.form.combobox2->currentItem()->text(), QStringLiteral("Éva")) << "no name begins so";
    EXPECT_TRUE(shell.form.combobox2->currentItem()->isSelected());

    // With the teacher chosen, the letters of a name being typed (the pupil
    // tabbed back to his list) do not land in the password field.
    shell.robot.click(rowCentre(shell.form.ListBox1, QStringLiteral("M. Besson"), &shell.form));
    EXPECT_TRUE(shell.form.edit1->hasFocus());
    shell.form.combobox2->setFocus(Qt::BacktabFocusReason);
    shell.robot.type(QStringLiteral("ju"));   // a new search: the list has just taken the focus
    EXPECT_EQ(shell.form.combobox2->currentItem()->text(), QStringLiteral("jules"));
    EXPECT_TRUE(shell.form.edit1->text().isEmpty());
}

TEST(Shell, TheAdministratorLoginIsModalAndTheConsoleClosesOnTheHomeScreen)
{
    Shell shell;
    shell.robot.click(shell.form.button4);
    QWidget *identification = PupilRobot::topWindow(QStringLiteral("Tadminiden"));
    ASSERT_TRUE(identification);
    EXPECT_EQ(QApplication::activeModalWidget(), identification);
    // A click on "Au revoir..." as the window system delivers it reaches nothing.
    QTest::mouseClick(shell.form.windowHandle(), Qt::LeftButton, {}, shell.robot.centreOf(shell.form.fin));
    QApplication::processEvents();
    EXPECT_TRUE(shell.form.isVisible());

    PupilRobot login(identification);
    login.type(QStringLiteral("vorne"), identification->findChild<QLineEdit *>(QStringLiteral("MaskEdit1")));
    login.key(Qt::Key_Return, Qt::NoModifier, identification->findChild<QLineEdit *>(QStringLiteral("MaskEdit1")));
    flushDeletes();
    QWidget *console = PupilRobot::topWindow(QStringLiteral("Tadmin"));
    ASSERT_TRUE(console);
    EXPECT_FALSE(shell.form.isVisible());
    PupilRobot(console).click(QStringLiteral("Button13"));   // "Quitter"
    flushDeletes();
    EXPECT_TRUE(shell.form.isVisible());
    EXPECT_EQ(shell.form.screen(), Tform1::Screen::Home);
    EXPECT_TRUE(shell.form.button2->isVisible());
}
