#include "records/recordstore.h"

#include "records/cp1252.h"
#include "records/datafolder.h"
#include "records/frenchorder.h"
#include "records/systemcalls.h"
#include "records/textfile.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <bit>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString RecordEnding = QStringLiteral("-qib.txt");
constexpr int HeaderLines = 4;
constexpr int LinesPerGroup = 4;
constexpr int SavedLineCount = HeaderLines + LinesPerGroup * CompetenceCount;   // 120
constexpr int MaxFileNameBytes = 255;   // the longest file name the file systems in use accept
// A record (or the marker) that is a symbolic link is read and written only when
// the link ends in the record folder itself: nothing outside it is a record.
constexpr TextFile::Links InRecordFolder = TextFile::Links::WithinFolder;

// A line of a list read past its end is empty.
QString lineAt(const QStringList &lines, int index)
{
    return index < lines.size() ? lines.at(index) : QString();
}

// A record as the program writes it with 29 groups: "nom", a digest of 32
// lowercase hexadecimal digits, "oui" or "non" on every status line, 120 lines and
// a final line end. A file cut short or scribbled on is none of these.
bool endsWholeAfterGroup29(const QByteArray &bytes, const QStringList &lines)
{
    if (lines.size() != SavedLineCount || !(bytes.endsWith('\n') || bytes.endsWith('\r'))
        || lines.at(0) != QLatin1String("nom"))
        return false;
    const QString &hash = lines.at(2);
    if (hash.size() != 32)
        return false;
    for (QChar c : hash)
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))))
            return false;
    for (int n = 1; n <= CompetenceCount; ++n) {
        const QString &status = lines.at(HeaderLines + LinesPerGroup * (n - 1) + 1);
        if (status != QLatin1String("oui") && status != QLatin1String("non"))
            return false;
    }
    return true;
}

// Fills results from the groups of a record's lines, by position alone.
void readGroups(const QStringList &lines, std::array<CompetenceResult, CompetenceCount> *results)
{
    for (int n = 1; n <= CompetenceCount; ++n) {
        CompetenceResult &r = (*results)[n - 1];
        const int label = HeaderLines + LinesPerGroup * (n - 1);
        const QString status = lineAt(lines, label + 1);
        if (status == QLatin1String("non"))
            r.acquired = false;
        else if (status == QLatin1String("oui"))
            r.acquired = true;
        r.date = lineAt(lines, label + 2);
        r.validator = lineAt(lines, label + 3);
        r.number = n;
    }
}

QStringList recordLines(const RecordHeader &header,
                        const std::array<CompetenceResult, CompetenceCount> &results, GroupLabel label,
                        int groups)
{
    QStringList lines{QStringLiteral("nom"), header.name, header.hash, header.className};
    const QString word = RecordStore::groupLabelWord(label);
    for (int n = 1; n <= groups; ++n) {
        lines << word + QString::number(n);
        if (n <= CompetenceCount) {
            const CompetenceResult &r = results[n - 1];
            lines << (r.acquired ? QStringLiteral("oui") : QStringLiteral("non")) << r.date << r.validator;
        } else {
            lines << QStringLiteral("non") << QString() << QString();
        }
    }
    return lines;
}

IoStatus writeStudent(const QString &name)
{
    RecordStore::ensureRecordFolder();
    const StudentRecord &s = student();
    const QStringList lines = recordLines({s.name, s.hash, s.className}, s.results, GroupLabel::Competence,
                                          CompetenceCount);
    return TextFile::writeAtomically(RecordStore::recordPath(name), TextFile::joinLines(lines), true, InRecordFolder);
}

// Only regular files are records: a folder or a device named "x-qib.txt" is not a
// pupil, nor a link that leads out of the record folder.
bool isRegularFile(DIR *dir, const dirent *entry)
{
    if (entry->d_type == DT_REG)
        return true;
    if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK)
        return false;
    struct stat info;
    if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    if (!S_ISLNK(info.st_mode))
        return S_ISREG(info.st_mode);
    QString end;
    return TextFile::linkedFile(DataFolder::recordFolder() + QFile::decodeName(entry->d_name), &end, InRecordFolder)
           && ::stat(QFile::encodeName(end).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// The bytes of the first `count` lines, line ends included: only they need decoding.
// Reads the file once and no further than those lines. A header line longer than
// MaxHeaderLine bytes only comes from a damaged file: the bytes stop before it, so
// it and the lines after it read as empty, as lines past the end of a file do.
IoStatus readFirstLines(int fd, int count, QByteArray *bytes)
{
    constexpr qsizetype MaxHeaderLine = 4096;
    char buffer[4096];
    qsizetype lineStart = 0;
    int ends = 0;
    bool afterCr = false;
    while (ends < count) {
        const ssize_t n = SystemCalls::current().read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return IoStatus::failure(errno ? errno : EIO);
        if (n == 0)
            break;
        for (ssize_t i = 0; i < n && ends < count; ++i) {
            const char c = buffer[i];
            const bool lfOfCrLf = c == '\n' && afterCr;
            afterCr = c == '\r';
            bytes->append(c);
            if (lfOfCrLf) {
                lineStart = bytes->size();
            } else if (c == '\r' || c == '\n') {
                ++ends;
                lineStart = bytes->size();
            } else if (bytes->size() - lineStart > MaxHeaderLine) {
                bytes->truncate(lineStart);   // damaged: stop before this line
                return IoStatus::success();
            }
        }
    }
    return IoStatus::success();
}

// The file name of record `name` as recordPath() names it, in UTF-8 as
// QFile::encodeName gives it, built in *out (whose room is kept from one record
// to the next); false for a name that is no single file name of the folder.
bool recordFileName(const QString &name, QByteArray *out)
{
    static constexpr char Ending[] = "-qib.txt";
    constexpr qsizetype EndingSize = sizeof Ending - 1;
    out->resize(name.size() * 3 + EndingSize);
    char *p = out->data();
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        if (c == u'/' || c == 0)
            return false;
        if (c < 0x80) {
            *p++ = char(c);
        } else if (c < 0x800) {
            *p++ = char(0xC0 | (c >> 6));
            *p++ = char(0x80 | (c & 0x3F));
        } else if (QChar::isSurrogate(c)) {
            // Rare: Qt pairs them, once the rest of the name is known to be one name.
            if (name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
                return false;
            *out = QFile::encodeName(name + RecordEnding);
            return true;
        } else {
            *p++ = char(0xE0 | (c >> 12));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
            *p++ = char(0x80 | (c & 0x3F));
        }
    }
    std::memcpy(p, Ending, EndingSize);
    out->resize(p + EndingSize - out->constData());   // and ended by a NUL, as QByteArray always is
    return true;
}

// 0x80 in every byte of `word` that is a CR or an LF, 0 in the others: a byte
// equal to CR is a zero byte of the word xor-ed with CR in every byte (LF
// alike), and ~(((v & 0x7F..) + 0x7F..) | v | 0x7F..) marks exactly the zero
// bytes of v (no carry crosses a byte).
quint64 lineEndBytes(quint64 word)
{
    constexpr quint64 Ones = 0x0101010101010101ULL;
    constexpr quint64 Low7 = Ones * 0x7F;
    const auto zeros = [](quint64 v) { return ~(((v & Low7) + Low7) | v | Low7); };
    return zeros(word ^ (Ones * '\r')) | zeros(word ^ (Ones * '\n'));
}

// The first `count` lines of a file.
IoStatus readHead(const QString &path, int count, QStringList *lines, TextFile::Links links = InRecordFolder)
{
    lines->clear();
    SystemCalls::Table &sys = SystemCalls::current();
    int fd = -1;
    const IoStatus opened = TextFile::openForReading(path, links, &fd);
    if (!opened)
        return opened;
    QByteArray bytes;
    IoStatus status = readFirstLines(fd, count, &bytes);
    if (sys.close(fd) != 0 && status.ok())
        status = IoStatus::failure(errno ? errno : EIO);
    if (status.ok())
        *lines = TextFile::splitLines(bytes).mid(0, count);
    return status;
}
}

void StudentRecord::clearResults()
{
    for (int n = 1; n <= CompetenceCount; ++n)
        results[n - 1] = CompetenceResult{n, false, {}, {}};
}

StudentRecord &student()
{
    static StudentRecord record = [] {
        StudentRecord r;
        r.clearResults();
        return r;
    }();
    return record;
}

LoginContext &login()
{
    static LoginContext context;
    return context;
}

namespace RecordStore {

int splitLines(QByteArrayView bytes, QByteArrayView *lines, int count)
{
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    int found = 0;
    qsizetype start = 0;   // of the line being read
    // A CR or an LF at `end`; false once `count` lines are found.
    const auto lineEnd = [&](qsizetype end) {
        if (end < start)
            return true;   // the LF of a CR LF
        lines[found++] = QByteArrayView(data + start, end - start);
        start = end + (data[end] == '\r' && end + 1 < size && data[end + 1] == '\n' ? 2 : 1);
        return found < count;
    };
    bool more = count > 0;
    qsizetype i = 0;
    // Eight bytes at a time, every line end of them in order.
    for (; more && i + 8 <= size; i += 8)
        for (quint64 ends = lineEndBytes(qFromLittleEndian<quint64>(data + i)); more && ends; ends &= ends - 1)
            more = lineEnd(i + std::countr_zero(ends) / 8);
    for (; more && i < size; ++i)
        if (data[i] == '\r' || data[i] == '\n')
            more = lineEnd(i);
    if (more && start < size)
        lines[found++] = QByteArrayView(data + start, size - start);   // the last line, unended
    for (int k = found; k < count; ++k)
        lines[k] = QByteArrayView();
    return found;
}

QString groupLabelWord(GroupLabel label)
{
    switch (label) {
    case GroupLabel::Competence: return QStringLiteral("competence ");
    case GroupLabel::CompetenceAccent: return QStringLiteral("compétence ");
    case GroupLabel::Exercice: return QStringLiteral("exercice ");
    }
    return {};
}

QString recordPath(const QString &name) { return DataFolder::recordFolder() + name + RecordEnding; }

QString recordNameOf(const QString &fileName)
{
    return fileName.endsWith(RecordEnding) ? fileName.left(fileName.size() - RecordEnding.size()) : fileName;
}

bool isRecordNameCharacter(QChar c)
{
    // The record folder is copied to and from Windows file servers: what a
    // Windows file name cannot hold is refused too.
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    return !forbidden.contains(c) && c.category() != QChar::Other_Control && Cp1252::canEncode(c);
}

bool isValidRecordName(const QString &name)
{
    // A name starting with a dot would be a hidden file, and no pupil types one.
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || !fitsFileName(name))
        return false;
    for (QChar c : name)
        if (!isRecordNameCharacter(c))
            return false;
    return true;
}

bool fitsFileName(const QString &name)
{
    return QFile::encodeName(name + RecordEnding).size() <= MaxFileNameBytes;
}

void ensureRecordFolder() { DataFolder::makeFolder(DataFolder::recordFolder()); }

QStringList listRecordNames()
{
    ensureRecordFolder();
    QStringList names;
    DIR *dir = ::opendir(QFile::encodeName(DataFolder::recordFolder()).constData());
    if (!dir)
        return names;
    // Hidden ones included; the disk's order means nothing to a pupil looking for his name.
    while (const dirent *entry = ::readdir(dir)) {
        const QString fileName = QFile::decodeName(entry->d_name);
        if (fileName.endsWith(RecordEnding) && isRegularFile(dir, entry))
            names << recordNameOf(fileName);
    }
    ::closedir(dir);
    FrenchOrder::sort(&names);
    return names;
}

QString existingNameIgnoringCase(const QString &name)
{
    const QStringList names = listRecordNames();
    for (const QString &existing : names)
        if (existing.compare(name, Qt::CaseInsensitive) == 0)
            return existing;
    return {};
}

IoStatus loadPupilRecord(const QString &name, bool *rewritten)
{
    if (rewritten)
        *rewritten = false;
    // Whatever happens next, the record in memory no longer holds the previous pupil.
    student() = StudentRecord{};
    student().clearResults();
    QStringList lines;
    QByteArray bytes;
    const IoStatus status = TextFile::readBytes(recordPath(name), &bytes, InRecordFolder);
    if (!status.ok())
        return status;
    lines = TextFile::splitLines(bytes);
    StudentRecord &s = student();
    s.clearResults();
    s.name = lineAt(lines, 1);
    s.hash = lineAt(lines, 2);
    s.className = lineAt(lines, 3);
    readGroups(lines, &s.results);
    // A whole record that ends with the 29th group is written back at once in the
    // saved form; a longer one (a fresh 36-group record) is left as it is, and so
    // is a damaged one, read as far as it goes.
    if (endsWholeAfterGroup29(bytes, lines)) {
        if (rewritten)
            *rewritten = true;
        return writeStudent(name);
    }
    return IoStatus::success();
}

IoStatus readRecordHeader(const QString &name, RecordHeader *header)
{
    QStringList lines;
    const IoStatus status = readHead(recordPath(name), HeaderLines, &lines);
    if (status.ok())
        *header = RecordHeader{lineAt(lines, 1), lineAt(lines, 2), lineAt(lines, 3)};
    return status;
}

IoStatus readRecord(const QString &name, RecordContent *content)
{
    QStringList lines;
    const IoStatus status = TextFile::readLines(recordPath(name), &lines, InRecordFolder);
    if (!status.ok())
        return status;
    content->header = RecordHeader{lineAt(lines, 1), lineAt(lines, 2), lineAt(lines, 3)};
    for (int n = 1; n <= CompetenceCount; ++n)
        content->results[n - 1] = CompetenceResult{n, false, {}, {}};
    readGroups(lines, &content->results);
    content->lineCount = int(lines.size());
    return status;
}

IoStatus readRecordClass(const QString &name, QString *className)
{
    QStringList lines;
    const IoStatus status = readHead(recordPath(name), HeaderLines, &lines);
    if (status.ok())
        *className = lineAt(lines, 3);
    return status;
}

IoStatus readRecordStatuses(const QString &name, std::array<bool, CompetenceCount> *acquired)
{
    acquired->fill(false);
    QByteArray bytes;
    const IoStatus status = TextFile::readBytes(recordPath(name), &bytes, InRecordFolder);
    if (!status.ok())
        return status;
    // Scan line by line without building strings: status lines are 4N + 1 (0-based 4N + 1).
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    int line = 0;
    const int lastStatusLine = HeaderLines + LinesPerGroup * (CompetenceCount - 1) + 1;
    for (qsizetype i = 0; i <= size && line <= lastStatusLine; ++i) {
        if (i < size && data[i] != '\r' && data[i] != '\n')
            continue;
        if (line >= HeaderLines && (line - HeaderLines) % LinesPerGroup == 1) {
            const int n = (line - HeaderLines) / LinesPerGroup;
            (*acquired)[n] = (i - start == 3 && data[start] == 'o' && data[start + 1] == 'u' && data[start + 2] == 'i');
        }
        if (i < size && data[i] == '\r' && i + 1 < size && data[i + 1] == '\n')
            ++i;
        start = i + 1;
        ++line;
        if (i >= size)
            break;
    }
    return status;
}

IoStatus savePupilRecord()
{
    if (login().pupilName.isEmpty())
        return IoStatus::success();
    return writeStudent(login().pupilName);
}

IoStatus writeNewRecord(const QString &name, const QString &hash, const QString &className)
{
    if (!isValidRecordName(name))
        return IoStatus::failure(EACCES);
    if (!existingNameIgnoringCase(name).isEmpty())
        return IoStatus::failure(EEXIST);
    std::array<CompetenceResult, CompetenceCount> none;
    const QStringList lines = recordLines({name, hash, className}, none, GroupLabel::CompetenceAccent, FreshRecordGroups);
    const IoStatus created = TextFile::createExclusively(recordPath(name), TextFile::joinLines(lines), true);
    if (!created)
        return created;
    // Another workstation may have created a case twin ("zoe" beside "ZOE") since
    // the look above: then neither may stay as a second record of one pupil.
    for (const QString &existing : listRecordNames()) {
        if (existing != name && existing.compare(name, Qt::CaseInsensitive) == 0) {
            deleteRecordFile(name);
            return IoStatus::failure(EEXIST);
        }
    }
    return created;
}

IoStatus writeRecord(const QString &name, const RecordHeader &header,
                     const std::array<CompetenceResult, CompetenceCount> &results, GroupLabel label)
{
    ensureRecordFolder();
    const QStringList lines = recordLines(header, results, label, CompetenceCount);
    return TextFile::writeAtomically(recordPath(name), TextFile::joinLines(lines), true, InRecordFolder);
}

IoStatus changePassword(const QString &name, const QString &newHash)
{
    QStringList lines;
    const IoStatus status = TextFile::readLines(recordPath(name), &lines, InRecordFolder);
    if (!status.ok())
        return status;
    QStringList out{lineAt(lines, 0), lineAt(lines, 1), newHash};
    for (int i = 3; i < SavedLineCount; ++i)
        out << lineAt(lines, i);
    return TextFile::writeAtomically(recordPath(name), TextFile::joinLines(out), false, InRecordFolder);
}

IoStatus replaceWithNewRecord(const QString &existing, const QString &name, const QString &hash,
                              const QString &className)
{
    if (!isValidRecordName(name))
        return IoStatus::failure(EACCES);
    std::array<CompetenceResult, CompetenceCount> none;
    const QStringList lines = recordLines({name, hash, className}, none, GroupLabel::CompetenceAccent, FreshRecordGroups);
    // One rename puts the fresh record in place: until then the old one is whole.
    const IoStatus status = TextFile::writeAtomically(recordPath(name), TextFile::joinLines(lines), true, InRecordFolder);
    if (!status.ok() || existing == name)
        return status;
    // The old account differed by letter case only. Where the file system ignores
    // case both paths are the fresh file, which must stay.
    struct stat fresh, old;
    if (::stat(QFile::encodeName(recordPath(name)).constData(), &fresh) == 0
        && ::stat(QFile::encodeName(recordPath(existing)).constData(), &old) == 0
        && (fresh.st_dev != old.st_dev || fresh.st_ino != old.st_ino))
        deleteRecordFile(existing);
    return status;
}

IoStatus deleteRecordFile(const QString &name)
{
    const QString path = recordPath(name);
    // A file server keeps a read-only file from being deleted; a link goes
    // without changing the file it leads to.
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode))
        QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
    if (SystemCalls::current().unlink(QFile::encodeName(path).constData()) != 0)
        return IoStatus::failure(errno);
    return IoStatus::success();
}

IoStatus loadTextList(const QString &path, QStringList *lines)
{
    return TextFile::readLines(path, lines);
}

IoStatus saveTextList(const QString &path, const QStringList &lines)
{
    return TextFile::writeAtomically(path, TextFile::joinLines(lines), false);
}

bool registrationAllowed()
{
    QString marker;
    return TextFile::linkedFile(DataFolder::registrationMarkerPath(), &marker, InRecordFolder) && QFile::exists(marker);
}

IoStatus allowRegistration(bool allowed)
{
    ensureRecordFolder();
    const QString marker = DataFolder::registrationMarkerPath();
    if (allowed)
        return TextFile::writeAtomically(marker, TextFile::joinLines({QStringLiteral("autorise")}), false, InRecordFolder);
    if (SystemCalls::current().unlink(QFile::encodeName(marker).constData()) != 0 && errno != ENOENT)
        return IoStatus::failure(errno);
    return IoStatus::success();
}

IoStatus readAdminHash(QString *hash)
{
    QStringList lines;
    const IoStatus status = readHead(DataFolder::adminPasswordPath(), 1, &lines, TextFile::Links::Follow);
    *hash = status.ok() ? lineAt(lines, 0) : QString();
    return status;
}

IoStatus writeAdminHash(const QString &hash)
{
    return TextFile::writeAtomically(DataFolder::adminPasswordPath(), TextFile::joinLines({hash}), true);
}

RecordFolderReader::RecordFolderReader()
{
#ifdef O_PATH
    constexpr int FolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;   // only a place to open names in
#else
    constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif
    errno = 0;
    m_folder = SystemCalls::current().open(QFile::encodeName(DataFolder::recordFolder()).constData(), FolderFlags, 0);
    if (m_folder < 0)
        m_folderError = errno ? errno : EIO;
}

RecordFolderReader::~RecordFolderReader()
{
    // Nothing was written through the folder's descriptor: its closing has
    // nothing to report.
    if (m_folder >= 0)
        ::close(m_folder);
}

IoStatus RecordFolderReader::read(const QString &name, QByteArrayView *bytes)
{
    *bytes = QByteArrayView();
    if (m_folder < 0)
        return IoStatus::failure(m_folderError);
    if (!recordFileName(name, &m_fileName))
        return IoStatus::failure(ENOENT);
    SystemCalls::Table &sys = SystemCalls::current();
    errno = 0;
    // Not blocking: a pipe named like a record must not hang the console. A link
    // is read as every other reader of records reads it: only when it ends in the
    // record folder.
    int fd = sys.openat(m_folder, m_fileName.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW, 0);
    if (fd < 0 && errno == ELOOP) {
        const IoStatus opened = TextFile::openForReading(recordPath(name), TextFile::Links::WithinFolder, &fd);
        if (!opened)
            return opened;
    }
    if (fd < 0)
        return IoStatus::failure(errno ? errno : EIO);
    int code = 0;
    qsizetype used = 0;
    struct stat info;
    if (::fstat(fd, &info) != 0)
        code = errno ? errno : EIO;
    else if (!S_ISREG(info.st_mode))
        code = S_ISDIR(info.st_mode) ? EISDIR : EACCES;
    if (code == 0) {
        // Room for the whole file and a byte more: the second read finds the end.
        const qsizetype room = qMax<qsizetype>(qsizetype(info.st_size) + 1, 4096);
        if (m_buffer.size() < room)
            m_buffer.resize(room);
        for (;;) {
            if (used == m_buffer.size())
                m_buffer.resize(m_buffer.size() * 2);   // the file grew since its size was taken
            errno = 0;
            const ssize_t n = sys.read(fd, m_buffer.data() + used, size_t(m_buffer.size() - used));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                code = errno ? errno : EIO;
                break;
            }
            if (n == 0)
                break;
            used += n;
        }
    }
    errno = 0;
    if (sys.close(fd) != 0 && code == 0)
        code = errno ? errno : EIO;
    if (code != 0)
        return IoStatus::failure(code);
    *bytes = QByteArrayView(m_buffer.constData(), used);
    return IoStatus::success();
}
}
