#pragma once
#include <QByteArray>
#include <QString>

class QTextDocument;

// Where the progression sheet is printed: the default printer in production, a
// PDF file or "no printer at all" in tests. No dialog, no preview.
namespace Printing {

enum class Outcome { Printed, NoDefaultPrinter, Failed };

class Target
{
public:
    virtual ~Target() = default;
    virtual Outcome print(const QTextDocument &document, const QString &jobTitle) = 0;
};

// The system's default printer.
class DefaultPrinter : public Target
{
public:
    Outcome print(const QTextDocument &document, const QString &jobTitle) override;
};

// Writes every job to one PDF file (the last job wins) and remembers its title.
class PdfSink : public Target
{
public:
    explicit PdfSink(const QString &pdfPath) : m_path(pdfPath) {}
    Outcome print(const QTextDocument &document, const QString &jobTitle) override;
    QString path() const { return m_path; }
    QString lastJobTitle() const { return m_lastTitle; }
    int jobCount() const { return m_jobs; }

private:
    QString m_path;
    QString m_lastTitle;
    int m_jobs = 0;
};

// A workstation without any printer installed.
class NoPrinter : public Target
{
public:
    Outcome print(const QTextDocument &, const QString &) override { return Outcome::NoDefaultPrinter; }
};

// nullptr restores the default printer. The target is not owned.
void setTarget(Target *target);
Target &target();

// The message shown when there is no default printer.
QString noPrinterMessage();

// The document as a PDF file's bytes (A4, the platform's rich-text layout), with
// 'title' as the document's title.
QByteArray pdfBytes(const QTextDocument &document, const QString &title);
}
