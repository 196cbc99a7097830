#pragma once
#include "shell/exercise/answerquiz.h"
#include "shell/exercise/exercisescreen.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <array>

class QLabel;
class QPushButton;

// Competence 2.1: ten true-or-false statements on the school's computer charter,
// opened one at a time; each answer is marked at once by a green or red frame round
// the pressed button and its explanation shows beside it. Ten right answers pass.
class Texercice7v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice7v3(ExerciseSession *session);

    struct RowControls
    {
        QLabel *statement = nullptr;
        QPushButton *trueButton = nullptr;
        QPushButton *falseButton = nullptr;
        QLabel *explanation = nullptr;
    };
    std::array<RowControls, 10> rows;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;

    struct Frame
    {
        QRect rect;
        QColor colour;
    };
    // The frames drawn so far, round the pressed buttons; kept across repaints.
    const QList<Frame> &frames() const { return m_frames; }
    const AnswerQuiz &quiz() const { return m_quiz; }

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void answerClick(int row, bool saidTrue);

private:
    void showRow(int row);

    AnswerQuiz m_quiz;
    QList<Frame> m_frames;
};
