#include "exercises/domain3/formatting/toolbar.h"

namespace FormattingToolBar {
using namespace WordProcessor;

QList<ToolItem> items()
{
    // Buttons 22 x 26 every 23 pixels from x 7: the centre button spans 307 .. 328.
    return RowBuilder(QPoint(7, 3), QSize(22, 26), 23, 8)
        .add(Tool::New).add(Tool::Open).add(Tool::Save).add(Tool::Print)
        .separator()
        .add(Tool::Cut).add(Tool::Copy).add(Tool::Paste).add(Tool::Undo)
        .separator()
        .add(Tool::Bold).add(Tool::Italic).add(Tool::Underline)
        .separator()
        .add(Tool::AlignLeft).add(Tool::AlignCenter).add(Tool::AlignRight)
        .separator()
        .add(Tool::Bullets)
        .items();
}
}
