#pragma once
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// Geometry and texts of the charter true-or-false exercise (competence 2.1), in
// client pixels of its window: ten statements opened one at a time, each with its
// "vrai" and "faux" buttons and the explanation shown once it is answered.
namespace CharterLayout {

constexpr int Competence = 7;
constexpr QSize WindowSize{943, 746};
inline const QString Caption = QStringLiteral("exercice7v3");

constexpr int StatementLeft = 20;
constexpr int StatementWidth = 326;
constexpr int TrueLeft = 375;
constexpr int FalseLeft = 460;
constexpr QSize AnswerSize{65, 25};
constexpr int ExplanationLeft = 552;
constexpr int ExplanationWidth = 321;
constexpr int MemoLineHeight = 16;   // Comic Sans MS 11 pixels
constexpr int FrameWidth = 3;

inline const QString TrueText = QStringLiteral("vrai");
inline const QString FalseText = QStringLiteral("faux");

struct Row
{
    const char *statementName;
    const char *explanationName;
    const char *trueName;    // the "vrai" button
    const char *falseName;   // the "faux" button
    bool answerIsTrue;
    int top;
    QStringList statement;
    QStringList explanation;
};

inline const Row Rows[10] = {
    {"Memo15", "Memo24", "BitBtn2", "BitBtn3", true, 25,
     {QStringLiteral("Il existe un code de bonne conduite et de politesse sur"), QStringLiteral("Internet")},
     {QStringLiteral("C'est la nétiquette")}},
    {"Memo16", "Memo25", "BitBtn4", "BitBtn5", true, 75,
     {QStringLiteral("Il existe aussi une charte informatique propre à mon collège")},
     {QStringLiteral("Elle doit être signée par tous les élèves de l'établissement "),
      QStringLiteral("utilisant les outils informatiques")}},
    {"Memo17", "Memo26", "BitBtn6", "BitBtn7", true, 125,
     {QStringLiteral("Une charte définit les droits et devoirs de l'utilisateur")},
     {QStringLiteral("C'est un contrat passé entre la direction de l'établissement et "), QStringLiteral("les élèves")}},
    {"Memo18", "Memo27", "BitBtn8", "BitBtn9", true, 183,
     {QStringLiteral("Au sein du collège, la correspondance privée de chaque élève "),
      QStringLiteral("est confidentielle")},
     {QStringLiteral("C'est un droit, un professeur n'est pas autorisé à lire vos "),
      QStringLiteral("courriers personnels")}},
    {"Memo19", "Memo28", "BitBtn10", "BitBtn11", true, 225,
     {QStringLiteral("Chaque élève doit pouvoir accèder aux ressources "),
      QStringLiteral("informatiques de son collège pour réaliser des activités "), QStringLiteral("pédagogiques")},
     {QStringLiteral("C'est un droit. L'informatique est un outil moderne que les "),
      QStringLiteral("élèves doivent apprendre à maîtriser et à utiliser à l'école")}},
    {"Memo20", "Memo29", "BitBtn12", "BitBtn13", false, 283,
     {QStringLiteral("Les élèves peuvent modifier, copier ou effacer des données "),
      QStringLiteral("ne leur appartenant pas")},
     {QStringLiteral("C'est strictement interdit, on doit sur un réseau informatique "),
      QStringLiteral("respecter le travail de chacun")}},
    {"Memo21", "Memo30", "BitBtn14", "BitBtn15", false, 328,
     {QStringLiteral("Lorsque je suis au collège, je peux surfer sans crainte de "),
      QStringLiteral("tomber sur un site pornographique, pédophile  ou raciste car il "),
      QStringLiteral("existe des filtres scolaires")},
     {QStringLiteral("Il existe bien des filtres et listes noires mais ils ne "), QStringLiteral("permettent "),
      QStringLiteral("pas une sécurisation à 100%")}},
    {"Memo22", "Memo31", "BitBtn16", "BitBtn17", true, 391,
     {QStringLiteral("Dans mon établissement il existe une procédure d'alerte "),
      QStringLiteral("concernant les usages de l'internet")},
     {QStringLiteral("Elle indique qui contacter lorsque l'utilisateur d'Internet "),
      QStringLiteral("découvre un mauvais filtrage de site")}},
    {"Memo23", "Memo32", "BitBtn18", "BitBtn19", false, 441,
     {QStringLiteral("Au collège , un élève tombe par hasard sur un site "),
      QStringLiteral("pornographique. Il doit fermer rapidement la fenêtre de son "),
      QStringLiteral("navigateur et ne rien dire à personne.")},
     {QStringLiteral("Il doit prévenir un adulte qui déclenchera la procédure "), QStringLiteral("d'alerte")}},
    {"Memo33", "Memo34", "BitBtn20", "BitBtn21", false, 499,
     {QStringLiteral("Le non respect de la charte informatique du collège peut "),
      QStringLiteral("entraîner des sanctions internes mais pas de sanctions pénales")},
     {QStringLiteral("Si les faits sont graves, les élèves risquent des sanctions "), QStringLiteral("pénales")}},
};

// A memo shows its lines with a little room around them.
inline int memoHeight(const QStringList &lines) { return int(lines.size()) * MemoLineHeight + 8; }
inline int rowHeight(const Row &row)
{
    return std::max(memoHeight(row.statement), memoHeight(row.explanation));
}
inline QRect statementRect(const Row &row) { return {StatementLeft, row.top, StatementWidth, rowHeight(row)}; }
inline QRect explanationRect(const Row &row) { return {ExplanationLeft, row.top, ExplanationWidth, rowHeight(row)}; }
inline QRect trueRect(const Row &row) { return {QPoint(TrueLeft, row.top), AnswerSize}; }
inline QRect falseRect(const Row &row) { return {QPoint(FalseLeft, row.top), AnswerSize}; }

// The bottom of the window.
constexpr QRect Mascot{54, 619, 84, 100};   // Image1
constexpr QRect Bubble{136, 616, 465, 105}; // Shape1
constexpr QRect Instruction{148, 640, 441, 57};
constexpr QRect Result{388, 580, 420, 24};  // Label2
constexpr QRect Abandon{776, 688, 105, 25}; // BitBtn1

inline const QString InstructionText = QStringLiteral("Réponds à ce Vrai -faux ");
inline const QString ResultInitialText = QStringLiteral("Un simple VRAI/FAUX...");
inline const QString ResultSuccess = QStringLiteral("Exercice réussi : bravo !");
inline const QString ResultFailureFormat = QStringLiteral("%1 fautes : il faudra recommencer.");
}
