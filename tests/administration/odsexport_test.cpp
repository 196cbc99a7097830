#include "administration/filechooser.h"
#include "administration/odsexport.h"
#include "administration/resultsexport.h"
#include "administration/storedzip.h"
#include "odsreading.h"
#include "records/competencecatalogue.h"
#include "records/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QList<OdsReading::Member> unzipped(const QByteArray &zip)
{
    QList<OdsReading::Member> members;
    QString error;
    EXPECT_TRUE(OdsReading::unzip(zip, &members, &error)) << error.toStdString();
    return members;
}

QStringList namesOf(const QList<OdsReading::Member> &members)
{
    QStringList names;
    for (const OdsReading::Member &m : members)
        names << m.name;
    return names;
}

QStringList texts(const QList<OdsReading::Cell> &row)
{
    QStringList out;
    for (const OdsReading::Cell &cell : row)
        out << cell.text;
    return out;
}

PupilResults pupil(const QString &name, const QString &className, const QList<QPair<int, QString>> &acquired)
{
    PupilResults p{name.toLower(), name, className, {}};
    for (int n = 1; n <= CompetenceCount; ++n)
        p.results[n - 1].number = n;
    for (const auto &[n, date] : acquired) {
        p.results[n - 1].acquired = true;
        p.results[n - 1].date = date;
        p.results[n - 1].validator = QStringLiteral("M. Roy");
    }
    return p;
}
}

TEST(StoredZip, WritesAnArchiveThatAnIndependentReaderChecksMemberByMember)
{
    EXPECT_EQ(OdsReading::crc32("123456789"), 0xCBF43926u);   // the tests' reader agrees with the standard

    QByteArray binary;
    for (int i = 0; i < 70000; ++i)   // every byte value, and more than 64 KiB
        binary.append(char(i * 7 + i / 256));
    StoredZip zip(QDateTime(QDate(2026, 12, 9), QTime(14, 30, 59)));
    zip.add(QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet");
    zip.add(QStringLiteral("vide"), QByteArray());
    zip.add(QStringLiteral("dossier/données.bin"), binary);
    const QByteArray bytes = zip.bytes();

    const QList<OdsReading::Member> members = unzipped(bytes);
    ASSERT_EQ(namesOf(members), (QStringList{QStringLiteral("mimetype"), QStringLiteral("vide"),
                                            QStringLiteral("dossier/données.bin")}));
    EXPECT_EQ(members.at(1).data, QByteArray());
    EXPECT_EQ(members.at(2).data, binary);
    EXPECT_EQ(members.at(2).flags, 0x800);   // a UTF-8 name says so
    EXPECT_EQ(members.at(0).flags, 0);
    // The first member starts the file with no extra field, so that its content
    // sits at byte 38, where readers of the format look for it.
    EXPECT_EQ(members.at(0).localOffset, 0u);
    EXPECT_EQ(members.at(0).localExtraLength, 0);
    EXPECT_EQ(bytes.mid(30, 8), QByteArray("mimetype"));
    EXPECT_EQ(bytes.mid(38, 46), QByteArray("application/vnd.oasis.opendocument.spreadsheet"));
    // The modification time as zip keeps it (MS-DOS format, in the local headers).
    EXPECT_EQ(uchar(bytes[10]) | uchar(bytes[11]) << 8, (14 << 11) | (30 << 5) | 29);
    EXPECT_EQ(uchar(bytes[12]) | uchar(bytes[13]) << 8, (46 << 9) | (12 << 5) | 9);

    // A damaged byte is caught.
    QByteArray damaged = bytes;
    damaged[38 + 46 + 30 + 4 + 30 + 20 + 1000] ^= 1;   // inside the binary member's data
    QList<OdsReading::Member> ignored;
    QString error;
    EXPECT_FALSE(OdsReading::unzip(damaged, &ignored, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("CRC"))) << error.toStdString();
}

TEST(OdsExport, TheSpreadsheetHoldsTheTableWithTypedCells)
{
    PupilResults tricky = pupil(QStringLiteral("=A1;\"Léa\" <b> & Cie"), QStringLiteral("6A"),
                                {{1, QStringLiteral("02/10/2026")}, {2, QStringLiteral("31/02/2026")},
                                 {3, QStringLiteral("bientôt")}, {29, QStringLiteral("09/12/2026")}});
    PupilResults spaced = pupil(QStringLiteral("  deux  espaces "), QStringLiteral("6\u0001B\u001F"), {{4, QString()}});
    spaced.name += QChar(0xD800);   // an unpaired surrogate, as a damaged record could give
    const QList<PupilResults> rows{tricky, spaced, pupil(QStringLiteral("Émile"), QStringLiteral("5A"), {})};

    const QList<OdsReading::Member> members = unzipped(OdsExport::spreadsheet(ClassSheet::table(rows)));
    ASSERT_EQ(namesOf(members), (QStringList{QStringLiteral("mimetype"), QStringLiteral("META-INF/manifest.xml"),
                                            QStringLiteral("styles.xml"), QStringLiteral("content.xml")}));
    EXPECT_EQ(members.at(0).data, QByteArray("application/vnd.oasis.opendocument.spreadsheet"));
    const QByteArray manifest = OdsReading::member(members, QStringLiteral("META-INF/manifest.xml"));
    EXPECT_TRUE(manifest.contains(R"(manifest:full-path="/")")) << manifest.constData();
    EXPECT_TRUE(manifest.contains(R"(manifest:full-path="content.xml")"));
    QXmlStreamReader styles(OdsReading::member(members, QStringLiteral("styles.xml")));
    while (!styles.atEnd())
        styles.readNext();
    EXPECT_FALSE(styles.hasError()) << styles.errorString().toStdString();

    const OdsReading::Sheet sheet = OdsReading::readSheet(OdsReading::member(members, QStringLiteral("content.xml")));
    ASSERT_TRUE(sheet.error.isEmpty()) << sheet.error.toStdString();
    EXPECT_EQ(sheet.name, QStringLiteral("Résultats"));
    ASSERT_EQ(sheet.rows.size(), 1 + 3);
    for (const QList<OdsReading::Cell> &row : sheet.rows)
        ASSERT_EQ(row.size(), 3 + CompetenceCount);

    // The header: the CSV's, every cell bold text.
    QStringList header{QStringLiteral("Nom"), QStringLiteral("Classe"), QStringLiteral("Score sur 29")};
    for (int n = 1; n <= CompetenceCount; ++n)
        header << CompetenceCatalogue::row(n).code;
    EXPECT_EQ(texts(sheet.rows.at(0)), header);
    EXPECT_EQ(ResultsExport::headerCells(), header);
    for (const OdsReading::Cell &cell : sheet.rows.at(0)) {
        EXPECT_EQ(cell.valueType, QStringLiteral("string"));
        EXPECT_EQ(sheet.fontWeightOf.value(cell.style), QStringLiteral("bold")) << cell.text.toStdString();
    }

    // Names with what CSV and XML both fear come back as they were, as text.
    const QList<OdsReading::Cell> &first = sheet.rows.at(1);
    EXPECT_EQ(first.at(0).valueType, QStringLiteral("string"));
    EXPECT_EQ(first.at(0).text, QStringLiteral("=A1;\"Léa\" <b> & Cie"));
    EXPECT_EQ(first.at(1).text, QStringLiteral("6A"));
    EXPECT_EQ(first.at(2).valueType, QStringLiteral("float"));
    EXPECT_EQ(first.at(2).value, QStringLiteral("4"));
    EXPECT_TRUE(sheet.fontWeightOf.value(first.at(0).style).isEmpty());

    // A readable day is a date shown as dd/mm/yyyy; one that is not stays text.
    const OdsReading::Cell &day = first.at(3);
    EXPECT_EQ(day.valueType, QStringLiteral("date"));
    EXPECT_EQ(day.dateValue, QStringLiteral("2026-10-02"));
    EXPECT_EQ(day.text, QStringLiteral("02/10/2026"));
    EXPECT_EQ(sheet.dateStyleText.value(sheet.dataStyleOf.value(day.style)),
              QStringLiteral("day(long)/month(long)/year(long)"));
    EXPECT_EQ(first.at(3 + 28).dateValue, QStringLiteral("2026-12-09"));
    EXPECT_EQ(first.at(4).valueType, QStringLiteral("string"));
    EXPECT_EQ(first.at(4).text, QStringLiteral("31/02/2026"));
    EXPECT_TRUE(first.at(4).dateValue.isEmpty());
    EXPECT_EQ(first.at(5).text, QStringLiteral("bientôt"));
    for (int c = 6; c < 3 + 28; ++c) {   // not acquired: empty
        EXPECT_TRUE(first.at(c).valueType.isEmpty()) << c;
        EXPECT_TRUE(first.at(c).text.isEmpty()) << c;
    }

    // Spaces kept where a reader would fold them; control characters and the
    // unpaired surrogate became spaces; an acquisition without a date is empty, as in the CSV.
    const QList<OdsReading::Cell> &second = sheet.rows.at(2);
    EXPECT_EQ(second.at(0).text, QStringLiteral("  deux  espaces  "));
    EXPECT_EQ(second.at(1).text, QStringLiteral("6 B "));
    EXPECT_EQ(second.at(2).value, QStringLiteral("1"));
    EXPECT_TRUE(second.at(3 + 3).valueType.isEmpty());

    const QList<OdsReading::Cell> &third = sheet.rows.at(3);
    EXPECT_EQ(third.at(0).text, QStringLiteral("Émile"));
    EXPECT_EQ(third.at(2).valueType, QStringLiteral("float"));
    EXPECT_EQ(third.at(2).value, QStringLiteral("0"));
    EXPECT_EQ(OdsExport::xmlSafe(QStringLiteral("a\u0000b\u007Fc\u0085d\uFFFF\U0001F600")),
              QStringLiteral("a b c d \U0001F600"));
}

TEST(OdsExport, ANameEndingInOdsChoosesTheFormatAndTheWriteIsAtomic)
{
    using ResultsExport::Format;
    EXPECT_EQ(ResultsExport::formatOf(QStringLiteral("/tmp/Notes.ODS")), Format::OpenDocument);
    EXPECT_EQ(ResultsExport::formatOf(QStringLiteral("notes.Ods")), Format::OpenDocument);
    EXPECT_EQ(ResultsExport::formatOf(QStringLiteral("notes.XLSX")), Format::Xlsx);
    EXPECT_EQ(ResultsExport::formatOf(QStringLiteral("notes.ods.csv")), Format::Csv);
    EXPECT_EQ(ResultsExport::formatOf(QStringLiteral("ods")), Format::Csv);
    EXPECT_EQ(ResultsExport::formatOf(QStringLiteral("notes")), Format::Csv);

    QTemporaryDir out;
    const QString ods = out.path() + QStringLiteral("/Notes.ODS");
    const QString text = out.path() + QStringLiteral("/notes.txt");
    const QList<SheetRow> rows = ClassSheet::table({pupil(QStringLiteral("Zoé"), QStringLiteral("6B"), {{2, QStringLiteral("03/09/2026")}})});
    ASSERT_TRUE(ResultsExport::write(ods, rows).ok());
    ASSERT_TRUE(ResultsExport::write(text, rows).ok());
    QFile odsFile(ods), textFile(text);
    ASSERT_TRUE(odsFile.open(QIODevice::ReadOnly));
    ASSERT_TRUE(textFile.open(QIODevice::ReadOnly));
    const QByteArray odsBytes = odsFile.readAll();
    EXPECT_TRUE(odsBytes.startsWith("PK\x03\x04"));
    EXPECT_EQ(textFile.readAll(), ResultsExport::csvBytes(rows));   // any other name: the CSV
    const OdsReading::Sheet sheet = OdsReading::readSheet(OdsReading::member(unzipped(odsBytes), QStringLiteral("content.xml")));
    ASSERT_EQ(sheet.rows.size(), 2);
    EXPECT_EQ(sheet.rows.at(1).at(4).dateValue, QStringLiteral("2026-09-03"));

    // A failing disk leaves the former file whole and no temporary behind.
    odsFile.close();
    TextFile::failNextWriteAfter(100);
    EXPECT_FALSE(ResultsExport::write(ods, ClassSheet::table({})).ok());
    TextFile::failNextWriteAfter(-1);
    QFile again(ods);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), odsBytes);
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("Notes.ODS"), QStringLiteral("notes.txt")}));
}

TEST(FileChooser, TheChosenTypeGivesItsEndingToANameTypedWithoutOne)
{
    const QString filters = ResultsExport::fileFilters();
    EXPECT_EQ(filters, QStringLiteral("Fichiers CSV (*.csv);;Classeurs OpenDocument (*.ods);;Classeurs XLSX (*.xlsx)"));
    EXPECT_EQ(FileChooser::suffixOfType(QStringLiteral("Classeurs OpenDocument (*.ods)")), QStringLiteral("ods"));
    EXPECT_EQ(FileChooser::suffixOfType(QStringLiteral("Fichiers PDF (*.pdf *.PDF)")), QStringLiteral("pdf"));
    EXPECT_EQ(FileChooser::suffixOfType(QStringLiteral("Tous (*)")), QString());

    EXPECT_EQ(FileChooser::withDefaultSuffix(QStringLiteral("/d/Notes"), QStringLiteral("ods")), QStringLiteral("/d/Notes.ods"));
    EXPECT_EQ(FileChooser::withDefaultSuffix(QStringLiteral("/d.x/Notes.csv"), QStringLiteral("ods")), QStringLiteral("/d.x/Notes.csv"));
    EXPECT_EQ(FileChooser::withDefaultSuffix(QStringLiteral("/d.x/Notes"), QStringLiteral("ods")), QStringLiteral("/d.x/Notes.ods"));

    FileChooser::FixedChoice chooser(QStringLiteral("/d/Notes"));
    EXPECT_EQ(chooser.saveFile(nullptr, QStringLiteral("a.csv"), filters), QStringLiteral("/d/Notes"));
    chooser.setChosenType(1);
    EXPECT_EQ(chooser.saveFile(nullptr, QStringLiteral("a.csv"), filters), QStringLiteral("/d/Notes.ods"));
    chooser.setPath(QString());
    EXPECT_EQ(chooser.saveFile(nullptr, QStringLiteral("a.csv"), filters), QString());   // still a cancel
    EXPECT_EQ(chooser.openedCount(), 3);
}
