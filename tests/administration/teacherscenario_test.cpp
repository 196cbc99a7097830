// A teacher's year in the console, as a new user would go through it, checking
// every file on disk byte for byte.
#include "administration/filechooser.h"
#include "administration/printing.h"
#include "administration/tadminiden.h"
#include "administration/timportcomptev3.h"
#include "consolefixture.h"

#include <QTemporaryDir>
#include <QTextEdit>

namespace {
using Kind = MessageBox::Kind;
const QString Today = QStringLiteral("09/12/2026");

class TeacherScenario : public ConsoleTest
{
protected:
    void TearDown() override
    {
        FileChooser::setChooser(nullptr);
        Printing::setTarget(nullptr);
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<Tadminiden *>(w) || qobject_cast<Timportcomptev3 *>(w))
                delete w;
        ConsoleTest::TearDown();
    }

    // " administrateur", the password, OK: the console that opens.
    void logIn(const QString &password)
    {
        auto *login = new Tadminiden(&mainWindow);
        login->show();
        QApplication::processEvents();
        PupilRobot loginRobot(login);
        login->passwordField()->insert(password);   // the keyboard robot types ASCII only
        loginRobot.click(QStringLiteral("Button1"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        console = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *c = qobject_cast<Tadmin *>(w); c && c->isVisible())
                console = c;
        ASSERT_TRUE(console);
        robot.setWindow(console);
    }
};
}

TEST_F(TeacherScenario, AYearInTheConsole)
{
    mainWindow.show();
    writeRecord(QStringLiteral("lucas"), recordLines(QStringLiteral("lucas"), QStringLiteral("l"), QStringLiteral("6A"),
                                                     groupsWith({1}, 29, QStringLiteral("01/10/2026"), QStringLiteral("M. Besson"))));

    // 1. First login with the delivered password; the teacher changes it at once.
    logIn(QStringLiteral("vorne"));
    EXPECT_FALSE(mainWindow.isVisible());
    clickButton(QStringLiteral("Button16"));
    robot.click(child<QLineEdit>(QStringLiteral("Edit2")));
    child<QLineEdit>(QStringLiteral("Edit2"))->insert(QStringLiteral("Collège2026"));
    clickButton(QStringLiteral("Button15"));
    EXPECT_EQ(data.readBytes(QStringLiteral("ad.txt")), passwordHash(QStringLiteral("Collège2026")).toLatin1() + "\r\n");

    // 2. Competence 5 validated by hand for lucas.
    clickClass(QStringLiteral("6A"));
    clickPupil(QStringLiteral("lucas"));
    robot.click(console->rowBox(5));
    clickButton(QStringLiteral("Button14"));
    QList<std::array<QString, 3>> groups = groupsWith({1}, 29, QStringLiteral("01/10/2026"), QStringLiteral("M. Besson"));
    groups[4] = {QStringLiteral("oui"), Today, QStringLiteral("l'administrateur")};
    EXPECT_EQ(recordBytes(QStringLiteral("lucas")),
              crlfBytes(recordLines(QStringLiteral("lucas"), QStringLiteral("l"), QStringLiteral("6A"), groups, QStringLiteral("compétence "))));
    login().pupilName = QStringLiteral("lucas");
    ASSERT_TRUE(RecordStore::loadPupilRecord(QStringLiteral("lucas")).ok());
    EXPECT_TRUE(student().results[4].acquired);
    EXPECT_EQ(student().results[4].date, Today);
    EXPECT_EQ(student().results[4].validator, QStringLiteral("l'administrateur"));
    const QByteArray lucasAfterLogin = recordBytes(QStringLiteral("lucas"));   // the login rewrote it with its own labels

    // 3. Import: cp1252, CR LF, a header line, lucas again (answered "Non pour tout").
    QTemporaryDir files;
    const QString csv = files.path() + QStringLiteral("/export.csv");
    {
        QFile f(csv);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("login\tmdp\tclasse\r\n"
                "h\xE9l\xE8ne\tm\xFBre\t6A\r\n"
                "lucas\tautre\t6B\r\n"
                "fran\xE7ois\tf1\t6B\r\n");
    }
    FileChooser::FixedChoice chooser(csv);
    FileChooser::setChooser(&chooser);
    clickButton(QStringLiteral("Button17"));
    auto *import = qobject_cast<Timportcomptev3 *>(PupilRobot::topWindow(QStringLiteral("importcomptev3")));
    ASSERT_TRUE(import);
    PupilRobot importRobot(import);
    importRobot.click(QStringLiteral("Button2"));
    boxes.expect(Kind::Custom, QStringLiteral("Compte existant : lucas. Voulez-vous effacer l'ancien ?"), 2);
    importRobot.click(QStringLiteral("Button6"));
    EXPECT_EQ(recordBytes(QStringLiteral("lucas")), lucasAfterLogin);
    QStringList fresh;
    for (int n = 1; n <= FreshRecordGroups; ++n)
        fresh << QStringLiteral("compétence ") + QString::number(n) << QStringLiteral("non") << QString() << QString();
    EXPECT_EQ(recordBytes(QStringLiteral("hélène")),
              crlfBytes(QStringList{QStringLiteral("nom"), QStringLiteral("hélène"), passwordHash(QStringLiteral("mûre")), QStringLiteral("6A")} + fresh));
    EXPECT_FALSE(QFile::exists(data.recordPath(QStringLiteral("login")))) << "the header line is no account";
    EXPECT_TRUE(QFile::exists(data.recordPath(QStringLiteral("françois"))));
    importRobot.click(QStringLiteral("Button1"));   // closes the console too
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(console.isNull());
    EXPECT_TRUE(mainWindow.isVisible());

    // 4. Statistics of 6A and 6B with the new password.
    logIn(QStringLiteral("Collège2026"));
    clickClass(QStringLiteral("6A"));
    clickClass(QStringLiteral("6B"));
    EXPECT_EQ(pupilList()->count(), 3);
    clickButton(QStringLiteral("Button2"));
    auto *grid = child<QTableWidget>(QStringLiteral("StringGrid1"));
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("Inscrits :  3"));
    EXPECT_EQ(grid->item(5, 1)->text(), QStringLiteral("1"));
    EXPECT_EQ(grid->item(5, 2)->text(), QStringLiteral("33 %"));
    EXPECT_EQ(grid->item(2, 2)->text(), QStringLiteral("0 %"));

    // 5. Lucas's progression sheet, printed.
    QTemporaryDir out;
    Printing::PdfSink pdf(out.path() + QStringLiteral("/lucas.pdf"));
    Printing::setTarget(&pdf);
    clickPupil(QStringLiteral("lucas"));
    clickButton(QStringLiteral("Button8"));
    EXPECT_EQ(pdf.lastJobTitle(), QStringLiteral("feuille position"));
    EXPECT_GT(QFileInfo(pdf.path()).size(), 0);
    EXPECT_TRUE(child<QTextEdit>(QStringLiteral("r"))->toPlainText().contains(QStringLiteral("score : 2 / 29")));

    // 6. The selection 6A + 6B emptied.
    boxes.expect(Kind::Confirmation, QStringLiteral("Vous allez supprimer les résultats de la sélection : - 6A - 6B - "), 0);
    clickButton(QStringLiteral("Button1"));
    QList<std::array<QString, 3>> none = groupsWith({});
    EXPECT_EQ(recordBytes(QStringLiteral("lucas")),
              crlfBytes(recordLines(QStringLiteral("lucas"), QStringLiteral("l"), QStringLiteral("6A"), none, QStringLiteral("exercice "))));
    EXPECT_EQ(recordBytes(QStringLiteral("hélène")),
              crlfBytes(recordLines(QStringLiteral("hélène"), QStringLiteral("mûre"), QStringLiteral("6A"), none, QStringLiteral("exercice "))));

    // 7. End of the year.
    ASSERT_TRUE(RecordStore::allowRegistration(true).ok());
    boxes.expect(Kind::Confirmation, QStringLiteral("Attention : vous supprimez toutes les inscriptions en cours !"), 0);
    clickButton(QStringLiteral("Button3"));
    EXPECT_TRUE(RecordStore::listRecordNames().isEmpty());
    EXPECT_EQ(data.readBytes(QStringLiteral("sauvegardes/aaadmin-qib.bin")), QByteArray("autorise\r\n"));
    EXPECT_EQ(data.readBytes(QStringLiteral("classes.txt")), QByteArray("6A\r\n6B\r\n5A\r\n"));
    EXPECT_EQ(data.readBytes(QStringLiteral("profs.txt")), QByteArray("Mme Laurent\r\nM. Besson\r\nMme Okafor\r\n"));

    clickButton(QStringLiteral("Button13"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(mainWindow.isVisible());
}
