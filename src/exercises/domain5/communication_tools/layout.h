#pragma once
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// Geometry and texts of the communication tools quiz (competence 5.1): two pages of
// eight questions each, on two light-blue bands per page, each band headed by a
// word-art picture on its left.
namespace CommunicationToolsLayout {

constexpr int Competence = 26;
constexpr QSize WindowSize{937, 768};

// The instruction bubble and Abandon.
constexpr QRect Mascot{24, 16, 84, 100};
constexpr QRect BubbleShape{124, 20, 640, 100};
constexpr QRect BubbleLabel{136, 30, 616, 80};
constexpr QRect AbandonButton{800, 700, 110, 28};   // BitBtn20
constexpr QRect SuiteButton{616, 640, 120, 32};

// Two bands per page, four questions a band.
constexpr int QuestionsPerBand = 4;
constexpr QRect Bands[2] = {{10, 146, 917, 232}, {10, 394, 917, 232}};
constexpr QSize HeadingSize{160, 76};
constexpr int HeadingLeft = 20;
constexpr int RowHeight = 56;
constexpr int RowTop = 10;            // first row below the band's top
constexpr int MemoLeft = 190;
constexpr QSize MemoSize{420, 44};
constexpr int ControlLeft = 660;      // the drop-down, or the "vrai" button
constexpr QSize ComboSize{185, 24};
constexpr QSize ChoiceButtonSize{71, 25};
constexpr int FalseButtonLeft = 770;  // the "faux" column
constexpr QSize FrameSize{81, 33};    // the coloured frame behind the chosen button

// The rectangles of question i (0 .. 7) of a page.
constexpr QRect band(int question) { return Bands[question / QuestionsPerBand]; }
constexpr int rowTop(int question)
{
    return band(question).top() + RowTop + (question % QuestionsPerBand) * RowHeight;
}
constexpr QRect memoRect(int question) { return {MemoLeft, rowTop(question), MemoSize.width(), MemoSize.height()}; }
constexpr QRect comboRect(int question)
{
    return {ControlLeft, rowTop(question) + 10, ComboSize.width(), ComboSize.height()};
}
constexpr QRect trueRect(int question)
{
    return {ControlLeft, rowTop(question) + 10, ChoiceButtonSize.width(), ChoiceButtonSize.height()};
}
constexpr QRect falseRect(int question)
{
    return {FalseButtonLeft, rowTop(question) + 10, ChoiceButtonSize.width(), ChoiceButtonSize.height()};
}
// The frame centred behind a button.
constexpr QRect frameRect(const QRect &button)
{
    return {button.left() - (FrameSize.width() - button.width()) / 2,
            button.top() - (FrameSize.height() - button.height()) / 2, FrameSize.width(), FrameSize.height()};
}
constexpr QRect headingRect(int bandIndex)
{
    return {HeadingLeft, Bands[bandIndex].top() + 12, HeadingSize.width(), HeadingSize.height()};
}

// Texts.
inline const QString StartInstruction = QStringLiteral("Réponds à ces questions");
inline const QString SuiteInstruction = QStringLiteral("Clique sur le bouton Suite");
inline const QString Placeholder = QStringLiteral("???");
inline const QString TrueText = QStringLiteral("vrai");
inline const QString FalseText = QStringLiteral("faux");
inline const QString SuiteText = QStringLiteral("Suite");
// The word-art headings, two a page.
inline const QString Headings[4] = {QStringLiteral("Services"), QStringLiteral("Blog"), QStringLiteral("Tchat"),
                                    QStringLiteral("E.mail")};

}
