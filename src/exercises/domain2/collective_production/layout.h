#pragma once
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// Geometry and texts of the collective production exercise (competence 2.7), in
// client pixels of its six windows: a sentence and two definitions to complete, then
// the school's collaborative site, where the pupil logs in, writes an article and
// asks for its publication. The site's pages are drawn from these rectangles.
namespace CollectiveLayout {

constexpr int Competence = 13;
constexpr QSize WindowSize{937, 792};
constexpr QSize TallWindowSize{937, 806};   // the private area

// ---- the first window: the sentence and the definitions --------------------------
constexpr QRect Decoration{24, 37, 220, 164};   // Image1
constexpr QRect Memo2{259, 37, 478, 164};
constexpr int SentenceLineHeight = 17;
constexpr int SentenceMargin = 4;
constexpr int SentenceListTops[4] = {58, 90, 130, 162};
constexpr QSize SentenceListSize{161, 22};
constexpr QRect Button1{752, 104, 75, 25};
constexpr QRect Shape2{200, 264, 601, 273};
constexpr QRect BandTitle{216, 272, 570, 32};
constexpr QRect Memo1{452, 317, 326, 76};
constexpr QRect Memo3{452, 421, 326, 92};
constexpr QRect ComboBoxEx1{232, 336, 185, 24};
constexpr QRect ComboBoxEx2{232, 456, 185, 24};
constexpr QRect Button2{824, 400, 75, 25};
constexpr QRect FirstMascot{56, 600, 84, 100};
constexpr QRect FirstBubble{152, 580, 600, 120};
constexpr QRect FirstLabel{164, 590, 576, 100};

// The sentence: four gaps, lines separated by empty lines (an empty line first).
inline const QString Gap = QString(42, QLatin1Char(' '));
inline const QStringList SentenceLines = {
    QString(),
    QStringLiteral("Les productions ou publications ") + Gap + QStringLiteral("permettent à"),
    QString(),
    QStringLiteral("un ") + Gap + QStringLiteral("nombre de personnes de développer des"),
    QString(),
    QStringLiteral("projets ") + Gap + QStringLiteral("au moyen d'outils  informatiques"),
    QString(),
    Gap + QStringLiteral("."),
};
// The text before each gap on its line.
inline const QString SentenceBefore[4] = {QStringLiteral("Les productions ou publications "), QStringLiteral("un "),
                                          QStringLiteral("projets "), QString()};
inline const QStringList SentenceRows = {QStringLiteral("spécialisés"), QStringLiteral("grand"),
                                         QStringLiteral("importants"), QStringLiteral("collectives")};
inline const QString SentenceAnswers[4] = {QStringLiteral("collectives"), QStringLiteral("grand"),
                                           QStringLiteral("importants"), QStringLiteral("spécialisés")};
inline const QString SentencePrompt = QString(25, QLatin1Char(' ')) + QStringLiteral("?");

inline const QString BandTitleText = QStringLiteral("Exemples de publication  collective");
inline const QStringList WikiLines = {
    QStringLiteral("systèmes de gestion de contenus de site Web qui rendent les "),
    QStringLiteral("pages Web modifiables par tous les visiteurs. Ils sont utilisés "),
    QStringLiteral("pour faciliter la publication collaborative de "),
    QStringLiteral("documents. "),
};
inline const QStringList BlogLines = {
    QStringLiteral("journaux de bord sur la toile. Ce sont des sites régulièrement "),
    QStringLiteral("mis à jour au sein desquels les textes récents s'affichent en "),
    QStringLiteral("haut ou en bas de page avec le nom de leur auteur, la date et "),
    QStringLiteral("l'heure de leur publication. Ils permettent de réagir au "),
    QStringLiteral("contenu, favorisant la production et l''échange collectif "),
    QStringLiteral("d'informations."),
};
inline const QString Wikis = QStringLiteral("Les Wikis");
inline const QString Blogs = QStringLiteral("Les blogs");
inline const QString DefinitionPrompt = QStringLiteral("???");

// ---- the site's windows ---------------------------------------------------------------
constexpr QRect Screenshot{11, 11, 777, 582};      // the home page and the log-in form
constexpr QRect TallScreenshot{11, 11, 777, 770};  // the other pages
constexpr QRect PrivateLink{637, 8, 84, 33};       // Image3 of the log-in window
constexpr QRect LoginField{115, 268, 121, 20};     // Edit1
constexpr QRect PasswordField{179, 328, 121, 20};  // Edit2
constexpr QPoint StayLoggedIn{63, 388};            // CheckBox1
constexpr QRect LoginButton{53, 416, 84, 33};      // Image4
constexpr QRect RubricLink{517, 592, 180, 33};     // Image3 of the private area
constexpr QRect NewArticleButton{13, 576, 172, 33};// Image4 of the private area
constexpr QRect TitleField{269, 305, 487, 24};     // Edit1 of the editor
constexpr QRect SubtitleField{268, 358, 487, 24};  // Edit3
constexpr QRect TextField{269, 597, 487, 82};      // Edit2
constexpr QRect SaveButton{656, 712, 105, 33};     // Image4
constexpr QRect CreationDate{572, 221, 165, 24};   // Edit3 of the article window
constexpr QRect PublishButton{376, 616, 281, 33};  // Image2
constexpr QRect ProposedDate{580, 294, 165, 24};   // Edit1 of the final window
constexpr int VerdictDelay = 6000;                 // Timer1, milliseconds

// The bubble of the site's windows, in the free column right of the pages.
constexpr QRect SiteMascot{826, 12, 84, 100};      // consigne1
constexpr QRect SiteBubble{794, 118, 138, 470};    // consigne2
constexpr QRect SiteLabel{800, 126, 126, 250};     // consigne3
constexpr QRect SiteSecondLabel{800, 380, 126, 200}; // Label1
constexpr QRect AbandonButton{810, 744, 110, 28};  // BitBtn20

// ---- texts -----------------------------------------------------------------------
inline const QString SentenceInstruction = QStringLiteral("Complète la phrase ");
inline const QString DefinitionsInstruction = QStringLiteral("Retrouve les 2 définitions");
inline const QString ValidateText = QStringLiteral("Valider");
inline const QString HomeInstruction = QStringLiteral("Rédige un nouvel article.");
inline const QString HomeSecondLine = QStringLiteral("Voici un exemple de site collaboratif.");
inline const QString Account = QStringLiteral("eleve1");
inline const QString Password = QStringLiteral("mor284");
inline const QString LoginInstruction = QStringLiteral("Utilise le compte eleve1 (mot de passe : ") + Password + QStringLiteral(")");
inline const QString LoginSecondLine = QStringLiteral("La rédaction d'articles nécessite souvent une identification");
inline const QString RubricInstruction = QStringLiteral("Crée un nouvel article dans la rubrique : Productions élèves");
inline const QString RubricName = QStringLiteral("Productions élèves");
inline const QString ArticleTitle = QStringLiteral("essai");
inline const QString ArticleText = QStringLiteral("article créé avec l'outil collaboratif SPIP");
inline const QString EditorInstruction = QStringLiteral("Le titre du nouvel article sera : essai");
inline const QString EditorSecondLine = QStringLiteral("Le corps de l'article : article créé avec l'outil collaboratif SPIP");
inline const QString ArticleInstruction = QStringLiteral("Fais maintenant le nécessaire pour que cet article soit publié.");
inline const QString FinalInstruction =
    QStringLiteral("Pour que ton article soit publié, cela nécessite maintenant la validation d'un professeur...");

// What the site's pages show.
inline const QString SiteName = QStringLiteral("Le journal du collège");
inline const QString PrivateAreaText = QStringLiteral("Espace privé");

// A rectangle of the window in a picture's own coordinates.
constexpr QRect inPicture(const QRect &r, const QRect &picture)
{
    return r.translated(-picture.left(), -picture.top());
}
}
