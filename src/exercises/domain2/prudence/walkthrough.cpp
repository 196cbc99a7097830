#include "exercises/domain2/prudence/layout.h"
#include "pictures/tray.h"
#include "records/clock.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using namespace PrudenceLayout;

namespace {
const QString Words = QStringLiteral("Texercice11v3");
const QString Antivirus = QStringLiteral("Texercice11v3b");
const QString Firewall = QStringLiteral("Texercice11v3c");
const QString Documents = QStringLiteral("Texercice11v3d");
const QString Browser = QStringLiteral("Texercice11v3e");

// The arrows at the right of a number field, in the field's own coordinates.
constexpr int ArrowWidth = 16;
QRect upArrow(const QRect &field) { return {field.width() - ArrowWidth, 0, ArrowWidth, field.height() / 2}; }
QRect downArrow(const QRect &field)
{
    return {field.width() - ArrowWidth, field.height() / 2, ArrowWidth, field.height() - field.height() / 2};
}

// The clicks on a number field's arrows that take it from one value to another.
void stepField(Steps &run, const QString &what, const char *name, const QRect &field, int from, int to)
{
    const bool up = to > from;
    for (int v = from; v != to; v += up ? 1 : -1)
        run << click(QStringLiteral("%1 : %2 (%3)").arg(what, up ? QStringLiteral("flèche vers le haut")
                                                                : QStringLiteral("flèche vers le bas"))
                         .arg(up ? v + 1 : v - 1),
                     on(Antivirus, QString::fromLatin1(name), up ? upArrow(field) : downArrow(field)));
}

int rightDefinitionOf(int term)
{
    for (int j = 0; j < 7; ++j)
        if (Definitions[j].rightTerm == term)
            return j + 8;
    return 0;
}

// The first window: each word ticked, then its definition.
void matchWords(Steps &run)
{
    for (int k = 1; k <= 7; ++k) {
        run << click(QStringLiteral("Coche le mot '%1'").arg(Terms[k - 1]), at(Words, termCheck(k)));
        run << click(QStringLiteral("Coche sa définition"), at(Words, definitionCheck(rightDefinitionOf(k))));
    }
}

// The second window: an antivirus is there; the date of its signatures (today) and,
// in its settings, the hour of its automatic update.
void checkAntivirus(Steps &run)
{
    run << click(QStringLiteral("Réponds 'Non' à la question"), on(Antivirus, QStringLiteral("Button2"))).asMistake();
    run << click(QStringLiteral("Réponds 'Oui' : un antivirus est actif"), on(Antivirus, QStringLiteral("Button1")));
    const QDate today = Clock::today();
    stepField(run, QStringLiteral("Le jour"), "Edit1", DayField, 1, today.day());
    stepField(run, QStringLiteral("Le mois"), "Edit2", MonthField, 1, today.month());
    stepField(run, QStringLiteral("L'année"), "Edit3", YearField, 2008, today.year());
    run << click(QStringLiteral("Valide la date"), on(Antivirus, QStringLiteral("Button3")));
    run << rightClick(QStringLiteral("Clique droit sur l'icône de l'antivirus"),
                      at(Antivirus, Tray::zone(AntivirusZone).translated(TrayArea2.topLeft())));
    run << chooseMenu(QStringLiteral("Choisis 'Configuration'"), QString(), {QStringLiteral("Configuration")});
    stepField(run, QStringLiteral("L'heure"), "Edit4", HourField, 12, UpdateHour);
    run << click(QStringLiteral("Valide l'heure"), on(Antivirus, QStringLiteral("Button4")));
}

Steps steps()
{
    Steps run;
    matchWords(run);
    checkAntivirus(run);
    run << click(QStringLiteral("Clique sur 'Démarrer'"), at(Firewall, StartButtonZone))
        << click(QStringLiteral("Ouvre le panneau de configuration"), at(Firewall, ControlPanelEntry))
        << click(QStringLiteral("Ouvre le centre de sécurité"), at(Firewall, SecurityCentreEntry))
        << click(QStringLiteral("Réponds 'Oui' : le pare-feu est activé"), on(Firewall, QStringLiteral("Button1")));
    for (const QString &kind : DocumentAnswers)
        run << chooseEntry(QStringLiteral("Choisis '%1'").arg(kind), on(Documents, QStringLiteral("ListBox1")), kind)
            << click(QStringLiteral("Clique sur 'Valider'"), on(Documents, QStringLiteral("Button1")));
    run << click(QStringLiteral("Réponds 'Oui' : le site est sécurisé"), on(Browser, QStringLiteral("Button1")))
        << click(QStringLiteral("Clique sur le cadenas"), at(Browser, Padlock))
        << chooseMenu(QStringLiteral("Ouvre le menu 'Outils' puis 'Options'"), Browser,
                      {QStringLiteral("Outils"), QStringLiteral("Options")})
        << click(QStringLiteral("Clique sur 'Vie privée'"), at(Browser, optionsCategory(1)))
        << click(QStringLiteral("Clique sur l'onglet 'Cookies'"), at(Browser, CookiesTab))
        << click(QStringLiteral("Décoche 'Accepter les cookies'"), at(Browser, AllowCookies));
    return run;
}
}

static const Walkthrough::Registrar walkthrough(PrudenceLayout::Competence, steps);
