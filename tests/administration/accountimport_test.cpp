#include "administration/accountimport.h"
#include "administration/consolequeries.h"
#include "administration/importpreview.h"
#include "records/passwordhash.h"
#include "records/recordstore.h"
#include "records/textfile.h"
#include "support/tempdatafolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <gtest/gtest.h>

using AccountImport::Line;
using AccountImport::Reply;
using AccountImport::Result;

namespace {
std::vector<std::array<std::string, 3>> fields(const QList<Line> &lines)
{
    std::vector<std::array<std::string, 3>> out;
    for (const Line &l : lines)
        out.push_back({l.login.toStdString(), l.password.toStdString(), l.className.toStdString()});
    return out;
}
using Fields = std::vector<std::array<std::string, 3>>;
}

TEST(AccountFileLines, EveryLineEndIsAcceptedAndTheLastLineNeedsNone)
{
    const Fields expected{{"a", "1", "6A"}, {"b", "2", "6B"}, {"c", "3", "5A"}};
    EXPECT_EQ(fields(AccountImport::readLines("a\t1\t6A\r\nb\t2\t6B\r\nc\t3\t5A\r\n")), expected);
    EXPECT_EQ(fields(AccountImport::readLines("a\t1\t6A\nb\t2\t6B\nc\t3\t5A\n")), expected);
    EXPECT_EQ(fields(AccountImport::readLines("a\t1\t6A\rb\t2\t6B\rc\t3\t5A\r")), expected);
    EXPECT_EQ(fields(AccountImport::readLines("a\t1\t6A\r\nb\t2\t6B\nc\t3\t5A")), expected);
    const QList<Line> numbered = AccountImport::readLines("a\t1\t6A\r\nb\t2\t6B\r\nc\t3\t5A");
    EXPECT_EQ(numbered.last().number, 3);
    EXPECT_TRUE(AccountImport::readLines("").isEmpty());
}

TEST(AccountFileLines, FieldsAreTakenWholeAndWrapAfterTheThird)
{
    EXPECT_EQ(fields(AccountImport::readLines("dupond\t6B\r\n")), (Fields{{"dupond", "", "6B"}}));
    EXPECT_EQ(fields(AccountImport::readLines("a\tb\tc\td\r\n")), (Fields{{"c", "b", "d"}}));
    EXPECT_EQ(fields(AccountImport::readLines(" jean \tmot de passe\t6 A\r\n")), (Fields{{" jean ", "mot de passe", "6 A"}}));
    EXPECT_EQ(fields(AccountImport::readLines("\r\n")), (Fields{{"", "", ""}}));
    // Windows-1252 bytes: é = E9, œ = 9C, € = 80.
    const QList<Line> accented = AccountImport::readLines("H\xE9l\xE8ne\tc\x9Cur\x80\t5\xE8me\r\n");
    ASSERT_EQ(accented.size(), 1);
    EXPECT_EQ(accented.first().login, QStringLiteral("Hélène"));
    EXPECT_EQ(accented.first().password, QStringLiteral("cœur€"));
    EXPECT_EQ(accented.first().className, QStringLiteral("5ème"));
}

TEST(SpreadsheetFiles, EncodingSeparatorQuotesAndHeaderAreRecognised)
{
    // UTF-8 with a byte-order mark, ";", quotes holding a quote, a ";" and a line end.
    AccountImport::FileContent file = AccountImport::readFile(
        "\xEF\xBB\xBFNom;Pr\xC3\xA9nom;Classe\r\n\"Le \"\"Gall\"\"; Yann\";\" Ana\xC3\xAFs \";\"6\r\nA\"\r\n;;\r\n");
    EXPECT_EQ(file.encoding, AccountImport::Encoding::Utf8);
    EXPECT_EQ(file.separator, QLatin1Char(';'));
    EXPECT_TRUE(file.header);
    ASSERT_EQ(file.lines.size(), 2);
    EXPECT_EQ(file.lines.at(0).surname, QStringLiteral("Le \"Gall\"; Yann"));
    EXPECT_EQ(file.lines.at(0).firstName, QStringLiteral("Anaïs"));
    EXPECT_EQ(file.lines.at(0).className, QStringLiteral("6 A"));
    EXPECT_TRUE(file.lines.at(0).login.isEmpty());
    EXPECT_EQ(file.lines.at(1).number, 4);

    // Windows-1252 (not valid UTF-8), "," more frequent than ";", titles in any case.
    file = AccountImport::readFile("Identifiant,MOT DE PASSE,Division,Remarque;x\nd\xE9" "d\xE9,m2,6B\n");
    EXPECT_EQ(file.encoding, AccountImport::Encoding::Cp1252);
    EXPECT_EQ(file.separator, QLatin1Char(','));
    ASSERT_TRUE(file.header);
    EXPECT_EQ(fields(file.lines), (Fields{{"dédé", "m2", "6B"}}));

    // UTF-16 as some spreadsheets save "Unicode text".
    QByteArray utf16("\xFF\xFE");
    for (QChar c : QStringLiteral("Zo\u00e9\t\u00e9\t5A\r\n"))
        utf16 += char(c.unicode() & 0xFF), utf16 += char(c.unicode() >> 8);
    EXPECT_EQ(fields(AccountImport::readLines(utf16)), (Fields{{"Zoé", "é", "5A"}}));
}

TEST(SpreadsheetFiles, AHeaderIsALineOfColumnNamesOnly)
{
    EXPECT_TRUE(AccountImport::readFile("login\tmdp\tclasse\r\nx\ty\t6A\r\n").header);
    EXPECT_EQ(AccountImport::readLines("login\tmdp\tclasse\r\nx\ty\t6A\r\n").first().number, 2);
    EXPECT_TRUE(AccountImport::readFile("Nom d\u2019utilisateur;Mot de passe;Date de naissance\n").header);
    EXPECT_FALSE(AccountImport::readFile("dupont\tpassword\t6A\r\n").header);
    EXPECT_FALSE(AccountImport::readFile("nom\tx\t6A\r\n").header);
    // Without header a quote is an ordinary character of a TAB-separated file.
    EXPECT_EQ(fields(AccountImport::readLines("\"a\"\t b \t6A\r\n")), (Fields{{"\"a\"", " b ", "6A"}}));
}

TEST(PupilLogins, FirstNameThenTheSurnamesLettersUntilFreeAtMostTwelve)
{
    QStringList used{QStringLiteral("hélène"), QStringLiteral("hélènem")};
    const auto taken = [&](const QString &login) { return used.contains(login.toLower()); };
    EXPECT_EQ(ImportPreview::makeLogin(QStringLiteral("Zoé"), QStringLiteral("Martin"), taken), QStringLiteral("Zoé"));
    EXPECT_EQ(ImportPreview::makeLogin(QStringLiteral("HÉLÈNE"), QStringLiteral("MARTIN"), taken), QStringLiteral("HélèneMa"));
    EXPECT_EQ(ImportPreview::makeLogin(QStringLiteral("Jean-Édouard"), QStringLiteral("d'Arc"), taken), QStringLiteral("JeanÉdouard"));
    used << QStringLiteral("jeanédouard");
    EXPECT_EQ(ImportPreview::makeLogin(QStringLiteral("Jean-Édouard"), QStringLiteral("d'Arc"), taken), QStringLiteral("JeanÉdouardD"));
    EXPECT_EQ(ImportPreview::makeLogin(QStringLiteral("Ştefan"), QString(), taken), QStringLiteral("Stefan"));
    EXPECT_EQ(ImportPreview::makeLogin(QString(), QStringLiteral("Nguyễn"), taken), QStringLiteral("N"));
    used = {QStringLiteral("al"), QStringLiteral("alb"), QStringLiteral("albo")};
    EXPECT_EQ(ImportPreview::makeLogin(QStringLiteral("Al"), QStringLiteral("Bo"), taken), QStringLiteral("AlBo2"));
    EXPECT_TRUE(ImportPreview::makeLogin(QStringLiteral("12"), QStringLiteral("-"), taken).isEmpty());
}

TEST(PupilPasswords, SixCharactersEasyToReadAloudAndToType)
{
    QRandomGenerator random(29);
    const QRegularExpression rule(QStringLiteral("^[bcdfghjkmnprstvz][aeiu][bcdfghjkmnprstvz][aeiu][2-9][2-9]$"));
    QSet<QString> drawn;
    for (int i = 0; i < 2000; ++i) {
        const QString password = ImportPreview::makePassword(random);
        ASSERT_TRUE(rule.match(password).hasMatch()) << password.toStdString();
        drawn.insert(password);
    }
    EXPECT_GT(drawn.size(), 1900);
}

class AccountImporter : public ::testing::Test
{
protected:
    Result import(const QString &login, const QString &password = QStringLiteral("pw"), const QString &cls = QStringLiteral("6A"))
    {
        IoStatus status;
        const Result result = importer.importLine(Line{++number, login, password, cls}, &status);
        EXPECT_EQ(result == Result::Failed, !status.ok());
        return result;
    }

    TempDataFolder data;
    QList<Reply> replies;
    QStringList asked;
    int number = 0;
    AccountImport::Importer importer{[this](const QString &login) {
        asked << login;
        return replies.isEmpty() ? Reply::No : replies.takeFirst();
    }};
};

TEST_F(AccountImporter, CreatesFreshRecordsWithTheDigest)
{
    EXPECT_EQ(import(QStringLiteral("Hélène"), QStringLiteral("é"), QStringLiteral("5A")), Result::Created);
    RecordHeader header;
    ASSERT_TRUE(RecordStore::readRecordHeader(QStringLiteral("Hélène"), &header).ok());
    EXPECT_EQ(header.hash, QStringLiteral("3406877694691ddd1dfb0aca54681407"));
    EXPECT_EQ(header.className, QStringLiteral("5A"));
    QFile file(data.recordPath(QStringLiteral("Hélène")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("\r\n"), 148);
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(AccountImporter, UnsafeLoginsCreateAndDeleteNothing)
{
    data.addPupil(QStringLiteral("x"), QStringLiteral("p"));
    const QStringList before = RecordStore::listRecordNames();
    for (const QString &login : {QString(), QStringLiteral("../x"), QStringLiteral("a/b"), QStringLiteral("a\\b"),
                                 QStringLiteral("a\x01"), QStringLiteral("a\tb"), QStringLiteral("日本"), QStringLiteral(".tavelo-zoe")}) {
        EXPECT_EQ(import(login), Result::InvalidName) << login.toStdString();
    }
    EXPECT_EQ(import(QStringLiteral("zoe"), QStringLiteral("Жаба")), Result::InvalidPassword);
    EXPECT_EQ(AccountImport::refusalText(Result::InvalidPassword), QStringLiteral("refusé : caractère non accepté dans le mot de passe"));
    EXPECT_EQ(RecordStore::listRecordNames(), before);
    EXPECT_FALSE(QFile::exists(data.recordPath(QString())));
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(AccountImport::refusalText(Result::InvalidName), QStringLiteral("refusé : nom invalide"));
    EXPECT_EQ(AccountImport::refusalText(Result::Created), QString());
}

TEST_F(AccountImporter, ExistingAccountsAskUntilAnAnswerForAll)
{
    for (const char *name : {"ana", "ben", "cyr", "dan"})
        data.addPupil(QString::fromLatin1(name), QStringLiteral("old"));
    replies = {Reply::No, Reply::Yes, Reply::NoToAll};
    EXPECT_EQ(import(QStringLiteral("ana"), QStringLiteral("new")), Result::Kept);
    EXPECT_EQ(import(QStringLiteral("ben"), QStringLiteral("new")), Result::Replaced);
    EXPECT_EQ(import(QStringLiteral("cyr"), QStringLiteral("new")), Result::Kept);
    EXPECT_EQ(import(QStringLiteral("dan"), QStringLiteral("new")), Result::Kept);   // not asked any more
    EXPECT_EQ(asked, (QStringList{QStringLiteral("ana"), QStringLiteral("ben"), QStringLiteral("cyr")}));
    EXPECT_EQ(importer.replacedCount(), 1);
    RecordHeader header;
    ASSERT_TRUE(RecordStore::readRecordHeader(QStringLiteral("ana"), &header).ok());
    EXPECT_EQ(header.hash, passwordHash(QStringLiteral("old")));
    ASSERT_TRUE(RecordStore::readRecordHeader(QStringLiteral("ben"), &header).ok());
    EXPECT_EQ(header.hash, passwordHash(QStringLiteral("new")));
}

TEST_F(AccountImporter, LoginsAWindowsServerCannotHoldOrTooLongForAFileNameAreRefused)
{
    for (const char *bad : {"a:b", "a*", "a?", "a\"b", "<a", "a>", "a|b"})
        EXPECT_EQ(import(QString::fromLatin1(bad)), Result::InvalidName) << bad;
    // 247 bytes + "-qib.txt" is the longest file name; "é" takes two bytes on disk.
    EXPECT_EQ(import(QString(248, QLatin1Char('x'))), Result::NameTooLong);
    EXPECT_EQ(import(QString(123, QChar(0xE9)) + QStringLiteral("ab")), Result::NameTooLong);
    EXPECT_EQ(import(QString(247, QLatin1Char('x'))), Result::Created);
    EXPECT_EQ(RecordStore::listRecordNames(), QStringList{QString(247, QLatin1Char('x'))});
    EXPECT_EQ(AccountImport::refusalText(Result::NameTooLong), QStringLiteral("refusé : nom trop long"));
}

TEST_F(AccountImporter, AFailedReplacementLeavesTheOldRecordWhole)
{
    data.addPupil(QStringLiteral("ben"), QStringLiteral("old"));
    const QByteArray before = data.readBytes(QStringLiteral("sauvegardes/ben-qib.txt"));
    replies = {Reply::Yes};
    TextFile::failNextWriteAfter(30);
    EXPECT_EQ(import(QStringLiteral("ben"), QStringLiteral("new")), Result::Failed);
    EXPECT_EQ(data.readBytes(QStringLiteral("sauvegardes/ben-qib.txt")), before);
    EXPECT_EQ(QDir(data.recordFolder()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary left";
    EXPECT_EQ(importer.replacedCount(), 0);
    // The replaced record is read-only like every record the program writes.
    replies = {Reply::Yes};
    EXPECT_EQ(import(QStringLiteral("ben"), QStringLiteral("new")), Result::Replaced);
    EXPECT_FALSE(QFile::permissions(data.recordPath(QStringLiteral("ben"))) & QFile::WriteOwner);
    EXPECT_EQ(data.readBytes(QStringLiteral("sauvegardes/ben-qib.txt")).count("\r\n"), 148);
}

TEST_F(AccountImporter, YesToAllReplacesWithoutAskingAgain)
{
    data.addPupil(QStringLiteral("ana"), QStringLiteral("old"));
    data.addPupil(QStringLiteral("ben"), QStringLiteral("old"));
    replies = {Reply::YesToAll};
    EXPECT_EQ(import(QStringLiteral("ana")), Result::Replaced);
    EXPECT_EQ(import(QStringLiteral("ben")), Result::Replaced);
    EXPECT_EQ(asked.size(), 1);
    EXPECT_EQ(importer.replacedCount(), 2);
}

TEST_F(AccountImporter, ANameDifferingOnlyByCaseIsAnExistingAccount)
{
    data.addPupil(QStringLiteral("Dupond"), QStringLiteral("old"));
    replies = {Reply::No};
    EXPECT_EQ(import(QStringLiteral("DUPOND")), Result::Kept);
    EXPECT_EQ(asked, QStringList{QStringLiteral("DUPOND")});
    EXPECT_EQ(RecordStore::listRecordNames(), QStringList{QStringLiteral("Dupond")});

    replies = {Reply::Yes};
    EXPECT_EQ(import(QStringLiteral("dupond"), QStringLiteral("new")), Result::Replaced);
    EXPECT_EQ(RecordStore::listRecordNames(), QStringList{QStringLiteral("dupond")});
}

TEST_F(AccountImporter, ThePreviewSaysWhatEachLineWillBecomeAndWritesNothing)
{
    data.addPupil(QStringLiteral("Ana"), QStringLiteral("old"));
    QRandomGenerator random(1);
    QList<ImportPreview::Account> accounts = ImportPreview::prepare(
        AccountImport::readFile("new\tp\t6A\r\nANA\tp\t6A\r\n\tp\t6A\r\na/b\tp\t6A\r\nnew\tq\t6A\r\n"
                                "zed\tp\t4Z\r\nyan\tp\t\r\nsolo\t6B\r\n\r\n"),
        random);
    ImportPreview::classify(accounts, TempDataFolder::classes());
    using S = ImportPreview::Status;
    QList<S> statuses;
    for (const ImportPreview::Account &account : accounts)
        statuses << account.status;
    EXPECT_EQ(statuses, (QList<S>{S::New, S::Existing, S::EmptyLogin, S::InvalidName, S::Duplicate, S::UnknownClass,
                                  S::NoClass, S::New}));
    EXPECT_TRUE(accounts.last().line.password.isEmpty()) << "without header an empty password stays empty";
    EXPECT_EQ(RecordStore::listRecordNames(), QStringList{QStringLiteral("Ana")});

    // With a header, logins are made free of the records and of the file's own logins.
    accounts = ImportPreview::prepare(
        AccountImport::readFile("Pr\xC3\xA9nom;Nom;Identifiant;Classe\nAna;Bel;;6A\nAna;Cyr;AnaC;6A\nAna;Cyr;;6A\n"), random);
    ImportPreview::classify(accounts, TempDataFolder::classes());
    ASSERT_EQ(accounts.size(), 3);
    EXPECT_EQ(accounts.at(0).line.login, QStringLiteral("AnaB"));
    EXPECT_EQ(accounts.at(2).line.login, QStringLiteral("AnaCy"));
    EXPECT_TRUE(accounts.at(0).madeLogin && accounts.at(0).madePassword);
    EXPECT_EQ(accounts.at(0).line.password.size(), 6);
    EXPECT_EQ(accounts.at(2).status, S::New);
}

TEST(SuccessRate, RoundsHalvesToTheEvenNeighbourInIntegers)
{
    EXPECT_EQ(ConsoleQueries::successRate(1, 8), 12);
    EXPECT_EQ(ConsoleQueries::successRate(3, 8), 38);
    EXPECT_EQ(ConsoleQueries::successRate(5, 8), 62);
    EXPECT_EQ(ConsoleQueries::successRate(7, 8), 88);
    EXPECT_EQ(ConsoleQueries::successRate(0, 8), 0);
    EXPECT_EQ(ConsoleQueries::successRate(8, 8), 100);
    EXPECT_EQ(ConsoleQueries::successRate(1, 3), 33);
    EXPECT_EQ(ConsoleQueries::successRate(2, 3), 67);
    EXPECT_EQ(ConsoleQueries::successRate(1, 200), 0);   // 0.5
    EXPECT_EQ(ConsoleQueries::successRate(3, 200), 2);   // 1.5
    EXPECT_EQ(ConsoleQueries::successRate(1, 0), 0);
    EXPECT_EQ(ConsoleQueries::successRate(100000, 100000), 100);
}

#include "widgets/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

TEST(ExistingAccountQuestion, EscapeOnTheRealBoxAnswersNo)
{
    QTimer::singleShot(0, [] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_TRUE(qobject_cast<QMessageBox *>(box));
        QTest::keyClick(box, Qt::Key_Escape);
    });
    const int answer = MessageBox::customWithEscape(QStringLiteral("Confirmation"), AccountImport::existingAccountQuestion(QStringLiteral("x")),
                                                    AccountImport::replyButtons(), int(Reply::No));
    EXPECT_EQ(Reply(answer), Reply::No);
}
