#include "records/datafolder.h"

#include <QCoreApplication>

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
}
