#pragma once
#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include <functional>

class QPainter;
class QRectF;
class QTextDocument;
class QWidget;

// Where the console prints: the default printer in production, a PDF file or "no
// printer at all" in tests. No dialog, no preview.
namespace Printing {

enum class Outcome { Printed, NoDefaultPrinter, Failed };

// A job drawn by hand: paints into 'page' (the printable rectangle, in device
// pixels), calling newPage() before each page but the first.
using Painting = std::function<void(QPainter &painter, const QRectF &page, const std::function<void()> &newPage)>;

// What to print: a rich-text document (laid out on A4 pages), or a painting.
struct Job
{
    const QTextDocument *document = nullptr;
    Painting painting;
    QString title;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

class Target
{
public:
    virtual ~Target() = default;
    virtual Outcome print(const Job &job) = 0;
    Outcome print(const QTextDocument &document, const QString &jobTitle) { return print(Job{&document, {}, jobTitle}); }
};

// The system's default printer.
class DefaultPrinter : public Target
{
public:
    using Target::print;
    Outcome print(const Job &job) override;
};

// Writes every job to one PDF file (the last job wins) and remembers its title.
class PdfSink : public Target
{
public:
    explicit PdfSink(const QString &pdfPath) : m_path(pdfPath) {}
    using Target::print;
    Outcome print(const Job &job) override;
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
    using Target::print;
    Outcome print(const Job &) override { return Outcome::NoDefaultPrinter; }
};

// nullptr restores the default printer. The target is not owned.
void setTarget(Target *target);
Target &target();

// The message shown when there is no default printer, and when printing failed.
QString noPrinterMessage();
QString failureMessage();

// Asks where to save a PDF file, proposing 'suggestedName', and writes it whole;
// a failure is told in a box. The path written, or "" when cancelled or failed.
QString savePdf(QWidget *parent, const QString &suggestedName, const QByteArray &pdf);

// The job as a PDF file's bytes (A4), with its title as the document's title.
QByteArray pdfBytes(const Job &job);
inline QByteArray pdfBytes(const QTextDocument &document, const QString &title)
{
    return pdfBytes(Job{&document, {}, title});
}

// Prints the job on the current target. When there is no printer, the box that
// says so offers to save 'what' ("la feuille") as a PDF file, 'pdfFileName' by default.
void printOrSave(const Job &job, const QString &what, const QString &pdfFileName, QWidget *parent);
}
