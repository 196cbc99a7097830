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

void render(QPagedPaintDevice &device, const Job &job)
{
    device.setPageOrientation(job.orientation);
    if (job.document) {
        job.document->print(&device);
        return;
    }
    QPainter painter(&device);
    const QRectF page(QPointF(0, 0), QSizeF(device.width(), device.height()));
    job.painting(painter, page, [&device] { device.newPage(); });
}

Outcome printOn(QPrinter &printer, const Job &job)
{
    printer.setDocName(job.title);
    if (!printer.isValid())
        return Outcome::Failed;
    render(printer, job);
    return printer.printerState() == QPrinter::Error ? Outcome::Failed : Outcome::Printed;
}
}

Outcome DefaultPrinter::print(const Job &job)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Outcome::NoDefaultPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    return printOn(printer, job);
}

Outcome PdfSink::print(const Job &job)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_path);
    printer.setCreator(QStringLiteral("Tavelo"));
    const Outcome outcome = printOn(printer, job);
    if (outcome == Outcome::Printed) {
        m_lastTitle = job.title;
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

QByteArray pdfBytes(const Job &job)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(job.title);
        writer.setCreator(QStringLiteral("Tavelo"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        render(writer, job);
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

void printOrSave(const Job &job, const QString &what, const QString &pdfFileName, QWidget *parent)
{
    switch (target().print(job)) {
    case Outcome::Printed:
        break;
    case Outcome::NoDefaultPrinter:
        // Offered when no printer is installed: the same pages, written at once
        // to the file the teacher chooses.
        if (MessageBox::confirm(noPrinterMessage() + QStringLiteral("\n\nVoulez-vous enregistrer ") + what
                                    + QStringLiteral(" dans un fichier PDF ?"),
                                parent))
            savePdf(parent, pdfFileName, pdfBytes(job));
        break;
    case Outcome::Failed:
        MessageBox::error(failureMessage(), parent);
        break;
    }
}
}
