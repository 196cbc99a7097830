#include "exercises/domain2/prudence/u11v3e.h"

#include "exercises/domain2/prudence/layout.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

using namespace PrudenceLayout;
using Item = Texercice11v3e::Item;

namespace {
MenuEntry item(Item id, const char *caption, const char *shortcut = "")
{
    return MenuEntry::item(id, QString::fromUtf8(caption), QString::fromLatin1(shortcut));
}

MenuRoles roles()
{
    MenuRoles r;
    r.steps = {{Item::Options, Texercice11v3e::OptionsAllowed, Texercice11v3e::DialogOpen}};
    r.inert = {Item::Print, Item::Import, Item::WorkOffline, Item::Quit, Item::FullScreen, Item::HelpTopics};
    return r;
}
}

MenuTable Texercice11v3e::menus()
{
    return {
        {QStringLiteral("&Fichier"),
         {item(NewWindow, "Nouvelle fenêtre", "Ctrl+N"), item(NewTab, "Nouvel onglet"),
          item(OpenAddress, "Ouvrir une adresse"), item(OpenFile, "Ouvrir un fichier"), item(CloseTab, "Fermer"),
          MenuEntry::separator(), item(SaveAs, "Enregistrer sous..."), item(SaveFrame, "Enregistrer le cadre sous..."),
          item(SendLink, "Envoyer un lien vers la page ..."), MenuEntry::separator(), item(PageSetup, "Mise en page..."),
          item(PrintPreview, "Aperçu avant impression"), item(Print, "Imprimer"), MenuEntry::separator(),
          item(Import, "Importer"), MenuEntry::separator(), item(WorkOffline, "Travailler hors connexion"),
          item(Quit, "Quitter")},
         QStringLiteral("Fichier1")},
        {QStringLiteral("&Edition"),
         {item(Undo, "Annuler"), item(Redo, "Refaire"), MenuEntry::separator(), item(Cut, "Couper"),
          item(Copy, "Copier"), item(Paste, "Coller"), item(Delete, "Supprimer"), MenuEntry::separator(),
          item(SelectAll, "Tout sélectionner"), MenuEntry::separator(), item(FindInPage, "Rechercher dans la page ..."),
          item(FindAgain, "Rechercher à nouveau")},
         QStringLiteral("Edition1")},
        {QStringLiteral("&Affichage"),
         {item(Toolbars, "Barre d'outils"), item(StatusBar, "Barre d'état"), item(SidePanel, "Panneau latéral"),
          MenuEntry::separator(), item(Stop, "Arrêter"), item(Reload, "Actualiser"), MenuEntry::separator(),
          item(TextSize, "Taille du texte"), item(PageStyle, "Style de la page"),
          item(Encoding, "Encodage des caractères"), MenuEntry::separator(), item(PageSource, "Code source de la page"),
          item(FullScreen, "Plein écran ", "F11")},
         QStringLiteral("Affichage1")},
        {QStringLiteral("A&ller à "),
         {item(Back, "Précédente"), item(Forward, "Suivante"), item(Home, "Page d'accueil"), MenuEntry::separator(),
          item(History, "Historique")},
         QStringLiteral("Allera1")},
        {QStringLiteral("&Marques-pages"),
         {item(BookmarkPage, "Marquer cette page"), item(BookmarkTabs, "Marquer tous les onglets"),
          item(ManageBookmarks, "Gérer les marques-pages..."), MenuEntry::separator(),
          item(BookmarkTechnology, "Technologie-Wikipédia")},
         QStringLiteral("Marquespages1")},
        {QStringLiteral("&Outils"),
         {item(WebSearch, "Recherche sur le Web"), MenuEntry::separator(), item(ReadMail, "Ouvrir le courrier"),
          item(NewMessage, "Nouveau message"), MenuEntry::separator(), item(Downloads, "Téléchargement"),
          item(Extensions, "Entensions"), item(Themes, "Thèmes"), MenuEntry::separator(),
          item(JavaScriptConsole, "Console JavaScript"), item(PageInfo, "Informations sur la page"),
          MenuEntry::separator(), item(ClearTraces, "Effacer mes traces"), MenuEntry::separator(),
          item(Options, "Options")},
         QStringLiteral("Outils1")},
        {QStringLiteral("&?"),
         {item(HelpTopics, "Rubriques d'aide"), item(ForOtherBrowserUsers, "Pour les utilisateurs d'Internet Emplorer"),
          MenuEntry::separator(), item(ReleaseNotes, "Notes de version"), item(ReportSite, "Rapporter un site non fonctionnel"),
          MenuEntry::separator(), item(CheckUpdates, "Rechercher des mises à jour..."), MenuEntry::separator(),
          item(About, "A propos de Mozilla Firefox")},
         QStringLiteral("Aide1")},
    };
}

Texercice11v3e::Texercice11v3e(ExerciseSession *session)
    : MenuScreen(session, QStringLiteral("Texercice11v3e"), Window5Size, menus(), roles(), Question)
{
    useTitleBar(BrowserCaption);
    QWidget *page = client();
    page->setStyleSheet(QStringLiteral("#client { background: rgb(58, 110, 165); }"));
    page->setAutoFillBackground(true);

    ImageA = picture(QStringLiteral("ImageA"), PrudenceLayout::ImageA);
    zs9 = hotSpot(QStringLiteral("zs9"), Padlock, false);
    for (int i = 0; i < 7; ++i)
        pages[i] = picture(QStringLiteral("Image%1").arg(i + 1), OptionsDialog, false);
    zs10 = hotSpot(QStringLiteral("zs10"), OptionsBody, false);
    for (int i = 0; i < 6; ++i) {
        pageIcons[i] = hotSpot(QStringLiteral("zs%1").arg(i + 1), optionsCategory(i), false);
        connect(pageIcons[i], &HotSpot::clicked, this, [this, i] { pageIconClick(i + 1); });
    }
    zs7 = hotSpot(QStringLiteral("zs7"), CookiesTab, false);
    Image8 = picture(QStringLiteral("Image8"), CookiesPage, false);
    CheckBox1 = place(new QCheckBox(page), "CheckBox1", AllowCookies);
    CheckBox1->setChecked(true);
    CheckBox1->hide();
    zs8 = hotSpot(QStringLiteral("zs8"), AllowCookiesCaption, false);

    InstructionBubble *bubble = placeBubble(Window5Mascot, Window5Bubble);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), Window5Label, SecureQuestion);
    Button1 = place(new QPushButton(QStringLiteral("Oui"), page), "Button1", Window5Yes);
    Button2 = place(new QPushButton(QStringLiteral("Non"), page), "Button2", Window5No);
    placeAbandon(QStringLiteral("BitBtn20"), Window5Abandon);

    connect(Button1, &QPushButton::clicked, this, &Texercice11v3e::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Texercice11v3e::Button2Click);
    connect(zs9, &HotSpot::pressed, this, &Texercice11v3e::zs9MouseDown);
    connect(zs7, &HotSpot::clicked, this, &Texercice11v3e::zs7Click);
    connect(zs10, &HotSpot::clicked, this, &Texercice11v3e::bodyClick);
    connect(Image8, &HotSpot::clicked, this, &Texercice11v3e::bodyClick);
    connect(CheckBox1, &QCheckBox::clicked, this, &Texercice11v3e::CheckBox1Click);
    if (QMenu *edit = menuBar()->findChild<QMenu *>(QStringLiteral("Edition1")))
        connect(edit, &QMenu::aboutToShow, this, &Texercice11v3e::editMenuOpened);
}

void Texercice11v3e::editMenuOpened()
{
    // Opening this menu is itself a wrong way: it closes again and says so.
    auto *edit = qobject_cast<QMenu *>(sender());
    QTimer::singleShot(0, this, [this, edit] {
        if (edit)
            edit->hide();
        session()->wrong(CommonTexts::WrongWay);
    });
}

void Texercice11v3e::Button2Click() { session()->wrong(CommonTexts::WrongWay); }

void Texercice11v3e::Button1Click()
{
    consigne3->setText(InstructionBubble::displayText(PadlockInstruction));
    Button1->hide();
    Button2->hide();
    zs9->show();
    setStep(PadlockStage);
}

void Texercice11v3e::zs9MouseDown()
{
    consigne3->setText(CookiesInstruction);
    zs9->hide();
    setStep(OptionsAllowed);
}

void Texercice11v3e::menuStep(int id)
{
    if (id != Options)
        return;
    hideCookiesPage();
    zs7->hide();
    for (int i = 0; i < 7; ++i)
        pages[i]->setVisible(i == 0);
    for (HotSpot *icon : pageIcons)
        icon->show();
    zs10->show();
    setStep(DialogOpen);
}

void Texercice11v3e::hideCookiesPage()
{
    Image8->hide();
    CheckBox1->hide();
    zs8->hide();
}

void Texercice11v3e::pageIconClick(int page)
{
    for (int i = 1; i <= 6; ++i)
        pages[i]->setVisible(i == page);
    pages[0]->hide();
    hideCookiesPage();
    zs7->setVisible(page == 2);
}

void Texercice11v3e::zs7Click()
{
    Image8->show();
    CheckBox1->show();
    CheckBox1->raise();
    zs8->show();
    zs8->raise();
}

void Texercice11v3e::bodyClick() { session()->wrong(CommonTexts::WrongWay); }

void Texercice11v3e::CheckBox1Click()
{
    CheckBox1->setChecked(false);
    session()->verdict(0, CommonTexts::SuccessBox, consigne3);
}
