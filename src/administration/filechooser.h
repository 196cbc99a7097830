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
    // used; an empty string when the user cancels.
    virtual QString saveFile(QWidget *parent, const QString &suggestedName, const QString &filter) = 0;
};

// Answers every dialog with the same path (empty = cancel) and counts them.
class FixedChoice : public Chooser
{
public:
    explicit FixedChoice(const QString &path = QString()) : m_path(path) {}
    void setPath(const QString &path) { m_path = path; }
    QString openFile(QWidget *, const QString &) override { ++m_opened; return m_path; }
    QString saveFile(QWidget *, const QString &suggestedName, const QString &filter) override
    {
        ++m_opened;
        m_suggested = suggestedName;
        m_filter = filter;
        return m_path;
    }
    int openedCount() const { return m_opened; }
    QString lastSuggestedName() const { return m_suggested; }
    QString lastFilter() const { return m_filter; }

private:
    QString m_path;
    QString m_suggested, m_filter;
    int m_opened = 0;
};

// 'text' made fit for a file name on every school machine: characters a file
// system refuses, control characters and spaces become "_".
QString safeFileName(const QString &text);

// nullptr restores the platform dialog. The chooser is not owned.
void setChooser(Chooser *chooser);
QString openFile(QWidget *parent, const QString &filter);
QString saveFile(QWidget *parent, const QString &suggestedName, const QString &filter);
}
