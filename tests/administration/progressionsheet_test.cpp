#include "administration/printing.h"
#include "administration/progressionsheet.h"
#include "consolefixture.h"

#include <QDir>

#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace {
using Kind = MessageBox::Kind;

QStringList blocksOf(const QTextDocument *doc)
{
    QStringList out;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        out << b.text();
    return out;
}

class ProgressionSheetTest : public ConsoleTest
{
protected:
    void SetUp() override
    {
        ConsoleTest::SetUp();
        writeRecord(QStringLiteral("zoe"), recordLines(QStringLiteral("Zoé"), QStringLiteral("z"), QStringLiteral("6A"), groupsWith({})));
        writeRecord(QStringLiteral("yann"), recordLines(QStringLiteral("yann"), QStringLiteral("y"), QStringLiteral("6A"), groupsWith({2, 4})));
        openConsole();
        clickClass(QStringLiteral("6A"));
    }
    void TearDown() override
    {
        Printing::setTarget(nullptr);
        ConsoleTest::TearDown();
    }
    QTextDocument *sheet() const { return child<QTextEdit>(QStringLiteral("r"))->document(); }
};
}

TEST_F(ProgressionSheetTest, APupilWithoutResults)
{
    clickPupil(QStringLiteral("zoe"));
    clickButton(QStringLiteral("Button6"));
    EXPECT_EQ(console->panel(), Tadmin::Panel::Sheet);
    const QStringList blocks = blocksOf(sheet());
    ASSERT_EQ(blocks.size(), 9 + 29);
    EXPECT_EQ(blocks.mid(0, 9), (QStringList{QStringLiteral("Exercices réussis par l'élève Zoé"), QString(),
                                             QStringLiteral("score : 0 / 29"), QString(), QString(),
                                             QStringLiteral("Tavelo ne permet en aucun cas de délivrer le Qib !"),
                                             QStringLiteral("Les 29 exercices proposés permettent seulement aux élèves de s'entraîner !"),
                                             QString(), QString()}));
    for (int n = 1; n <= 29; ++n)
        EXPECT_EQ(blocks.at(8 + n), QStringLiteral("Exercice %1 non réussi").arg(n));

    const QTextBlock title = sheet()->begin();
    EXPECT_EQ(title.charFormat().fontPointSize(), 14);
    EXPECT_EQ(title.begin().fragment().charFormat().fontPointSize(), 14);
    EXPECT_TRUE(title.blockFormat().alignment() & Qt::AlignHCenter);
    const QTextBlock score = title.next().next();
    EXPECT_EQ(score.begin().fragment().charFormat().fontPointSize(), 10);
    EXPECT_TRUE(sheet()->lastBlock().blockFormat().alignment() & Qt::AlignLeft);
}

TEST_F(ProgressionSheetTest, RowsChangedByHandShowButTheScoreIsTheOneRead)
{
    clickPupil(QStringLiteral("yann"));
    robot.click(console->rowBox(3));
    clickButton(QStringLiteral("Button6"));
    const QStringList blocks = blocksOf(sheet());
    EXPECT_EQ(blocks.at(2), QStringLiteral("score : 2 / 29"));
    EXPECT_EQ(blocks.at(9 + 1), QStringLiteral("Exercice 2 réussi le 02/10/2026 / Mme Laurent"));
    EXPECT_EQ(blocks.at(9 + 2), QStringLiteral("Exercice 3 réussi le 09/12/2026 /  l'administrateur"));
}

TEST_F(ProgressionSheetTest, PrintsToTheDefaultPrinterWithItsJobTitle)
{
    QTemporaryDir out;
    Printing::PdfSink pdf(out.path() + QStringLiteral("/sheet.pdf"));
    Printing::setTarget(&pdf);
    clickPupil(QStringLiteral("yann"));
    clickButton(QStringLiteral("Button8"));
    EXPECT_EQ(console->panel(), Tadmin::Panel::Sheet);
    EXPECT_EQ(pdf.jobCount(), 1);
    EXPECT_EQ(pdf.lastJobTitle(), QStringLiteral("feuille position"));
    QFile file(pdf.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 1000);
    // The job title is the document's title, in UTF-16 with its byte order mark.
    QByteArray title("\xFE\xFF", 2);
    for (const QChar c : QStringLiteral("feuille position"))
        title.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    EXPECT_TRUE(bytes.contains("/Title (" + title + ")"));
}

const QString NoPrinterOffer = QStringLiteral("Aucune imprimante par défaut sélectionnée\n\n"
                                              "Voulez-vous enregistrer la feuille dans un fichier PDF ?");

TEST_F(ProgressionSheetTest, NoPrinterIsReportedAndTheSheetStays)
{
    Printing::NoPrinter none;
    Printing::setTarget(&none);
    clickPupil(QStringLiteral("zoe"));
    boxes.expect(Kind::Confirmation, NoPrinterOffer, 1);   // Non: nothing saved, no dialog
    clickButton(QStringLiteral("Button8"));
    EXPECT_EQ(console->panel(), Tadmin::Panel::Sheet);
    EXPECT_EQ(blocksOf(sheet()).at(0), QStringLiteral("Exercices réussis par l'élève Zoé"));
    EXPECT_EQ(cancelledDialogs.openedCount(), 0);
}

TEST_F(ProgressionSheetTest, WithoutAPrinterTheSheetCanBeSavedAsAPdfFile)
{
    Printing::NoPrinter none;
    Printing::setTarget(&none);
    QTemporaryDir out;
    const QString path = out.path() + QStringLiteral("/sheet.pdf");
    FileChooser::FixedChoice chooser(path);
    FileChooser::setChooser(&chooser);
    clickPupil(QStringLiteral("zoe"));
    boxes.expect(Kind::Confirmation, NoPrinterOffer, 0);
    clickButton(QStringLiteral("Button8"));
    EXPECT_EQ(chooser.lastSuggestedName(), QStringLiteral("progression-Zoé.pdf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    QByteArray title("\xFE\xFF", 2);
    for (const QChar c : QStringLiteral("feuille position"))
        title.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    EXPECT_TRUE(bytes.contains("/Title (" + title + ")"));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("sheet.pdf")});

    // A cancelled dialog writes nothing.
    QFile::remove(path);
    chooser.setPath(QString());
    boxes.expect(Kind::Confirmation, NoPrinterOffer, 0);
    clickButton(QStringLiteral("Button8"));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ProgressionSheetFile, ThePdfNameIsSafeForAFileName)
{
    EXPECT_EQ(ProgressionSheet::pdfFileName(QStringLiteral("Jean-Édouard")), QStringLiteral("progression-Jean-Édouard.pdf"));
    EXPECT_EQ(ProgressionSheet::pdfFileName(QStringLiteral("a/b c")), QStringLiteral("progression-a_b_c.pdf"));
}
