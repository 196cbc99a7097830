#include "samerecord.h"

#include "administration/classfollowup.h"
#include "administration/filechooser.h"
#include "administration/frozencolumnsview.h"
#include "administration/odsexport.h"
#include "administration/printing.h"
#include "administration/pupilresultswindow.h"
#include "administration/resultsexport.h"
#include "administration/successchart.h"
#include "consolefixture.h"
#include "odsreading.h"
#include "records/competencecatalogue.h"
#include "records/textfile.h"
#include "xlsxreading.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {
using Kind = MessageBox::Kind;
constexpr int Name = ClassResults::NameColumn;
constexpr int Score = ClassResults::ScoreColumn;
constexpr int First = ClassResults::FirstCompetenceColumn;
constexpr int FirstDomain = ClassMatrixModel::FirstDomainColumn;
const QString Tick = QStringLiteral("\u2713");

QList<std::array<QString, 3>> withExtraGroups(QList<std::array<QString, 3>> groups, int upTo, bool acquired)
{
    while (groups.size() < upTo)
        groups.append(acquired ? std::array<QString, 3>{QStringLiteral("oui"), QStringLiteral("01/01/2026"), QStringLiteral("M. Roy")}
                               : std::array<QString, 3>{QStringLiteral("non"), QString(), QString()});
    return groups;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// The page objects of a PDF file ("/Type /Page", not the "/Type /Pages" tree).
int pdfPages(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(QString::fromLatin1(pdf).count(page));
}

// Eight pupils over two classes, written under the three label words, with 29
// or 36 groups, hyphenated and accented names: competence 1 acquired by one of
// the eight, competence 2 by three, competence 29 by nobody. One pupil of 5A,
// one of a class no longer in the list.
class ClassFollowUpTest : public ConsoleTest
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
        add("xavier", QStringLiteral("Xavier"), "4Z", groupsWith({1, 2, 3, 4, 5, 6}), competence);
        openConsole();
        clickClass(QStringLiteral("6A"));
        clickClass(QStringLiteral("6B"));
    }
    void TearDown() override
    {
        Printing::setTarget(nullptr);
        if (window)
            delete window.data();
        ConsoleTest::TearDown();
    }

    void add(const char *file, const QString &name, const char *className, const QList<std::array<QString, 3>> &groups,
             const QString &label)
    {
        writeRecord(QLatin1String(file), recordLines(name, QStringLiteral("pw"), QLatin1String(className), groups, label));
    }

    void openWindow()
    {
        clickButton(QStringLiteral("Button18"));
        window = console->followUp();
        ASSERT_TRUE(window);
        window->showMaximized();
        QApplication::processEvents();
        windowRobot.setWindow(window);
    }
    ClassMatrixModel *model() const { return window->model(); }
    int pupilRows() const { return model()->rowCount() - ClassMatrixModel::TotalsRows; }
    QString text(int row, int column) const { return model()->text(row, column); }
    QStringList namesShown() const
    {
        QStringList names;
        for (int r = 0; r < pupilRows(); ++r)
            names << text(r, Name);
        return names;
    }
    int rowOf(const QString &name) const { return int(namesShown().indexOf(name)); }
    // A cell's centre in the window, in whichever view shows it.
    QPoint cellPoint(int row, int column) const
    {
        QTableView *view = column < First ? window->matrix()->frozen() : window->matrix();
        const QRect cell = view->visualRect(model()->index(row, column));
        return view->viewport()->mapTo(window.data(), cell.center());
    }
    void clickHeader(int column)
    {
        QTableView *view = column < First ? window->matrix()->frozen() : window->matrix();
        QHeaderView *header = view->horizontalHeader();
        const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        windowRobot.click(header->viewport()->mapTo(window.data(), centre));
    }
    void clickClassOfWindow(const QString &name)
    {
        QListWidget *list = window->classList();
        const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        // the check box sits at the item's left
        const QRect item = list->visualItemRect(found.first());
        windowRobot.click(list->viewport()->mapTo(window.data(), QPoint(item.left() + 10, item.center().y())));
    }
    void choose(QComboBox *combo, int index)
    {
        windowRobot.click(combo);
        QApplication::processEvents();
        windowRobot.key(Qt::Key_Home, Qt::NoModifier, combo->view());
        for (int i = 0; i < index; ++i)
            windowRobot.key(Qt::Key_Down, Qt::NoModifier, combo->view());
        windowRobot.key(Qt::Key_Return, Qt::NoModifier, combo->view());
        ASSERT_EQ(combo->currentIndex(), index);
    }
    void clickWindowButton(const char *name) { windowRobot.click(window->findChild<QWidget *>(QLatin1String(name))); }

    QPointer<ClassFollowUp> window;
    PupilRobot windowRobot;
};
}

TEST_F(ClassFollowUpTest, ShowsTheChosenClassesWithFrozenNamesCodesHintsAndDomainScores)
{
    openWindow();
    EXPECT_TRUE(console->isVisible());   // the console stays behind
    EXPECT_FALSE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Suivi des classes"));
    EXPECT_EQ(window->checkedClasses(), (QStringList{QStringLiteral("6A"), QStringLiteral("6B")}));
    ASSERT_EQ(pupilRows(), 8);
    EXPECT_FALSE(namesShown().contains(QStringLiteral("Other")));

    ASSERT_EQ(model()->columnCount(), 3 + 29 + 5);
    EXPECT_EQ(model()->headerData(First, Qt::Horizontal).toString(), QStringLiteral("1.1"));
    EXPECT_EQ(model()->headerData(First + 28, Qt::Horizontal).toString(), QStringLiteral("5.4"));
    EXPECT_EQ(model()->headerData(First + 14, Qt::Horizontal, Qt::ToolTipRole).toString(),
              QStringLiteral("Je sais utiliser l'outil de recherche et de remplacement dans un document.."));

    const int jean = rowOf(QStringLiteral("Jean-Édouard"));
    ASSERT_GE(jean, 0);
    EXPECT_EQ(text(jean, ClassResults::ClassColumn), QStringLiteral("6A"));
    EXPECT_EQ(text(jean, Score), QStringLiteral("2 / 29"));
    EXPECT_EQ(text(jean, First + 1), Tick);
    EXPECT_EQ(model()->index(jean, First + 1).data(Qt::ToolTipRole).toString(), QStringLiteral("réussi le 15/11/2026 / Mme Laurent"));
    EXPECT_TRUE(model()->index(jean, First + 1).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(model()->index(jean, First).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(text(jean, FirstDomain), QStringLiteral("2 / 6"));   // 1.2 and 1.4
    // 36 groups: only the first 29 count; 27 groups: 28 and 29 are not acquired.
    EXPECT_EQ(text(rowOf(QStringLiteral("david")), Score), QStringLiteral("10 / 29"));
    const int gael = rowOf(QStringLiteral("Gaël"));
    EXPECT_EQ(text(gael, Score), QStringLiteral("1 / 29"));
    EXPECT_EQ(text(gael, First + 26), Tick);
    EXPECT_EQ(text(gael, First + 27), QString());

    // The names stay in place while the competences scroll under them.
    FrozenColumnsView *matrix = window->matrix();
    const QWidget *nameCell = windowRobot.widgetAt(cellPoint(0, Name));
    EXPECT_EQ(nameCell, matrix->frozen()->viewport());
    matrix->horizontalScrollBar()->setValue(matrix->horizontalScrollBar()->maximum());
    EXPECT_EQ(windowRobot.widgetAt(cellPoint(0, Name)), matrix->frozen()->viewport());
    // Maximised on 1280 pixels, every competence column is in sight at once.
    int competences = 0;
    for (int c = First; c < FirstDomain; ++c)
        competences += matrix->columnWidth(c);
    EXPECT_LE(matrix->columnWidth(Name) + matrix->columnWidth(1) + matrix->columnWidth(Score) + competences, 1280 - 40);

    // "Classe inconnue" brings the pupils of classes the list no longer has.
    clickClassOfWindow(ClassFollowUp::UnknownClass);
    EXPECT_TRUE(namesShown().contains(QStringLiteral("Xavier")));
    EXPECT_FALSE(namesShown().contains(QStringLiteral("Other")));
    clickClassOfWindow(QStringLiteral("6A"));
    EXPECT_EQ(namesShown(), (QStringList{QStringLiteral("david"), QStringLiteral("Gaël"), QStringLiteral("Inès"),
                                         QStringLiteral("Xavier"), QStringLiteral("Zoé")}));
}

TEST_F(ClassFollowUpTest, TotalsAndFiltersCountOnlyThePupilsShown)
{
    openWindow();
    const int counts = pupilRows();
    const int rates = counts + 1;
    EXPECT_EQ(text(counts, Name), QStringLiteral("Ont réussi :"));
    EXPECT_EQ(text(rates, Name), QStringLiteral("Taux de réussite (%)"));
    EXPECT_EQ(text(counts, Score), QStringLiteral("8"));
    EXPECT_EQ(text(rates, First), QStringLiteral("12"));   // 1 of 8, as the statistics round
    EXPECT_EQ(text(counts, First + 1), QStringLiteral("3"));
    EXPECT_EQ(text(rates, First + 1), QStringLiteral("38"));
    EXPECT_EQ(text(counts, First + 28), QStringLiteral("0"));
    EXPECT_EQ(text(counts, FirstDomain + 1), QStringLiteral("1"));   // david alone has the whole of domain 2
    EXPECT_EQ(text(rates, FirstDomain + 1), QStringLiteral("12"));
    EXPECT_EQ(window->summary()->text(),
              QStringLiteral("Score moyen : 3,3 / 29     Élèves ayant les 29 compétences : 0"));   // 26 / 8
    EXPECT_EQ(window->chart()->totals().competences[1], 3);

    // Domain 2: its competences and its score only.
    choose(window->domainFilter(), 2);
    for (int c = First; c < ClassMatrixModel::ColumnCount; ++c) {
        const bool inDomain2 = (c >= First && c < FirstDomain && CompetenceCatalogue::domainOf(c - First + 1) == 2)
            || c == FirstDomain + 1;
        EXPECT_EQ(window->matrix()->isColumnHidden(c), !inDomain2) << c;
    }
    choose(window->domainFilter(), 0);
    // Not yet 1.2: five pupils, and the totals are theirs.
    choose(window->notYetFilter(), 2);
    EXPECT_EQ(pupilRows(), 5);
    EXPECT_FALSE(namesShown().contains(QStringLiteral("Zoé")));
    EXPECT_EQ(text(pupilRows(), First + 1), QStringLiteral("0"));
    EXPECT_EQ(window->chart()->totals().pupils, 5);
    // And a score below 2: Fanny, Gaël, hélène.
    QLineEdit *scoreField = window->scoreFilter()->findChild<QLineEdit *>();
    windowRobot.click(scoreField);
    windowRobot.key(Qt::Key_A, Qt::ControlModifier, scoreField);
    windowRobot.type(QStringLiteral("2"), scoreField);
    windowRobot.key(Qt::Key_Return, Qt::NoModifier, scoreField);
    EXPECT_EQ(window->scoreFilter()->value(), 2);
    QStringList low = namesShown();
    low.sort();
    EXPECT_EQ(low, (QStringList{QStringLiteral("Fanny"), QStringLiteral("Gaël"), QStringLiteral("hélène")}));
}

TEST_F(ClassFollowUpTest, AHeaderClickSortsThePupilsAndTheTotalsStayLast)
{
    openWindow();
    clickHeader(Name);
    clickHeader(Name);
    EXPECT_EQ(namesShown().first(), QStringLiteral("Zoé"));
    EXPECT_EQ(text(pupilRows(), Name), QStringLiteral("Ont réussi :"));
    clickHeader(Score);   // as numbers: 10 after 9
    EXPECT_EQ(namesShown().mid(6), (QStringList{QStringLiteral("Inès"), QStringLiteral("david")}));
    clickHeader(First + 1);   // competence 1.2: not acquired first, then by date
    EXPECT_EQ(namesShown().mid(5), (QStringList{QStringLiteral("Zoé"), QStringLiteral("Émile"), QStringLiteral("Jean-Édouard")}));
    EXPECT_EQ(model()->index(7, First + 1).data(Qt::ToolTipRole).toString(), QStringLiteral("réussi le 15/11/2026 / Mme Laurent"));
    clickHeader(FirstDomain + 1);   // domain 2 score, fewest first
    clickHeader(FirstDomain + 1);
    EXPECT_EQ(namesShown().first(), QStringLiteral("david"));
}

TEST_F(ClassFollowUpTest, SelectedCellsAreCopiedAsTabSeparatedText)
{
    openWindow();
    clickHeader(Name);   // david, Émile, Fanny ...
    windowRobot.drag(cellPoint(0, First), cellPoint(1, First + 2));
    windowRobot.key(Qt::Key_C, Qt::ControlModifier, window->matrix());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("\t\t\n") + Tick + QLatin1Char('\t') + Tick
                                                     + QLatin1Char('\t') + Tick + QLatin1Char('\n'));
    windowRobot.drag(cellPoint(1, Name), cellPoint(1, Score));
    windowRobot.key(Qt::Key_C, Qt::ControlModifier, window->matrix());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Émile\t6A\t3 / 29\n"));
}

TEST_F(ClassFollowUpTest, ADoubleClickOpensThePupilsResultsAndTheWindowRefreshesWhenTheyClose)
{
    openWindow();
    clickHeader(Name);
    windowRobot.doubleClick(cellPoint(rowOf(QStringLiteral("Émile")), First + 5));
    PupilResultsWindow *results = window->pupilWindow();
    ASSERT_TRUE(results);
    ASSERT_TRUE(results->isVisible());
    EXPECT_TRUE(results->rowBox(2)->isChecked());
    EXPECT_EQ(results->rowLabel(2)->text(), QStringLiteral("réussi le 02/10/2026 / Mme Laurent"));
    EXPECT_EQ(results->rowLabel(29)->text(), QStringLiteral("non réussi"));

    PupilRobot resultsRobot(results);
    resultsRobot.click(results->rowBox(29));
    EXPECT_EQ(results->rowLabel(29)->text(), QStringLiteral("réussi le 09/12/2026 /  l'administrateur"));
    resultsRobot.click(results->rowBox(1));
    resultsRobot.click(results->validateButton());
    EXPECT_TRUE(recordBytes(QStringLiteral("emile")).contains("\r\ncomp\xE9tence 29\r\noui\r\n09/12/2026\r\nl'administrateur\r\n"));
    EXPECT_TRUE(recordBytes(QStringLiteral("emile")).contains("\r\ncomp\xE9tence 1\r\nnon\r\n"));
    EXPECT_EQ(recordFileLines(QStringLiteral("emile")).at(2), passwordHash(QStringLiteral("pw")));   // password kept
    resultsRobot.click(results->findChild<QWidget *>(QStringLiteral("ButtonClose")));
    QApplication::processEvents();
    EXPECT_FALSE(window->pupilWindow());
    const int emile = rowOf(QStringLiteral("Émile"));
    EXPECT_EQ(text(emile, First + 28), Tick);
    EXPECT_EQ(text(emile, First), QString());
    EXPECT_EQ(text(emile, Score), QStringLiteral("3 / 29"));

    // The totals rows open nothing.
    windowRobot.doubleClick(cellPoint(pupilRows(), First));
    EXPECT_FALSE(window->pupilWindow());
}

TEST_F(ClassFollowUpTest, ExportsTitleRowsDomainsAndTotalsAsCsvOdsAndXlsx)
{
    QTemporaryDir out;
    FileChooser::FixedChoice chooser(out.path() + QStringLiteral("/notes.csv"));
    FileChooser::setChooser(&chooser);
    openWindow();
    clickHeader(Name);
    boxes.expect(Kind::Information, QStringLiteral("Les résultats ont été exportés dans le fichier notes.csv"));
    clickWindowButton("ExportButton");
    EXPECT_EQ(chooser.lastSuggestedName(), QStringLiteral("resultats-6A-6B-2026-12-09.csv"));
    EXPECT_EQ(chooser.lastFilter(),
              QStringLiteral("Fichiers CSV (*.csv);;Classeurs OpenDocument (*.ods);;Classeurs XLSX (*.xlsx)"));
    const QList<QByteArray> lines = fileBytes(out.path() + QStringLiteral("/notes.csv")).mid(3).split('\n');
    ASSERT_EQ(lines.size(), 1 + 1 + 8 + 4 + 1);
    EXPECT_EQ(lines.at(0), QStringLiteral("Suivi des classes : 6A, 6B - 09/12/2026\r").toUtf8());
    EXPECT_TRUE(lines.at(1).startsWith("Nom;Classe;Score sur 29;1.1;"));
    EXPECT_TRUE(lines.at(1).endsWith(";5.4;Domaine 1;Domaine 2;Domaine 3;Domaine 4;Domaine 5\r"));
    EXPECT_EQ(lines.at(3).toStdString(), (QStringLiteral("Émile;6A;3;2026-10-02;2026-10-02;2026-10-02").toUtf8() + QByteArray(26, ';')
                               + QStringLiteral(";3 / 6;0 / 7;0 / 7;0 / 5;0 / 4\r").toUtf8()).toStdString());
    EXPECT_TRUE(lines.at(10).startsWith(QStringLiteral("Ont réussi :;;8;1;3;1;").toUtf8()));
    EXPECT_TRUE(lines.at(11).startsWith(QStringLiteral("Taux de réussite (%);;;12;38;12;").toUtf8()));
    EXPECT_EQ(lines.at(12), QByteArray("Score moyen;;3,3\r"));
    EXPECT_EQ(lines.at(13), QStringLiteral("Élèves ayant les 29 compétences;;0\r").toUtf8());

    // OpenDocument, read back by the tests' own reader.
    chooser.setPath(out.path() + QStringLiteral("/Notes.ODS"));
    boxes.expect(Kind::Information, QStringLiteral("Les résultats ont été exportés dans le fichier Notes.ODS"));
    clickWindowButton("ExportButton");
    QList<OdsReading::Member> members;
    QString error;
    ASSERT_TRUE(OdsReading::unzip(fileBytes(out.path() + QStringLiteral("/Notes.ODS")), &members, &error)) << error.toStdString();
    const OdsReading::Sheet ods = OdsReading::readSheet(OdsReading::member(members, QStringLiteral("content.xml")));
    ASSERT_EQ(ods.rows.size(), 1 + 1 + 8 + 4);
    EXPECT_EQ(ods.rows.at(0).at(0).text, QStringLiteral("Suivi des classes : 6A, 6B - 09/12/2026"));
    const QList<OdsReading::Cell> &jean = ods.rows.at(2 + rowOf(QStringLiteral("Jean-Édouard")));
    EXPECT_EQ(jean.at(First + 1).dateValue, QStringLiteral("2026-11-15"));
    EXPECT_EQ(jean.at(FirstDomain).text, QStringLiteral("2 / 6"));
    EXPECT_EQ(ods.rows.at(11).at(First + 1).valueType, QStringLiteral("float"));
    EXPECT_EQ(ods.rows.at(11).at(First + 1).value, QStringLiteral("38"));
    EXPECT_EQ(ods.rows.at(12).at(2).value, QStringLiteral("3.3"));

    // XLSX, inflated and read by the tests' own reader.
    chooser.setPath(out.path() + QStringLiteral("/notes.xlsx"));
    boxes.expect(Kind::Information, QStringLiteral("Les résultats ont été exportés dans le fichier notes.xlsx"));
    clickWindowButton("ExportButton");
    const auto parts = XlsxReading::unzip(fileBytes(out.path() + QStringLiteral("/notes.xlsx")));
    ASSERT_TRUE(parts.contains(QStringLiteral("xl/charts/chart1.xml")));
    const auto xlsx = XlsxReading::sheet(parts);
    EXPECT_EQ(xlsx.value(0).value(0).value, QStringLiteral("Suivi des classes : 6A, 6B - 09/12/2026"));
    EXPECT_EQ(xlsx.value(1).value(First + 28).value, QStringLiteral("5.4"));
    const int jeanRow = 2 + rowOf(QStringLiteral("Jean-Édouard"));
    EXPECT_EQ(xlsx.value(jeanRow).value(0).value, QStringLiteral("Jean-Édouard"));
    EXPECT_EQ(xlsx.value(jeanRow).value(First + 1).value, QStringLiteral("46341"));   // 15/11/2026 as a day number
    EXPECT_EQ(xlsx.value(10).value(2).value, QStringLiteral("8"));
    EXPECT_EQ(xlsx.value(11).value(First + 1).value, QStringLiteral("38"));
    EXPECT_EQ(xlsx.value(12).value(2).value, QStringLiteral("3.3"));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);   // no temporary left
}

TEST_F(ClassFollowUpTest, AFailedExportLeavesTheFileAsItWas)
{
    QTemporaryDir out;
    const QString path = out.path() + QStringLiteral("/notes.xlsx");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("ancien");
    }
    FileChooser::FixedChoice chooser(path);
    FileChooser::setChooser(&chooser);
    openWindow();
    TextFile::failNextWriteAfter(10);
    boxes.expect(Kind::Error, QStringLiteral("Disque plein : notes.xlsx"));
    clickWindowButton("ExportButton");
    TextFile::failNextWriteAfter(-1);
    EXPECT_EQ(fileBytes(path), QByteArray("ancien"));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("notes.xlsx")});
}

TEST_F(ClassFollowUpTest, PrintsOneSheetPerPupilShownAndTheTableInLandscape)
{
    QTemporaryDir out;
    Printing::PdfSink sink(out.path() + QStringLiteral("/printed.pdf"));
    Printing::setTarget(&sink);
    openWindow();
    choose(window->notYetFilter(), 2);   // five pupils
    clickWindowButton("PrintSheetsButton");
    EXPECT_EQ(sink.jobCount(), 1);
    EXPECT_EQ(pdfPages(fileBytes(sink.path())), 5);

    clickWindowButton("PrintTableButton");
    const QByteArray table = fileBytes(sink.path());
    EXPECT_EQ(pdfPages(table), 1);
    const QRegularExpressionMatch box = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                                            .match(QString::fromLatin1(table));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_GT(box.captured(1).toDouble(), box.captured(2).toDouble());   // landscape

    // No printer: the sheets go to one PDF file the teacher names.
    Printing::NoPrinter none;
    Printing::setTarget(&none);
    FileChooser::FixedChoice chooser(out.path() + QStringLiteral("/fiches.pdf"));
    FileChooser::setChooser(&chooser);
    choose(window->notYetFilter(), 0);
    boxes.expect(Kind::Confirmation,
                 QStringLiteral("Aucune imprimante par défaut sélectionnée\n\nVoulez-vous enregistrer les fiches dans un fichier PDF ?"));
    clickWindowButton("PrintSheetsButton");
    EXPECT_EQ(chooser.lastSuggestedName(), QStringLiteral("fiches-6A-6B.pdf"));
    EXPECT_EQ(pdfPages(fileBytes(out.path() + QStringLiteral("/fiches.pdf"))), 8);
}

// The class follow-up reads records its own quick way: whatever the line ends and
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
    const QByteArray bytes = ResultsExport::csvBytes(ClassSheet::table({pupil}));
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
