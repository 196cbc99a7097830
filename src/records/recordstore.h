#pragma once
#include "records/iostatus.h"
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <array>

constexpr int CompetenceCount = 29;
constexpr int FreshRecordGroups = 36;

struct CompetenceResult
{
    int number = 0;        // 1 .. 29
    bool acquired = false;
    QString date;
    QString validator;
};

// The logged-in pupil's record, as read from his file.
struct StudentRecord
{
    QString name;          // line 2
    QString hash;          // line 3
    QString className;     // line 4
    std::array<CompetenceResult, CompetenceCount> results;   // index N - 1 for competence N
    void clearResults();
};

// The login values, kept from one login to the next within a run.
struct LoginContext
{
    QString recordFolder;
    QString pupilName;       // empty until the first login
    QString pupilPathPrefix; // recordFolder + pupilName
    QString validatorName;
    QString todayText;
    int acquiredCount = 0;
};

// The two single instances of the running program.
StudentRecord &student();
LoginContext &login();

// The record header as stored (lines 2 .. 4).
struct RecordHeader
{
    QString name;
    QString hash;
    QString className;
};

// One record file read whole by the console: header and 29 results.
struct RecordContent
{
    RecordHeader header;
    std::array<CompetenceResult, CompetenceCount> results;
    int lineCount = 0;
};

enum class GroupLabel { Competence, CompetenceAccent, Exercice };  // "competence ", "compétence ", "exercice "

namespace RecordStore {
QString recordPath(const QString &name);            // recordFolder + name + "-qib.txt"
QString recordNameOf(const QString &fileName);      // file name without "-qib.txt"
// A record name is not empty, does not start with '.', holds no '/', '\\', ':', '*', '?', '"', '<', '>', '|',
// control or non-cp1252 character, and its file name fits in 255 bytes.
bool isValidRecordName(const QString &name);
bool isRecordNameCharacter(QChar c);
bool fitsFileName(const QString &name);             // name + "-qib.txt" is at most 255 bytes
// An existing name that equals 'name' ignoring letter case, or an empty string.
QString existingNameIgnoringCase(const QString &name);

// Names of the record files, in French alphabetical order (FrenchOrder).
QStringList listRecordNames();
void ensureRecordFolder();

// Fills student() from the pupil's file; results are cleared first, so those the
// file lacks are not acquired. A whole record that ends right after the 29th group
// is saved back at once; a damaged one is left on disk as it is. *rewritten tells
// whether it was saved.
IoStatus loadPupilRecord(const QString &name, bool *rewritten = nullptr);
IoStatus readRecordHeader(const QString &name, RecordHeader *header);
IoStatus readRecord(const QString &name, RecordContent *content);
// Reads line 4 only (the console's class filter) or the status lines only (statistics).
IoStatus readRecordClass(const QString &name, QString *className);
IoStatus readRecordStatuses(const QString &name, std::array<bool, CompetenceCount> *acquired);

// Writes student() with "competence " labels and 29 groups; nothing while login().pupilName is empty.
IoStatus savePupilRecord();
// Creates a fresh record with 36 "compétence " groups, never replacing an existing
// file nor standing beside a case twin (EEXIST for both).
IoStatus writeNewRecord(const QString &name, const QString &hash, const QString &className);
// Rewrites a whole record (console): 29 groups with the given label word.
IoStatus writeRecord(const QString &name, const RecordHeader &header,
                     const std::array<CompetenceResult, CompetenceCount> &results, GroupLabel label);
// Replaces line 3 of the pupil's file; the result has exactly 120 lines.
IoStatus changePassword(const QString &name, const QString &newHash);
// Replaces the record of an existing account (named `existing`, which may differ from
// `name` by letter case) with a fresh one at once: a failure leaves the old record whole.
IoStatus replaceWithNewRecord(const QString &existing, const QString &name, const QString &hash,
                              const QString &className);
IoStatus deleteRecordFile(const QString &name);

IoStatus loadTextList(const QString &path, QStringList *lines);
IoStatus saveTextList(const QString &path, const QStringList &lines);

bool registrationAllowed();
IoStatus allowRegistration(bool allowed);

IoStatus readAdminHash(QString *hash);
IoStatus writeAdminHash(const QString &hash);

QString groupLabelWord(GroupLabel label);

// The first `count` lines of a text file's bytes as TextFile::splitLines cuts
// them (CR LF, LF or a lone CR end a line), without copying: fills lines[0 ..
// count) and returns how many lines the bytes had, at most `count`; the lines
// past them are left empty.
int splitLines(QByteArrayView bytes, QByteArrayView *lines, int count);

// Reads many records one after another, as the console's class view and export
// do: the record folder is opened once and each record opened in it by its file
// name, into one buffer kept from record to record.
class RecordFolderReader
{
public:
    RecordFolderReader();    // opens DataFolder::recordFolder()
    ~RecordFolderReader();
    RecordFolderReader(const RecordFolderReader &) = delete;
    RecordFolderReader &operator=(const RecordFolderReader &) = delete;

    // The whole bytes of record `name`, as readBytes(recordPath(name)) gives them;
    // *bytes stays valid until the next read. Only a regular file of the record
    // folder is read: a name holding '/' (or a NUL) leads nowhere (ENOENT), a
    // folder is refused with EISDIR and any other kind of file with EACCES, and a
    // link is followed only when it ends in the record folder (EACCES otherwise).
    IoStatus read(const QString &name, QByteArrayView *bytes);

private:
    int m_folder = -1;
    int m_folderError = 0;
    QByteArray m_fileName;
    QByteArray m_buffer;
};
}
