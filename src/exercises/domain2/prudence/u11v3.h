#pragma once
#include "shell/exercise/exercisescreen.h"

#include <QColor>
#include <QLine>
#include <QList>
#include <array>

class Disc;
class QCheckBox;
class QLabel;

// Competence 2.5, first window: seven security words matched with their definitions
// on a brick-wall worksheet. The pupil ticks a word, then a definition; each pair is
// joined by a green (right) or red (wrong) line. Seven right pairs lead on to the
// desktop; any wrong pair fails once the seventh is made.
class Texercice11v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice11v3(ExerciseSession *session);

    std::array<QCheckBox *, 14> r{};    // r1 .. r7 the words, r8 .. r14 the definitions
    std::array<QLabel *, 14> boxes{};   // the words' and definitions' boxes
    Disc *Shape1 = nullptr;
    Disc *Shape2 = nullptr;
    QLabel *Label2 = nullptr;

    struct PairLine
    {
        QLine line;
        QColor colour;
    };
    const QList<PairLine> &lines() const { return m_lines; }
    int pairsMade() const { return m_pairs; }
    int correctPairs() const { return m_correct; }

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void termClick(int k);
    void definitionClick(int j);

private:
    void openLeftColumn();
    void openRightColumn();
    void judge();

    int m_pairs = 0;
    int m_correct = 0;
    int m_chosenTerm = 1;
    QList<PairLine> m_lines;
};
