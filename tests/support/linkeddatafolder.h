#pragma once
#include "support/tempdatafolder.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A data folder laid out as a packaged installation lays it: the program's folder
// holds symbolic links "ad.txt", "profs.txt", "classes.txt" and "sauvegardes" to a
// shared folder elsewhere (on another file system where the machine has one, as a
// file-server mount would be). The shared lists are group-writable (0664) and the
// shared folders group-writable and setgid (2775), as a school's group would share them.
//
// Built over a fresh TempDataFolder, before any pupil is added: pupils added
// afterwards go through the link.
class LinkedDataFolder
{
public:
    enum class LinkKind { Absolute, Relative };
    explicit LinkedDataFolder(const TempDataFolder &data, LinkKind kind = LinkKind::Absolute);

    QString sharedPath() const;   // ends with '/'
    QString sharedRecordFolder() const { return sharedPath() + QStringLiteral("sauvegardes/"); }
    bool onAnotherFileSystem() const { return m_otherFileSystem; }
    QByteArray sharedBytes(const QString &relativePath) const;

    // Every entry of the program's folder (hidden ones included) with, for a link, its text.
    QStringList programFolder() const;
    // Every entry of the shared folder and its record folder, hidden ones included.
    QStringList sharedFiles() const;
    // The program's folder is as it was made: the same links, each with the same text,
    // and nothing beside them.
    void expectProgramFolderUntouched() const;

    static QStringList linkedNames();   // "ad.txt", "classes.txt", "profs.txt", "sauvegardes"

private:
    const TempDataFolder &m_data;
    std::unique_ptr<QTemporaryDir> m_shared;
    bool m_otherFileSystem = false;
    QStringList m_programFolder;
};
