#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// A zip archive whose members are stored as they are, without compression: what
// an OpenDocument file needs ("mimetype" first and uncompressed) with no library
// beyond Qt. Each member gets a local header, the archive ends with the central
// directory and its end record. No zip64: an archive stays under 4 GiB and 65,535
// members (the results of a whole school are a few megabytes).
class StoredZip
{
public:
    // Every member is dated 'modified' (local time, to the even second as zip
    // keeps it); an invalid date gives 1 January 1980, the format's first day.
    explicit StoredZip(const QDateTime &modified = QDateTime());

    // Appends a member; names use "/" between folders, as zip wants.
    void add(const QString &name, const QByteArray &data);

    // The whole archive; empty when it would exceed the format's limits.
    QByteArray bytes() const;

    // The CRC-32 of zip (and of PNG, gzip ...): reflected polynomial 0xEDB88320.
    static quint32 crc32(const QByteArray &data);

private:
    struct Member
    {
        QByteArray name;   // UTF-8
        QByteArray data;
        quint32 crc = 0;
    };
    QList<Member> m_members;
    quint16 m_dosTime = 0;
    quint16 m_dosDate = 0;
};
