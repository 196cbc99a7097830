#pragma once
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>

// Geometry and texts of the search engine exercise (competence 4.3), in client pixels
// of its four windows. The pages are drawn from the same constants that place the
// fields, the radio buttons and the hot spots.
namespace SearchEngineLayout {

constexpr int Competence = 23;
constexpr QSize QuizSize{937, 750};
constexpr QSize HomeSize{937, 748};
constexpr QSize ResultSize{937, 750};
constexpr QSize AdvancedSize{937, 750};

// ---- texts -------------------------------------------------------------------------
inline const QString QuizInstruction = QStringLiteral("Réponds à ces questions");
inline const QString HomeInstruction =
    QStringLiteral("Recherche les sites sur les bateaux à voile (page France uniquement)");
inline const QString AdvancedInstruction =
    QStringLiteral("Effectue une recherche avancée sur les bateaux à voile en écartant les pages contenant les mots "
                   "religion, religions, religieux, religieuse et religieuses");
inline const QString QuizWrong = QStringLiteral("Erreur!");
inline const QString ToPractice = QStringLiteral("Passons maintenant à la pratique!");
inline const QString WrongKeywords = QStringLiteral("Erreur dans les mots clés !");
inline const QString KeywordReminder =
    QStringLiteral("Rappel : Google ne tient pas compte des mots et des caractères courants tels que le, et, de,...!");
inline const QString NotFrance = QStringLiteral("Page France !!!! ");
inline const QString AdvancedWrongWay = QStringLiteral("Fausse route!");
inline const QString WrongExclusion = QStringLiteral("Fausse route mot cle!");
inline const QString ScopeCaption = QStringLiteral("Rechecher dans :");
inline const QString ScopeWeb = QStringLiteral("Web");
inline const QString ScopeFrench = QStringLiteral("Page francophones");
inline const QString ScopeFrance = QStringLiteral("France");

// The accepted queries, compared after lower-casing, nothing trimmed.
inline const QStringList AcceptedQueries = {
    QStringLiteral("bateau à voile"), QStringLiteral("bateaux à voile"), QStringLiteral("bateaux à voiles"),
    QStringLiteral("bateau à voiles"), QStringLiteral("bateau voile"),   QStringLiteral("bateaux voile"),
    QStringLiteral("bateaux voiles"),  QStringLiteral("bateau voiles")};
// Words the exclusion must contain, and the words it must not begin with.
inline const QStringList ExcludedWords = {QStringLiteral("religion"), QStringLiteral("religions"),
                                          QStringLiteral("religieux"), QStringLiteral("religieuse"),
                                          QStringLiteral("religieuses")};
inline const QStringList ForbiddenStarts = {QStringLiteral("bateau"), QStringLiteral("bateaux"),
                                            QStringLiteral("voiles"), QStringLiteral("voile")};

// ---- quiz (Texercice23v3) -----------------------------------------------------------
inline const QStringList ComboEntries = {QStringLiteral("Moteur de recherche"), QStringLiteral("Méta-moteur"),
                                         QStringLiteral("Annuaire")};
inline const QString ComboPlaceholder = QStringLiteral("???");
constexpr int BandLeft = 120;
constexpr int BandWidth = 601;
// The five light-blue bands (Shape1 .. Shape5).
constexpr std::array<QRect, 5> Bands{{{BandLeft, 100, BandWidth, 76},
                                      {BandLeft, 186, BandWidth, 226},
                                      {BandLeft, 422, BandWidth, 60},
                                      {BandLeft, 492, BandWidth, 84},
                                      {BandLeft, 586, BandWidth, 84}}};
enum class Answer { TrueFalse, Choice };
struct Question
{
    const char *text;   // memo lines joined
    Answer kind;
    int band;           // 0 .. 4
    QRect memo;
    QRect control;      // the drop-down, or the "vrai" button ("faux" follows it)
    const char *right;  // "vrai", "faux" or the right entry
};
constexpr QSize TrueFalseSize{60, 30};
constexpr int TrueFalseGap = 16;
constexpr int FrameMargin = 4;
constexpr std::array<Question, 7> Questions{{
    {"Pour parcourir un site Internet, l'usage d'un moteur de recherche est indispensable ", Answer::TrueFalse, 0,
     {132, 108, 420, 60}, {568, 123, 60, 30}, "faux"},
    {"logiciel permettant de retrouver des ressources (pages web, forums Usenet, images, vidéo, etc.) associées à des "
     "mots quelconques.",
     Answer::Choice, 1, {132, 194, 380, 66}, {520, 215, 185, 24}, "Moteur de recherche"},
    {"site Web proposant une liste classée de sites Web.", Answer::Choice, 1, {132, 268, 380, 60},
     {520, 286, 185, 24}, "Annuaire"},
    {"outil effectuant simultanément une recherche sur plusieurs annuaires et moteurs.", Answer::Choice, 1,
     {132, 338, 380, 66}, {520, 359, 185, 24}, "Méta-moteur"},
    {"Google, Lycos, Altavista, Hotbot sont des ", Answer::Choice, 2, {132, 430, 380, 44}, {520, 440, 185, 24},
     "Moteur de recherche"},
    {"Un annuaire est créé manuellement tandis qu'un moteur de recherche indexe automatiquement les pages du Web.",
     Answer::TrueFalse, 3, {132, 500, 420, 68}, {568, 519, 60, 30}, "vrai"},
    {"Le système qui permet d'indexer automatiquement les pages du Web est appelé un robot.", Answer::TrueFalse, 4,
     {132, 594, 420, 68}, {568, 613, 60, 30}, "vrai"},
}};
constexpr QRect QuizMascot{120, 0, 84, 100};
constexpr QRect QuizBubble{212, 16, 509, 70};
constexpr QRect QuizLabel{222, 24, 489, 54};
constexpr QRect QuizAbandon{800, 700, 110, 30};

// ---- every page of the engine ------------------------------------------------------
constexpr QRect PageMascot{30, 644, 84, 100};
constexpr QRect PageBubble{120, 640, 620, 104};
constexpr QRect PageLabel{130, 646, 600, 92};
constexpr QRect PageAbandon{800, 700, 110, 30};
inline const QString HomeUrl = QStringLiteral("http://www.trouvix.fr/");

// ---- home page (Texercice23v3b) ------------------------------------------------------
constexpr QRect HomeField{336, 274, 265, 21};            // Edit1
constexpr QRect HomeScopeFrame{389, 317, 244, 33};       // RadioGroup1
constexpr QRect HomeScopeWeb{392, 328, 44, 17};          // RadioButton2
constexpr QRect HomeScopeFrench{435, 328, 113, 17};      // RadioButton3
constexpr QRect HomeScopeFrance{552, 328, 57, 17};       // RadioButton1
constexpr QRect HomeScopePatch{248, 320, 145, 41};       // Shape1
constexpr QRect HomeScopeCaption{297, 328, 92, 17};      // Label1
constexpr QRect HomeSearch{373, 296, 100, 22};           // Image5
constexpr QRect HomeServices{32, 106, 241, 21};          // zs1
constexpr QRect HomeSignIn{840, 106, 97, 23};            // Image6
constexpr QRect HomeLinks{600, 274, 81, 39};             // Image3
constexpr QRect HomeLucky{473, 296, 90, 22};             // Image4
constexpr QRect HomeFooter{264, 386, 417, 21};           // Image2
constexpr QRect HomeLogo{318, 160, 300, 96};

// ---- result page (Texercice23v3c) ----------------------------------------------------
constexpr QRect ResultPicture{0, 104, 937, 505};         // Image7
constexpr QRect ResultField{120, 167, 201, 21};          // Edit1
constexpr QRect ResultScopeFrame{205, 189, 244, 33};     // RadioGroup1
constexpr int ResultScopeShift = 205 - 389;              // the home scopes, moved left and up
constexpr int ResultScopeRise = 189 - 317;
constexpr QRect ResultHeader{0, 106, 481, 119};          // zs1
constexpr QRect AdvancedLink{392, 164, 112, 19};         // Image2, the link drawn large enough to click
constexpr QRect ResultLogo{8, 150, 106, 40};
constexpr QRect ResultSearchButton{324, 166, 64, 23};
constexpr int ResultBandBottom = 258;   // the results start below it

// ---- advanced search (Texercice23v3d) ------------------------------------------------
constexpr QRect AllWordsField{383, 193, 129, 21};        // Edit1, read-only
constexpr QRect NoneWordsField{383, 270, 129, 21};       // Edit2
constexpr QRect FormSearch{680, 192, 101, 22};           // zs1
struct FormSpot
{
    const char *name;
    QRect rect;
    const char *caption;   // what the form shows there
    bool select;           // a drop-down (else a field)
    const char *value;
};
constexpr std::array<FormSpot, 15> FormSpots{{
    {"zs2", {384, 192, 129, 22}, "tous les mots suivants", false, ""},
    {"zs3", {384, 218, 129, 22}, "cette expression exacte", false, ""},
    {"zs4", {384, 242, 129, 22}, "au moins un des mots suivants", false, ""},
    {"zs5", {504, 296, 109, 20}, "Pages écrites en", true, "toutes"},
    {"zs6", {504, 320, 217, 20}, "Rechercher les pages localisées dans :", true, "tous les pays"},
    {"zs7", {504, 344, 169, 20}, "afficher les résultats au format", true, "tous formats"},
    {"zs8", {504, 368, 113, 20}, "Renvoyer les pages mises à jour", true, "toutes dates"},
    {"zs9", {504, 397, 139, 20}, "Renvoyer les résultats où mes termes apparaissent", true, "dans toute la page"},
    {"zs10", {504, 424, 129, 20}, "les résultats du site ou du domaine", false, ""},
    {"zs11", {464, 464, 441, 20}, "Droits d'usage", true, "non filtrés par licence"},
    {"zs12", {504, 566, 225, 19}, "Rechercher les pages similaires à", false, ""},
    {"zs13", {504, 608, 225, 20}, "Rechercher les pages ayant un lien vers", false, ""},
    {"zs14", {144, 346, 73, 20}, "Format", true, "Inclure"},
    {"zs16", {146, 430, 73, 20}, "Domaines", true, "Inclure"},
    {"zs17", {152, 488, 177, 20}, "Filtrage", true, "Ne pas filtrer"},
}};
constexpr QRect AdvancedHeading{20, 112, 600, 30};

}
