#include "administration/accountimport.h"
#include "administration/classresults.h"
#include "administration/classfollowup.h"
#include "consolefixture.h"
#include "records/datafolder.h"
#include "support/linkeddatafolder.h"

#include <QPlainTextEdit>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {
using Kind = MessageBox::Kind;

mode_t modeOf(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0;
}
}

// The console over a data folder whose lists and record folder are links to a
// shared place, as a packaged installation has them.
class LinkedConsole : public ConsoleTest
{
protected:
    void SetUp() override
    {
        ConsoleTest::SetUp();
        shared = std::make_unique<LinkedDataFolder>(data);
        writeRecord(QStringLiteral("alice"), recordLines(QStringLiteral("alice"), QStringLiteral("a1"), QStringLiteral("6A"), groupsWith({1, 5})));
        writeRecord(QStringLiteral("bruno"), recordLines(QStringLiteral("bruno"), QStringLiteral("b1"), QStringLiteral("6A"), groupsWith({})));
        openConsole();
    }
    void TearDown() override
    {
        ConsoleTest::TearDown();
        shared.reset();
    }
    QByteArray sharedRecord(const QString &name) const
    {
        return shared->sharedBytes(QStringLiteral("sauvegardes/") + name + QStringLiteral("-qib.txt"));
    }

    std::unique_ptr<LinkedDataFolder> shared;
};

TEST_F(LinkedConsole, ListsPasswordMarkerAndResultsAreWrittenThroughTheLinks)
{
    // Reading: the classes and the pupils of a class, then one pupil's results.
    EXPECT_EQ(listed(classList()), (QStringList{QStringLiteral("5A"), QStringLiteral("6A"), QStringLiteral("6B")}));
    clickClass(QStringLiteral("6A"));
    QStringList pupils = listed(pupilList());
    pupils.sort();
    EXPECT_EQ(pupils, (QStringList{QStringLiteral("alice"), QStringLiteral("bruno")}));
    clickPupil(QStringLiteral("alice"));
    EXPECT_TRUE(console->rowBox(5)->isChecked());

    // The results validated by the administrator.
    robot.click(console->rowBox(7));
    clickButton(QStringLiteral("Button14"));
    EXPECT_TRUE(sharedRecord(QStringLiteral("alice")).contains("\r\ncomp\xE9tence 7\r\noui\r\n09/12/2026\r\nl'administrateur\r\n"));

    // The class follow-up reads the records through the linked folder.
    clickButton(QStringLiteral("Button18"));
    ASSERT_TRUE(console->followUp());
    EXPECT_EQ(console->followUp()->model()->shown().size(), 2);
    // Its title bar's close box, then a click back on the console: window
    // management has no pupil path under the offscreen platform.
    console->followUp()->close();
    console->activateWindow();
    QApplication::processEvents();

    // Both lists from the editor: the group-writable shared lists stay so.
    clickButton(QStringLiteral("Button4"));
    ASSERT_EQ(console->panel(), Tadmin::Panel::Editor);
    child<QPlainTextEdit>(QStringLiteral("Memo1"))->setPlainText(QStringLiteral("6A\n3ème C"));
    child<QPlainTextEdit>(QStringLiteral("Memo2"))->setPlainText(QStringLiteral("M. Hébert"));
    clickButton(QStringLiteral("Button12"));
    EXPECT_EQ(shared->sharedBytes(QStringLiteral("classes.txt")), QByteArray("6A\r\n3\xE8me C\r\n"));
    EXPECT_EQ(shared->sharedBytes(QStringLiteral("profs.txt")), QByteArray("M. H\xE9" "bert\r\n"));
    EXPECT_EQ(modeOf(shared->sharedPath() + QStringLiteral("classes.txt")) & 07777, mode_t(0664));
    EXPECT_EQ(modeOf(shared->sharedPath() + QStringLiteral("profs.txt")) & 07777, mode_t(0664));

    // The administrator's password and the registration marker.
    clickButton(QStringLiteral("Button16"));
    robot.click(child<QLineEdit>(QStringLiteral("Edit2")));
    robot.type(QStringLiteral("cle"), child<QLineEdit>(QStringLiteral("Edit2")));
    clickButton(QStringLiteral("Button15"));
    EXPECT_EQ(shared->sharedBytes(QStringLiteral("ad.txt")), passwordHash(QStringLiteral("cle")).toLatin1() + "\r\n");
    robot.click(child<QCheckBox>(QStringLiteral("CheckBox37")));
    EXPECT_EQ(shared->sharedBytes(QStringLiteral("sauvegardes/aaadmin-qib.bin")), QByteArray("autorise\r\n"));

    EXPECT_EQ(shared->sharedFiles(),
              (QStringList{QStringLiteral("ad.txt"), QStringLiteral("classes.txt"), QStringLiteral("profs.txt"), QStringLiteral("sauvegardes"),
                           QStringLiteral("sauvegardes/aaadmin-qib.bin"), QStringLiteral("sauvegardes/alice-qib.txt"),
                           QStringLiteral("sauvegardes/bruno-qib.txt")}));
    shared->expectProgramFolderUntouched();
}

TEST_F(LinkedConsole, TheImportCreatesAndReplacesRecordsInTheSharedFolder)
{
    AccountImport::Importer importer([](const QString &) { return AccountImport::Reply::Yes; });
    IoStatus status;
    EXPECT_EQ(importer.importLine({1, QStringLiteral("chloe"), QStringLiteral("c"), QStringLiteral("6B")}, &status),
              AccountImport::Result::Created);
    EXPECT_EQ(importer.importLine({2, QStringLiteral("Bruno"), QStringLiteral("b2"), QStringLiteral("5A")}, &status),
              AccountImport::Result::Replaced);
    EXPECT_EQ(sharedRecord(QStringLiteral("chloe")).count("\r\n"), 148);
    EXPECT_TRUE(sharedRecord(QStringLiteral("Bruno")).startsWith("nom\r\nBruno\r\n" + passwordHash(QStringLiteral("b2")).toLatin1()));
    EXPECT_TRUE(sharedRecord(QStringLiteral("bruno")).isEmpty()) << "the old account's file is gone";
    shared->expectProgramFolderUntouched();
}

// A record that is a link out of the record folder is no pupil for the console:
// it is not listed, and the class view never reads what it leads to.
TEST_F(LinkedConsole, ARecordLinkLeadingOutOfTheRecordFolderIsNotAPupil)
{
    const QString outside = data.path() + QStringLiteral("secret-qib.txt");
    data.writeBytes(QStringLiteral("secret-qib.txt"), crlfBytes(recordLines(QStringLiteral("secret"), QStringLiteral("s"), QStringLiteral("6A"), groupsWith({}))));
    ASSERT_EQ(::symlink(QFile::encodeName(outside).constData(),
                        QFile::encodeName(shared->sharedRecordFolder() + QStringLiteral("secret-qib.txt")).constData()), 0);
    clickClass(QStringLiteral("6A"));
    EXPECT_FALSE(listed(pupilList()).contains(QStringLiteral("secret")));
    QList<PupilResults> rows;
    EXPECT_EQ(ClassResults::read({QStringLiteral("secret")}, &rows).errorCode(), EACCES);
    EXPECT_TRUE(rows.isEmpty());
}
