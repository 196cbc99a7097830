#include "administration/storedzip.h"

#include <array>
#include <limits>

namespace {
constexpr quint32 LocalHeaderSignature = 0x04034b50;
constexpr quint32 CentralHeaderSignature = 0x02014b50;
constexpr quint32 EndRecordSignature = 0x06054b50;
constexpr quint16 VersionNeeded = 10;       // 1.0: stored members
constexpr quint16 VersionMadeBy = 20;       // 2.0, MS-DOS attributes
constexpr quint16 Utf8NamesFlag = 1 << 11;
constexpr quint16 Stored = 0;
constexpr qsizetype LocalHeaderSize = 30;
constexpr qsizetype CentralHeaderSize = 46;
constexpr qsizetype EndRecordSize = 22;

const std::array<quint32, 256> &crcTable()
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

void put16(QByteArray *out, quint16 value)
{
    out->append(char(value & 0xFF));
    out->append(char(value >> 8));
}

void put32(QByteArray *out, quint32 value)
{
    put16(out, quint16(value & 0xFFFF));
    put16(out, quint16(value >> 16));
}

bool asciiOnly(const QByteArray &name)
{
    for (const char c : name)
        if (uchar(c) >= 0x80)
            return false;
    return true;
}
}

StoredZip::StoredZip(const QDateTime &modified)
{
    m_dosDate = (0 << 9) | (1 << 5) | 1;   // 1980-01-01, 00:00:00
    if (!modified.isValid())
        return;
    const QDateTime local = modified.toLocalTime();
    const QDate d = local.date();
    const QTime t = local.time();
    if (d.year() < 1980 || d.year() > 2107)
        return;
    m_dosDate = quint16(((d.year() - 1980) << 9) | (d.month() << 5) | d.day());
    m_dosTime = quint16((t.hour() << 11) | (t.minute() << 5) | (t.second() / 2));
}

void StoredZip::add(const QString &name, const QByteArray &data)
{
    m_members.append(Member{name.toUtf8(), data, crc32(data)});
}

QByteArray StoredZip::bytes() const
{
    constexpr quint64 Limit = std::numeric_limits<quint32>::max();
    quint64 total = EndRecordSize;
    for (const Member &m : m_members) {
        if (quint64(m.data.size()) > Limit || m.name.size() > std::numeric_limits<quint16>::max())
            return {};
        total += LocalHeaderSize + CentralHeaderSize + 2 * m.name.size() + m.data.size();
    }
    if (total > Limit || m_members.size() > std::numeric_limits<quint16>::max())
        return {};

    QByteArray out;
    out.reserve(qsizetype(total));
    QList<quint32> offsets;
    offsets.reserve(m_members.size());
    const auto header = [this](QByteArray *to, const Member &m) {
        put16(to, VersionNeeded);
        put16(to, asciiOnly(m.name) ? 0 : Utf8NamesFlag);
        put16(to, Stored);
        put16(to, m_dosTime);
        put16(to, m_dosDate);
        put32(to, m.crc);
        put32(to, quint32(m.data.size()));   // compressed size: stored as is
        put32(to, quint32(m.data.size()));
        put16(to, quint16(m.name.size()));
        put16(to, 0);                         // no extra field
    };
    for (const Member &m : m_members) {
        offsets.append(quint32(out.size()));
        put32(&out, LocalHeaderSignature);
        header(&out, m);
        out.append(m.name);
        out.append(m.data);
    }
    const quint32 directoryStart = quint32(out.size());
    for (qsizetype i = 0; i < m_members.size(); ++i) {
        const Member &m = m_members.at(i);
        put32(&out, CentralHeaderSignature);
        put16(&out, VersionMadeBy);
        header(&out, m);
        put16(&out, 0);   // no comment
        put16(&out, 0);   // disk 0
        put16(&out, 0);   // internal attributes
        put32(&out, 0);   // external attributes
        put32(&out, offsets.at(i));
        out.append(m.name);
    }
    const quint32 directorySize = quint32(out.size()) - directoryStart;
    put32(&out, EndRecordSignature);
    put16(&out, 0);   // this disk
    put16(&out, 0);   // the disk where the directory starts
    put16(&out, quint16(m_members.size()));
    put16(&out, quint16(m_members.size()));
    put32(&out, directorySize);
    put32(&out, directoryStart);
    put16(&out, 0);   // no comment
    return out;
}

quint32 StoredZip::crc32(const QByteArray &data)
{
    const std::array<quint32, 256> &table = crcTable();
    quint32 c = 0xFFFFFFFFu;
    for (const char byte : data)
        c = table[(c ^ uchar(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}
