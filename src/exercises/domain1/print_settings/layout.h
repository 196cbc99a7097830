#pragma once
#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// The print-settings exercise (competence 1.5): a poem in a word processor, to be
// printed in part, in colour, in two copies, after a preview. Client pixels below
// the menu bar.
namespace PrintSettingsLayout {
constexpr int Competence = 5;
constexpr QSize ClientSize(890, 659);
inline const QString Caption = QStringLiteral("exercice5v3");
inline const QColor Background(118, 124, 152);

constexpr QRect Image1(0, 0, 869, 493);       // the word processor, its page empty
constexpr QRect RichEdit1(136, 176, 657, 305);
constexpr QRect zs1(0, 4, 865, 61);           // both tool bars
constexpr QRect zs2(214, 4, 25, 29);          // the print-preview button
constexpr QRect teteordi(192, 544, 84, 100);
constexpr QRect Shape5(272, 504, 393, 121);
constexpr QRect Label1(296, 512, 353, 65);
constexpr QRect Label2(304, 576, 337, 33);
constexpr QRect BitBtn20(760, 604, 110, 34);

inline const QString Instruction =
    QStringLiteral("Imprime en couleur le 2ème paragraphe de ce texte (en 2 exemplaires)");
inline const QString SecondLine = QStringLiteral("En faisant un aperçu au préalable");

// The poem, one paragraph per line; empty lines stand between the blocks.
inline const QStringList &poem()
{
    static const QStringList lines{
        QStringLiteral("Le Dormeur du val"),
        QString(),
        QStringLiteral("C'est un trou de verdure où chante une rivière"),
        QStringLiteral("Accrochant follement aux herbes des haillons"),
        QStringLiteral("D'argent; où le soleil de la montagne fière,"),
        QStringLiteral("Luit; C'est un petit val qui mousse de rayons."),
        QString(),
        QStringLiteral("Un soldat jeune bouche ouverte, tête nue,"),
        QStringLiteral("Et la nuque baignant dans le frais cresson bleu,"),
        QStringLiteral("Dort; il est étendu dans l'herbe, sous la nue,"),
        QStringLiteral("Pale dans son lit vert où la lumière pleut."),
        QString(),
        QStringLiteral("Les pieds dans les glaïeuls, il dort. Souriant comme"),
        QStringLiteral("Sourirait un enfant malade, il fait un somme:"),
        QStringLiteral("Nature, berce-le chaudement: il a froid."),
        QString(),
        QStringLiteral("Les parfums ne font plus frissonner sa narine;"),
        QStringLiteral("Il dort dans le soleil, la main sur sa poitrine"),
        QStringLiteral("Tranquille. Il a deux trous rouges au côté droit."),
        QString(),
        QStringLiteral("Lucien Marvaux"),
    };
    return lines;
}
constexpr int SecondStanzaFirstLine = 7;   // index in poem(), four lines
constexpr int StanzaLines = 4;
// Each stanza has its colour; the title and the signature stay black.
inline QColor stanzaColour(int stanza)
{
    static const QColor colours[] = {QColor(0, 0, 160), QColor(200, 0, 0), QColor(0, 120, 0), QColor(128, 0, 128)};
    return colours[stanza % 4];
}
// The stanza (0 .. 3) a line belongs to, or -1.
inline int stanzaOf(int line)
{
    if (line >= 2 && line <= 5)
        return 0;
    if (line >= 7 && line <= 10)
        return 1;
    if (line >= 12 && line <= 14)
        return 2;
    if (line >= 16 && line <= 18)
        return 3;
    return -1;
}

// Where the screenshot draws the print-preview button, in its own coordinates.
QRect previewButtonInPicture();

// The same rectangles in the screenshot's coordinates.
constexpr QRect inPicture(const QRect &clientRect) { return clientRect.translated(-Image1.left(), -Image1.top()); }
}
