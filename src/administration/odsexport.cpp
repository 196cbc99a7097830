#include "administration/odsexport.h"

#include "administration/storedzip.h"

#include <QXmlStreamWriter>

namespace OdsExport {
namespace {
const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString StyleNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString TextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString TableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString NumberNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0");
const QString FoNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
const QString ManifestNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
const QString OdfVersion = QStringLiteral("1.2");

// Style names of content.xml.
const QString DateStyle = QStringLiteral("N1");
const QString HeaderCell = QStringLiteral("ce1");
const QString DateCell = QStringLiteral("ce2");

void declareOfficeNamespaces(QXmlStreamWriter &xml)
{
    xml.writeAttribute(QStringLiteral("xmlns:office"), OfficeNs);
    xml.writeAttribute(QStringLiteral("xmlns:style"), StyleNs);
    xml.writeAttribute(QStringLiteral("xmlns:text"), TextNs);
    xml.writeAttribute(QStringLiteral("xmlns:table"), TableNs);
    xml.writeAttribute(QStringLiteral("xmlns:number"), NumberNs);
    xml.writeAttribute(QStringLiteral("xmlns:fo"), FoNs);
    xml.writeAttribute(QStringLiteral("office:version"), OdfVersion);
}

// A paragraph holding 'text' exactly: an OpenDocument reader folds runs of
// spaces into one and drops them at the paragraph's ends, so those are written
// as <text:s text:c="n"/>.
void writeParagraph(QXmlStreamWriter &xml, const QString &raw)
{
    const QString text = xmlSafe(raw);
    xml.writeStartElement(QStringLiteral("text:p"));
    QString literal;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text.at(i) != QLatin1Char(' ')) {
            literal += text.at(i++);
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && text.at(end) == QLatin1Char(' '))
            ++end;
        qsizetype spaces = end - i;
        if (i > 0 && end < text.size()) {   // one space between words is plain text
            literal += QLatin1Char(' ');
            --spaces;
        }
        if (spaces > 0) {
            if (!literal.isEmpty())
                xml.writeCharacters(literal);
            literal.clear();
            xml.writeEmptyElement(QStringLiteral("text:s"));
            if (spaces > 1)
                xml.writeAttribute(QStringLiteral("text:c"), QString::number(spaces));
        }
        i = end;
    }
    if (!literal.isEmpty())
        xml.writeCharacters(literal);
    xml.writeEndElement();
}

// Writes the cells of one row, consecutive empty cells as one repeated cell.
class RowWriter
{
public:
    explicit RowWriter(QXmlStreamWriter &xml) : m_xml(xml) { m_xml.writeStartElement(QStringLiteral("table:table-row")); }
    ~RowWriter()
    {
        flushEmpty();
        m_xml.writeEndElement();
    }

    void empty() { ++m_empty; }
    void string(const QString &text, const QString &style = QString())
    {
        if (text.isEmpty() && style.isEmpty()) {
            empty();
            return;
        }
        start(style, QStringLiteral("string"));
        writeParagraph(m_xml, text);
        m_xml.writeEndElement();
    }
    void number(double value, const QString &style = QString())
    {
        start(style, QStringLiteral("float"));
        m_xml.writeAttribute(QStringLiteral("office:value"), QString::number(value, 'g', 12));
        writeParagraph(m_xml, QString::number(value, 'g', 12).replace(QLatin1Char('.'), QLatin1Char(',')));
        m_xml.writeEndElement();
    }
    void date(const QDate &day)
    {
        start(DateCell, QStringLiteral("date"));
        m_xml.writeAttribute(QStringLiteral("office:date-value"), day.toString(QStringLiteral("yyyy-MM-dd")));
        writeParagraph(m_xml, day.toString(QStringLiteral("dd/MM/yyyy")));
        m_xml.writeEndElement();
    }

private:
    void start(const QString &style, const QString &valueType)
    {
        flushEmpty();
        m_xml.writeStartElement(QStringLiteral("table:table-cell"));
        if (!style.isEmpty())
            m_xml.writeAttribute(QStringLiteral("table:style-name"), style);
        m_xml.writeAttribute(QStringLiteral("office:value-type"), valueType);
    }
    void flushEmpty()
    {
        if (m_empty == 0)
            return;
        m_xml.writeEmptyElement(QStringLiteral("table:table-cell"));
        if (m_empty > 1)
            m_xml.writeAttribute(QStringLiteral("table:number-columns-repeated"), QString::number(m_empty));
        m_empty = 0;
    }

    QXmlStreamWriter &m_xml;
    int m_empty = 0;
};

void writeColumnStyle(QXmlStreamWriter &xml, const QString &name, const QString &width)
{
    xml.writeStartElement(QStringLiteral("style:style"));
    xml.writeAttribute(QStringLiteral("style:name"), name);
    xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("table-column"));
    xml.writeEmptyElement(QStringLiteral("style:table-column-properties"));
    xml.writeAttribute(QStringLiteral("style:column-width"), width);
    xml.writeEndElement();
}

void writeAutomaticStyles(QXmlStreamWriter &xml)
{
    xml.writeStartElement(QStringLiteral("office:automatic-styles"));
    writeColumnStyle(xml, QStringLiteral("co1"), QStringLiteral("4.5cm"));   // names
    writeColumnStyle(xml, QStringLiteral("co2"), QStringLiteral("1.8cm"));   // classes
    writeColumnStyle(xml, QStringLiteral("co3"), QStringLiteral("2.6cm"));   // scores
    writeColumnStyle(xml, QStringLiteral("co4"), QStringLiteral("2.2cm"));   // dates

    // dd/mm/yyyy, whatever the reader's language.
    xml.writeStartElement(QStringLiteral("number:date-style"));
    xml.writeAttribute(QStringLiteral("style:name"), DateStyle);
    const auto part = [&xml](const QString &element) {
        xml.writeEmptyElement(element);
        xml.writeAttribute(QStringLiteral("number:style"), QStringLiteral("long"));
    };
    part(QStringLiteral("number:day"));
    xml.writeTextElement(QStringLiteral("number:text"), QStringLiteral("/"));
    part(QStringLiteral("number:month"));
    xml.writeTextElement(QStringLiteral("number:text"), QStringLiteral("/"));
    part(QStringLiteral("number:year"));
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("style:style"));
    xml.writeAttribute(QStringLiteral("style:name"), HeaderCell);
    xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("table-cell"));
    xml.writeEmptyElement(QStringLiteral("style:text-properties"));
    xml.writeAttribute(QStringLiteral("fo:font-weight"), QStringLiteral("bold"));
    xml.writeAttribute(QStringLiteral("style:font-weight-asian"), QStringLiteral("bold"));
    xml.writeAttribute(QStringLiteral("style:font-weight-complex"), QStringLiteral("bold"));
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("style:style"));
    xml.writeAttribute(QStringLiteral("style:name"), DateCell);
    xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("table-cell"));
    xml.writeAttribute(QStringLiteral("style:data-style-name"), DateStyle);
    xml.writeEndElement();

    xml.writeEndElement();
}

void writeColumns(QXmlStreamWriter &xml)
{
    const auto column = [&xml](const QString &style, int repeated) {
        xml.writeEmptyElement(QStringLiteral("table:table-column"));
        xml.writeAttribute(QStringLiteral("table:style-name"), style);
        if (repeated > 1)
            xml.writeAttribute(QStringLiteral("table:number-columns-repeated"), QString::number(repeated));
    };
    column(QStringLiteral("co1"), 1);
    column(QStringLiteral("co2"), 1);
    column(QStringLiteral("co3"), 1);
    column(QStringLiteral("co4"), CompetenceCount);
}

QByteArray manifestXml()
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("manifest:manifest"));
    xml.writeAttribute(QStringLiteral("xmlns:manifest"), ManifestNs);
    xml.writeAttribute(QStringLiteral("manifest:version"), OdfVersion);
    const auto entry = [&xml](const QString &path, const QString &type) {
        xml.writeEmptyElement(QStringLiteral("manifest:file-entry"));
        xml.writeAttribute(QStringLiteral("manifest:full-path"), path);
        if (path == QLatin1String("/"))
            xml.writeAttribute(QStringLiteral("manifest:version"), OdfVersion);
        xml.writeAttribute(QStringLiteral("manifest:media-type"), type);
    };
    entry(QStringLiteral("/"), QString::fromLatin1(MimeType));
    entry(QStringLiteral("content.xml"), QStringLiteral("text/xml"));
    entry(QStringLiteral("styles.xml"), QStringLiteral("text/xml"));
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

QByteArray stylesXml()
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("office:document-styles"));
    declareOfficeNamespaces(xml);
    xml.writeEmptyElement(QStringLiteral("office:styles"));
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}
}

QString xmlSafe(const QString &text)
{
    QString safe = text;
    for (qsizetype i = 0; i < safe.size(); ++i) {
        const QChar c = safe.at(i);
        if (c.isHighSurrogate() && i + 1 < safe.size() && safe.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.category() == QChar::Other_Control || c.isSurrogate() || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
            safe[i] = QLatin1Char(' ');
    }
    return safe;
}

QByteArray contentXml(const QList<SheetRow> &sheet)
{
    QByteArray out;
    out.reserve(4096 + sheet.size() * (600 + CompetenceCount * 150));
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("office:document-content"));
    declareOfficeNamespaces(xml);
    writeAutomaticStyles(xml);
    xml.writeStartElement(QStringLiteral("office:body"));
    xml.writeStartElement(QStringLiteral("office:spreadsheet"));
    xml.writeStartElement(QStringLiteral("table:table"));
    xml.writeAttribute(QStringLiteral("table:name"), QStringLiteral("Résultats"));
    writeColumns(xml);
    for (const SheetRow &cells : sheet) {
        RowWriter row(xml);
        for (const SheetCell &cell : cells) {
            switch (cell.kind) {
            case SheetCell::Empty:
                row.empty();
                break;
            case SheetCell::Text:
                row.string(cell.text, cell.bold ? HeaderCell : QString());
                break;
            case SheetCell::Number:
                row.number(cell.number, cell.bold ? HeaderCell : QString());
                break;
            case SheetCell::Date:
                row.date(cell.date);
                break;
            }
        }
    }
    xml.writeEndElement();   // table
    xml.writeEndElement();   // spreadsheet
    xml.writeEndElement();   // body
    xml.writeEndElement();   // document-content
    xml.writeEndDocument();
    return out;
}

QByteArray spreadsheet(const QList<SheetRow> &sheet, const QDateTime &modified)
{
    StoredZip zip(modified);
    zip.add(QStringLiteral("mimetype"), MimeType);   // first and stored: readers look for it at byte 38
    zip.add(QStringLiteral("META-INF/manifest.xml"), manifestXml());
    zip.add(QStringLiteral("styles.xml"), stylesXml());
    zip.add(QStringLiteral("content.xml"), contentXml(sheet));
    return zip.bytes();
}
}
