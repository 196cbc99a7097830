#include "consolefixture.h"

#include "records/helpswitch.h"
#include "records/clock.h"
#include "records/cp1252.h"
#include "records/textfile.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
using Kind = MessageBox::Kind;
const QString Today = QStringLiteral("09/12/2026");
}

class ConsoleLists : public ConsoleTest
{
protected:
    void SetUp() override
    {
        ConsoleTest::SetUp();
        writeRecord(QStringLiteral("alice"), recordLines(QStringLiteral("alice"), QStringLiteral("a1"), QStringLiteral("6A"), groupsWith({1, 5})));
        writeRecord(QStringLiteral("bruno"), recordLines(QStringLiteral("bruno"), QStringLiteral("b1"), QStringLiteral("6B"), groupsWith({})));
        writeRecord(QStringLiteral("chloe"), recordLines(QStringLiteral("chloe"), QStringLiteral("c1"), QStringLiteral("6A"), groupsWith({29})));
        writeRecord(QStringLiteral("denis"), recordLines(QStringLiteral("denis"), QStringLiteral("d1"), QStringLiteral("4Z"), groupsWith({})));
        openConsole();
    }
};

TEST_F(ConsoleLists, OpensWithTheClassListAndEveryRowNotAcquired)
{
    EXPECT_EQ(listed(classList()), (QStringList{QStringLiteral("5A"), QStringLiteral("6A"), QStringLiteral("6B")})) << "in alphabetical order";
    EXPECT_TRUE(listed(pupilList()).isEmpty());
    EXPECT_FALSE(child<QGroupBox>(QStringLiteral("GroupBox2"))->isEnabled());
    EXPECT_EQ(console->panel(), Tadmin::Panel::None);
    for (int n = 1; n <= CompetenceCount; ++n) {
        EXPECT_FALSE(console->rowBox(n)->isChecked());
        EXPECT_EQ(console->rowBox(n)->text(), QStringLiteral("exercice ") + QString::number(n));
        EXPECT_EQ(console->rowLabel(n)->text(), QStringLiteral("non réussi"));
    }
    EXPECT_FALSE(child<QLineEdit>(QStringLiteral("Edit2"))->isVisible());
}

TEST_F(ConsoleLists, SelectedClassesListTheirPupilsOnlyAndNeverAnUnlistedClass)
{
    clickClass(QStringLiteral("6A"));
    QStringList sixA = listed(pupilList());
    std::sort(sixA.begin(), sixA.end());
    EXPECT_EQ(sixA, (QStringList{QStringLiteral("alice"), QStringLiteral("chloe")}));

    clickClass(QStringLiteral("6B"));
    EXPECT_EQ(listed(pupilList()).size(), 3);
    EXPECT_FALSE(listed(pupilList()).contains(QStringLiteral("denis")));

    clickClass(QStringLiteral("6A"));   // a second click deselects
    EXPECT_EQ(listed(pupilList()), QStringList{QStringLiteral("bruno")});
}

TEST_F(ConsoleLists, SelectingAPupilShowsHisRowsAndNothingIsPending)
{
    clickClass(QStringLiteral("6A"));
    clickPupil(QStringLiteral("alice"));
    EXPECT_EQ(console->panel(), Tadmin::Panel::Results);
    EXPECT_TRUE(child<QGroupBox>(QStringLiteral("GroupBox2"))->isEnabled());
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label31"))->text(), QStringLiteral("alice"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label33"))->text(), QStringLiteral("6A"));
    EXPECT_TRUE(console->rowBox(1)->isChecked());
    EXPECT_EQ(console->rowLabel(5)->text(), QStringLiteral("réussi le 02/10/2026 / Mme Laurent"));
    EXPECT_EQ(console->rowLabel(5)->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
    EXPECT_FALSE(console->rowBox(2)->isChecked());
    EXPECT_EQ(console->rowLabel(2)->text(), QStringLiteral("non réussi"));
    EXPECT_EQ(console->score(), 2);
    EXPECT_FALSE(child<QPushButton>(QStringLiteral("Button14"))->isVisible());
}

TEST_F(ConsoleLists, ArrowKeysLoadThePupilTheyReach)
{
    clickClass(QStringLiteral("6A"));
    QListWidget *pupils = pupilList();
    const QString first = pupils->item(0)->text();
    const QString second = pupils->item(1)->text();
    clickPupil(first);
    robot.key(Qt::Key_Down, Qt::NoModifier, pupils);
    EXPECT_EQ(pupils->selectedItems().value(0)->text(), second);
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label31"))->text(), second);
    const bool chloe = second == QStringLiteral("chloe");
    EXPECT_EQ(console->rowBox(29)->isChecked(), chloe);
    EXPECT_EQ(console->rowBox(1)->isChecked(), !chloe);
}

TEST_F(ConsoleLists, ClickingEmptyListsSelectsNothingAndWritesNothing)
{
    const QByteArray before = recordBytes(QStringLiteral("alice"));
    // Below the last item of the (empty, then filled) pupil list.
    robot.click(pupilList()->viewport()->mapTo(console.data(), QPoint(40, 250)));
    EXPECT_EQ(console->panel(), Tadmin::Panel::None);
    clickClass(QStringLiteral("6A"));
    robot.click(pupilList()->viewport()->mapTo(console.data(), QPoint(40, 250)));
    EXPECT_EQ(console->panel(), Tadmin::Panel::None);
    EXPECT_FALSE(child<QGroupBox>(QStringLiteral("GroupBox2"))->isEnabled());
    robot.click(child<QPushButton>(QStringLiteral("Button14")));   // hidden: nothing happens
    EXPECT_EQ(recordBytes(QStringLiteral("alice")), before);
}

TEST_F(ConsoleLists, RowsTickedByHandReadAsTabled)
{
    clickClass(QStringLiteral("6B"));
    clickPupil(QStringLiteral("bruno"));
    robot.click(console->rowBox(1));
    robot.click(console->rowBox(2));
    robot.click(console->rowBox(3));
    EXPECT_EQ(console->rowLabel(1)->text(), QStringLiteral("réussi le ") + Today + QStringLiteral(" / l'administrateur"));
    EXPECT_EQ(console->rowLabel(2)->text(), QStringLiteral("validé le ") + Today + QStringLiteral(" / l'administrateur"));
    EXPECT_EQ(console->rowLabel(3)->text(), QStringLiteral("réussi le ") + Today + QStringLiteral(" /  l'administrateur"));
    EXPECT_TRUE(child<QPushButton>(QStringLiteral("Button14"))->isVisible());
    robot.click(console->rowBox(3));
    EXPECT_EQ(console->rowLabel(3)->text(), QStringLiteral("non réussi"));
    EXPECT_EQ(console->rowLabel(3)->palette().color(QPalette::WindowText), QColor(Qt::black));

    clickButton(QStringLiteral("Button10"));   // page 2 shows rows 21 .. 29 at the places of 1 .. 9
    EXPECT_FALSE(console->rowBox(1)->isVisible());
    EXPECT_TRUE(console->rowBox(21)->isVisible());
    EXPECT_EQ(console->rowBox(21)->geometry(), console->rowBox(1)->geometry());
    robot.click(console->rowBox(25));
    EXPECT_TRUE(console->rowBox(25)->isChecked());
    clickButton(QStringLiteral("Button11"));
    EXPECT_TRUE(console->rowBox(20)->isVisible());
    EXPECT_FALSE(console->rowBox(21)->isVisible());
}

TEST_F(ConsoleLists, ValidatingKeepsThePasswordWhenNoneIsTypedAndKeepsEarlierResults)
{
    const QString storedHash = passwordHash(QStringLiteral("a1"));
    clickClass(QStringLiteral("6A"));
    clickPupil(QStringLiteral("alice"));
    robot.click(console->rowBox(7));
    clickButton(QStringLiteral("Button14"));

    const QStringList lines = recordFileLines(QStringLiteral("alice"));
    ASSERT_EQ(lines.size(), 120);
    EXPECT_EQ(lines.at(2), storedHash);   // not the empty password's digest
    EXPECT_EQ(lines.at(4), QStringLiteral("compétence 1"));
    EXPECT_EQ(lines.mid(5, 3), (QStringList{QStringLiteral("oui"), QStringLiteral("02/10/2026"), QStringLiteral("Mme Laurent")}));
    EXPECT_EQ(lines.mid(4 * 7 + 1, 3), (QStringList{QStringLiteral("oui"), Today, QStringLiteral("l'administrateur")}));
    EXPECT_EQ(lines.mid(4 * 2 + 1, 3), (QStringList{QStringLiteral("non"), QString(), QString()}));
    EXPECT_FALSE(child<QPushButton>(QStringLiteral("Button14"))->isVisible());

    // A typed password replaces it, once its characters can be digested.
    child<QLineEdit>(QStringLiteral("Edit1"))->insert(QStringLiteral("Жаба"));
    boxes.expect(Kind::Plain, Cp1252::passwordRefusal(QStringLiteral("Жаба")));
    clickButton(QStringLiteral("Button14"));
    EXPECT_EQ(recordFileLines(QStringLiteral("alice")).at(2), storedHash);
    child<QLineEdit>(QStringLiteral("Edit1"))->clear();
    robot.type(QStringLiteral("neuf"), child<QLineEdit>(QStringLiteral("Edit1")));
    EXPECT_TRUE(child<QPushButton>(QStringLiteral("Button14"))->isVisible());
    clickButton(QStringLiteral("Button14"));
    EXPECT_EQ(recordFileLines(QStringLiteral("alice")).at(2), passwordHash(QStringLiteral("neuf")));
}

TEST_F(ConsoleLists, ResettingAPupilAsksAndChangesTheFileOnlyWhenValidated)
{
    const QByteArray before = recordBytes(QStringLiteral("alice"));
    clickClass(QStringLiteral("6A"));
    clickPupil(QStringLiteral("alice"));
    boxes.expect(Kind::Confirmation, QStringLiteral("Attention: vous tentez d'effacer les données d'un élève"), 1);
    clickButton(QStringLiteral("Button7"));
    EXPECT_TRUE(console->rowBox(1)->isChecked());

    boxes.expect(Kind::Confirmation, QStringLiteral("Attention: vous tentez d'effacer les données d'un élève"), 0);
    clickButton(QStringLiteral("Button7"));
    EXPECT_FALSE(console->rowBox(1)->isChecked());
    EXPECT_EQ(recordBytes(QStringLiteral("alice")), before);
    clickButton(QStringLiteral("Button14"));
    const QStringList lines = recordFileLines(QStringLiteral("alice"));
    EXPECT_EQ(lines.count(QStringLiteral("oui")), 0);
    EXPECT_EQ(lines.at(2), passwordHash(QStringLiteral("a1")));
}

TEST_F(ConsoleLists, DeletingAProfileDisablesIndividualManagement)
{
    clickClass(QStringLiteral("6A"));
    clickPupil(QStringLiteral("chloe"));
    boxes.expect(Kind::Confirmation, QStringLiteral("Attention: vous tentez de supprimer l'utilisateur chloe"), 1);
    clickButton(QStringLiteral("Button9"));
    EXPECT_FALSE(recordBytes(QStringLiteral("chloe")).isEmpty());   // answered Non
    EXPECT_TRUE(listed(pupilList()).isEmpty());
    EXPECT_FALSE(child<QGroupBox>(QStringLiteral("GroupBox2"))->isEnabled());

    clickClass(QStringLiteral("6A"));
    clickClass(QStringLiteral("6A"));
    clickPupil(QStringLiteral("chloe"));
    boxes.expect(Kind::Confirmation, QStringLiteral("Attention: vous tentez de supprimer l'utilisateur chloe"), 0);
    clickButton(QStringLiteral("Button9"));
    EXPECT_FALSE(QFile::exists(data.recordPath(QStringLiteral("chloe"))));
    EXPECT_EQ(console->panel(), Tadmin::Panel::None);
    EXPECT_FALSE(child<QGroupBox>(QStringLiteral("GroupBox2"))->isEnabled());
    EXPECT_TRUE(QFile::exists(data.recordPath(QStringLiteral("alice"))));
}

TEST_F(ConsoleLists, APupilWhoseFileVanishedIsReportedAndNotShown)
{
    clickClass(QStringLiteral("6A"));
    clickPupil(QStringLiteral("alice"));
    RecordStore::deleteRecordFile(QStringLiteral("chloe"));
    boxes.expect(Kind::Error, QStringLiteral("Fichier introuvable"));
    clickPupil(QStringLiteral("chloe"));
    EXPECT_EQ(console->panel(), Tadmin::Panel::None);
    EXPECT_FALSE(child<QGroupBox>(QStringLiteral("GroupBox2"))->isEnabled());
    EXPECT_FALSE(QFile::exists(data.recordPath(QStringLiteral("chloe"))));
}

TEST_F(ConsoleLists, ShortAndLongRecordsShowTheirFirst29Groups)
{
    QStringList shortRecord = recordLines(QStringLiteral("emma"), QStringLiteral("e"), QStringLiteral("5A"), groupsWith({27, 28}, 27));
    writeRecord(QStringLiteral("emma"), shortRecord);
    writeRecord(QStringLiteral("fanny"), recordLines(QStringLiteral("fanny"), QStringLiteral("f"), QStringLiteral("5A"),
                                                     groupsWith({29, 30}, 36), QStringLiteral("compétence ")));
    clickClass(QStringLiteral("5A"));
    clickPupil(QStringLiteral("emma"));
    EXPECT_TRUE(console->rowBox(27)->isChecked());
    EXPECT_FALSE(console->rowBox(28)->isChecked());
    EXPECT_EQ(console->rowLabel(29)->text(), QStringLiteral("non réussi"));
    clickPupil(QStringLiteral("fanny"));
    EXPECT_TRUE(console->rowBox(29)->isChecked());
    EXPECT_EQ(console->score(), 1);
}

TEST_F(ConsoleLists, StatisticsOfTheSelection)
{
    boxes.expect(Kind::Plain, QStringLiteral("Pas d'inscrits dans cette sélection"));
    clickButton(QStringLiteral("Button2"));
    EXPECT_EQ(console->panel(), Tadmin::Panel::None);

    clickClass(QStringLiteral("6A"));
    clickClass(QStringLiteral("6B"));
    clickButton(QStringLiteral("Button2"));
    ASSERT_EQ(console->panel(), Tadmin::Panel::Statistics);
    auto *grid = child<QTableWidget>(QStringLiteral("StringGrid1"));
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("Inscrits :  3"));
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("Ont réussi :"));
    EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("Taux de réussite"));
    EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral("exercice 1"));
    EXPECT_EQ(grid->item(1, 1)->text(), QStringLiteral("1"));
    EXPECT_EQ(grid->item(1, 2)->text(), QStringLiteral("33 %"));
    EXPECT_EQ(grid->item(2, 2)->text(), QStringLiteral("0 %"));
    EXPECT_EQ(grid->item(29, 1)->text(), QStringLiteral("1"));
    EXPECT_EQ(grid->item(30, 0)->text(), QString());
    EXPECT_EQ(grid->rowCount(), 37);
}

TEST_F(ConsoleLists, ResettingTheSelectionClearsResultsButKeepsPasswordsAndClasses)
{
    clickClass(QStringLiteral("6A"));
    boxes.expect(Kind::Confirmation, QStringLiteral("Vous allez supprimer les résultats de la sélection : - 6A - "), 1);
    clickButton(QStringLiteral("Button1"));
    EXPECT_EQ(recordFileLines(QStringLiteral("alice")).count(QStringLiteral("oui")), 2);

    boxes.expect(Kind::Confirmation, QStringLiteral("Vous allez supprimer les résultats de la sélection : - 6A - "), 0);
    clickButton(QStringLiteral("Button1"));
    const QStringList lines = recordFileLines(QStringLiteral("alice"));
    ASSERT_EQ(lines.size(), 120);
    EXPECT_EQ(lines.mid(0, 4), (QStringList{QStringLiteral("nom"), QStringLiteral("alice"), passwordHash(QStringLiteral("a1")), QStringLiteral("6A")}));
    EXPECT_EQ(lines.at(4), QStringLiteral("exercice 1"));
    EXPECT_EQ(lines.at(116), QStringLiteral("exercice 29"));
    EXPECT_EQ(lines.count(QStringLiteral("oui")), 0);
    EXPECT_EQ(recordFileLines(QStringLiteral("bruno")).at(4), QStringLiteral("competence 1"));   // not selected

    clickClass(QStringLiteral("6A"));   // nothing selected now
    clickClass(QStringLiteral("5A"));
    boxes.expect(Kind::Confirmation, QStringLiteral("Vous allez supprimer les résultats de la sélection : - 5A - "), 0)
        .expect(Kind::Plain, QStringLiteral("Aucun inscrit dans cette classe"));
    clickButton(QStringLiteral("Button1"));
}

TEST_F(ConsoleLists, EndOfYearDeletesEveryRecordButKeepsTheMarkerAndLists)
{
    ASSERT_TRUE(RecordStore::allowRegistration(true).ok());
    const QByteArray classes = data.readBytes(QStringLiteral("classes.txt"));
    clickClass(QStringLiteral("6A"));
    clickPupil(QStringLiteral("alice"));
    boxes.expect(Kind::Confirmation, QStringLiteral("Attention : vous supprimez toutes les inscriptions en cours !"), 1);
    clickButton(QStringLiteral("Button3"));
    EXPECT_EQ(RecordStore::listRecordNames().size(), 4);

    boxes.expect(Kind::Confirmation, QStringLiteral("Attention : vous supprimez toutes les inscriptions en cours !"), 0);
    clickButton(QStringLiteral("Button3"));
    EXPECT_TRUE(RecordStore::listRecordNames().isEmpty());
    EXPECT_TRUE(RecordStore::registrationAllowed());
    EXPECT_EQ(data.readBytes(QStringLiteral("classes.txt")), classes);
    EXPECT_TRUE(listed(pupilList()).isEmpty());
    EXPECT_FALSE(child<QGroupBox>(QStringLiteral("GroupBox2"))->isEnabled());
}

TEST_F(ConsoleLists, ListEditorSavesBothListsWithCrLf)
{
    clickClass(QStringLiteral("6A"));
    clickButton(QStringLiteral("Button4"));
    ASSERT_EQ(console->panel(), Tadmin::Panel::Editor);
    EXPECT_FALSE(child<QGroupBox>(QStringLiteral("GroupBox1"))->isEnabled());
    EXPECT_TRUE(listed(pupilList()).isEmpty());
    auto *classes = child<QPlainTextEdit>(QStringLiteral("Memo1"));
    auto *teachers = child<QPlainTextEdit>(QStringLiteral("Memo2"));
    EXPECT_EQ(classes->toPlainText(), TempDataFolder::classes().join(QLatin1Char('\n')) + QLatin1Char('\n'));
    classes->setPlainText(QStringLiteral("6A\n6B\n5A\n3ème C\n"));
    teachers->setPlainText(QStringLiteral("Mme Laurent\n\nM. Hébert"));
    clickButton(QStringLiteral("Button12"));
    EXPECT_EQ(data.readBytes(QStringLiteral("classes.txt")), QByteArray("6A\r\n6B\r\n5A\r\n3\xE8me C\r\n"));
    EXPECT_EQ(data.readBytes(QStringLiteral("profs.txt")), QByteArray("Mme Laurent\r\n\r\nM. H\xE9" "bert\r\n"));
    EXPECT_EQ(console->panel(), Tadmin::Panel::None);
    EXPECT_TRUE(child<QGroupBox>(QStringLiteral("GroupBox1"))->isEnabled());
    EXPECT_EQ(listed(classList()).first(), QStringLiteral("3ème C"));
}

TEST_F(ConsoleLists, MissingListFileIsNamedWhenOpeningTheEditor)
{
    QFile::remove(data.path() + QStringLiteral("profs.txt"));
    boxes.expect(Kind::Error, QStringLiteral("Fichier introuvable : profs.txt"));
    clickButton(QStringLiteral("Button4"));
    EXPECT_EQ(console->panel(), Tadmin::Panel::Editor);
    EXPECT_FALSE(child<QPlainTextEdit>(QStringLiteral("Memo1"))->toPlainText().isEmpty());
}

TEST_F(ConsoleLists, AdministratorPasswordIsRewrittenAsOneDigestLine)
{
    auto *field = child<QLineEdit>(QStringLiteral("Edit2"));
    auto *validate = child<QPushButton>(QStringLiteral("Button15"));
    clickButton(QStringLiteral("Button16"));
    EXPECT_TRUE(field->isVisible());
    robot.click(field);
    EXPECT_TRUE(validate->isVisible());
    // A character the digest cannot take is refused; the field stays for another try.
    field->insert(QStringLiteral("Жаба"));
    boxes.expect(Kind::Plain, Cp1252::passwordRefusal(QStringLiteral("Жаба")));
    clickButton(QStringLiteral("Button15"));
    EXPECT_TRUE(field->isVisible());
    EXPECT_EQ(data.readBytes(QStringLiteral("ad.txt")), QByteArray(passwordHash(QStringLiteral("vorne")).toLatin1() + "\r\n"));
    field->clear();
    field->insert(QStringLiteral("Clé-2026"));   // typed: the keyboard robot knows ASCII only
    clickButton(QStringLiteral("Button15"));
    EXPECT_FALSE(field->isVisible());
    EXPECT_FALSE(validate->isVisible());
    EXPECT_EQ(data.readBytes(QStringLiteral("ad.txt")), passwordHash(QStringLiteral("Clé-2026")).toLatin1() + "\r\n");

    // Another button hides the entry without saving it.
    clickButton(QStringLiteral("Button16"));
    robot.click(field);
    robot.type(QStringLiteral("oubli"), field);
    clickClass(QStringLiteral("6A"));
    EXPECT_FALSE(field->isVisible());
    EXPECT_EQ(data.readBytes(QStringLiteral("ad.txt")), passwordHash(QStringLiteral("Clé-2026")).toLatin1() + "\r\n");
}

TEST_F(ConsoleLists, RegistrationBoxFollowsAndSetsTheMarker)
{
    auto *box = child<QCheckBox>(QStringLiteral("CheckBox37"));
    EXPECT_FALSE(box->isChecked());
    robot.click(box);
    EXPECT_TRUE(RecordStore::registrationAllowed());
    EXPECT_EQ(data.readBytes(QStringLiteral("sauvegardes/aaadmin-qib.bin")), QByteArray("autorise\r\n"));
    delete console.data();
    openConsole();
    EXPECT_TRUE(child<QCheckBox>(QStringLiteral("CheckBox37"))->isChecked());
    robot.click(child<QCheckBox>(QStringLiteral("CheckBox37")));
    EXPECT_FALSE(RecordStore::registrationAllowed());

    // A marker that cannot be written leaves the box telling what the disk holds.
    TextFile::failNextWriteAfter(0);
    boxes.expect(Kind::Error, QStringLiteral("Disque plein"));
    robot.click(child<QCheckBox>(QStringLiteral("CheckBox37")));
    EXPECT_FALSE(RecordStore::registrationAllowed());
    EXPECT_FALSE(child<QCheckBox>(QStringLiteral("CheckBox37"))->isChecked());
}

TEST_F(ConsoleLists, PupilsAreListedInFrenchOrderAndTheStatisticsHeaderWaitsForEveryRecord)
{
    for (const QString &name : {QStringLiteral("zoé"), QStringLiteral("Émile"), QStringLiteral("Aline")})
        writeRecord(name, recordLines(name, QStringLiteral("p"), QStringLiteral("5A"), groupsWith({})));
    clickClass(QStringLiteral("5A"));
    EXPECT_EQ(listed(pupilList()), (QStringList{QStringLiteral("Aline"), QStringLiteral("Émile"), QStringLiteral("zoé")}));

    QFile::remove(data.recordPath(QStringLiteral("zoé")));
    boxes.expect(Kind::Error, QStringLiteral("Fichier introuvable"));
    clickButton(QStringLiteral("Button2"));
    EXPECT_NE(console->panel(), Tadmin::Panel::Statistics);
    EXPECT_EQ(child<QTableWidget>(QStringLiteral("StringGrid1"))->item(0, 0)->text(), QString());
}

TEST_F(ConsoleLists, ListEditorKeepsAnEmptyEntryAndRefusesNamesOutsideTheCodePage)
{
    data.writeBytes(QStringLiteral("profs.txt"), "Mme Laurent\r\n\r\n");
    clickButton(QStringLiteral("Button4"));
    auto *teachers = child<QPlainTextEdit>(QStringLiteral("Memo2"));
    teachers->appendPlainText(QStringLiteral("Жаба"));
    boxes.expect(Kind::Plain, Cp1252::nameRefusal(QStringLiteral("Жаба")));
    clickButton(QStringLiteral("Button12"));
    EXPECT_EQ(console->panel(), Tadmin::Panel::Editor) << "nothing saved, the editor stays";
    EXPECT_EQ(data.readBytes(QStringLiteral("profs.txt")), QByteArray("Mme Laurent\r\n\r\n"));

    teachers->undo();
    clickButton(QStringLiteral("Button12"));
    EXPECT_EQ(data.readBytes(QStringLiteral("profs.txt")), QByteArray("Mme Laurent\r\n\r\n")) << "the empty entry is kept";
}

TEST_F(ConsoleLists, HelpBoxIsTickedOnANewInstallationAndForbidsByItsMarker)
{
    auto *box = child<QCheckBox>(QStringLiteral("CheckBox38"));
    EXPECT_EQ(box->text(), QStringLiteral("Autoriser l'aide aux élèves (démonstration et guidage)"));
    EXPECT_TRUE(box->isChecked());
    robot.click(box);
    EXPECT_FALSE(HelpSwitch::allowed());
    EXPECT_TRUE(QFile::exists(HelpSwitch::markerPath()));
    EXPECT_FALSE(HelpSwitch::markerPath().endsWith(QStringLiteral("-qib.txt")));
    delete console.data();
    openConsole();
    EXPECT_FALSE(child<QCheckBox>(QStringLiteral("CheckBox38"))->isChecked());
    robot.click(child<QCheckBox>(QStringLiteral("CheckBox38")));
    EXPECT_TRUE(HelpSwitch::allowed());
    EXPECT_FALSE(QFile::exists(HelpSwitch::markerPath()));
}

TEST_F(ConsoleLists, QuitterShowsTheMainWindowAgain)
{
    mainWindow.hide();
    clickButton(QStringLiteral("Button13"));
    QApplication::processEvents();
    EXPECT_TRUE(mainWindow.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(console.isNull());
}
