#pragma once
#include <QRect>
#include <QSize>
#include <QString>

// Geometry and texts of the origin-of-information exercise (competence 4.4), in
// client pixels of its window. The ministry page is drawn from the same constants
// that place the hot spots, so every clue lies under its hot spot.
namespace InformationOriginLayout {

constexpr int Competence = 24;
constexpr QSize WindowSize{946, 759};

inline const QString MinistryName = QStringLiteral("Ministère de l'Éducation et de la Jeunesse");
inline const QString SiteUrl = QStringLiteral("http://www.educjeunes.gouv.fr/");
inline const QString WebmasterAddress = QStringLiteral("webmestre@educjeunes.gouv.fr");
constexpr int WebmasterAddressLength = 28;
inline const QString WebmasterLead = QStringLiteral("Contact webmestres : ");
inline const QString Copyright = QStringLiteral("© Ministère 2008");
inline const QString LegalLink = QStringLiteral("Mentions légales");
// The home page's articles, newest first.
struct Article
{
    int day, month, year;
    const char *title;
    const char *summary;
};
constexpr Article Articles[] = {
    {5, 9, 2008, "Rentrée 2008 : les nouveaux horaires du collège",
     "Les emplois du temps de la rentrée et l'accompagnement éducatif après la classe."},
    {1, 9, 2008, "Le brevet informatique des élèves, mode d'emploi",
     "Comment les élèves valident leurs compétences tout au long de l'année."},
    {28, 8, 2008, "Sécurité sur internet : un guide pour les familles",
     "Un guide pratique pour accompagner les enfants sur la toile."},
    {15, 7, 2008, "Résultats des examens de la session de juin",
     "Les taux de réussite par académie et par série."},
};

// The date question's answer is the newest article's date.
inline const QString DayAnswer = QString::number(Articles[0].day);
inline const QString MonthAnswer = QString::number(Articles[0].month);
inline const QString YearAnswer = QString::number(Articles[0].year);

// The screenshot and its clues.
constexpr QRect Screenshot{0, 0, 953, 761};     // Image1
constexpr QRect AddressBar{208, 58, 385, 23};   // zs1
constexpr QRect Emblem{14, 122, 92, 119};       // zs2
constexpr QRect Banner{120, 180, 337, 23};      // zs3
constexpr QRect NavColumn{8, 249, 98, 455};     // zs6
constexpr QRect FooterLinks{136, 702, 641, 51}; // zs7
constexpr QRect CopyrightNotice{488, 732, 130, 17}; // zs4
constexpr QRect LegalNoticeLink{386, 732, 103, 17}; // zs5
constexpr int PageRight = 800;                   // the site's fixed width

// The date box and its fields.
constexpr QRect DateBox{576, 632, 289, 57};      // GroupBox1
constexpr QRect DayField{12, 22, 36, 23};        // Edit1, in the box
constexpr QRect DayArrows{48, 22, 17, 23};
constexpr QRect MonthField{76, 22, 36, 23};      // Edit2
constexpr QRect MonthArrows{112, 22, 17, 23};
constexpr QRect YearField{140, 22, 50, 23};      // Edit3
constexpr QRect YearArrows{190, 22, 17, 23};
constexpr QRect ValidateButton{212, 20, 68, 27}; // "Valider"

// The legal page laid over the screenshot.
constexpr QRect TopPatch{128, 216, 673, 57};     // Shape2
constexpr QRect LegalTitle{136, 253, 225, 33};   // Image2
constexpr QRect LegalText{136, 272, 649, 305};   // RichEdit1
constexpr QRect BottomPatch{128, 568, 276, 127}; // Shape1

// The yellow instruction bubble, in the page's free right-hand column.
constexpr QRect Mascot{836, 96, 84, 100};        // consigne1
constexpr QRect Bubble{806, 206, 136, 280};      // consigne2
constexpr QRect BubbleLabel{812, 214, 124, 264}; // consigne3
constexpr QRect AbandonButton{826, 700, 110, 25}; // BitBtn20

}
