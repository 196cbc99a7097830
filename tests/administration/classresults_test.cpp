#include "samerecord.h"

#include "administration/classresults.h"
#include "administration/resultsexport.h"
#include "records/cp1252.h"
#include "records/recordstore.h"
#include "support/tempdatafolder.h"

#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>
#include <random>

namespace {
// Records of every shape a school's folder may hold: written by any version of
// the program or by hand, with CR LF, LF or lone CR line ends (mixed too), 0 to
// 36 groups under the three label words, odd statuses, accented and long texts,
// and cut anywhere, between a CR and its LF too.
class RecordMaker
{
public:
    explicit RecordMaker(unsigned seed) : m_random(seed) {}

    QByteArray record()
    {
        static const char *const ends[] = {"\r\n", "\n", "\r"};
        const int style = pick(4);   // one line end for the whole file, or any per line
        QByteArray bytes;
        const auto line = [&](const QByteArray &text) {
            bytes += text;
            bytes += ends[style < 3 ? style : pick(3)];
        };
        line(pick(10) ? "nom" : "Nom");
        line(pick(8) ? text({"Zoé", "Jérôme Œil", "Léa-Marie d’Arc", "tom", "", "Ÿves €uro", "Ž"}) : noise());
        line(pick(6) ? "0123456789abcdef0123456789abcdef" : noise());
        line(pick(6) ? text({"6A", "6ème B", "5°C", "", "CM2 – Žižek"}) : noise());
        static const char *const labels[] = {"competence ", "compétence ", "exercice "};
        const QByteArray label = Cp1252::encode(QString::fromUtf8(labels[pick(3)]));
        const int groups = pick(37);
        for (int n = 1; n <= groups; ++n) {
            line(label + QByteArray::number(n));
            const int status = pick(10);
            line(status < 5 ? "oui" : status < 9 ? "non" : text({"OUI", "", "ou", "oui ", "non\t"}));
            line(pick(5) ? text({"08/12/2025", "01/02/2026", "31/02/2026", "", "8/12/2025"}) : noise());
            line(pick(5) ? text({"Mme Laurent", "l’administrateur", "M. Œdipe", "", "Mme Cœur"}) : noise());
        }
        if (pick(3) == 0)
            bytes.truncate(pick(int(bytes.size()) + 1));
        return bytes;
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }

    QByteArray text(std::initializer_list<const char *> choices)
    {
        return Cp1252::encode(QString::fromUtf8(choices.begin()[pick(int(choices.size()))]));
    }

    // Any bytes but line ends, of a length around the reader's eight-byte steps.
    QByteArray noise()
    {
        QByteArray bytes(pick(40), Qt::Uninitialized);
        for (char &c : bytes) {
            do
                c = char(pick(256));
            while (c == '\r' || c == '\n');
        }
        return bytes;
    }

    std::mt19937 m_random;
};
}

// The class reading splits and decodes records its own quick way and shares the
// texts repeated from pupil to pupil: over hundreds of random records, read
// twice (the second time in another order, so that other texts are shared), it
// finds exactly what the store's whole read finds, and so exports the same file.
TEST(ClassResults, ReadsRandomRecordsOfEveryShapeAsTheStoreDoes)
{
    TempDataFolder data;
    RecordMaker maker(20261209);
    QStringList names;
    for (int i = 0; i < 400; ++i) {
        const QString name = (i % 5 ? QStringLiteral("élève ") : QStringLiteral("p")) + QString::number(i);
        data.writeBytes(QStringLiteral("sauvegardes/") + name + QStringLiteral("-qib.txt"), maker.record());
        names << name;
    }
    for (int round = 0; round < 2; ++round) {
        QList<PupilResults> rows;
        ASSERT_TRUE(ClassResults::read(names, &rows).ok());
        ASSERT_EQ(rows.size(), names.size());
        QList<PupilResults> expected;
        for (int i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows.at(i).recordName, names.at(i));
            expectSameAsTheStore(rows.at(i));
            RecordContent content;
            ASSERT_TRUE(RecordStore::readRecord(names.at(i), &content).ok());
            PupilResults row;
            row.recordName = names.at(i);
            row.name = content.header.name.isEmpty() ? names.at(i) : content.header.name;
            row.className = content.header.className;
            row.results = content.results;
            expected << row;
        }
        EXPECT_EQ(ResultsExport::csvBytes(ClassSheet::table(rows)), ResultsExport::csvBytes(ClassSheet::table(expected)));
        std::reverse(names.begin(), names.end());
    }
}

// The first record that cannot be read stops the reading: no half class.
TEST(ClassResults, AnUnreadableRecordLeavesNoRows)
{
    TempDataFolder data;
    data.addPupil(QStringLiteral("anne"), QStringLiteral("p"));
    data.addPupil(QStringLiteral("bruno"), QStringLiteral("p"));
    QList<PupilResults> rows;
    ASSERT_TRUE(ClassResults::read({QStringLiteral("anne"), QStringLiteral("bruno")}, &rows).ok());
    EXPECT_EQ(rows.size(), 2);
    const IoStatus status = ClassResults::read({QStringLiteral("anne"), QStringLiteral("absent"), QStringLiteral("bruno")}, &rows);
    EXPECT_EQ(status.errorCode(), ENOENT);
    EXPECT_TRUE(rows.isEmpty());
    EXPECT_FALSE(ClassResults::read({QStringLiteral("../sauvegardes/anne")}, &rows).ok());
    EXPECT_TRUE(rows.isEmpty());
}
