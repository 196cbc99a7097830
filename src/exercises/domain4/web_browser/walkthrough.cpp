#include "exercises/domain4/web_browser/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using namespace WebBrowserLayout;

namespace {
const QString Window1 = QStringLiteral("Texercice22v3");
const QString Window2 = QStringLiteral("Texercice22v3b");
const QString Window3 = QStringLiteral("Texercice22v3c");
const QString Window4 = QStringLiteral("Texercice22v3d");

const QString File = QStringLiteral("Fichier");
const QString View = QStringLiteral("Affichage");
const QString Tools = QStringLiteral("Outils");

// The history's "yesterday" entry starts left of the page: aim at its visible part.
constexpr QRect VisibleYesterday = HistoryYesterday.adjusted(-HistoryYesterday.left(), 0, 0, 0);

// The window's field Edit1 shows a text at start: it is selected, deleted, then typed over.
void replace(Steps &run, const QString &window, const QString &what, const QString &text)
{
    run << click(QStringLiteral("Clique dans le champ"), on(window, QStringLiteral("Edit1")))
        << key(QStringLiteral("Sélectionne son texte"), window, Qt::Key_A, Qt::ControlModifier)
        << key(QStringLiteral("Efface-le"), window, Qt::Key_Delete)
        << type(QStringLiteral("Tape ") + what, on(window, QStringLiteral("Edit1")), text);
}

// Window 1: the address replaced and validated, the page bookmarked, a new tab, the history.
void window1(Steps &run)
{
    run << chooseMenu(QStringLiteral("Ouvre l'historique trop tôt"), Window1, {QStringLiteral("Aller à "),
                                                                                 QStringLiteral("Historique")})
               .asMistake();
    // The field shows the search engine's address.
    replace(run, Window1, QStringLiteral("l'adresse ") + LibraryAddress, LibraryAddress);
    run << key(QStringLiteral("Valide l'adresse"), Window1, Qt::Key_Return)
        << chooseMenu(QStringLiteral("Marque cette page"), Window1,
                      {QStringLiteral("Marques-pages"), QStringLiteral("Marquer cette page")})
        << chooseMenu(QStringLiteral("Ouvre un nouvel onglet"), Window1, {File, QStringLiteral("Nouvel onglet")})
        << chooseMenu(QStringLiteral("Ouvre l'historique"), Window1,
                      {QStringLiteral("Aller à "), QStringLiteral("Historique")});
}

// Window 2: yesterday's pages, the town's site, the library's tab, the full-screen key.
void window2(Steps &run)
{
    run << click(QStringLiteral("Ouvre les pages visitées hier"), at(Window2, VisibleYesterday))
        << click(QStringLiteral("Clique sur le site de ") + TownName, at(Window2, HistoryTownEntry))
        << click(QStringLiteral("Reviens à l'onglet de la bibliothèque"), at(Window2, HistoryLibraryTab));
    replace(run, Window2, QStringLiteral("la touche du plein écran"), QStringLiteral("F11"));   // over its "?"
    run << click(QStringLiteral("Clique sur Ok"), on(Window2, QStringLiteral("Button1")));
}

// Window 3: the home page set, pop-ups blocked, the side panel closed.
void window3(Steps &run)
{
    run << chooseMenu(QStringLiteral("Ouvre les options"), Window3, {Tools, QStringLiteral("Options")})
        << click(QStringLiteral("Utilise la page courante"), at(Window3, OptionsUseCurrentPage))
        << click(QStringLiteral("Clique sur OK"), at(Window3, OptionsOk))
        << chooseMenu(QStringLiteral("Ouvre à nouveau les options"), Window3, {Tools, QStringLiteral("Options")})
        << click(QStringLiteral("Choisis le contenu"), at(Window3, OptionsCategory[2]))
        << click(QStringLiteral("Bloque les fenêtres popup"), at(Window3, OptionsBlockPopups))
        << click(QStringLiteral("Clique sur OK"), at(Window3, OptionsOk))
        << click(QStringLiteral("Ferme le panneau latéral"), at(Window3, SidePanelClose));
}

// Window 4: larger text, the four toolbar buttons, the page's source, two copies printed.
void window4(Steps &run)
{
    run << chooseMenu(QStringLiteral("Augmente la taille du texte"), Window4,
                      {View, QStringLiteral("Taille du texte"), QStringLiteral("Plus grande")})
        << click(QStringLiteral("Clique sur Précédente"), at(Window4, BackButton))
        << click(QStringLiteral("Clique sur Accueil"), at(Window4, HomeButton))
        << click(QStringLiteral("Clique sur Actualiser"), at(Window4, ReloadButton))
        << click(QStringLiteral("Clique sur Arrêter"), at(Window4, StopButton))
        << chooseMenu(QStringLiteral("Affiche le code source"), Window4, {View, QStringLiteral("Code source de la page")})
        << click(QStringLiteral("Ferme le code source"), at(Window4, SourceClose))
        << chooseMenu(QStringLiteral("Imprime la page"), Window4, {File, QStringLiteral("Imprimer")})
        << click(QStringLiteral("Passe à 2 exemplaires"), on(Window4, QStringLiteral("up")))
        << click(QStringLiteral("Clique sur OK"), at(Window4, PrintOk));
}

Steps steps()
{
    Steps run;
    window1(run);
    window2(run);
    window3(run);
    window4(run);
    return run;
}
}

static const Walkthrough::Registrar walkthrough(Competence, steps);
