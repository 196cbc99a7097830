#include "support/linkeddatafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
dev_t deviceOf(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_dev : dev_t(-1);
}

QString linkText(const QString &path)
{
    char buffer[4096];
    const ssize_t n = ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer);
    return n < 0 ? QString() : QFile::decodeName(QByteArray(buffer, int(n)));
}

QStringList entriesOf(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}
}

QStringList LinkedDataFolder::linkedNames()
{
    return {QStringLiteral("ad.txt"), QStringLiteral("classes.txt"), QStringLiteral("profs.txt"), QStringLiteral("sauvegardes")};
}

LinkedDataFolder::LinkedDataFolder(const TempDataFolder &data, LinkKind kind) : m_data(data)
{
    // tmpfs under /dev/shm is another file system than the temporary folder on most machines.
    const QString shm = QStringLiteral("/dev/shm");
    if (QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() && deviceOf(shm) != deviceOf(data.path())) {
        m_shared = std::make_unique<QTemporaryDir>(shm + QStringLiteral("/tavelo-shared-XXXXXX"));
        m_otherFileSystem = m_shared->isValid();
    }
    if (!m_otherFileSystem)
        m_shared = std::make_unique<QTemporaryDir>();
    EXPECT_TRUE(m_shared->isValid());
    ::chmod(QFile::encodeName(m_shared->path()).constData(), 02775);

    for (const QString &name : linkedNames()) {
        const QString original = data.path() + name;
        const QString shared = sharedPath() + name;
        if (name == QLatin1String("sauvegardes")) {
            EXPECT_TRUE(QDir(original).removeRecursively());
            EXPECT_TRUE(QDir().mkdir(shared));
            ::chmod(QFile::encodeName(shared).constData(), 02775);
        } else {
            const QByteArray bytes = data.readBytes(name);
            QFile out(shared);
            EXPECT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(bytes);
            out.close();
            ::chmod(QFile::encodeName(shared).constData(), 0664);
            EXPECT_TRUE(QFile::remove(original));
        }
        const QString text = kind == LinkKind::Absolute ? shared : QDir(data.path()).relativeFilePath(shared);
        EXPECT_EQ(::symlink(QFile::encodeName(text).constData(), QFile::encodeName(original).constData()), 0) << name.toStdString();
    }
    m_programFolder = programFolder();
}

QString LinkedDataFolder::sharedPath() const { return m_shared->path() + QLatin1Char('/'); }

QByteArray LinkedDataFolder::sharedBytes(const QString &relativePath) const
{
    QFile f(sharedPath() + relativePath);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList LinkedDataFolder::programFolder() const
{
    QStringList out;
    for (const QString &name : entriesOf(m_data.path())) {
        const QString path = m_data.path() + name;
        out << (QFileInfo(path).isSymLink() ? name + QStringLiteral(" -> ") + linkText(path) : name);
    }
    return out;
}

QStringList LinkedDataFolder::sharedFiles() const
{
    QStringList out = entriesOf(sharedPath());
    for (const QString &name : entriesOf(sharedRecordFolder()))
        out << QStringLiteral("sauvegardes/") + name;
    return out;
}

void LinkedDataFolder::expectProgramFolderUntouched() const
{
    EXPECT_EQ(programFolder(), m_programFolder) << "the links stay links and nothing is left beside the program";
}
