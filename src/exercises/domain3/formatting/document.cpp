#include "exercises/domain3/formatting/document.h"

#include "exercises/domain3/formatting/layout.h"
#include "widgets/richoffsets.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>

namespace FormattingDocument {

namespace {
constexpr QChar ParagraphSeparator(0x2029);

// The document's set-up is not the pupil's editing: while it lasts nothing enters
// the undo history, so "Défaire" can only undo what the pupil did.
class WithoutHistory
{
public:
    explicit WithoutHistory(QTextEdit *editor)
        : m_document(editor->document()), m_recording(m_document->isUndoRedoEnabled())
    {
        m_document->setUndoRedoEnabled(false);
    }
    ~WithoutHistory() { m_document->setUndoRedoEnabled(m_recording); }
    WithoutHistory(const WithoutHistory &) = delete;
    WithoutHistory &operator=(const WithoutHistory &) = delete;

private:
    QTextDocument *m_document;
    bool m_recording;
};

struct ModelLine
{
    Qt::Alignment alignment;
    bool bold;
    bool italic;
    bool underline;
    bool red;
};
// The formatted model, one row per source line.
constexpr ModelLine Model[6] = {
    {Qt::AlignHCenter, true, false, false, true},
    {Qt::AlignLeft, false, false, false, false},
    {Qt::AlignLeft, false, false, false, false},
    {Qt::AlignLeft, false, false, false, false},
    {Qt::AlignLeft, false, false, true, false},
    {Qt::AlignRight, false, true, false, false},
};

QTextCharFormat formatAt(QTextDocument *document, int position)
{
    QTextCursor cursor(document);
    cursor.setPosition(position);
    cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
    return cursor.charFormat();
}

Qt::Alignment horizontal(Qt::Alignment alignment)
{
    const Qt::Alignment h = alignment & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
    return h ? h : Qt::AlignLeft;
}

// Reads one character's attributes, falling back on the document's default font
// for what the character does not set itself.
Reading readFormat(const QTextCharFormat &format, const QFont &fallback)
{
    Reading r;
    r.uniform = true;
    if (format.hasProperty(QTextFormat::FontFamilies) && !format.property(QTextFormat::FontFamilies).toStringList().isEmpty())
        r.family = format.property(QTextFormat::FontFamilies).toStringList().constFirst();
    else if (format.hasProperty(QTextFormat::FontFamily))
        r.family = format.stringProperty(QTextFormat::FontFamily);
    else
        r.family = fallback.family();
    r.pointSize = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : fallback.pointSizeF();
    r.bold = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() >= QFont::DemiBold : fallback.bold();
    r.italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : fallback.italic();
    r.underline = format.fontUnderline();
    r.strikeOut = format.fontStrikeOut();
    const bool coloured = format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush;
    r.automaticColour = !coloured;
    if (coloured)
        r.colour = format.foreground().color();
    return r;
}

Reading readCharacter(QTextDocument *document, int position)
{
    return readFormat(formatAt(document, position), document->defaultFont());
}

bool sameCharacterAttributes(const Reading &a, const Reading &b)
{
    return a.family == b.family && qFuzzyCompare(a.pointSize, b.pointSize) && a.bold == b.bold
           && a.italic == b.italic && a.underline == b.underline && a.strikeOut == b.strikeOut
           && a.automaticColour == b.automaticColour && (a.automaticColour || a.colour.rgb() == b.colour.rgb());
}
}

const QStringList &sourceLines()
{
    static const QStringList lines{
        QStringLiteral("TITRE en GRAS"),
        QString(),
        QStringLiteral("Cette police de caractères est l'une des plus utilisées à travers le monde : Times New Roman."),
        QString(),
        QStringLiteral("Texte à gauche souligné"),
        QStringLiteral("Texte à droite en italique")};
    return lines;
}

QFont pageFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    return font;
}

void applyPageMargins(QTextEdit *editor)
{
    QTextFrame *root = editor->document()->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    if (format.leftMargin() == FormattingLayout::PageMargin && format.rightMargin() == FormattingLayout::PageMargin)
        return;
    format.setLeftMargin(FormattingLayout::PageMargin);
    format.setRightMargin(FormattingLayout::PageMargin);
    format.setTopMargin(4);
    format.setBottomMargin(4);
    WithoutHistory setUp(editor);
    root->setFrameFormat(format);
}

void fillSource(QTextEdit *editor)
{
    WithoutHistory setUp(editor);
    editor->setPlainText(sourceLines().join(QLatin1Char('\n')));
    editor->setCurrentCharFormat(QTextCharFormat());
    applyPageMargins(editor);
}

void fillModel(QTextEdit *editor)
{
    WithoutHistory setUp(editor);
    editor->clear();
    QTextCursor cursor(editor->document());
    for (int i = 0; i < 6; ++i) {
        const ModelLine &line = Model[i];
        QTextBlockFormat block;
        block.setAlignment(line.alignment);
        QTextCharFormat character;
        character.setFontFamilies({QStringLiteral("Times New Roman")});
        character.setFontPointSize(12);
        character.setFontWeight(line.bold ? QFont::Bold : QFont::Normal);
        character.setFontItalic(line.italic);
        character.setFontUnderline(line.underline);
        character.setForeground(line.red ? QColor(255, 0, 0) : QColor(0, 0, 0));
        if (i == 0) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(character);
        } else {
            cursor.insertBlock(block, character);
        }
        cursor.insertText(sourceLines().at(i), character);
    }
    applyPageMargins(editor);
}

QStringList displayedLines(QTextEdit *editor)
{
    QTextDocument *document = editor->document();
    document->documentLayout()->documentSize();   // lays the whole document out
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        const QString text = block.text();
        if (!layout || layout->lineCount() == 0) {
            lines << text;
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines << text.mid(line.textStart(), line.textLength());
        }
    }
    return lines;
}

bool sameFirstLines(QTextEdit *page1, QTextEdit *page2, int count)
{
    const QStringList a = displayedLines(page1);
    const QStringList b = displayedLines(page2);
    for (int i = 0; i < count; ++i) {
        // A page with fewer lines than that shows an empty line there.
        if (a.value(i) != b.value(i) || (i < a.size()) != (i < b.size()))
            return false;
    }
    return true;
}

const QList<Expected> &formatRanges()
{
    static const QList<Expected> ranges{
        {1, 13, Qt::AlignHCenter, true, false, false, true},
        {17, 94, Qt::AlignLeft, false, false, false, false},
        {114, 23, Qt::AlignLeft, false, false, true, false},
        {139, 26, Qt::AlignRight, false, true, false, false},
    };
    return ranges;
}

Reading readRange(QTextEdit *editor, int offset, int length)
{
    QTextDocument *document = editor->document();
    const int last = document->characterCount() - 1;   // the document's final separator
    const int start = qMin(RichOffsets::toPosition(document, offset), last);
    int end = qMin(RichOffsets::toPosition(document, offset + length), last);
    // The line break that ends a range shows nothing: it is not read.
    if (end > start && document->characterAt(end - 1) == ParagraphSeparator)
        --end;
    Reading whole;
    if (end <= start)
        return whole;
    whole = readCharacter(document, start);
    whole.alignment = horizontal(document->findBlock(start).blockFormat().alignment());
    for (int position = start + 1; position < end; ++position) {
        const Reading one = readCharacter(document, position);
        const Qt::Alignment alignment = horizontal(document->findBlock(position).blockFormat().alignment());
        if (!sameCharacterAttributes(whole, one) || alignment != whole.alignment) {
            whole.uniform = false;
            break;
        }
    }
    return whole;
}

Reading readCurrent(QTextEdit *editor)
{
    return readFormat(editor->currentCharFormat(), editor->document()->defaultFont());
}

bool passes(const Reading &reading, const Expected &expected)
{
    if (!reading.uniform)
        return false;
    const bool colourRight = expected.red
                                 ? !reading.automaticColour && reading.colour.rgb() == qRgb(255, 0, 0)
                                 : reading.automaticColour || reading.colour.rgb() == qRgb(0, 0, 0);
    return reading.alignment == expected.alignment && reading.family == QLatin1String(ExpectedFamily)
           && qFuzzyCompare(reading.pointSize, ExpectedPointSize) && reading.bold == expected.bold
           && reading.italic == expected.italic && reading.underline == expected.underline && !reading.strikeOut
           && colourRight;
}

int passedRanges(QTextEdit *editor)
{
    int passed = 0;
    for (const Expected &range : formatRanges()) {
        if (passes(readRange(editor, range.offset, range.length), range))
            ++passed;
        editor->setTextCursor(RichOffsets::select(editor->document(), range.offset, range.length));
    }
    return passed;
}
}
