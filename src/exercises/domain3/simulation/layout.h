#pragma once
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// Geometry and texts of the simulation exercise (competence 3.6): six films of
// numerical simulations to name, then a text with five gaps about what simulation can
// and cannot do, in client pixels of its two windows.
namespace SimulationLayout {

constexpr int Competence = 19;
constexpr QSize WindowSize{937, 768};

// The films, in the order they play, each in its own display area.
struct Film
{
    const char *file;
    QRect area;
    int rightButton;   // 1 .. 6: Button1 .. Button6
};
constexpr Film Films[6] = {
    {"ecluse3.avi", {132, 8, 693, 501}, 2},
    {"tsunami3.avi", {342, 24, 293, 301}, 5},
    {"rafale.avi", {262, 24, 453, 341}, 3},
    {"systeme solaire.avi", {182, 24, 603, 401}, 1},
    {"engrenage.avi", {62, -16, 823, 601}, 6},
    {"usinage.avi", {132, 24, 693, 441}, 4},
};

// Where a film is drawn inside its display area (area coordinates): the whole area,
// but above the control bar where the bar lies over it (a film plays in a native
// surface that no sibling can cover).
inline QRect filmSurface(const QRect &area, const QRect &bar)
{
    QRect surface(QPoint(0, 0), area.size());
    if (area.intersects(bar))
        surface.setBottom(bar.top() - area.top() - 3);
    return surface;
}

// The answer buttons, Button1 .. Button6.
constexpr QRect Buttons[6] = {
    {648, 627, 249, 25}, {320, 587, 249, 25}, {600, 587, 249, 25},
    {48, 587, 249, 25},  {104, 627, 249, 25}, {368, 627, 249, 25},
};
inline const QString ButtonCaptions[6] = {
    QStringLiteral("Permet de simuler le déplacement des astres"),
    QStringLiteral("Permet de simuler le fonctionnement d’une écluse"),
    QStringLiteral("Permet de simuler le vol d’un Rafale"),
    QStringLiteral("Permet de simuler l’usinage d’une pièce"),
    QStringLiteral("Permet de simuler un raz de marrée"),
    QStringLiteral("Permet de simuler un mécanisme "),
};
constexpr QRect ControlBar{344, 520, 253, 30};   // MediaPlayer1

// The instruction bubble and Abandon, below the answer buttons.
constexpr QRect Mascot{24, 662, 84, 100};
constexpr QRect BubbleShape{120, 668, 600, 88};
constexpr QRect BubbleLabel{132, 674, 576, 76};
constexpr QRect AbandonButton{790, 716, 110, 28};   // BitBtn1

// The second window: the last film again above the text with gaps.
constexpr QRect ClozeArea{132, 0, 693, 441};
constexpr QRect ClozeControlBar{568, 408, 253, 30};
constexpr QRect Memo2{42, 459, 849, 198};
constexpr int MemoLineHeight = 18;
constexpr int MemoMargin = 4;
constexpr QRect ValidateButton{720, 668, 110, 30};   // Button1
constexpr QRect ClozeBubbleShape{120, 668, 560, 88};
constexpr QRect ClozeBubbleLabel{132, 674, 536, 76};

// The text with its gaps: ten lines, runs of spaces leaving the gaps.
inline const QStringList ClozeLines = {
    QString(),
    QStringLiteral("Ces différents outils de simulation numérique permettent de                                 et de "
                   "reproduire des phénomènes réels. "),
    QString(),
    QStringLiteral("Ces outils nécessitent la                                 de données. La simulation numérique ne doit "
                   "évidemment pas être confondue avec le               "),
    QStringLiteral("                 "),
    QStringLiteral("                               . Ce n'est pas parce que l'ordinateur dit que cela va se passer comme "
                   "cela que cela se comporte effectivement comme "),
    QString(),
    QStringLiteral("tel dans la                               (ex: simulations  numériques des prévisions "
                   "météorologiques). Certains paramètres non pris en compte par la "),
    QString(),
    QStringLiteral("simulation peuvent                                   les résultats !"),
};
// Each list: the line (0-based) and the text before the gap on it; its top; its right row.
struct Gap
{
    int line;
    const char *before;
    int top;
    const char *answer;
};
constexpr Gap Gaps[5] = {
    {1, "Ces différents outils de simulation numérique permettent de ", 475, "calculer"},
    {3, "Ces outils nécessitent la ", 511, "saisie"},
    {5, "", 547, "réel"},
    {7, "tel dans la ", 583, "réalité"},
    {9, "simulation peuvent ", 618, "perturber"},
};
inline const QStringList GapRows = {QStringLiteral("réalité"), QStringLiteral("calculer"), QStringLiteral("perturber"),
                                    QStringLiteral("saisie"),  QStringLiteral("réel"),     QString()};
inline const QString GapPrompt = QStringLiteral("              ?");
constexpr int GapWidth = 124;
constexpr int GapHeight = 20;

// Texts.
inline const QString FilmInstruction = QStringLiteral("Clique sur le bouton correspondant à la simulation numérique");
inline const QString ClozeInstruction = QStringLiteral("Complète les phrases à trous");
inline const QString ValidateText = QStringLiteral("Valider");
}
