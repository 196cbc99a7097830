#include "administration/printing.h"

#include <QBuffer>
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
}

Outcome DefaultPrinter::print(const QTextDocument &document, const QString &jobTitle)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Outcome::NoDefaultPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    return printOn(printer, document, jobTitle);
}

Outcome PdfSink::print(const QTextDocument &document, const QString &jobTitle)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_path);
    printer.setCreator(QStringLiteral("Tavelo"));
    const Outcome outcome = printOn(printer, document, jobTitle);
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

QString noPrinterMessage() { return QStringLiteral("Aucune imprimante par défaut sélectionnée"); }
}
