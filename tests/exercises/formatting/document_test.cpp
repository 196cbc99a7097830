#include "exercises/domain3/formatting/document.h"
#include "exercises/domain3/formatting/toolbar.h"
#include "exercises/domain3/formatting/layout.h"

#include <QApplication>
#include <QClipboard>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <memory>

using namespace FormattingDocument;

namespace {
// Two pages as the exercise shows them: same size, same font, shown.
struct Pages
{
    explicit Pages(const QString &family = QStringLiteral("Times New Roman"))
    {
        window->resize(FormattingLayout::WindowSize);
        for (QTextEdit *page : {page1, page2}) {
            QFont font(family);
            font.setPointSize(12);
            page->document()->setDefaultFont(font);
            page->setAcceptRichText(true);
        }
        page1->setGeometry(FormattingLayout::LeftPage);
        page2->setGeometry(FormattingLayout::RightPage);
        fillSource(page1);
        applyPageMargins(page2);
        window->show();
        QApplication::processEvents();
    }
    // Page 2 holding a text typed by the pupil (the page keeps its margins).
    void setPage2(const QString &text)
    {
        page2->setPlainText(text);
        applyPageMargins(page2);
    }
    void copyAll()
    {
        page1->selectAll();
        page1->copy();
        page2->setFocus();
        page2->paste();
    }

    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QTextEdit *page1 = new QTextEdit(window.get());
    QTextEdit *page2 = new QTextEdit(window.get());
};

// Formats a range given with a line break counting two characters, as the pupil's
// selection and tool would.
void format(QTextEdit *editor, int richStart, int richEnd, const QTextCharFormat &f)
{
    QTextCursor c(editor->document());
    // The source text has no line break before offset 15 other than the title's.
    auto toQt = [editor](int rich) {
        int position = 0;
        int counted = 0;
        for (QTextBlock b = editor->document()->begin(); b.isValid(); b = b.next()) {
            const int length = b.length() - 1;
            if (rich <= counted + length)
                return position + (rich - counted);
            counted += length + 2;
            position += length + 1;
        }
        return position;
    };
    c.setPosition(toQt(richStart));
    c.setPosition(toQt(richEnd), QTextCursor::KeepAnchor);
    c.mergeCharFormat(f);
}

void align(QTextEdit *editor, int block, Qt::Alignment alignment)
{
    QTextCursor c(editor->document()->findBlockByNumber(block));
    QTextBlockFormat f = c.blockFormat();
    f.setAlignment(alignment);
    c.setBlockFormat(f);
}

QTextCharFormat font(const QString &family, qreal size)
{
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(size);
    return f;
}

// The source text with the model's formatting applied to its characters, each
// line selected without its line break (as a pupil selects a line).
void formatPerfectly(QTextEdit *editor)
{
    QTextCursor all(editor->document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(font(QStringLiteral("Times New Roman"), 12));
    QTextCharFormat title;
    title.setFontWeight(QFont::Bold);
    title.setForeground(QColor(255, 0, 0));
    format(editor, 0, 13, title);
    align(editor, 0, Qt::AlignHCenter);
    QTextCharFormat underline;
    underline.setFontUnderline(true);
    format(editor, 114, 137, underline);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    format(editor, 139, 165, italic);
    align(editor, 5, Qt::AlignRight);
}

QTextEdit *sourcePage(QWidget *parent)
{
    auto *editor = new QTextEdit(parent);
    editor->setGeometry(FormattingLayout::RightPage);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(8);
    editor->document()->setDefaultFont(arial);
    fillSource(editor);
    return editor;
}
}

class DisplayedLines : public ::testing::TestWithParam<const char *>
{
};

// The installed families stand in for the ones asked for; the comparison must hold
// whichever font draws the pages.
TEST_P(DisplayedLines, ACopyThroughTheClipboardMatchesAndTheLongLineWraps)
{
    Pages pages(QString::fromLatin1(GetParam()));
    pages.copyAll();
    const QStringList lines = displayedLines(pages.page1);
    EXPECT_GT(lines.size(), 6) << "the third source line wraps at the page width";
    EXPECT_EQ(lines.value(0), QStringLiteral("TITRE en GRAS"));
    EXPECT_EQ(displayedLines(pages.page2), lines);
    EXPECT_TRUE(sameFirstLines(pages.page1, pages.page2));
}

TEST_P(DisplayedLines, DifferencesInTheFirstFiveLinesFailAndLaterOnesDoNot)
{
    Pages pages(QString::fromLatin1(GetParam()));
    pages.setPage2(sourceLines().mid(0, 4).join(QLatin1Char('\n')));
    EXPECT_TRUE(sameFirstLines(pages.page1, pages.page2)) << "the last two source lines are never needed";

    QStringList changed = sourceLines();
    changed[5] = QStringLiteral("autre chose");
    pages.setPage2(changed.join(QLatin1Char('\n')));
    EXPECT_TRUE(sameFirstLines(pages.page1, pages.page2));

    changed = sourceLines();
    changed[0] = QStringLiteral("Titre en GRAS");
    pages.setPage2(changed.join(QLatin1Char('\n')));
    EXPECT_FALSE(sameFirstLines(pages.page1, pages.page2)) << "case counts";

    changed = sourceLines();
    changed[0] += QLatin1Char(' ');
    pages.setPage2(changed.join(QLatin1Char('\n')));
    EXPECT_FALSE(sameFirstLines(pages.page1, pages.page2)) << "a trailing space counts";

    pages.setPage2(sourceLines().mid(0, 2).join(QLatin1Char('\n')));
    EXPECT_FALSE(sameFirstLines(pages.page1, pages.page2)) << "a missing third line";

    pages.page2->clear();
    EXPECT_FALSE(sameFirstLines(pages.page1, pages.page2));
}

INSTANTIATE_TEST_SUITE_P(InstalledFonts, DisplayedLines,
                         ::testing::Values("Times New Roman", "Arial", "Comic Sans MS", "DejaVu Sans"));

TEST(FormatRanges, ThePerfectlyFormattedSourcePassesAllFourRanges)
{
    QWidget window;
    QTextEdit *editor = sourcePage(&window);
    EXPECT_EQ(passedRanges(editor), 0) << "Arial 8 everywhere";
    formatPerfectly(editor);
    EXPECT_EQ(passedRanges(editor), 4);
    // The ranges are left selected, the last one being source line 6.
    EXPECT_EQ(editor->textCursor().selectedText(), QStringLiteral("Texte à droite en italique"));
}

TEST(FormatRanges, TheModelItselfPasses)
{
    QWidget window;
    QTextEdit *editor = sourcePage(&window);
    fillModel(editor);
    EXPECT_EQ(passedRanges(editor), 4);
}

TEST(FormatRanges, TitleInArialFailsOnlyTheTitle)
{
    QWidget window;
    QTextEdit *editor = sourcePage(&window);
    formatPerfectly(editor);
    format(editor, 0, 13, font(QStringLiteral("Arial"), 12));
    EXPECT_EQ(passedRanges(editor), 3);
}

TEST(FormatRanges, ExplicitBlackPassesAndDarkGreyFails)
{
    QWidget window;
    QTextEdit *editor = sourcePage(&window);
    formatPerfectly(editor);
    QTextCharFormat black;
    black.setForeground(QColor(0, 0, 0));
    format(editor, 17, 110, black);
    EXPECT_EQ(passedRanges(editor), 4);
    QTextCharFormat grey;
    grey.setForeground(QColor(64, 64, 64));
    format(editor, 17, 110, grey);
    EXPECT_EQ(passedRanges(editor), 3);
}

TEST(FormatRanges, AnExtraStyleBitOrAMixedRangeFails)
{
    QWidget window;
    QTextEdit *editor = sourcePage(&window);
    formatPerfectly(editor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    format(editor, 114, 137, bold);   // line 5 underlined and bold
    EXPECT_EQ(passedRanges(editor), 3);

    formatPerfectly(editor);
    bold.setFontWeight(QFont::Normal);
    format(editor, 114, 137, bold);
    QTextCharFormat partly;
    partly.setFontUnderline(false);
    format(editor, 114, 119, partly);   // "Texte" not underlined, the rest is
    EXPECT_EQ(passedRanges(editor), 3);

    formatPerfectly(editor);
    QTextCharFormat strike;
    strike.setFontStrikeOut(true);
    format(editor, 139, 144, strike);
    EXPECT_EQ(passedRanges(editor), 3);
}

TEST(FormatRanges, WrongAlignmentFails)
{
    QWidget window;
    QTextEdit *editor = sourcePage(&window);
    formatPerfectly(editor);
    align(editor, 0, Qt::AlignLeft);
    align(editor, 2, Qt::AlignJustify);
    EXPECT_EQ(passedRanges(editor), 2);
}

TEST(FormatRanges, ACharacterInsertedBeforeTheTitleShiftsTheRanges)
{
    QWidget window;
    QTextEdit *editor = sourcePage(&window);
    formatPerfectly(editor);
    QTextCursor c(editor->document());
    c.insertText(QStringLiteral("x"));
    EXPECT_LT(passedRanges(editor), 4);
}

TEST(FormatRanges, RangesAreClampedToAShortText)
{
    QWidget window;
    QTextEdit *editor = sourcePage(&window);
    editor->setPlainText(QStringLiteral("TITRE"));
    EXPECT_EQ(passedRanges(editor), 0);
    editor->clear();
    EXPECT_EQ(passedRanges(editor), 0);
}

#include "exercises/domain3/find_replace/layout.h"
#include "pictures/wordprocessor.h"

// The hot spots and live buttons sit on the tools the pictures draw.
TEST(WordProcessorPictures, HotSpotsLieOnTheirDrawnTools)
{
    const QRect centre = WordProcessor::toolRect(FormattingToolBar::items(), WordProcessor::Tool::AlignCenter);
    EXPECT_TRUE(centre.contains(FormattingLayout::zs1)) << "the second window's centre icon";
    EXPECT_EQ(FindReplaceLayout::binocularsInPicture(), FindReplaceLayout::inPicture(FindReplaceLayout::zs1));
    // The page the live document covers lies on the screenshot's sheet.
    EXPECT_TRUE(QRect(QPoint(0, 0), FindReplaceLayout::Image1.size())
                    .contains(FindReplaceLayout::inPicture(FindReplaceLayout::RichEdit1)));
}
