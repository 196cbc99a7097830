#include "support/tempdatafolder.h"

#include "records/clock.h"
#include "records/datafolder.h"
#include "records/passwordhash.h"
#include "records/recordstore.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TempDataFolder::TempDataFolder()
{
    EXPECT_TRUE(m_dir.isValid());
    QDir(m_dir.path()).mkdir(QStringLiteral("sauvegardes"));
    writeBytes(QStringLiteral("profs.txt"), "Mme Laurent\r\nM. Besson\r\nMme Okafor\r\n");
    writeBytes(QStringLiteral("classes.txt"), "6A\r\n6B\r\n5A\r\n");
    writeBytes(QStringLiteral("ad.txt"), "5c40f2c430d8ad2b972544b058131dc3\r\n");
    DataFolder::setPath(path());
    Clock::setFixedDate(today());
    student() = StudentRecord{};
    login() = LoginContext{};
}

TempDataFolder::~TempDataFolder()
{
    // Read-only record files must not stop the folder's removal.
    QDir records(recordFolder());
    for (const QString &f : records.entryList(QDir::Files | QDir::Hidden | QDir::System))
        QFile::setPermissions(records.filePath(f), QFile::ReadOwner | QFile::WriteOwner);
}

QString TempDataFolder::path() const { return m_dir.path() + QLatin1Char('/'); }
QString TempDataFolder::recordFolder() const { return path() + QStringLiteral("sauvegardes/"); }
QString TempDataFolder::recordPath(const QString &name) const { return recordFolder() + name + QStringLiteral("-qib.txt"); }

void TempDataFolder::writeBytes(const QString &relativePath, const QByteArray &bytes) const
{
    QFile f(path() + relativePath);
    if (f.exists())
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << relativePath.toStdString();
    f.write(bytes);
}

QByteArray TempDataFolder::readBytes(const QString &relativePath) const
{
    QFile f(path() + relativePath);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void TempDataFolder::addPupil(const QString &name, const QString &password, const QString &className) const
{
    ASSERT_TRUE(RecordStore::writeNewRecord(name, passwordHash(password), className).ok()) << name.toStdString();
}

QStringList TempDataFolder::teachers() { return {QStringLiteral("Mme Laurent"), QStringLiteral("M. Besson"), QStringLiteral("Mme Okafor")}; }
QStringList TempDataFolder::classes() { return {QStringLiteral("6A"), QStringLiteral("6B"), QStringLiteral("5A")}; }
