#include "administration/importpreview.h"

#include "records/cp1252.h"
#include "records/recordstore.h"

#include <QRandomGenerator>
#include <QSet>

namespace ImportPreview {
namespace {
// The letters of a name fit for a login, each word capitalised.
QString loginLetters(const QString &name)
{
    QString letters;
    bool wordStart = true;
    for (const QChar c : name) {
        QChar letter = c;
        if (c.isLetter() && !Cp1252::canEncode(c))
            letter = QString(c).normalized(QString::NormalizationForm_D).at(0);
        if (!letter.isLetter() || !Cp1252::canEncode(letter) || !RecordStore::isRecordNameCharacter(letter)) {
            wordStart = true;
            continue;
        }
        letters += wordStart ? letter.toUpper() : letter.toLower();
        wordStart = false;
    }
    return letters;
}

bool isBlank(const AccountImport::Line &line)
{
    for (const QString *field : {&line.login, &line.password, &line.className, &line.firstName, &line.surname})
        if (!field->trimmed().isEmpty())
            return false;
    return true;
}
}

QString makeLogin(const QString &firstName, const QString &surname, const std::function<bool(const QString &)> &taken)
{
    const QString first = loginLetters(firstName);
    const QString last = loginLetters(surname);
    const auto free = [&](const QString &login) { return !taken(login) && RecordStore::isValidRecordName(login); };
    for (int k = first.isEmpty() ? 1 : 0; k <= qMin<qsizetype>(last.size(), MaxLoginLetters); ++k) {
        const QString login = first.left(MaxLoginLetters - k) + last.left(k);
        if (free(login))
            return login;
    }
    const QString base = first + last;
    if (base.isEmpty())
        return {};
    for (int n = 2;; ++n) {
        const QString number = QString::number(n);
        const QString login = base.left(MaxLoginLetters - number.size()) + number;
        if (free(login))
            return login;
    }
}

QString makePassword(QRandomGenerator &random)
{
    static const QString consonants = QStringLiteral("bcdfghjkmnprstvz");
    static const QString vowels = QStringLiteral("aeiu");
    static const QString digits = QStringLiteral("23456789");
    QString password;
    for (const QString *set : {&consonants, &vowels, &consonants, &vowels, &digits, &digits})
        password += set->at(random.bounded(int(set->size())));
    return password;
}

QList<Account> prepare(const AccountImport::FileContent &file, QRandomGenerator &random)
{
    QSet<QString> taken;
    for (const QString &name : RecordStore::listRecordNames())
        taken.insert(name.toCaseFolded());
    for (const AccountImport::Line &line : file.lines)
        taken.insert(line.login.toCaseFolded());

    QList<Account> accounts;
    for (const AccountImport::Line &line : file.lines) {
        if (isBlank(line))
            continue;
        Account account{line};
        if (file.header && line.login.isEmpty() && !fullName(line).isEmpty()) {
            account.line.login = makeLogin(line.firstName, line.surname,
                                           [&](const QString &login) { return taken.contains(login.toCaseFolded()); });
            taken.insert(account.line.login.toCaseFolded());
            account.madeLogin = true;
        }
        if (file.header && line.password.isEmpty()) {
            account.line.password = makePassword(random);
            account.madePassword = true;
        }
        accounts.append(account);
    }
    return accounts;
}

void classify(QList<Account> &accounts, const QStringList &classes)
{
    QSet<QString> existing, seen;
    for (const QString &name : RecordStore::listRecordNames())
        existing.insert(name.toCaseFolded());
    for (Account &account : accounts) {
        const QString &login = account.line.login;
        const QString &className = account.line.className;
        if (login.isEmpty())
            account.status = Status::EmptyLogin;
        else if (!RecordStore::fitsFileName(login))
            account.status = Status::NameTooLong;
        else if (!RecordStore::isValidRecordName(login))
            account.status = Status::InvalidName;
        else if (seen.contains(login.toCaseFolded()))
            account.status = Status::Duplicate;
        else if (!Cp1252::passwordRefusal(account.line.password).isEmpty())
            account.status = Status::BadPassword;
        else if (!classes.contains(className))
            account.status = className.isEmpty() ? Status::NoClass : Status::UnknownClass;
        else
            account.status = existing.contains(login.toCaseFolded()) ? Status::Existing : Status::New;
        if (!login.isEmpty())
            seen.insert(login.toCaseFolded());
    }
}

bool willImport(Status status) { return status == Status::New || status == Status::Existing; }

QString statusText(Status status)
{
    switch (status) {
    case Status::New: return QStringLiteral("nouveau");
    case Status::Existing: return QStringLiteral("existant : question à l'import");
    case Status::EmptyLogin: return QStringLiteral("refusé : identifiant vide");
    case Status::InvalidName: return QStringLiteral("refusé : nom invalide");
    case Status::NameTooLong: return QStringLiteral("refusé : nom trop long");
    case Status::Duplicate: return QStringLiteral("refusé : en double dans le fichier");
    case Status::BadPassword: return QStringLiteral("refusé : caractère non accepté dans le mot de passe");
    case Status::NoClass: return QStringLiteral("refusé : classe vide");
    case Status::UnknownClass: return QStringLiteral("refusé : classe inconnue");
    }
    return {};
}

QString fullName(const AccountImport::Line &line)
{
    QStringList names{line.firstName.trimmed(), line.surname.trimmed()};
    names.removeAll(QString());
    return names.join(QLatin1Char(' '));
}
}
