#include "records/datafolder.h"

#include "records/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace DataFolder {
namespace {
QString &overridden()
{
    static QString folder;
    return folder;
}

QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
}

QString path()
{
    if (!overridden().isEmpty())
        return overridden();
    return withSlash(QCoreApplication::applicationDirPath());
}

void setPath(const QString &folder) { overridden() = folder.isEmpty() ? QString() : withSlash(folder); }

QString recordFolder() { return path() + QStringLiteral("sauvegardes/"); }
QString teacherListPath() { return path() + QStringLiteral("profs.txt"); }
QString classListPath() { return path() + QStringLiteral("classes.txt"); }
QString adminPasswordPath() { return path() + QStringLiteral("ad.txt"); }
QString registrationMarkerPath() { return recordFolder() + QStringLiteral("aaadmin-qib.bin"); }

bool makeFolder(const QString &folder)
{
    QString named = folder;
    while (named.size() > 1 && named.endsWith(QLatin1Char('/')))
        named.chop(1);
    QString target;
    if (!TextFile::linkedFile(named, &target))
        return false;
    const QByteArray native = QFile::encodeName(target);
    struct stat info;
    if (::stat(native.constData(), &info) == 0)
        return S_ISDIR(info.st_mode);
    if (::mkdir(native.constData(), 0777) != 0 && errno != EEXIST && !QDir().mkpath(target))
        return false;
    // The folder that holds it says who shares it.
    struct stat parent;
    const qsizetype slash = native.lastIndexOf('/');
    const QByteArray parentPath = slash > 0 ? native.left(slash) : QByteArrayLiteral("/");
    if (::stat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    if (slash >= 0 && ::stat(parentPath.constData(), &parent) == 0 && (parent.st_mode & S_IWGRP)
        && !(info.st_mode & S_IWGRP))
        ::chmod(native.constData(), (info.st_mode & 07777) | S_IRGRP | S_IWGRP | S_IXGRP);
    return true;
}
}
