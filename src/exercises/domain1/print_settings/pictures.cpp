#include "exercises/domain1/print_settings/layout.h"
#include "pictures/fonts.h"
#include "pictures/kit.h"
#include "pictures/pictures.h"
#include "pictures/printing.h"
#include "pictures/wordprocessor.h"

#include <QPainter>

namespace {
using namespace WordProcessor;
namespace L = PrintSettingsLayout;

constexpr QRect StandardBarArea(0, 2, 869, 33);
constexpr QRect FormattingBarArea(0, 35, 869, 32);
constexpr QRect RulerArea(0, 67, 851, 22);
constexpr QRect DocumentArea(0, 89, 851, 404);
constexpr QRect ScrollArea(851, 67, 18, 426);

// The standard bar, in its own coordinates: the print-preview button (the eighth
// button, after one separator) lands under zs2.
QList<ToolItem> standardBar()
{
    const QPoint preview = L::zs2.topLeft() - StandardBarArea.topLeft();
    return WordProcessor::standardBar(QPoint(preview.x() - 7 * 27 - 8, preview.y()), L::zs2.size(), 27);
}

QList<ToolItem> formattingBar()
{
    return RowBuilder(QPoint(17, 3), QSize(24, 26), 26, 8)
        .combo(110, QStringLiteral("Standard"))
        .combo(150, QStringLiteral("Tahoma"))
        .combo(48, QStringLiteral("8"))
        .separator()
        .add(Tool::Bold).add(Tool::Italic).add(Tool::Underline)
        .separator()
        .add(Tool::AlignLeft).add(Tool::AlignCenter, true).add(Tool::AlignRight).add(Tool::Justify)
        .separator()
        .add(Tool::Numbering).add(Tool::Bullets).add(Tool::IndentLess).add(Tool::IndentMore)
        .separator()
        .add(Tool::TextColour).add(Tool::Highlight)
        .items();
}

void paintScreenshot(QPainter &painter, const QSize &)
{
    paintToolBar(painter, StandardBarArea, standardBar());
    paintToolBar(painter, FormattingBarArea, formattingBar());
    const QRect text = L::inPicture(L::RichEdit1);
    paintRuler(painter, RulerArea, text.left(), text.right());
    painter.fillRect(DocumentArea, QColor(171, 171, 171));
    paintSheet(painter, QRect(text.left() - 26, DocumentArea.top() + 12, text.width() + 52, DocumentArea.height() + 40));
    paintScrollBar(painter, ScrollArea, Qt::Vertical);
}

// The preview: the second stanza in red at the top of the printed page.
void paintPreviewPage(QPainter &painter, const QSize &size)
{
    const QStringList stanza = L::poem().mid(L::SecondStanzaFirstLine, L::StanzaLines);
    Printing::paintPrintedPage(painter, size, stanza, QColor(220, 0, 0), pixelFont(QStringLiteral("Tahoma"), 7));
}

const Pictures::Registrar image1{{QStringLiteral("Texercice5v3/Image1"), L::Image1.size(), &paintScreenshot,
                                  {{QStringLiteral("zs1"), L::inPicture(L::zs1)},
                                   {QStringLiteral("zs2"), L::inPicture(L::zs2)}}}};
const Pictures::Registrar preview{{QStringLiteral("Timpressionapercuv3/Image1"), QSize(323, 295), &paintPreviewPage, {}}};
}

namespace PrintSettingsLayout {
// Where the screenshot draws the print-preview button (tests hold it under zs2).
QRect previewButtonInPicture()
{
    return toolRect(standardBar(), Tool::Preview).translated(StandardBarArea.topLeft());
}
}
