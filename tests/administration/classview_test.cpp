#include "samerecord.h"

#include "administration/classview.h"
#include "administration/filechooser.h"
#include "administration/resultsexport.h"
#include "administration/odsexport.h"
#include "consolefixture.h"
#include "odsreading.h"
#include "records/competencecatalogue.h"
#include "records/textfile.h"

#include <QFile>
#include <QHeaderView>
#include <QTemporaryDir>

namespace {
using Kind = MessageBox::Kind;
constexpr int Name = ClassResults::NameColumn;
constexpr int Score = ClassResults::ScoreColumn;
constexpr int First = ClassResults::FirstCompetenceColumn;

QList<std::array<QString, 3>> withExtraGroups(QList<std::array<QString, 3>> groups, int upTo, bool acquired)
{
    while (groups.size() < upTo)
        groups.append(acquired ? std::array<QString, 3>{QStringLiteral("oui"), QStringLiteral("01/01/2026"), QStringLiteral("M. Roy")}
                               : std::array<QString, 3>{QStringLiteral("non"), QString(), QString()});
    return groups;
}

// Eight pupils over two classes, written under the three label words, with 29
// or 36 groups, hyphenated and accented names: competence 1 acquired by one of
// the eight, competence 2 by three, competence 29 by nobody.
class ClassViewTest : public ConsoleTest
{
protected:
    void SetUp() override
    {
        ConsoleTest::SetUp();
        const QString competence = QStringLiteral("competence ");
        const QString accent = QStringLiteral("compétence ");
        const QString exercice = QStringLiteral("exercice ");
        add("emile", QStringLiteral("Émile"), "6A", groupsWith({1, 2, 3}), competence);
        add("jean-edouard", QStringLiteral("Jean-Édouard"), "6A", groupsWith({2, 4}, 29, QStringLiteral("15/11/2026")), accent);
        add("zoe", QStringLiteral("Zoé"), "6B", groupsWith({2}, 29, QStringLiteral("03/09/2026"), QStringLiteral("l'administrateur")), exercice);
        // Groups 30 .. 36 of a fresh record never count, even when they say "oui".
        add("david", QStringLiteral("david"), "6B", withExtraGroups(groupsWith({5, 6, 7, 8, 9, 10, 11, 12, 13, 14}), 36, true), accent);
        add("fanny", QStringLiteral("Fanny"), "6A", groupsWith({}, 36), accent);
        // A record that ends after its 27th group.
        add("gael", QStringLiteral("Gaël"), "6B", groupsWith({27}, 27), competence);
        add("helene", QStringLiteral("hélène"), "6A", groupsWith({}), competence);
        add("ines", QStringLiteral("Inès"), "6B", groupsWith({4, 5, 6, 7, 8, 9, 10, 11, 12}), competence);
        add("other", QStringLiteral("Other"), "5A", groupsWith({1, 29}), competence);
        openConsole();
        clickClass(QStringLiteral("6A"));
        clickClass(QStringLiteral("6B"));
    }
    void TearDown() override
    {
        FileChooser::setChooser(nullptr);
        ConsoleTest::TearDown();
    }

    void add(const char *file, const QString &name, const char *className, const QList<std::array<QString, 3>> &groups,
             const QString &label)
    {
        writeRecord(QLatin1String(file), recordLines(name, QStringLiteral("pw"), QLatin1String(className), groups, label));
    }

    QTableWidget *grid() const { return console->classView()->grid(); }
    int pupilRows() const { return grid()->rowCount() - ClassView::TotalsRows; }
    QString text(int row, int column) const
    {
        const QTableWidgetItem *item = grid()->item(row, column);
        return item ? item->text() : QStringLiteral("<none>");
    }
    QStringList namesShown() const
    {
        QStringList names;
        for (int r = 0; r < pupilRows(); ++r)
            names << text(r, Name);
        return names;
    }
    int rowOf(const QString &name) const { return int(namesShown().indexOf(name)); }
    void openView()
    {
        clickButton(QStringLiteral("Button18"));
        ASSERT_EQ(console->panel(), Tadmin::Panel::ClassView);
    }
    void clickHeader(int column)
    {
        QHeaderView *header = grid()->horizontalHeader();
        grid()->scrollTo(grid()->model()->index(0, column));
        const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        robot.click(header->viewport()->mapTo(console.data(), centre));
    }
};
}

TEST_F(ClassViewTest, ShowsEveryPupilOfTheSelectedClassesWithTicksHintsAndScores)
{
    openView();
    EXPECT_TRUE(console->classView()->isVisible());
    EXPECT_FALSE(child<QWidget>(QStringLiteral("StringGrid1"))->isVisible());
    EXPECT_FALSE(child<QWidget>(QStringLiteral("GroupBox3"))->isVisible());
    ASSERT_EQ(pupilRows(), 8);
    EXPECT_FALSE(namesShown().contains(QStringLiteral("Other")));

    ASSERT_EQ(grid()->columnCount(), 3 + 29);
    EXPECT_EQ(grid()->horizontalHeaderItem(First)->text(), QStringLiteral("1.1"));
    EXPECT_EQ(grid()->horizontalHeaderItem(First + 28)->text(), QStringLiteral("5.4"));
    EXPECT_EQ(grid()->horizontalHeaderItem(First + 14)->text(), QStringLiteral("3.2"));
    EXPECT_EQ(grid()->horizontalHeaderItem(First + 14)->toolTip(),
              QStringLiteral("Je sais utiliser l'outil de recherche et de remplacement dans un document.."));

    const int jean = rowOf(QStringLiteral("Jean-Édouard"));
    ASSERT_GE(jean, 0);
    EXPECT_EQ(text(jean, ClassResults::ClassColumn), QStringLiteral("6A"));
    EXPECT_EQ(text(jean, Score), QStringLiteral("2 / 29"));
    EXPECT_EQ(text(jean, First + 1), QStringLiteral("\u2713"));
    EXPECT_EQ(grid()->item(jean, First + 1)->toolTip(), QStringLiteral("réussi le 15/11/2026 / Mme Laurent"));
    EXPECT_EQ(text(jean, First), QString());
    EXPECT_TRUE(grid()->item(jean, First)->toolTip().isEmpty());
    EXPECT_EQ(grid()->item(rowOf(QStringLiteral("Zoé")), First + 1)->toolTip(),
              QStringLiteral("réussi le 03/09/2026 / l'administrateur"));

    // 36 groups: only the first 29 count; 27 groups: 28 and 29 are not acquired.
    EXPECT_EQ(text(rowOf(QStringLiteral("david")), Score), QStringLiteral("10 / 29"));
    const int gael = rowOf(QStringLiteral("Gaël"));
    EXPECT_EQ(text(gael, Score), QStringLiteral("1 / 29"));
    EXPECT_EQ(text(gael, First + 26), QStringLiteral("\u2713"));
    EXPECT_EQ(text(gael, First + 27), QString());

    // Read-only: no cell can be edited.
    EXPECT_EQ(grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(grid()->item(jean, First + 1)->flags() & Qt::ItemIsEditable);
}

TEST_F(ClassViewTest, TotalsCountEachCompetenceAndRoundTheRateAsTheStatisticsDo)
{
    openView();
    const int counts = pupilRows();
    const int rates = counts + 1;
    EXPECT_EQ(text(counts, Name), QStringLiteral("Ont réussi :"));
    EXPECT_EQ(text(rates, Name), QStringLiteral("Taux de réussite"));
    EXPECT_EQ(text(counts, Score), QStringLiteral("8"));
    EXPECT_EQ(text(counts, First), QStringLiteral("1"));       // 1 of 8
    EXPECT_EQ(text(rates, First), QStringLiteral("12 %"));
    EXPECT_EQ(text(counts, First + 1), QStringLiteral("3"));   // 3 of 8
    EXPECT_EQ(text(rates, First + 1), QStringLiteral("38 %"));
    EXPECT_EQ(text(counts, First + 28), QStringLiteral("0"));  // the 36-group record's "oui" beyond 29 is not read
    EXPECT_EQ(text(rates, First + 28), QStringLiteral("0 %"));
    EXPECT_EQ(text(rates, First + 4), QStringLiteral("25 %"));   // david and Inès

    // The same figures as the statistics grid over the same selection.
    clickButton(QStringLiteral("Button2"));
    auto *stats = child<QTableWidget>(QStringLiteral("StringGrid1"));
    for (int n = 1; n <= 29; ++n)
        EXPECT_EQ(stats->item(n, 2)->text(), text(rates, First + n - 1)) << n;
}

TEST_F(ClassViewTest, AHeaderClickSortsThePupilsAndTheTotalsStayLast)
{
    openView();
    clickHeader(Name);
    EXPECT_EQ(namesShown(), (QStringList{QStringLiteral("david"), QStringLiteral("Émile"), QStringLiteral("Fanny"),
                                         QStringLiteral("Gaël"), QStringLiteral("hélène"), QStringLiteral("Inès"),
                                         QStringLiteral("Jean-Édouard"), QStringLiteral("Zoé")}));
    EXPECT_EQ(grid()->horizontalHeader()->sortIndicatorSection(), Name);
    clickHeader(Name);
    EXPECT_EQ(namesShown().first(), QStringLiteral("Zoé"));
    EXPECT_EQ(text(pupilRows(), Name), QStringLiteral("Ont réussi :"));

    clickHeader(Score);   // as numbers: 10 after 9
    EXPECT_EQ(namesShown().mid(6), (QStringList{QStringLiteral("Inès"), QStringLiteral("david")}));
    EXPECT_EQ(namesShown().first(), QStringLiteral("Fanny"));   // 0, then hélène 0, by name
    EXPECT_EQ(namesShown().at(1), QStringLiteral("hélène"));
    clickHeader(Score);
    EXPECT_EQ(namesShown().first(), QStringLiteral("david"));

    clickHeader(First + 1);   // competence 1.2: not acquired first, then by date
    EXPECT_EQ(namesShown().mid(5), (QStringList{QStringLiteral("Zoé"), QStringLiteral("Émile"), QStringLiteral("Jean-Édouard")}));
    EXPECT_EQ(text(pupilRows() + 1, First + 1), QStringLiteral("38 %"));
    // Each cell moved with its pupil.
    EXPECT_EQ(grid()->item(7, First + 1)->toolTip(), QStringLiteral("réussi le 15/11/2026 / Mme Laurent"));
}

TEST_F(ClassViewTest, NoPupilsNoViewAndOtherPanelsOrAClassClickHideIt)
{
    clickClass(QStringLiteral("6A"));
    clickClass(QStringLiteral("6B"));   // nothing selected any more
    boxes.expect(Kind::Plain, QStringLiteral("Pas d'inscrits dans cette sélection"));
    clickButton(QStringLiteral("Button18"));
    EXPECT_EQ(console->panel(), Tadmin::Panel::None);

    clickClass(QStringLiteral("6A"));
    openView();
    clickButton(QStringLiteral("Button2"));
    EXPECT_FALSE(console->classView()->isVisible());
    openView();
    clickClass(QStringLiteral("6B"));
    EXPECT_EQ(console->panel(), Tadmin::Panel::None);
}

TEST_F(ClassViewTest, ARecordGoneMeanwhileIsReportedAndNoHalfClassIsShown)
{
    QFile::remove(data.recordPath(QStringLiteral("zoe")));
    boxes.expect(Kind::Error, QStringLiteral("Fichier introuvable"));
    clickButton(QStringLiteral("Button18"));
    EXPECT_EQ(console->panel(), Tadmin::Panel::None);
}

TEST_F(ClassViewTest, ExportsTheRowsAsShownToTheChosenFile)
{
    QTemporaryDir out;
    const QString path = out.path() + QStringLiteral("/notes.csv");
    FileChooser::FixedChoice chooser(path);
    FileChooser::setChooser(&chooser);
    openView();
    clickHeader(Name);
    boxes.expect(Kind::Information, QStringLiteral("Les résultats ont été exportés dans le fichier notes.csv"));
    clickButton(QStringLiteral("Button19"));
    EXPECT_EQ(chooser.lastSuggestedName(), QStringLiteral("resultats-6A-6B-2026-12-09.csv"));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QList<QByteArray> lines = bytes.mid(3).split('\n');
    ASSERT_EQ(lines.size(), 1 + 8 + 1);   // the last line end leaves an empty piece
    EXPECT_TRUE(lines.last().isEmpty());
    QByteArray header = "Nom;Classe;Score sur 29";
    for (int n = 1; n <= 29; ++n)
        header += ';' + CompetenceCatalogue::row(n).code.toUtf8();
    EXPECT_EQ(lines.at(0), header + '\r');
    EXPECT_EQ(lines.at(2), QStringLiteral("Émile;6A;3;2026-10-02;2026-10-02;2026-10-02").toUtf8()
                               + QByteArray(26, ';') + '\r');
    EXPECT_TRUE(lines.at(7).startsWith(QStringLiteral("Jean-Édouard;6A;2;;2026-11-15;;2026-11-15;").toUtf8()));
    for (const QByteArray &line : lines.mid(0, 9))
        EXPECT_EQ(line.count(';'), 31) << line.constData();
    // Nothing but the chosen file in the chosen folder: the temporary is gone.
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("notes.csv")});
}

TEST_F(ClassViewTest, ACancelledOrFailedExportLeavesTheFileAsItWas)
{
    QTemporaryDir out;
    const QString path = out.path() + QStringLiteral("/notes.csv");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("ancien");
    }
    FileChooser::FixedChoice chooser;   // cancels
    FileChooser::setChooser(&chooser);
    openView();
    clickButton(QStringLiteral("Button19"));
    EXPECT_EQ(chooser.openedCount(), 1);

    chooser.setPath(path);
    TextFile::failNextWriteAfter(10);
    boxes.expect(Kind::Error, QStringLiteral("Disque plein : notes.csv"));
    clickButton(QStringLiteral("Button19"));
    TextFile::failNextWriteAfter(-1);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("ancien"));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("notes.csv")});
}

TEST_F(ClassViewTest, ExportsTheRowsAsShownToAnOpenDocumentSpreadsheet)
{
    QTemporaryDir out;
    FileChooser::FixedChoice chooser(out.path() + QStringLiteral("/Notes.ODS"));
    FileChooser::setChooser(&chooser);
    openView();
    clickHeader(Name);
    boxes.expect(Kind::Information, QStringLiteral("Les résultats ont été exportés dans le fichier Notes.ODS"));
    clickButton(QStringLiteral("Button19"));
    EXPECT_EQ(chooser.lastSuggestedName(), QStringLiteral("resultats-6A-6B-2026-12-09.csv"));
    EXPECT_EQ(chooser.lastFilter(), QStringLiteral("Fichiers CSV (*.csv);;Classeurs OpenDocument (*.ods)"));

    const auto sheetOf = [](const QString &path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        QList<OdsReading::Member> members;
        QString error;
        EXPECT_TRUE(OdsReading::unzip(file.readAll(), &members, &error)) << error.toStdString();
        EXPECT_EQ(OdsReading::member(members, QStringLiteral("mimetype")), OdsExport::MimeType);
        return OdsReading::readSheet(OdsReading::member(members, QStringLiteral("content.xml")));
    };
    const OdsReading::Sheet sheet = sheetOf(out.path() + QStringLiteral("/Notes.ODS"));
    ASSERT_EQ(sheet.rows.size(), 1 + 8);   // the header and the pupils; no totals
    EXPECT_EQ(sheet.rows.at(0).at(2).text, QStringLiteral("Score sur 29"));
    for (int r = 0; r < pupilRows(); ++r) {   // the rows as the panel shows them
        const QList<OdsReading::Cell> &row = sheet.rows.at(r + 1);
        ASSERT_EQ(row.size(), 3 + 29);
        EXPECT_EQ(row.at(0).text, text(r, Name));
        EXPECT_EQ(row.at(1).text, text(r, ClassResults::ClassColumn));
        EXPECT_EQ(row.at(2).valueType, QStringLiteral("float"));
        EXPECT_EQ(row.at(2).value + QStringLiteral(" / 29"), text(r, Score));
        for (int n = 0; n < 29; ++n)
            EXPECT_EQ(row.at(3 + n).valueType.isEmpty(), text(r, First + n).isEmpty()) << r << " " << n;
    }
    const QList<OdsReading::Cell> &jean = sheet.rows.at(1 + rowOf(QStringLiteral("Jean-Édouard")));
    EXPECT_EQ(jean.at(First + 1).valueType, QStringLiteral("date"));
    EXPECT_EQ(jean.at(First + 1).dateValue, QStringLiteral("2026-11-15"));
    EXPECT_EQ(jean.at(First + 1).text, QStringLiteral("15/11/2026"));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Notes.ODS")});

    // A name typed without an ending gets the chosen type's.
    chooser.setPath(out.path() + QStringLiteral("/Bilan"));
    chooser.setChosenType(1);
    boxes.expect(Kind::Information, QStringLiteral("Les résultats ont été exportés dans le fichier Bilan.ods"));
    clickButton(QStringLiteral("Button19"));
    EXPECT_EQ(sheetOf(out.path() + QStringLiteral("/Bilan.ods")).rows.size(), 1 + 8);
}

// The class view reads records its own quick way: whatever the line ends and
// lengths, it must find what the store's whole read finds.
TEST_F(ConsoleTest, TheClassReadingFindsWhatTheStoreReads)
{
    const QStringList lines = recordLines(QStringLiteral("Jérôme"), QStringLiteral("pw"), QStringLiteral("5A"),
                                          groupsWith({1, 3, 28}, 29, QStringLiteral("01/02/2026"), QStringLiteral("Mme Cœur")));
    QByteArray lf, cr, crlf = crlfBytes(lines);
    for (const QString &line : lines) {
        lf += Cp1252::encode(line) + '\n';
        cr += Cp1252::encode(line) + '\r';
    }
    QByteArray shortRecord = crlfBytes(recordLines(QString(), QStringLiteral("pw"), QStringLiteral("6A"), groupsWith({2, 27}, 27)));
    QByteArray oddStatus = crlf;
    oddStatus.replace("oui\r\n01/02/2026", "OUI\r\n01/02/2026");
    const QList<QPair<QString, QByteArray>> files{{QStringLiteral("crlf"), crlf},
                                                  {QStringLiteral("lf"), lf},
                                                  {QStringLiteral("cr"), cr},
                                                  {QStringLiteral("unended"), crlf.chopped(2)},
                                                  {QStringLiteral("short"), shortRecord},
                                                  {QStringLiteral("odd"), oddStatus},
                                                  {QStringLiteral("mixed"), crlf.replace("\r\nnon\r\n", "\nnon\r")}};
    QStringList names;
    for (const auto &[name, bytes] : files) {
        data.writeBytes(QStringLiteral("sauvegardes/") + name + QStringLiteral("-qib.txt"), bytes);
        names << name;
    }
    QList<PupilResults> rows;
    ASSERT_TRUE(ClassResults::read(names, &rows).ok());
    ASSERT_EQ(rows.size(), files.size());
    for (const PupilResults &row : rows)
        expectSameAsTheStore(row);
    EXPECT_EQ(rows.at(0).score(), 3);
    EXPECT_EQ(rows.at(0).results[27].validator, QStringLiteral("Mme Cœur"));
    EXPECT_EQ(rows.at(4).name, QStringLiteral("short"));
    EXPECT_EQ(rows.at(4).score(), 2);
    EXPECT_EQ(rows.at(5).score(), 0);   // "OUI" is not "oui"
}

TEST(ResultsExport, CellsAreQuotedAndGuardedAsSpreadsheetsExpect)
{
    EXPECT_EQ(ResultsExport::csvCell(QStringLiteral("Zoé")), QStringLiteral("Zoé").toUtf8());
    EXPECT_EQ(ResultsExport::csvCell(QStringLiteral("Jean-Marc")), QByteArray("Jean-Marc"));
    EXPECT_EQ(ResultsExport::csvCell(QStringLiteral("Dupont; Léa")), QStringLiteral("\"Dupont; Léa\"").toUtf8());
    EXPECT_EQ(ResultsExport::csvCell(QStringLiteral("Léa \"la grande\"")), QStringLiteral("\"Léa \"\"la grande\"\"\"").toUtf8());
    EXPECT_EQ(ResultsExport::csvCell(QStringLiteral("deux\nlignes")), QByteArray("\"deux\nlignes\""));
    // What a spreadsheet would run as a formula stays text.
    EXPECT_EQ(ResultsExport::csvCell(QStringLiteral("=HYPERLINK(\"x\")")), QByteArray("\"'=HYPERLINK(\"\"x\"\")\""));
    EXPECT_EQ(ResultsExport::csvCell(QStringLiteral("+33")), QByteArray("'+33"));
    EXPECT_EQ(ResultsExport::csvCell(QStringLiteral("-6A")), QByteArray("'-6A"));
    EXPECT_EQ(ResultsExport::csvCell(QStringLiteral("@prof")), QByteArray("'@prof"));
    EXPECT_EQ(ResultsExport::csvCell(QString()), QByteArray());

    PupilResults pupil{QStringLiteral("obrien"), QStringLiteral("O\"Brien; Seán"), QStringLiteral("=6A"), {}};
    pupil.results[0] = CompetenceResult{1, true, QStringLiteral("=1+1"), QStringLiteral("M. Roy")};
    pupil.results[28] = CompetenceResult{29, true, QStringLiteral("09/12/2026"), QStringLiteral("M. Roy")};
    const QByteArray bytes = ResultsExport::csvBytes({pupil});
    EXPECT_TRUE(bytes.endsWith(QStringLiteral("\r\n\"O\"\"Brien; Seán\";'=6A;2;'=1+1").toUtf8() + QByteArray(28, ';')
                               + "2026-12-09\r\n"));
    EXPECT_EQ(ResultsExport::exportedDate(QStringLiteral("31/01/2026")), QStringLiteral("2026-01-31"));
    EXPECT_EQ(ResultsExport::exportedDate(QStringLiteral("31/02/2026")), QStringLiteral("31/02/2026"));
    EXPECT_EQ(ResultsExport::exportedDate(QStringLiteral("1/2/2026")), QStringLiteral("1/2/2026"));
    EXPECT_EQ(ResultsExport::exportedDate(QStringLiteral("aa/02/2026")), QStringLiteral("aa/02/2026"));
    EXPECT_EQ(ResultsExport::exportedDate(QString()), QString());
}

TEST(ResultsExport, TheDefaultFileNameIsSafeOnEveryMachine)
{
    const QDate day(2026, 12, 9);
    EXPECT_EQ(ResultsExport::defaultFileName({QStringLiteral("6A")}, day), QStringLiteral("resultats-6A-2026-12-09.csv"));
    EXPECT_EQ(ResultsExport::defaultFileName({QStringLiteral("3e/B"), QStringLiteral("4 C:D")}, day),
              QStringLiteral("resultats-3e_B-4_C_D-2026-12-09.csv"));
    EXPECT_EQ(ResultsExport::defaultFileName({}, day), QStringLiteral("resultats-2026-12-09.csv"));
}
