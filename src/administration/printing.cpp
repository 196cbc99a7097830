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

// Draws a whole job on a paged device; false when the device refused it.
using Draw = std::function<bool(QPagedPaintDevice &device)>;

Draw drawDocument(const QTextDocument &document)
{
    return [&document](QPagedPaintDevice &device) {
        document.print(&device);
        return true;
    };
}

// Paints every page on the device, on A4 with margins of 10 mm.
Draw drawPages(const Pages &pages)
{
    return [&pages](QPagedPaintDevice &device) {
        device.setPageSize(QPageSize(QPageSize::A4));
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
    };
}

Outcome printOn(QPrinter &printer, const QString &jobTitle, const Draw &draw)
{
    printer.setDocName(jobTitle);
    if (!printer.isValid() || !draw(printer))
        return Outcome::Failed;
    return printer.printerState() == QPrinter::Error ? Outcome::Failed : Outcome::Printed;
}

Outcome printOnDefault(const QString &jobTitle, const Draw &draw)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Outcome::NoDefaultPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    return printOn(printer, jobTitle, draw);
}

QByteArray pdfOf(const QString &title, const Draw &draw)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tavelo"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        draw(writer);
    }
    return buffer.data();
}
}

Outcome DefaultPrinter::print(const QTextDocument &document, const QString &jobTitle)
{
    return printOnDefault(jobTitle, drawDocument(document));
}

Outcome DefaultPrinter::print(const Pages &pages, const QString &jobTitle)
{
    return printOnDefault(jobTitle, drawPages(pages));
}

Outcome PdfSink::print(const QTextDocument &document, const QString &jobTitle)
{
    return printToFile(jobTitle, drawDocument(document));
}

Outcome PdfSink::print(const Pages &pages, const QString &jobTitle) { return printToFile(jobTitle, drawPages(pages)); }

Outcome PdfSink::printToFile(const QString &jobTitle, const std::function<bool(QPagedPaintDevice &)> &draw)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_path);
    printer.setCreator(QStringLiteral("Tavelo"));
    const Outcome outcome = printOn(printer, jobTitle, draw);
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

QByteArray pdfBytes(const QTextDocument &document, const QString &title) { return pdfOf(title, drawDocument(document)); }

QByteArray pdfBytes(const Pages &pages, const QString &title) { return pdfOf(title, drawPages(pages)); }

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
