#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Where the find-and-replace exercise places its controls, in client pixels. The
// screenshot's painter draws the binoculars and the page from the same rectangles.
namespace FindReplaceLayout {
constexpr int Competence = 15;                 // 3.2
constexpr QSize WindowSize(934, 717);
constexpr QRect Image1(16, 8, 911, 505);       // the word processor's screenshot
constexpr QRect RichEdit1(152, 160, 649, 313); // the live document over its page
constexpr QRect zs1(617, 60, 26, 30);          // over the binoculars
constexpr QRect Mascot(40, 560, 84, 100);
constexpr QRect BubbleShape(136, 532, 640, 140);
constexpr QRect Label3(150, 548, 612, 52);
constexpr QRect Label4(150, 604, 612, 52);
constexpr QRect AbandonButton(800, 664, 110, 34);

// The same rectangles in the screenshot's own coordinates.
constexpr QRect inPicture(const QRect &windowRect)
{
    return windowRect.translated(-Image1.left(), -Image1.top());
}

// Where the screenshot draws the binoculars, in its own coordinates.
QRect binocularsInPicture();

// Three identical paragraphs of four lines, each line ending with a space.
inline const QString &paragraphLine(int index)
{
    static const QString lines[4] = {
        QStringLiteral("Choisissez les attributs de texte à rechercher. Par exemple, si vous recherchez l'attribut "),
        QStringLiteral("Police, l'application détecte toutes les occurrences du texte qui n'utilisent pas la police de "),
        QStringLiteral("base. L'application détecte en outre le texte contenant des attributs de caractères "),
        QStringLiteral("directement codés et le texte dans lequel les styles modifient les attributs de caractères. ")};
    return lines[index];
}
constexpr int ParagraphCount = 3;
// Offsets of the capitalised "Police", a line break counting two characters.
constexpr int PoliceOffsets[ParagraphCount] = {93, 465, 837};
constexpr int PoliceLength = 6;
}
