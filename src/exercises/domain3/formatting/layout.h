#pragma once
#include <QRect>
#include <QSize>

// Where the two windows of the formatting exercise place their controls, in client
// pixels. The second window's tool-bar picture is drawn from the same tool bar as
// the first window's live buttons.
namespace FormattingLayout {
constexpr int Competence = 14;                     // 3.1
constexpr QSize WindowSize(896, 720);
constexpr QRect ToolBar(0, 0, 529, 41);             // live buttons, then Image2
constexpr QRect LeftPage(8, 80, 385, 433);
constexpr QRect RightPage(464, 80, 385, 433);
constexpr QRect LeftPageLabel(8, 44, 120, 18);      // "Page1"
constexpr QRect RightPageLabel(464, 44, 120, 18);   // "Page2"
constexpr QRect LeftRuler(8, 62, 385, 16);
constexpr QRect RightRuler(464, 62, 385, 16);
constexpr QRect LeftFooter(8, 528, 385, 33);        // piedpage1
constexpr QRect RightFooter(464, 528, 385, 33);     // piedpage2
constexpr QRect zs1(309, 6, 20, 20);                // over the centre icon of Image2
constexpr QRect OkButton(760, 584, 100, 40);
// The instruction bubble and Abandon, in client pixels like the rest.
constexpr QRect Mascot(24, 606, 84, 100);
constexpr QRect BubbleShape(116, 598, 600, 112);
constexpr QRect AbandonButton(760, 676, 100, 30);
constexpr int PageMargin = 6;                        // inside each page, left and right
}
