#pragma once
#include <QString>

class QWidget;

// The file-open dialog of the account import: the platform's dialog in production,
// a given path or a cancel in tests.
namespace FileChooser {

class Chooser
{
public:
    virtual ~Chooser() = default;
    // The chosen file's path, or an empty string when the user cancels.
    virtual QString openFile(QWidget *parent, const QString &filter) = 0;
};

// Answers every dialog with the same path (empty = cancel) and counts them.
class FixedChoice : public Chooser
{
public:
    explicit FixedChoice(const QString &path = QString()) : m_path(path) {}
    void setPath(const QString &path) { m_path = path; }
    QString openFile(QWidget *, const QString &) override { ++m_opened; return m_path; }
    int openedCount() const { return m_opened; }

private:
    QString m_path;
    int m_opened = 0;
};

// nullptr restores the platform dialog. The chooser is not owned.
void setChooser(Chooser *chooser);
QString openFile(QWidget *parent, const QString &filter);
}
