#include "exercises/domain2/charter/u7v3.h"

#include "exercises/domain2/charter/layout.h"
#include "pictures/fonts.h"
#include "pictures/kit.h"
#include "widgets/instructionbubble.h"
#include "widgets/memolabel.h"
#include "widgets/placement.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

using namespace CharterLayout;

namespace {
constexpr int TrueChoice = 1;
constexpr int FalseChoice = 0;

QList<int> rightChoices()
{
    QList<int> choices;
    for (const Row &row : Rows)
        choices << (row.answerIsTrue ? TrueChoice : FalseChoice);
    return choices;
}

// The statements' face: at 11 pixels the regular one is too thin to read.
QFont statementFont()
{
    return pixelFont(QStringLiteral("Comic Sans MS"), 11, true);
}

// A statement or explanation memo, hidden until its row opens.
QLabel *memo(const char *name, const QRect &rect, const QStringList &lines, QWidget *parent)
{
    auto *label = new MemoLabel(QString::fromLatin1(name), rect, statementFont(), parent);
    label->setText(lines.join(QLatin1Char('\n')));
    label->hide();
    return label;
}

// The memos of a row are as high as their text needs, without reaching the next row.
QRect fitted(QRect rect, const QStringList &lines, int limit)
{
    const QFontMetrics metrics(statementFont());
    const QRect needed = metrics.boundingRect(QRect(0, 0, rect.width() - 8, 1000),
                                              Qt::AlignCenter | Qt::TextWordWrap, lines.join(QLatin1Char('\n')));
    rect.setHeight(std::clamp(needed.height() + 8, rect.height(), limit));
    return rect;
}

QPushButton *answerButton(const char *name, const QRect &rect, const QString &text, const QString &icon,
                          QWidget *parent)
{
    auto *button = place(new QPushButton(text, parent), name, rect);
    button->setIcon(PictureKit::themeIcon(icon));
    button->setIconSize(QSize(14, 14));
    button->hide();
    return button;
}
}

Texercice7v3::Texercice7v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice7v3"), WindowSize), m_quiz(session, rightChoices())
{
    setWindowTitle(Caption);
    setStyleSheet(QStringLiteral("Texercice7v3 { background: rgb(240, 240, 240); }"));

    for (int k = 0; k < 10; ++k) {
        const Row &row = Rows[k];
        const int limit = (k < 9 ? Rows[k + 1].top : Result.top()) - row.top - 4;
        QRect statementArea = fitted(statementRect(row), row.statement, limit);
        QRect explanationArea = fitted(explanationRect(row), row.explanation, limit);
        const int height = std::max(statementArea.height(), explanationArea.height());
        statementArea.setHeight(height);
        explanationArea.setHeight(height);
        RowControls &c = rows[k];
        c.statement = memo(row.statementName, statementArea, row.statement, this);
        c.trueButton = answerButton(row.trueName, trueRect(row), TrueText, QStringLiteral("dialog-ok-apply"), this);
        c.falseButton = answerButton(row.falseName, falseRect(row), FalseText, QStringLiteral("dialog-cancel"), this);
        c.explanation = memo(row.explanationName, explanationArea, row.explanation, this);
        connect(c.trueButton, &QPushButton::clicked, this, [this, k] { answerClick(k, true); });
        connect(c.falseButton, &QPushButton::clicked, this, [this, k] { answerClick(k, false); });
    }

    InstructionBubble *bubble = placeBubble(Mascot, Bubble);
    Label1 = bubble->addLabel(QStringLiteral("Label1"), Instruction, InstructionText);
    Label2 = place(new QLabel(ResultInitialText, this), "Label2", Result);
    Label2->setFont(pixelFont(QStringLiteral("Comic Sans MS"), 13));
    Label2->hide();
    placeAbandon(QStringLiteral("BitBtn1"), Abandon);

    showRow(0);
}

void Texercice7v3::showRow(int row)
{
    rows[row].statement->show();
    rows[row].trueButton->show();
    rows[row].falseButton->show();
}

void Texercice7v3::answerClick(int row, bool saidTrue)
{
    // Rows open one after another: only the row now asked can be answered.
    if (row != m_quiz.current())
        return;
    RowControls &c = rows[row];
    QPushButton *pressed = saidTrue ? c.trueButton : c.falseButton;
    QPushButton *other = saidTrue ? c.falseButton : c.trueButton;
    pressed->setEnabled(false);
    other->hide();
    const bool right = m_quiz.answer(saidTrue ? TrueChoice : FalseChoice);
    c.explanation->show();
    // The pen straddles the rectangle: the frame's inner edge lies one pixel off the button.
    m_frames.append({pressed->geometry().adjusted(-FrameWidth, -FrameWidth, FrameWidth - 1, FrameWidth - 1),
                     right ? QColor(0, 170, 0) : QColor(230, 0, 0)});
    update();
    if (!m_quiz.finished()) {
        showRow(row + 1);
        return;
    }
    Label2->show();
    FailureTexts failure;
    failure.labelFormat = ResultFailureFormat;
    m_quiz.verdict(Label2, failure, ResultSuccess);
}

void Texercice7v3::paintEvent(QPaintEvent *event)
{
    ExerciseScreen::paintEvent(event);
    QPainter p(this);
    for (const Frame &frame : m_frames) {
        p.setPen(QPen(frame.colour, FrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(frame.rect);
    }
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice7v3>(Competence));
