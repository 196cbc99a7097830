#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// A zip archive whose members are stored as they are, without compression: what
// an OpenDocument file needs ("mimetype" first and uncompressed). Written by
// libzip into memory, so that the caller writes the file atomically.
class StoredZip
{
public:
    // Every member is dated 'modified' (local time, to the even second as zip
    // keeps it); an invalid date gives 1 January 1980, the format's first day.
    explicit StoredZip(const QDateTime &modified = QDateTime());

    // Appends a member; names use "/" between folders, as zip wants.
    void add(const QString &name, const QByteArray &data);

    // The whole archive; empty when it has no member or libzip fails.
    QByteArray bytes() const;

private:
    struct Member
    {
        QByteArray name;   // UTF-8
        QByteArray data;
    };
    QList<Member> m_members;
    time_t m_modified = 0;
};
