#include "exercises/domain3/combined_document/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using namespace CombinedDocumentLayout;

namespace {
const QString W = QStringLiteral("Texercice9");
const QString Dialog = QStringLiteral("Touverture");

// A point of the window's client area, as a rectangle the player aims at.
QRect point(QPoint p) { return {p, QSize(1, 1)}; }

Step openDialog()
{
    return chooseMenu(QStringLiteral("Ouvre 'Fichier', 'insérer image', 'à partir d'un fichier'"), W,
                      {QStringLiteral("Fichier"), QStringLiteral("insérer image"), QStringLiteral("à partir d'un fichier")});
}

// The file from C:\images, each folder opened by a double click in the open dialog.
void openFile(Steps &run, const QString &file)
{
    run << openEntry(QStringLiteral("Ouvre 'Poste de travail'"), on(Dialog, QStringLiteral("ListView1")),
                     QStringLiteral("Poste de travail"))
        << openEntry(QStringLiteral("Ouvre le disque 'C:\\'"), on(Dialog, QStringLiteral("ListView12")), QStringLiteral("C:\\"))
        << openEntry(QStringLiteral("Ouvre le dossier 'images'"), on(Dialog, QStringLiteral("ListView122")),
                     QStringLiteral("images"))
        << openEntry(QStringLiteral("Ouvre l'image '%1'").arg(file), on(Dialog, QStringLiteral("ListView1222")), file);
}

// The picture's bottom-right corner dragged to the size of its frame, then the
// picture, held a third of the way in, dragged onto the frame.
void place(Steps &run, const char *panel, const QRect &start, const QRect &frame)
{
    const QString name = QString::fromLatin1(panel);
    const QPoint corner(start.width() - 2, start.height() - 2);
    run << drag(QStringLiteral("Tire le coin en bas à droite de l'image à la taille du cadre"), on(W, name, point(corner)),
                at(W, point(start.topLeft() + QPoint(frame.width(), frame.height()))));
    const QPoint grab(frame.width() / 3, frame.height() / 3);
    run << drag(QStringLiteral("Fais glisser l'image dans son cadre"), on(W, name, point(grab)),
                at(W, point(frame.topLeft() + grab)));
}

Steps steps()
{
    Steps run;
    run << openDialog()
        << openEntry(QStringLiteral("Ouvre la poubelle"), on(Dialog, QStringLiteral("ListView1")), QStringLiteral("poubelle"))
               .asMistake();
    openFile(run, AxialFile);
    // The axial frame's bottom edge lies one pixel above the frame drawn.
    place(run, "Panel2", Panel2Start, Shape1.adjusted(0, 0, 0, -1));
    run << openDialog();
    openFile(run, CentralFile);
    place(run, "Panel1", Panel1Start, Shape2);
    run << click(QStringLiteral("Clique sur 'quitter'"), on(W, QStringLiteral("fin")));
    return run;
}
}

static const Walkthrough::Registrar walkthrough(CombinedDocumentLayout::Competence, steps);
