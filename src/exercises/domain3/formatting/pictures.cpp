#include "exercises/domain3/formatting/layout.h"
#include "exercises/domain3/formatting/toolbar.h"
#include "pictures/pictures.h"
#include "pictures/wordprocessor.h"

#include <QPainter>

namespace {
using namespace FormattingLayout;

constexpr QSize ClientSize = WindowSize;   // the client area under the menu bar

// The desk behind the two pages: rulers over them, each page a sheet.
void paintDesk(QPainter &painter, const QSize &size, bool withFooters)
{
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(236, 236, 236));
    // The tool bar runs across the window: the first window's live buttons go on
    // it, the second window's picture of them (Image2) covers its left part.
    const QRect bar(0, 0, size.width(), ToolBar.height());
    WordProcessor::paintToolBarBackground(painter, bar, withFooters ? QList<WordProcessor::ToolItem>()
                                                                    : FormattingToolBar::items());
    const QRect desk(0, ToolBar.bottom() + 1, size.width(), LeftPage.bottom() + (withFooters ? 60 : 14) - ToolBar.bottom());
    painter.fillRect(desk, QColor(168, 172, 182));
    painter.setPen(QColor(140, 140, 150));
    painter.drawLine(desk.bottomLeft(), desk.bottomRight());
    for (const QRect &page : {LeftPage, RightPage}) {
        QRect sheet = page.adjusted(-1, -1, 1, 1);
        if (withFooters)
            sheet.setBottom(LeftFooter.bottom() + 4);
        WordProcessor::paintSheet(painter, sheet);
        if (withFooters) {
            // The footer zone, set off by a dotted line as in print layout.
            painter.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
            painter.drawLine(page.left() + 4, LeftFooter.top() - 6, page.right() - 4, LeftFooter.top() - 6);
        }
    }
    WordProcessor::paintRuler(painter, LeftRuler, LeftRuler.left() + PageMargin, LeftRuler.right() - PageMargin);
    WordProcessor::paintRuler(painter, RightRuler, RightRuler.left() + PageMargin, RightRuler.right() - PageMargin);
}

void paintToolBar(QPainter &painter, const QSize &size)
{
    WordProcessor::paintToolBar(painter, QRect(QPoint(0, 0), size), FormattingToolBar::items());
}

const Pictures::Registrar desk{{QStringLiteral("Texercice14v3/Image1"), ClientSize,
                                 [](QPainter &p, const QSize &s) { paintDesk(p, s, false); }, {}}};
const Pictures::Registrar deskWithFooters{{QStringLiteral("Texercice14v3b/Image1"), ClientSize,
                                           [](QPainter &p, const QSize &s) { paintDesk(p, s, true); }, {}}};
const Pictures::Registrar toolBar{{QStringLiteral("Texercice14v3b/Image2"), ToolBar.size(), &paintToolBar,
                                   {{QStringLiteral("zs1"), zs1}}}};
}
