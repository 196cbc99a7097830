#include "administration/accountimport.h"

#include "records/cp1252.h"
#include "records/passwordhash.h"
#include "records/recordstore.h"


namespace AccountImport {
namespace {
constexpr char Tab = 9;
constexpr char Cr = 13;
constexpr char Lf = 10;

// The fields of the line being read, as the byte reader fills them.
struct LineReader
{
    int field = 1;
    QByteArray token, login, password;
    bool started = false;

    void tab()
    {
        field = field == 3 ? 1 : field + 1;
        (field == 3 ? password : login) = token;
        token.clear();
        started = true;
    }
    Line finish(int number)
    {
        Line line{number, Cp1252::decode(login), Cp1252::decode(password), Cp1252::decode(token)};
        *this = LineReader{};
        return line;
    }
};
}

QList<Line> readLines(const QByteArray &bytes)
{
    QList<Line> lines;
    LineReader reader;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char b = bytes.at(i);
        if (b == Tab) {
            reader.tab();
        } else if (b == Cr || b == Lf) {
            if (b == Cr && i + 1 < size && bytes.at(i + 1) == Lf)
                ++i;
            lines.append(reader.finish(int(lines.size()) + 1));
        } else {
            reader.token.append(b);
            reader.started = true;
        }
    }
    if (reader.started)
        lines.append(reader.finish(int(lines.size()) + 1));
    return lines;
}

QStringList replyButtons()
{
    return {QStringLiteral("&Oui"), QStringLiteral("&Non"), QStringLiteral("Non &pour tout"),
            QStringLiteral("O&ui pour tout")};
}

QString existingAccountQuestion(const QString &login)
{
    return QStringLiteral("Compte existant : ") + login + QStringLiteral(". Voulez-vous effacer l'ancien ?");
}

// The name of the record that stands for this login, ignoring letter case.
QString Importer::existingAccount(const QString &login)
{
    if (!m_listed) {
        for (const QString &name : RecordStore::listRecordNames())
            m_existing.insert(name.toCaseFolded(), name);
        m_listed = true;
    }
    return m_existing.value(login.toCaseFolded());
}

Result Importer::importLine(const Line &line, IoStatus *status)
{
    *status = IoStatus::success();
    if (!line.login.isEmpty() && !RecordStore::fitsFileName(line.login))
        return Result::NameTooLong;
    if (!RecordStore::isValidRecordName(line.login))
        return Result::InvalidName;
    if (!Cp1252::passwordRefusal(line.password).isEmpty())
        return Result::InvalidPassword;

    const QString hash = passwordHash(line.password);
    const QString existing = existingAccount(line.login);
    if (existing.isEmpty()) {
        *status = RecordStore::writeNewRecord(line.login, hash, line.className);
        if (!*status)
            return Result::Failed;
        m_existing.insert(line.login.toCaseFolded(), line.login);
        return Result::Created;
    }
    if (m_standing == Reply::Yes || m_standing == Reply::No)
        m_standing = m_ask(line.login);
    if (m_standing != Reply::Yes && m_standing != Reply::YesToAll)
        return Result::Kept;
    // The old record stays whole until the fresh one replaces it.
    *status = RecordStore::replaceWithNewRecord(existing, line.login, hash, line.className);
    if (!*status)
        return Result::Failed;
    ++m_replaced;
    m_existing.insert(line.login.toCaseFolded(), line.login);
    return Result::Replaced;
}

QString refusalText(Result result)
{
    switch (result) {
    case Result::InvalidName: return QStringLiteral("ignoré : nom invalide");
    case Result::NameTooLong: return QStringLiteral("ignoré : nom trop long");
    case Result::InvalidPassword: return QStringLiteral("ignoré : caractère non accepté dans le mot de passe");
    default: return {};
    }
}
}
