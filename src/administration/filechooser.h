#pragma once
#include <QString>

class QWidget;

// The file dialogs of the console (open for the account import, save for the
// exports): the platform's dialogs in production, a given path or a cancel in tests.
namespace FileChooser {

class Chooser
{
public:
    virtual ~Chooser() = default;
    // The chosen file's path, or an empty string when the user cancels.
    virtual QString openFile(QWidget *parent, const QString &filter) = 0;
    // The path to write to, the dialog proposing 'suggestedName' in the last folder
    // used; an empty string when the user cancels. 'filter' lists the file types
    // offered, separated by ";;" ("Fichiers CSV (*.csv);;Classeurs OpenDocument
    // (*.ods)"); the type of the suggested name is chosen first, and a name typed
    // without an ending gets the chosen type's.
    virtual QString saveFile(QWidget *parent, const QString &suggestedName, const QString &filter) = 0;
};

// Answers every dialog with the same path (empty = cancel) and counts them. When a
// type is chosen (setChosenType), a save answers as the dialog would after the
// user picked that type: a path whose name has no ending gets the type's.
class FixedChoice : public Chooser
{
public:
    explicit FixedChoice(const QString &path = QString()) : m_path(path) {}
    void setPath(const QString &path) { m_path = path; }
    void setChosenType(int index) { m_type = index; }   // -1: the dialog's first choice
    QString openFile(QWidget *, const QString &) override { ++m_opened; return m_path; }
    QString saveFile(QWidget *, const QString &suggestedName, const QString &filter) override;
    int openedCount() const { return m_opened; }
    QString lastSuggestedName() const { return m_suggested; }
    QString lastFilter() const { return m_filter; }

private:
    QString m_path;
    QString m_suggested, m_filter;
    int m_type = -1;
    int m_opened = 0;
};

// The ending a type of a dialog's filter gives ("csv" for "Fichiers CSV (*.csv)"):
// that of its first pattern, empty for "*" or none.
QString suffixOfType(const QString &type);

// 'name' as the save dialog completes it when 'suffix' is the chosen type's: a
// file name without a dot gets ".suffix"; any other stays as typed.
QString withDefaultSuffix(const QString &name, const QString &suffix);

// 'text' made fit for a file name on every school machine: characters a file
// system refuses, control characters and spaces become "_".
QString safeFileName(const QString &text);

// nullptr restores the platform dialog. The chooser is not owned.
void setChooser(Chooser *chooser);
QString openFile(QWidget *parent, const QString &filter);
QString saveFile(QWidget *parent, const QString &suggestedName, const QString &filter);
}
