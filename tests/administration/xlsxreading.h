#pragma once
// The tests' own reading of an XLSX workbook, independent of the library that
// writes one: the zip's central directory, each member inflated with zlib, then
// the first sheet's cells (shared strings resolved) by QXmlStreamReader.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QXmlStreamReader>
#include <zlib.h>

namespace XlsxReading {

// name -> uncompressed bytes; empty when the archive cannot be read.
inline QMap<QString, QByteArray> unzip(const QByteArray &zip)
{
    QMap<QString, QByteArray> members;
    const auto u16 = [&zip](qint64 at) { return at + 2 <= zip.size() ? int(uchar(zip[at]) | uchar(zip[at + 1]) << 8) : -1; };
    const auto u32 = [&](qint64 at) { return at + 4 <= zip.size() ? qint64(u16(at)) | qint64(u16(at + 2)) << 16 : -1; };
    qint64 end = zip.size() - 22;
    while (end >= 0 && u32(end) != 0x06054b50)
        --end;
    if (end < 0)
        return {};
    qint64 at = u32(end + 16);
    for (int i = 0; i < u16(end + 10); ++i) {
        if (u32(at) != 0x02014b50)
            return {};
        const int method = u16(at + 10);
        const qint64 packed = u32(at + 20), size = u32(at + 24);
        const int nameLength = u16(at + 28), extra = u16(at + 30), comment = u16(at + 32);
        const QString name = QString::fromUtf8(zip.mid(at + 46, nameLength));
        const qint64 local = u32(at + 42);
        const qint64 data = local + 30 + u16(local + 26) + u16(local + 28);
        QByteArray out(size, Qt::Uninitialized);
        if (method == 0) {
            out = zip.mid(data, size);
        } else {
            z_stream stream{};
            inflateInit2(&stream, -MAX_WBITS);
            stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(zip.constData() + data));
            stream.avail_in = uInt(packed);
            stream.next_out = reinterpret_cast<Bytef *>(out.data());
            stream.avail_out = uInt(size);
            const int result = inflate(&stream, Z_FINISH);
            inflateEnd(&stream);
            if (result != Z_STREAM_END)
                return {};
        }
        members.insert(name, out);
        at += 46 + nameLength + extra + comment;
    }
    return members;
}

struct Cell
{
    QString type;    // "s" shared string, "n" number (or empty), ...
    QString value;   // the string itself for "s"
    int style = 0;
};

// Rows of the first sheet, by row and column number from 0.
inline QMap<int, QMap<int, Cell>> sheet(const QMap<QString, QByteArray> &members)
{
    QStringList strings;
    QXmlStreamReader shared(members.value(QStringLiteral("xl/sharedStrings.xml")));
    QString current;
    while (!shared.atEnd()) {
        shared.readNext();
        if (shared.isStartElement() && shared.name() == QLatin1String("si"))
            current.clear();
        else if (shared.isStartElement() && shared.name() == QLatin1String("t"))
            current += shared.readElementText();
        else if (shared.isEndElement() && shared.name() == QLatin1String("si"))
            strings << current;
    }
    QMap<int, QMap<int, Cell>> rows;
    QXmlStreamReader xml(members.value(QStringLiteral("xl/worksheets/sheet1.xml")));
    Cell cell;
    int row = 0, column = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("c")) {
            const QString ref = xml.attributes().value(QStringLiteral("r")).toString();
            column = 0;
            int i = 0;
            for (; i < ref.size() && ref.at(i).isLetter(); ++i)
                column = column * 26 + (ref.at(i).unicode() - 'A' + 1);
            --column;
            row = ref.mid(i).toInt() - 1;
            cell = Cell{xml.attributes().value(QStringLiteral("t")).toString(), QString(),
                        xml.attributes().value(QStringLiteral("s")).toInt()};
        } else if (xml.isStartElement() && xml.name() == QLatin1String("v")) {
            const QString v = xml.readElementText();
            cell.value = cell.type == QLatin1String("s") ? strings.value(v.toInt()) : v;
            rows[row][column] = cell;
        }
    }
    return rows;
}
}
