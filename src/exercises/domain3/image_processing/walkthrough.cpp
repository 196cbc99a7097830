#include "exercises/domain3/image_processing/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
namespace L = ImageProcessingLayout;

namespace {
const QString Desktop = QStringLiteral("Texercice20v3");
const QString EmptyEditor = QStringLiteral("Texercice20v3b");
const QString Editor = QStringLiteral("Texercice20v3c");
const QString SizeDialog = QStringLiteral("TUtailleimage");
const QString SaveDialog = QStringLiteral("Texcercice20v3enregistrer");
// The text part of a number field, left of its arrows.
constexpr QRect NumberText(0, 0, 40, 24);

Target tool(int row, int index)
{
    return at(Editor, L::toolZone(row, index));
}
// A size field holds the current size: the pupil selects it all, deletes it and types the new text.
Steps retype(const QString &name, const QString &field, const QString &text)
{
    return {
        click(name, on(SizeDialog, field, NumberText)),
        key(name, SizeDialog, Qt::Key_A, Qt::ControlModifier),
        key(name, SizeDialog, Qt::Key_Delete),
        type(name, on(SizeDialog, field, NumberText), text),
    };
}

// The perfect run: the editor started from the desktop, the recent photograph
// opened, its brightness raised to the top, its size halved, then saved as a bitmap.
Steps steps()
{
    const QString brighter = QStringLiteral("Augmente la luminosité");
    Steps run{
        doubleClick(QStringLiteral("Double-clique sur le logiciel de traitement d'images"), at(Desktop, L::zs)),
        click(QStringLiteral("Ouvre le menu 'Fichier'"), at(EmptyEditor, L::zs3b)),
        click(QStringLiteral("Pointe 'Fichiers récents'"), at(EmptyEditor, L::zs5b)),
        click(QStringLiteral("Clique sur 'Coucher de soleil.jpg'"), at(EmptyEditor, L::zs7b)),
        click(QStringLiteral("Clique sur les outils de dessin"), at(Editor, L::zs14)).asMistake(),
        click(brighter, tool(1, ImageEditor::BrightnessUp)),
        click(brighter, tool(1, ImageEditor::BrightnessUp)),
        click(brighter, tool(1, ImageEditor::BrightnessUp)),
        click(QStringLiteral("Clique sur l'outil 'Taille de l'image'"), tool(0, ImageEditor::ImageSizeTool)),
    };
    run += retype(QStringLiteral("Tape la nouvelle largeur"), QStringLiteral("Edit1"), L::AcceptedWidth);
    run += retype(QStringLiteral("Tape la nouvelle hauteur"), QStringLiteral("Edit2"), L::AcceptedHeight);
    run += {
        click(QStringLiteral("Clique sur 'OK'"), on(SizeDialog, QStringLiteral("Button3"))),
        click(QStringLiteral("Ouvre le menu 'Fichier'"), at(Editor, L::menuTitleZone(ImageEditor::File))),
        click(QStringLiteral("Clique sur 'Enregistrer sous'"), at(Editor, L::zs63)),
        chooseEntry(QStringLiteral("Choisis le type Bitmap"), on(SaveDialog, QStringLiteral("ComboBox1")), L::BmpType),
        click(QStringLiteral("Clique sur 'Enregistrer'"), on(SaveDialog, QStringLiteral("zs1"))),
    };
    return run;
}
}

static const Walkthrough::Registrar walkthrough(L::Competence, steps);
