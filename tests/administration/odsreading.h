#pragma once
// The tests' own reading of an OpenDocument spreadsheet, independent of the
// code that writes one: a little unzip that goes through the central directory
// and checks each member against its local header and its CRC, and a reading of
// content.xml into rows of typed cells as a spreadsheet would see them.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QXmlStreamReader>

namespace OdsReading {

// Bit by bit, as the zip format describes it (no table shared with the writer).
inline quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data) {
        crc ^= uchar(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

struct Member
{
    QString name;
    QByteArray data;
    quint32 localOffset = 0;
    quint16 localExtraLength = 0;
    quint16 flags = 0;
};

// The archive's members in the central directory's order; false and *error when
// anything disagrees (signatures, method, sizes, CRC, names, offsets).
inline bool unzip(const QByteArray &zip, QList<Member> *members, QString *error)
{
    members->clear();
    const auto u16 = [&zip](qint64 at) -> qint64 {
        if (at < 0 || at + 2 > zip.size())
            return -1;
        return uchar(zip[at]) | uchar(zip[at + 1]) << 8;
    };
    const auto u32 = [&zip](qint64 at) -> qint64 {
        if (at < 0 || at + 4 > zip.size())
            return -1;
        return qint64(uchar(zip[at])) | qint64(uchar(zip[at + 1])) << 8 | qint64(uchar(zip[at + 2])) << 16
            | qint64(uchar(zip[at + 3])) << 24;
    };
    const auto fail = [error](const QString &why) {
        *error = why;
        return false;
    };
    // The end record: its signature, searched from the end (a comment may follow it).
    qint64 end = zip.size() - 22;
    while (end >= 0 && u32(end) != 0x06054b50)
        --end;
    if (end < 0)
        return fail(QStringLiteral("no end record"));
    const qint64 count = u16(end + 10), directorySize = u32(end + 12), directoryStart = u32(end + 16);
    const qint64 commentLength = u16(end + 20);
    if (u16(end + 8) != count || end + 22 + commentLength != zip.size())
        return fail(QStringLiteral("end record inconsistent"));
    if (directoryStart + directorySize != end)
        return fail(QStringLiteral("central directory not right before the end record"));
    qint64 at = directoryStart;
    for (qint64 i = 0; i < count; ++i) {
        if (u32(at) != 0x02014b50)
            return fail(QStringLiteral("central header %1: bad signature").arg(i));
        Member m;
        m.flags = quint16(u16(at + 8));
        const qint64 method = u16(at + 10), crc = u32(at + 16), packed = u32(at + 20), size = u32(at + 24);
        const qint64 nameLength = u16(at + 28), extraLength = u16(at + 30), commentLen = u16(at + 32);
        m.localOffset = quint32(u32(at + 42));
        if (at + 46 + nameLength > end)
            return fail(QStringLiteral("central header %1 overruns").arg(i));
        const QByteArray rawName = zip.mid(at + 46, nameLength);
        m.name = (m.flags & 0x800) ? QString::fromUtf8(rawName) : QString::fromLatin1(rawName);
        if (method != 0 || packed != size)
            return fail(m.name + QStringLiteral(": not stored"));
        // The local header must say the same.
        const qint64 local = m.localOffset;
        if (u32(local) != 0x04034b50)
            return fail(m.name + QStringLiteral(": bad local signature"));
        if (u16(local + 6) != m.flags || u16(local + 8) != method || u32(local + 14) != crc || u32(local + 18) != packed
            || u32(local + 22) != size)
            return fail(m.name + QStringLiteral(": local header differs from the central one"));
        m.localExtraLength = quint16(u16(local + 28));
        if (zip.mid(local + 30, u16(local + 26)) != rawName)
            return fail(m.name + QStringLiteral(": local name differs"));
        const qint64 dataStart = local + 30 + u16(local + 26) + m.localExtraLength;
        if (dataStart + size > directoryStart)
            return fail(m.name + QStringLiteral(": data overruns"));
        m.data = zip.mid(dataStart, size);
        if (crc32(m.data) != quint32(crc))
            return fail(m.name + QStringLiteral(": CRC mismatch"));
        members->append(m);
        at += 46 + nameLength + extraLength + commentLen;
    }
    if (at != end)
        return fail(QStringLiteral("central directory size mismatch"));
    return true;
}

inline QByteArray member(const QList<Member> &members, const QString &name)
{
    for (const Member &m : members)
        if (m.name == name)
            return m.data;
    return QByteArray("<missing>");
}

struct Cell
{
    QString valueType;   // "" for an empty cell
    QString value;       // office:value
    QString dateValue;   // office:date-value
    QString text;        // the paragraphs' text as a reader shows it
    QString style;       // table:style-name
};

struct Sheet
{
    QString name;
    QList<QList<Cell>> rows;
    QHash<QString, QString> dataStyleOf;    // cell style -> its data style
    QHash<QString, QString> fontWeightOf;   // cell style -> fo:font-weight
    QHash<QString, QString> dateStyleText;  // date style -> its parts, e.g. "day(long)/month(long)/year(long)"
    QString error;
};

namespace Ns {
inline const QString Office = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
inline const QString Style = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
inline const QString Text = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
inline const QString Table = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
inline const QString Number = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0");
inline const QString Fo = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
}

// A paragraph's text under the document format's white-space rule: runs of
// spaces, tabs and line ends read as one space, none at the paragraph's ends;
// <text:s text:c="n"/> is n spaces that always count.
inline QString readParagraph(QXmlStreamReader &xml)
{
    QString text;
    bool pendingSpace = false;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != QLatin1String("p")) {
        if (xml.hasError())
            return text;
        if (xml.isCharacters()) {
            for (const QChar c : xml.text()) {
                if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
                    pendingSpace = !text.isEmpty() && !text.endsWith(QLatin1Char(' '));
                    continue;
                }
                if (pendingSpace)
                    text += QLatin1Char(' ');
                pendingSpace = false;
                text += c;
            }
        } else if (xml.isStartElement() && xml.namespaceUri() == Ns::Text && xml.name() == QLatin1String("s")) {
            if (pendingSpace)
                text += QLatin1Char(' ');
            pendingSpace = false;
            const QString c = xml.attributes().value(Ns::Text, QStringLiteral("c")).toString();
            text += QString(c.isEmpty() ? 1 : c.toInt(), QLatin1Char(' '));
        }
    }
    return text;
}

inline Sheet readSheet(const QByteArray &contentXml)
{
    Sheet sheet;
    QXmlStreamReader xml(contentXml);
    QString currentStyle, currentDateStyle;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const auto is = [&xml](const QString &ns, const char *name) {
            return xml.namespaceUri() == ns && xml.name() == QLatin1String(name);
        };
        if (is(Ns::Style, "style")) {
            currentStyle = a.value(Ns::Style, QStringLiteral("name")).toString();
            if (a.hasAttribute(Ns::Style, QStringLiteral("data-style-name")))
                sheet.dataStyleOf.insert(currentStyle, a.value(Ns::Style, QStringLiteral("data-style-name")).toString());
        } else if (is(Ns::Style, "text-properties")) {
            sheet.fontWeightOf.insert(currentStyle, a.value(Ns::Fo, QStringLiteral("font-weight")).toString());
        } else if (is(Ns::Number, "date-style")) {
            currentDateStyle = a.value(Ns::Style, QStringLiteral("name")).toString();
            sheet.dateStyleText.insert(currentDateStyle, QString());
        } else if (xml.namespaceUri() == Ns::Number && !currentDateStyle.isEmpty()) {
            QString &parts = sheet.dateStyleText[currentDateStyle];
            if (xml.name() == QLatin1String("text"))
                parts += xml.readElementText();
            else
                parts += xml.name().toString() + QLatin1Char('(') + a.value(Ns::Number, QStringLiteral("style")).toString()
                    + QLatin1Char(')');
        } else if (is(Ns::Table, "table")) {
            sheet.name = a.value(Ns::Table, QStringLiteral("name")).toString();
        } else if (is(Ns::Table, "table-row")) {
            sheet.rows.emplaceBack();
        } else if (is(Ns::Table, "table-cell")) {
            Cell cell;
            cell.valueType = a.value(Ns::Office, QStringLiteral("value-type")).toString();
            cell.value = a.value(Ns::Office, QStringLiteral("value")).toString();
            cell.dateValue = a.value(Ns::Office, QStringLiteral("date-value")).toString();
            cell.style = a.value(Ns::Table, QStringLiteral("style-name")).toString();
            const QString repeated = a.value(Ns::Table, QStringLiteral("number-columns-repeated")).toString();
            while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != QLatin1String("table-cell")) {
                if (xml.hasError() || xml.atEnd())
                    break;
                if (xml.isStartElement() && xml.namespaceUri() == Ns::Text && xml.name() == QLatin1String("p"))
                    cell.text += readParagraph(xml);
            }
            if (sheet.rows.isEmpty())
                sheet.rows.emplaceBack();
            for (int n = repeated.isEmpty() ? 1 : repeated.toInt(); n > 0; --n)
                sheet.rows.last().append(cell);
        } else if (!is(Ns::Number, "date-style") && xml.namespaceUri() != Ns::Number) {
            currentDateStyle.clear();
        }
    }
    if (xml.hasError())
        sheet.error = xml.errorString();
    return sheet;
}
}
