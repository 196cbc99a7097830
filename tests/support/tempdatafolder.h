#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh data folder for one test: the delivered lists, "ad.txt" for "vorne",
// an empty "sauvegardes" and a fixed today (09/12/2026). Restores nothing on
// purpose: every test makes its own.
class TempDataFolder
{
public:
    TempDataFolder();
    ~TempDataFolder();

    QString path() const;                          // ends with '/'
    QString recordFolder() const;                  // path() + "sauvegardes/"
    QString recordPath(const QString &name) const;
    // Writes raw bytes (tests that need a file byte for byte).
    void writeBytes(const QString &relativePath, const QByteArray &bytes) const;
    QByteArray readBytes(const QString &relativePath) const;
    // A record written as the program would at registration (36 groups) with the given password.
    void addPupil(const QString &name, const QString &password, const QString &className = QStringLiteral("6A")) const;

    static QStringList teachers();   // the lines of the test "profs.txt"
    static QStringList classes();    // the lines of the test "classes.txt"
    static QDate today() { return QDate(2026, 12, 9); }

private:
    QTemporaryDir m_dir;
};
