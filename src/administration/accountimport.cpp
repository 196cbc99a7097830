#include "administration/accountimport.h"

#include "records/cp1252.h"
#include "records/passwordhash.h"
#include "records/recordstore.h"

#include <algorithm>
#include <QStringDecoder>


namespace AccountImport {
namespace {
constexpr char16_t Tab = 9;
constexpr char16_t Cr = 13;
constexpr char16_t Lf = 10;
constexpr char16_t Quote = '"';

struct Row
{
    int number = 0;
    QStringList fields;
};

// Cuts the text into rows of fields; 'quoted' lets a field open with a quote.
class RowReader
{
public:
    RowReader(QChar separator, bool quoted) : m_separator(separator.unicode()), m_quoted(quoted) {}

    QList<Row> read(const QString &text)
    {
        const qsizetype size = text.size();
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t c = text.at(i).unicode();
            const bool crLf = c == Cr && i + 1 < size && text.at(i + 1).unicode() == Lf;
            if (m_inQuotes)
                i += quotedCharacter(c, crLf, i + 1 < size ? text.at(i + 1).unicode() : 0);
            else if (c == Cr || c == Lf)
                i += endRow(crLf);
            else
                plainCharacter(c);
        }
        if (m_started)
            endRow(false);
        return m_rows;
    }

private:
    // Each returns how many more characters it took.
    qsizetype quotedCharacter(char16_t c, bool crLf, char16_t next)
    {
        if (c == Quote) {
            if (next == Quote) {
                m_field += QChar(Quote);
                return 1;
            }
            m_inQuotes = false;
        } else if (c == Cr || c == Lf) {
            m_field += QLatin1Char(' ');   // a record line never holds a line end
            ++m_line;
            return crLf ? 1 : 0;
        } else {
            m_field += QChar(c);
        }
        return 0;
    }
    void plainCharacter(char16_t c)
    {
        m_started = true;
        if (c == m_separator) {
            m_fields << m_field;
            m_field.clear();
            m_fieldOpen = false;
        } else if (m_quoted && c == Quote && !m_fieldOpen) {
            m_inQuotes = m_fieldOpen = true;
        } else {
            m_field += QChar(c);
            m_fieldOpen = true;
        }
    }
    qsizetype endRow(bool crLf)
    {
        m_fields << m_field;
        m_rows.append(Row{m_first, m_fields});
        m_fields.clear();
        m_field.clear();
        m_started = m_fieldOpen = m_inQuotes = false;
        m_first = ++m_line;
        return crLf ? 1 : 0;
    }

    char16_t m_separator;
    bool m_quoted;
    QList<Row> m_rows;
    QStringList m_fields;
    QString m_field;
    bool m_started = false, m_fieldOpen = false, m_inQuotes = false;
    int m_line = 1, m_first = 1;
};

// A row without header: the field counter runs 1 .. 3 and wraps; at each
// separator the token becomes the password (third position) or the login.
Line countedFields(const Row &row)
{
    Line line;
    line.number = row.number;
    int field = 1;
    for (qsizetype i = 0; i + 1 < row.fields.size(); ++i) {
        field = field == 3 ? 1 : field + 1;
        (field == 3 ? line.password : line.login) = row.fields.at(i);
    }
    line.className = row.fields.constLast();
    return line;
}

// The first column of each kind, by position.
QHash<Column, qsizetype> columnsOf(const QStringList &titles)
{
    QHash<Column, qsizetype> columns;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const Column column = columnOf(titles.at(i));
        if (column != Column::Other && !columns.contains(column))
            columns.insert(column, i);
    }
    return columns;
}

bool isHeader(const QStringList &fields)
{
    int named = 0, filled = 0;
    for (const QString &field : fields) {
        filled += field.trimmed().isEmpty() ? 0 : 1;
        named += columnOf(field) == Column::Other ? 0 : 1;
    }
    return named >= 2 || (named > 0 && named == filled);
}

Line namedFields(const Row &row, const QHash<Column, qsizetype> &columns)
{
    const auto take = [&](Column column) { return row.fields.value(columns.value(column, -1)); };
    return Line{row.number, take(Column::Login), take(Column::Password), take(Column::Class),
                take(Column::FirstName), take(Column::Surname)};
}

bool isAscii(QByteArrayView bytes)
{
    for (char b : bytes)
        if (uchar(b) >= 0x80)
            return false;
    return true;
}

// Lower case, without accents nor outer spaces, one kind of apostrophe.
QString folded(const QString &title)
{
    QString out;
    for (QChar c : title.trimmed().toLower().normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            out += c == QChar(0x2019) ? QLatin1Char('\'') : c;
    return out;
}
}

QString decodeText(const QByteArray &bytes, Encoding *encoding)
{
    Encoding found = Encoding::Cp1252;
    QString text;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        found = Encoding::Utf16;
        text = QStringDecoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                              QStringConverter::Flag::Stateless)(QByteArrayView(bytes).sliced(2));
    } else {
        const QByteArrayView body = bytes.startsWith("\xEF\xBB\xBF") ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        if (!isAscii(body)) {
            text = utf8(body);
            found = utf8.hasError() ? Encoding::Cp1252 : Encoding::Utf8;
        }
        if (found == Encoding::Cp1252)
            text = Cp1252::decode(body);
    }
    if (encoding)
        *encoding = found;
    return text;
}

QChar detectSeparator(QStringView firstLine)
{
    if (firstLine.contains(QLatin1Char('\t')))
        return QLatin1Char('\t');
    const qsizetype semicolons = firstLine.count(QLatin1Char(';'));
    const qsizetype commas = firstLine.count(QLatin1Char(','));
    if (semicolons == 0 && commas == 0)
        return QLatin1Char('\t');
    return semicolons >= commas ? QLatin1Char(';') : QLatin1Char(',');
}

Column columnOf(const QString &title)
{
    static const QHash<QString, Column> names{
        {QStringLiteral("login"), Column::Login},           {QStringLiteral("identifiant"), Column::Login},
        {QStringLiteral("nom d'utilisateur"), Column::Login}, {QStringLiteral("mot de passe"), Column::Password},
        {QStringLiteral("mdp"), Column::Password},          {QStringLiteral("password"), Column::Password},
        {QStringLiteral("classe"), Column::Class},          {QStringLiteral("division"), Column::Class},
        {QStringLiteral("nom"), Column::Surname},           {QStringLiteral("prenom"), Column::FirstName},
    };
    return names.value(folded(title), Column::Other);
}

FileContent readFile(const QByteArray &bytes)
{
    FileContent content;
    const QString text = decodeText(bytes, &content.encoding);
    const auto firstEnd = std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c == QChar(Cr) || c == QChar(Lf); });
    content.separator = detectSeparator(QStringView(text.cbegin(), firstEnd));
    const bool spreadsheet = content.separator != QLatin1Char('\t');
    QList<Row> rows = RowReader(content.separator, spreadsheet).read(text);
    if (spreadsheet)
        for (Row &row : rows)
            for (QString &field : row.fields)
                field = field.trimmed();
    content.header = !rows.isEmpty() && isHeader(rows.constFirst().fields);
    const QHash<Column, qsizetype> columns = content.header ? columnsOf(rows.constFirst().fields) : QHash<Column, qsizetype>{};
    for (qsizetype i = content.header ? 1 : 0; i < rows.size(); ++i)
        content.lines.append(content.header ? namedFields(rows.at(i), columns) : countedFields(rows.at(i)));
    return content;
}

QList<Line> readLines(const QByteArray &bytes) { return readFile(bytes).lines; }

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
    case Result::InvalidName: return QStringLiteral("refusé : nom invalide");
    case Result::NameTooLong: return QStringLiteral("refusé : nom trop long");
    case Result::InvalidPassword: return QStringLiteral("refusé : caractère non accepté dans le mot de passe");
    default: return {};
    }
}
}
