#include "administration/filechooser.h"
#include "administration/printing.h"
#include "administration/timportcomptev3.h"
#include "consolefixture.h"
#include "records/datafolder.h"

#include <QProcess>
#include <QRegularExpression>
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
        Printing::setTarget(nullptr);
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
    QString label() const { return window->findChild<QLabel *>(QStringLiteral("Label4"))->text(); }

    QTemporaryDir files;
    FileChooser::FixedChoice chooser;
    QPointer<Timportcomptev3> window;
    PupilRobot importRobot;
};

// The text of a PDF file, as the system's PDF text extractor reads it (pages end with a form feed).
QString pdfText(const QString &path)
{
    QProcess extractor;
    extractor.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    extractor.waitForFinished();
    return QString::fromUtf8(extractor.readAllStandardOutput());
}
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

TEST_F(ImportWindow, AnEmptyOrMissingFileIsReportedAtOnceAndOffersNothingToImport)
{
    boxes.expect(Kind::Error, QStringLiteral("Lecture au-delà de la fin de fichier"));
    choose(writeImportFile(QByteArray()));
    EXPECT_FALSE(control(QStringLiteral("Button6"))->isVisible());
    boxes.expect(Kind::Error, QStringLiteral("Fichier introuvable"));
    choose(files.path() + QStringLiteral("/absent.csv"));
    EXPECT_FALSE(control(QStringLiteral("Button6"))->isVisible());
    EXPECT_TRUE(RecordStore::listRecordNames().isEmpty());
}

TEST_F(ImportWindow, UnsafeLinesSayWhyInTheStatusColumn)
{
    importFile("bon\tp\t6A\r\n\tp\t6A\r\n../evil\tp\t6A\r\nfin\tp\t6B\r\nzoe\t\xd0\x96\xd0\xb0\t6A");
    EXPECT_EQ(cell(2, 4), QStringLiteral("refusé : identifiant vide"));
    EXPECT_EQ(cell(5, 4), QStringLiteral("refusé : caractère non accepté dans le mot de passe"));
    EXPECT_EQ(cell(3, 1), QStringLiteral("../evil"));
    EXPECT_EQ(cell(3, 4), QStringLiteral("refusé : nom invalide"));
    EXPECT_EQ(cell(4, 3), QStringLiteral("6B"));
    EXPECT_EQ(cell(4, 4), QStringLiteral("créé"));
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
    EXPECT_EQ(cell(2, 4), QStringLiteral("refusé : nom trop long"));
    EXPECT_EQ(cell(3, 4), QStringLiteral("refusé : nom invalide"));
    EXPECT_EQ(cell(4, 4), QStringLiteral("refusé : nom invalide"));
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

TEST_F(ImportWindow, AHistoricTabFileGivesTheSameRecordsAsBefore)
{
    importFile("H\xE9l\xE8ne\tc\x9Cur\t5A\r\nsolo\t6B\r\nx\tb\tdupond\t6A\r\n");
    EXPECT_EQ(data.readBytes(QStringLiteral("sauvegardes/Hélène-qib.txt")),
              crlfBytes(recordLines(QStringLiteral("Hélène"), QStringLiteral("cœur"), QStringLiteral("5A"),
                                    groupsWith({}, FreshRecordGroups), QStringLiteral("compétence "))));
    EXPECT_EQ(data.readBytes(QStringLiteral("sauvegardes/solo-qib.txt")),
              crlfBytes(recordLines(QStringLiteral("solo"), QString(), QStringLiteral("6B"), groupsWith({}, FreshRecordGroups),
                                    QStringLiteral("compétence "))));
    EXPECT_EQ(recordFileLines(QStringLiteral("dupond")).mid(2, 2), (QStringList{passwordHash(QStringLiteral("b")), QStringLiteral("6A")}));
    EXPECT_EQ(label(), QStringLiteral("Import terminé. Comptes créés : 3 ; remplacés : 0 ; conservés : 0 ; refusés : 0"));
}

TEST_F(ImportWindow, ASpreadsheetListIsPreviewedThenImportedWithMadeLoginsAndPasswords)
{
    data.addPupil(QStringLiteral("Hugo"), QStringLiteral("old"));
    choose(writeImportFile("\xEF\xBB\xBFNom;Pr\xC3\xA9nom;Classe\r\n\"Dupont\";\"H\xC3\xA9l\xC3\xA8ne\";6A\r\n"
                           "\"Le Gall\";\"Ana\xC3\xAFs\";\"6C\"\r\nMartin;H\xC3\xA9l\xC3\xA8ne;6A\r\nVidal;Hugo;4Z\r\n"));
    EXPECT_EQ((QStringList{cell(1, 1), cell(2, 1), cell(3, 1), cell(4, 1)}),
              (QStringList{QStringLiteral("Hélène"), QStringLiteral("Anaïs"), QStringLiteral("HélèneM"), QStringLiteral("HugoV")}));
    EXPECT_EQ(cell(1, 4), QStringLiteral("nouveau"));
    EXPECT_EQ(label(), QStringLiteral("Lignes lues : 4 ; comptes à importer : 2 ; lignes refusées : 2"));
    EXPECT_EQ(RecordStore::listRecordNames(), QStringList{QStringLiteral("Hugo")}) << "the preview writes nothing";

    // One click adds the class the list lacks.
    importRobot.click(control(QStringLiteral("addClass2")));
    QStringList classes;
    RecordStore::loadTextList(DataFolder::classListPath(), &classes);
    EXPECT_EQ(classes, TempDataFolder::classes() << QStringLiteral("6C"));
    EXPECT_EQ(cell(2, 4), QStringLiteral("nouveau"));
    EXPECT_TRUE(control(QStringLiteral("addClass4"))) << "4Z is still unknown";

    importRobot.click(QStringLiteral("Button6"));
    EXPECT_EQ(label(), QStringLiteral("Import terminé. Comptes créés : 3 ; remplacés : 0 ; conservés : 0 ; refusés : 1"));
    EXPECT_EQ(cell(4, 4), QStringLiteral("refusé : classe inconnue"));
    EXPECT_FALSE(QFile::exists(data.recordPath(QStringLiteral("HugoV"))));
    const QByteArray record = data.readBytes(QStringLiteral("sauvegardes/Hélène-qib.txt"));
    EXPECT_TRUE(record.startsWith("nom\r\nH\xE9l\xE8ne\r\n" + passwordHash(cell(1, 2)).toLatin1() + "\r\n6A\r\n"));
    const QRegularExpression readable(QStringLiteral("^[a-km-np-z2-9]{6}$"));
    EXPECT_TRUE(readable.match(cell(3, 2)).hasMatch()) << cell(3, 2).toStdString();
    EXPECT_TRUE(control(QStringLiteral("Button7"))->isVisible());
}

TEST_F(ImportWindow, TheCardsOfTheNewAccountsArePrintedOrSavedAsOnePdf)
{
    data.addPupil(QStringLiteral("ancien"), QStringLiteral("old"));
    QByteArray list = "Identifiant;Classe\nancien;6A\n";
    for (int i = 1; i <= 11; ++i)
        list += "eleve" + QByteArray::number(i) + ";6B\n";
    boxes.answer(int(AccountImport::Reply::No));
    importFile(list);
    ASSERT_TRUE(control(QStringLiteral("Button7"))->isVisible());

    Printing::PdfSink printer(files.path() + QStringLiteral("/printed.pdf"));
    Printing::setTarget(&printer);
    importRobot.click(QStringLiteral("Button7"));
    EXPECT_EQ(printer.lastJobTitle(), QStringLiteral("cartes de connexion"));
    const QString text = pdfText(printer.path()).simplified();
    EXPECT_EQ(pdfText(printer.path()).count(QLatin1Char('\f')), 2) << "ten cards to a page";
    EXPECT_FALSE(text.contains(QStringLiteral("ancien"))) << "a kept account has no card";
    for (int row = 2; row <= 12; ++row) {
        EXPECT_TRUE(text.contains(QStringLiteral("Identifiant : ") + cell(row, 1))) << row;
        EXPECT_TRUE(text.contains(QStringLiteral("Mot de passe : ") + cell(row, 2))) << row;
    }
    EXPECT_TRUE(text.contains(QStringLiteral("Classe : 6B")));

    Printing::NoPrinter none;
    Printing::setTarget(&none);
    const QString saved = files.path() + QStringLiteral("/cartes.pdf");
    chooser.setPath(saved);
    boxes.expect(Kind::Information, QStringLiteral("Aucune imprimante par défaut sélectionnée : les cartes sont enregistrées dans le fichier ") + saved);
    importRobot.click(QStringLiteral("Button7"));
    EXPECT_EQ(chooser.lastSuggestedName(), QStringLiteral("cartes-connexion.pdf"));
    EXPECT_EQ(pdfText(saved).simplified(), text);
}

