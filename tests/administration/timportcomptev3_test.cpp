#include "administration/filechooser.h"
#include "administration/timportcomptev3.h"
#include "consolefixture.h"

#include <QTemporaryDir>

namespace {
using Kind = MessageBox::Kind;

class ImportWindow : public ConsoleTest
{
protected:
    void SetUp() override
    {
        ConsoleTest::SetUp();
        FileChooser::setChooser(&chooser);
        openConsole();
        window = new Timportcomptev3(console);
        window->show();
        importRobot.setWindow(window);
    }
    void TearDown() override
    {
        FileChooser::setChooser(nullptr);
        delete window.data();
        ConsoleTest::TearDown();
    }

    QString writeImportFile(const QByteArray &bytes)
    {
        const QString path = files.path() + QStringLiteral("/comptes.csv");
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    void choose(const QString &path)
    {
        chooser.setPath(path);
        importRobot.click(QStringLiteral("Button2"));
    }
    void importFile(const QByteArray &bytes)
    {
        choose(writeImportFile(bytes));
        importRobot.click(QStringLiteral("Button6"));
    }
    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = window->grid()->item(row, column);
        return item ? item->text() : QString();
    }
    QWidget *control(const QString &name) const { return window->findChild<QWidget *>(name); }

    QTemporaryDir files;
    FileChooser::FixedChoice chooser;
    QPointer<Timportcomptev3> window;
    PupilRobot importRobot;
};
}

TEST_F(ImportWindow, ChoosingAFileShowsItAndCancellingKeepsTheEarlierChoice)
{
    EXPECT_EQ(window->findChild<QLineEdit *>(QStringLiteral("Edit1"))->text(), QStringLiteral("Vous n'avez sélectionné aucun fichier !"));
    EXPECT_FALSE(control(QStringLiteral("Button6"))->isVisible());
    EXPECT_EQ(cell(0, 1), QStringLiteral("Login"));
    EXPECT_EQ(cell(0, 3), QStringLiteral("Classe"));

    choose(QString());
    EXPECT_EQ(window->findChild<QLineEdit *>(QStringLiteral("Edit1"))->text(), QStringLiteral("Vous n'avez sélectionné aucun fichier"));
    EXPECT_FALSE(control(QStringLiteral("Button6"))->isVisible());

    const QString path = writeImportFile("a\tb\t6A\r\n");
    choose(path);
    EXPECT_EQ(window->findChild<QLineEdit *>(QStringLiteral("Edit1"))->text(),
              QStringLiteral(" Vous avez sélectionné le fichier          ") + path);
    EXPECT_TRUE(control(QStringLiteral("Button6"))->isVisible());
    choose(QString());
    EXPECT_TRUE(window->findChild<QLineEdit *>(QStringLiteral("Edit1"))->text().endsWith(path));
    EXPECT_TRUE(control(QStringLiteral("Button6"))->isVisible());
}

TEST_F(ImportWindow, ImportsEveryLineAndShowsItInTheGrid)
{
    importFile("dupond\tsecret\t6A\r\nmartin\tm2\t6B\r\nlegrand\tl3\t5A\r\n");
    EXPECT_FALSE(control(QStringLiteral("Button2"))->isVisible());
    EXPECT_FALSE(control(QStringLiteral("Button6"))->isVisible());
    EXPECT_EQ(RecordStore::listRecordNames().size(), 3);
    EXPECT_EQ(cell(2, 0), QStringLiteral("2"));
    EXPECT_EQ(cell(2, 1), QStringLiteral("martin"));
    EXPECT_EQ(cell(2, 2), QStringLiteral("m2"));
    EXPECT_EQ(cell(2, 3), QStringLiteral("6B"));
    const QStringList lines = recordFileLines(QStringLiteral("legrand"));
    ASSERT_EQ(lines.size(), 148);
    EXPECT_EQ(lines.mid(0, 5), (QStringList{QStringLiteral("nom"), QStringLiteral("legrand"), passwordHash(QStringLiteral("l3")),
                                            QStringLiteral("5A"), QStringLiteral("compétence 1")}));
}

TEST_F(ImportWindow, AnEmptyFileCreatesNothing)
{
    boxes.expect(Kind::Error, QStringLiteral("Lecture au-delà de la fin de fichier"));
    importFile(QByteArray());
    EXPECT_TRUE(RecordStore::listRecordNames().isEmpty());
}

TEST_F(ImportWindow, AMissingFileIsReported)
{
    choose(files.path() + QStringLiteral("/absent.csv"));
    boxes.expect(Kind::Error, QStringLiteral("Fichier introuvable"));
    importRobot.click(QStringLiteral("Button6"));
    EXPECT_TRUE(RecordStore::listRecordNames().isEmpty());
}

TEST_F(ImportWindow, UnsafeLinesSayWhyInTheClassColumn)
{
    importFile("bon\tp\t6A\r\n\tp\t6A\r\n../evil\tp\t6A\r\nfin\tp\t6B");
    EXPECT_EQ(cell(2, 3), QStringLiteral("ignoré : nom invalide"));
    EXPECT_EQ(cell(3, 1), QStringLiteral("../evil"));
    EXPECT_EQ(cell(3, 3), QStringLiteral("ignoré : nom invalide"));
    EXPECT_EQ(cell(4, 3), QStringLiteral("6B"));
    QStringList names = RecordStore::listRecordNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (QStringList{QStringLiteral("bon"), QStringLiteral("fin")}));
    EXPECT_FALSE(QFile::exists(data.path() + QStringLiteral("evil-qib.txt")));
}

TEST_F(ImportWindow, OverLongAndWindowsForbiddenLoginsAreSkippedAndTheImportGoesOn)
{
    const QByteArray longLogin(250, 'a');
    importFile("un\tp\t6A\r\n" + longLogin + "\tp\t6A\r\nmi:di\tp\t6A\r\nquoi?\tp\t6A\r\ndeux\tp\t6B\r\n");
    EXPECT_EQ(boxes.count(), 0) << "no error stops the import";
    EXPECT_EQ(cell(2, 1), QString::fromLatin1(longLogin));
    EXPECT_EQ(cell(2, 3), QStringLiteral("ignoré : nom trop long"));
    EXPECT_EQ(cell(3, 3), QStringLiteral("ignoré : nom invalide"));
    EXPECT_EQ(cell(4, 3), QStringLiteral("ignoré : nom invalide"));
    EXPECT_EQ(cell(5, 3), QStringLiteral("6B"));
    QStringList names = RecordStore::listRecordNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (QStringList{QStringLiteral("deux"), QStringLiteral("un")}));
}

TEST_F(ImportWindow, TheGridGrowsPast999Lines)
{
    QByteArray bytes;
    for (int i = 1; i <= 1002; ++i)
        bytes += "eleve" + QByteArray::number(i) + "\tp\t6A\r\n";
    importFile(bytes);
    EXPECT_GE(window->grid()->rowCount(), 1003);
    EXPECT_EQ(cell(1002, 1), QStringLiteral("eleve1002"));
    EXPECT_EQ(cell(1000, 0), QStringLiteral("1000"));
    EXPECT_EQ(RecordStore::listRecordNames().size(), 1002);
}

TEST_F(ImportWindow, ExistingAccountAsksWithFourButtons)
{
    data.addPupil(QStringLiteral("Dupond"), QStringLiteral("old"));
    boxes.answer(0).onNext([](const MessageBox::Box &box) {
        EXPECT_EQ(box.caption, QStringLiteral("Confirmation"));
        EXPECT_EQ(box.text, QStringLiteral("Compte existant : dupond. Voulez-vous effacer l'ancien ?"));
        EXPECT_EQ(box.buttons, (QStringList{QStringLiteral("&Oui"), QStringLiteral("&Non"), QStringLiteral("Non &pour tout"),
                                            QStringLiteral("O&ui pour tout")}));
        EXPECT_EQ(box.escapeButton, 1);   // Escape answers "&Non", never "O&ui pour tout"
    });
    importFile("dupond\tnew\t6B\r\n");
    EXPECT_EQ(RecordStore::listRecordNames(), QStringList{QStringLiteral("dupond")});
    EXPECT_EQ(recordFileLines(QStringLiteral("dupond")).at(2), passwordHash(QStringLiteral("new")));
}

TEST_F(ImportWindow, QuitterClosesTheConsoleAndShowsTheMainWindow)
{
    mainWindow.hide();
    importRobot.click(QStringLiteral("Button1"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(console.isNull());
    EXPECT_TRUE(mainWindow.isVisible());
}
