#include "exercises/domain3/find_replace/layout.h"
#include "pictures/pictures.h"
#include "pictures/wordprocessor.h"

#include <QPainter>

namespace {
using namespace WordProcessor;

QList<ToolItem> standardBar()
{
    // 19 buttons and 6 separators before the binoculars, which land under zs1.
    return WordProcessor::standardBar(QPoint(21, 2), QSize(26, 30), 28, true);
}

QList<ToolItem> characterBar()
{
    return RowBuilder(QPoint(21, 3), QSize(24, 26), 26, 8)
        .combo(110, QStringLiteral("Standard"))
        .combo(150, QStringLiteral("Arial"))
        .combo(48, QStringLiteral("12"))
        .separator()
        .add(Tool::Bold).add(Tool::Italic).add(Tool::Underline)
        .separator()
        .add(Tool::AlignLeft, true).add(Tool::AlignCenter).add(Tool::AlignRight).add(Tool::Justify)
        .separator()
        .add(Tool::Numbering).add(Tool::Bullets).add(Tool::IndentLess).add(Tool::IndentMore)
        .separator()
        .add(Tool::TextColour).add(Tool::Highlight)
        .items();
}

Window screenshot()
{
    Window window;
    window.title = QStringLiteral("Document1 - Traitement de texte");
    window.menus = standardMenus();
    window.toolBars = {standardBar(), characterBar()};
    window.toolBarHeights = {34, 32};
    const QRect text = FindReplaceLayout::inPicture(FindReplaceLayout::RichEdit1);
    window.textArea = text;
    window.sheet = QRect(text.left() - 26, 144, text.width() + 52, 600);
    for (int p = 0; p < FindReplaceLayout::ParagraphCount; ++p) {
        for (int line = 0; line < 4; ++line) {
            Paragraph paragraph;
            paragraph.text = FindReplaceLayout::paragraphLine(line);
            paragraph.family = QStringLiteral("Arial");
            paragraph.pointSize = 12.75;   // 17 pixels
            window.paragraphs << paragraph;
        }
        if (p + 1 < FindReplaceLayout::ParagraphCount)
            window.paragraphs << Paragraph{QString(), Qt::AlignLeft, QStringLiteral("Arial"), 12.75};
    }
    window.statusFields = {QStringLiteral("Page 1 / 1"), QStringLiteral("Standard"),
                           QStringLiteral("Français (France)"), QStringLiteral("INSÉR"), QStringLiteral("STD"),
                           QStringLiteral("100%")};
    return window;
}

void paintScreenshot(QPainter &painter, const QSize &size)
{
    paintWindow(painter, size, screenshot());
}

}

QRect FindReplaceLayout::binocularsInPicture()
{
    return WordProcessor::toolRect(standardBar(), WordProcessor::Tool::FindReplace)
        .translated(0, WordProcessor::windowGeometry(Image1.size(), screenshot()).toolBars.value(0).top());
}

namespace {
const Pictures::Registrar image1{{QStringLiteral("Texercice15v3/Image1"), FindReplaceLayout::Image1.size(),
                                  &paintScreenshot,
                                  {{QStringLiteral("zs1"), FindReplaceLayout::inPicture(FindReplaceLayout::zs1)}}}};
}
