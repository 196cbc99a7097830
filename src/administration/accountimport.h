#pragma once
#include "records/iostatus.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>

// The account import: a file of lines "login TAB password TAB class" in
// Windows-1252, read byte by byte.
namespace AccountImport {

struct Line
{
    int number = 0;     // from 1
    QString login;
    QString password;
    QString className;
};

// Splits the file into lines. A line ends with CR LF, a lone CR or a lone LF; a
// last line without line end counts too. A TAB moves to the next field; after the
// third field it wraps to the login again ("a TAB b TAB c TAB d" gives login c,
// password b, class d).
QList<Line> readLines(const QByteArray &bytes);

// The answers to "Compte existant : ...", in the order of the buttons.
enum class Reply { Yes, No, NoToAll, YesToAll };
QStringList replyButtons();   // "&Oui", "&Non", "Non &pour tout", "O&ui pour tout"
QString existingAccountQuestion(const QString &login);

// What became of one line.
enum class Result {
    Created,         // a fresh record was written
    Replaced,        // the existing account was replaced at once by a fresh record
    Kept,            // an existing account was left as it was
    InvalidName,     // nothing created nor deleted: the login cannot be a record name
    NameTooLong,     // nothing created nor deleted: the file name would exceed 255 bytes
    InvalidPassword, // nothing created nor deleted: a character the digest cannot take
    Failed           // the record could not be written (see status)
};

// Creates the accounts one line after the other, asking before replacing an
// existing one until an answer "for all" is given.
class Importer
{
public:
    using Ask = std::function<Reply(const QString &login)>;
    explicit Importer(Ask ask) : m_ask(std::move(ask)) {}

    Result importLine(const Line &line, IoStatus *status);
    int replacedCount() const { return m_replaced; }

private:
    QString existingAccount(const QString &login);

    Ask m_ask;
    // The record names by their case-folded form, read once per import.
    QHash<QString, QString> m_existing;
    bool m_listed = false;
    Reply m_standing = Reply::No;
    int m_replaced = 0;
};

// The text of the class column for a line that was not imported ("" otherwise).
QString refusalText(Result result);
}
