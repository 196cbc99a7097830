#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;
class QRectF;
class QTextDocument;
class QWidget;

// Where the progression sheet is printed: the default printer in production, a
// PDF file or "no printer at all" in tests. No dialog, no preview.
namespace Printing {

enum class Outcome { Printed, NoDefaultPrinter, Failed };

// Pages drawn by the program itself: paint(painter, page, index) draws page
// 'index' (from 0) inside 'page', the printable area in the painter's units.
struct Pages
{
    int count = 0;
    std::function<void(QPainter &painter, const QRectF &page, int index)> paint;
};

class Target
{
public:
    virtual ~Target() = default;
    virtual Outcome print(const QTextDocument &document, const QString &jobTitle) = 0;
    virtual Outcome print(const Pages &pages, const QString &jobTitle) = 0;
};

// The system's default printer.
class DefaultPrinter : public Target
{
public:
    Outcome print(const QTextDocument &document, const QString &jobTitle) override;
    Outcome print(const Pages &pages, const QString &jobTitle) override;
};

// Writes every job to one PDF file (the last job wins) and remembers its title.
class PdfSink : public Target
{
public:
    explicit PdfSink(const QString &pdfPath) : m_path(pdfPath) {}
    Outcome print(const QTextDocument &document, const QString &jobTitle) override;
    Outcome print(const Pages &pages, const QString &jobTitle) override;
    QString path() const { return m_path; }
    QString lastJobTitle() const { return m_lastTitle; }
    int jobCount() const { return m_jobs; }

private:
    Outcome printToFile(const QString &jobTitle, const std::function<bool(QPagedPaintDevice &)> &draw);

    QString m_path;
    QString m_lastTitle;
    int m_jobs = 0;
};

// A workstation without any printer installed.
class NoPrinter : public Target
{
public:
    Outcome print(const QTextDocument &, const QString &) override { return Outcome::NoDefaultPrinter; }
    Outcome print(const Pages &, const QString &) override { return Outcome::NoDefaultPrinter; }
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

// The document as a PDF file's bytes (A4, the platform's rich-text layout), with
// 'title' as the document's title.
QByteArray pdfBytes(const QTextDocument &document, const QString &title);
// The pages as a PDF file's bytes, on A4.
QByteArray pdfBytes(const Pages &pages, const QString &title);
}
