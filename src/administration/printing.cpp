#include "administration/printing.h"

#include "administration/filechooser.h"
#include "records/textfile.h"
#include "widgets/messagebox.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace Printing {
namespace {
Target *g_target = nullptr;

Outcome printOn(QPrinter &printer, const QTextDocument &document, const QString &jobTitle)
{
    printer.setDocName(jobTitle);
    if (!printer.isValid())
        return Outcome::Failed;
    document.print(&printer);
    return printer.printerState() == QPrinter::Error ? Outcome::Failed : Outcome::Printed;
}

// Paints every page on the device, A4 unless the printer has its own paper.
bool paintPages(QPagedPaintDevice &device, const Pages &pages)
{
    device.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int index = 0; index < pages.count; ++index) {
        if (index > 0 && !device.newPage())
            return false;
        const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
        pages.paint(painter, QRectF(QPointF(0, 0), page.size()), index);
    }
    return painter.end();
}

Outcome printOn(QPrinter &printer, const Pages &pages, const QString &jobTitle)
{
    printer.setDocName(jobTitle);
    if (!printer.isValid() || !paintPages(printer, pages))
        return Outcome::Failed;
    return printer.printerState() == QPrinter::Error ? Outcome::Failed : Outcome::Printed;
}

void preparePdf(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setCreator(QStringLiteral("Tavelo"));
    printer.setPageSize(QPageSize(QPageSize::A4));
}
}

Outcome DefaultPrinter::print(const QTextDocument &document, const QString &jobTitle)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Outcome::NoDefaultPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    return printOn(printer, document, jobTitle);
}

Outcome DefaultPrinter::print(const Pages &pages, const QString &jobTitle)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Outcome::NoDefaultPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    return printOn(printer, pages, jobTitle);
}

Outcome PdfSink::print(const QTextDocument &document, const QString &jobTitle)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePdf(printer, m_path);
    return counted(printOn(printer, document, jobTitle), jobTitle);
}

Outcome PdfSink::print(const Pages &pages, const QString &jobTitle)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePdf(printer, m_path);
    return counted(printOn(printer, pages, jobTitle), jobTitle);
}

Outcome PdfSink::counted(Outcome outcome, const QString &jobTitle)
{
    if (outcome == Outcome::Printed) {
        m_lastTitle = jobTitle;
        ++m_jobs;
    }
    return outcome;
}

void setTarget(Target *target) { g_target = target; }

Target &target()
{
    static DefaultPrinter defaultPrinter;
    return g_target ? *g_target : defaultPrinter;
}

QByteArray pdfBytes(const QTextDocument &document, const QString &title)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tavelo"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        document.print(&writer);
    }
    return buffer.data();
}

QByteArray pdfBytes(const Pages &pages, const QString &title)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tavelo"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        paintPages(writer, pages);
    }
    return buffer.data();
}

QString noPrinterMessage() { return QStringLiteral("Aucune imprimante par défaut sélectionnée"); }

QString failureMessage() { return QStringLiteral("L'impression n'a pas pu se faire."); }

QString savePdf(QWidget *parent, const QString &suggestedName, const QByteArray &pdf)
{
    const QString path = FileChooser::saveFile(parent, suggestedName, QStringLiteral("Fichiers PDF (*.pdf)"));
    if (path.isEmpty())
        return {};
    const IoStatus status = TextFile::writeAtomically(path, pdf, false);
    if (status)
        return path;
    MessageBox::error(status.message() + QStringLiteral(" : ") + QFileInfo(path).fileName(), parent);
    return {};
}
}
