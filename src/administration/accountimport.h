#pragma once
#include "records/iostatus.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// The account import: a list of pupils as a teacher has it, either the historic
// "login TAB password TAB class" lines in Windows-1252, or a spreadsheet saved as
// text (UTF-8 or Windows-1252, ";" or "," between quoted fields, a header line).
namespace AccountImport {

struct Line
{
    int number = 0;     // the file's line where the entry starts, from 1
    QString login;
    QString password;
    QString className;
    QString firstName;  // from a "prénom" column
    QString surname;    // from a "nom" column
};

enum class Encoding { Cp1252, Utf8, Utf16 };

// The file as it was understood.
struct FileContent
{
    Encoding encoding = Encoding::Cp1252;
    QChar separator = QLatin1Char('\t');
    bool header = false;
    QList<Line> lines;
};

// The file's text: a byte-order mark is dropped; a UTF-16 mark or a file that is
// valid UTF-8 and not plain ASCII is read as such, any other as Windows-1252.
QString decodeText(const QByteArray &bytes, Encoding *encoding = nullptr);

// The separator of a file whose first line this is: a TAB when the line holds
// one, else the more frequent of ";" and ",", else a TAB.
QChar detectSeparator(QStringView firstLine);

// What a header's column holds, from its title (case, accents and outer spaces
// aside): "login", "identifiant", "nom d'utilisateur"; "mot de passe", "mdp",
// "password"; "classe", "division"; "nom"; "prénom".
enum class Column { Other, Login, Password, Class, Surname, FirstName };
Column columnOf(const QString &title);

// Reads the whole file. A line ends with CR LF, a lone CR or a lone LF; a last
// line without line end counts too. With ";" or "," a field may be quoted as
// spreadsheets write it ("" stands for a quote, a line end inside becomes a
// space) and fields lose their outer spaces; TAB-separated fields are taken whole.
// A first line made of column names is a header; without one the fields are
// login, password, class, and after the third a TAB wraps to the login again
// ("a TAB b TAB c TAB d" gives login c, password b, class d).
FileContent readFile(const QByteArray &bytes);
QList<Line> readLines(const QByteArray &bytes);   // readFile(bytes).lines

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
