#include "exercises/domain3/formatting/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
namespace L = FormattingLayout;

namespace {
const QString Pages = QStringLiteral("Texercice14v3");
const QString Footer = QStringLiteral("Texercice14v3b");
const QString Fonts = QStringLiteral("FontDialog");
const QString TimesNewRoman = QStringLiteral("Times New Roman");
const QString Size = QStringLiteral("12");

Step pageKey(const QString &name, int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return key(name, Pages, code, modifiers);
}
Step press(const QString &name, const char *button)
{
    return click(name, on(Pages, QString::fromLatin1(button)));
}
// The font dialog from page 2's context menu: the family, the size, perhaps a colour, OK.
Steps font(const QString &colour = QString())
{
    Steps run{
        rightClick(QStringLiteral("Clic droit sur la page2"), on(Pages, QStringLiteral("Editor"))),
        chooseMenu(QStringLiteral("Choisis 'changer police'"), QString(), {QStringLiteral("changer police")}),
        chooseEntry(QStringLiteral("Choisis la police Times New Roman"), on(Fonts, QStringLiteral("FamilyList")),
                    TimesNewRoman),
        chooseEntry(QStringLiteral("Choisis la taille 12"), on(Fonts, QStringLiteral("SizeList")), Size),
    };
    if (!colour.isEmpty())
        run += chooseEntry(QStringLiteral("Choisis la couleur rouge"), on(Fonts, QStringLiteral("ColourBox")), colour);
    run += click(QStringLiteral("Clique sur 'OK'"), on(Fonts, QStringLiteral("OkButton")));
    return run;
}

// The perfect run: page 1 copied into page 2 through the tool bar, page 2 put in
// Times New Roman 12 with its red bold centred title, its underlined and its italic
// right-aligned lines, then the footer built from fields and centred.
Steps steps()
{
    Steps run{
        click(QStringLiteral("Clique dans la page1"), on(Pages, QStringLiteral("Editor"))),
        pageKey(QStringLiteral("Sélectionne tout le texte (Ctrl+A)"), Qt::Key_A, Qt::ControlModifier),
        press("Clique sur 'copier'", "CopyButton"),
        click(QStringLiteral("Clique dans la page2"), on(Pages, QStringLiteral("editor2"))),
        press("Clique sur 'coller'", "PasteButton"),
        press("Clique sur 'OK'", "Button1"),
        click(QStringLiteral("Clique dans la page2"), on(Pages, QStringLiteral("Editor"))),
        pageKey(QStringLiteral("Sélectionne tout le texte (Ctrl+A)"), Qt::Key_A, Qt::ControlModifier),
    };
    run += font();
    // The title: the first line, from its start to its end.
    run += {
        click(QStringLiteral("Clique dans la page2"), on(Pages, QStringLiteral("Editor"))),
        pageKey(QStringLiteral("Va au début du texte"), Qt::Key_Home, Qt::ControlModifier),
        pageKey(QStringLiteral("Sélectionne le titre"), Qt::Key_End, Qt::ShiftModifier),
    };
    run += font(QStringLiteral("Rouge"));
    run += {
        press("Mets le titre en gras", "BoldButton"),
        press("Centre le titre", "CenterAlign"),
        // The last line, then the one above it.
        click(QStringLiteral("Clique dans la page2"), on(Pages, QStringLiteral("Editor"))),
        pageKey(QStringLiteral("Va à la fin du texte"), Qt::Key_End, Qt::ControlModifier),
        pageKey(QStringLiteral("Sélectionne la dernière ligne"), Qt::Key_Home, Qt::ShiftModifier),
        press("Mets-la en italique", "ItalicButton"),
        press("Aligne-la à droite", "RightAlign"),
        pageKey(QStringLiteral("Monte d'une ligne"), Qt::Key_Up),
        pageKey(QStringLiteral("Va à la fin de la ligne"), Qt::Key_End),
        pageKey(QStringLiteral("Sélectionne la ligne"), Qt::Key_Home, Qt::ShiftModifier),
        press("Souligne-la", "UnderlineButton"),
        press("Clique sur 'OK'", "Button2"),
        // The footer of page 1.
        chooseMenu(QStringLiteral("Choisis la police"), Footer, {QStringLiteral("Format"), QStringLiteral("Police")})
            .asMistake(),
        chooseMenu(QStringLiteral("Insère le pied de page"), Footer,
                   {QStringLiteral("Insertion"), QStringLiteral("Piedpage")}),
        type(QStringLiteral("Tape 'page '"), on(Footer, QStringLiteral("piedpage1")), QStringLiteral("page ")),
        chooseMenu(QStringLiteral("Insère le numéro de page"), Footer,
                   {QStringLiteral("Insertion"), QStringLiteral("Champ"), QStringLiteral("Numéro page")}),
        type(QStringLiteral("Tape ' sur '"), on(Footer, QStringLiteral("piedpage1")), QStringLiteral(" sur ")),
        chooseMenu(QStringLiteral("Insère le nombre de pages"), Footer,
                   {QStringLiteral("Insertion"), QStringLiteral("Champ"), QStringLiteral("Nombre de pages")}),
        click(QStringLiteral("Centre le pied de page"), at(Footer, L::zs1)),
        click(QStringLiteral("Clique sur 'OK'"), on(Footer, QStringLiteral("Button3"))),
    };
    return run;
}
}

static const Walkthrough::Registrar walkthrough(L::Competence, steps);
