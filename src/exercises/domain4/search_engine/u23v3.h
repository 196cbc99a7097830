#pragma once
#include "shell/exercise/exercisescreen.h"

#include <array>

class ChoiceCombo;
class QFrame;
class QPushButton;
class QTextEdit;

// The search engine exercise (competence 4.3), first window: a quiz of seven questions
// on search tools. It answers at once but does not count towards the verdict.
class Texercice23v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice23v3(ExerciseSession *session);

private:
    struct TrueFalse
    {
        QPushButton *yes = nullptr;   // "vrai"
        QPushButton *no = nullptr;    // "faux"
        QFrame *yesFrame = nullptr;
        QFrame *noFrame = nullptr;
    };
    void buildTrueFalse(int question, const QString &yesName, const QString &noName, const QString &yesFrame,
                        const QString &noFrame);
    void buildChoice(int question, const QString &name);
    void answerTrueFalse(int question, bool saidTrue);
    void answerChoice(int question, const QString &text);
    void reveal(int question);
    void FormShow() override;

    std::array<QFrame *, 5> m_bands{};        // Shape1 .. Shape5
    std::array<QTextEdit *, 7> m_memos{};     // Memo1 .. Memo7
    std::array<TrueFalse, 7> m_trueFalse{};   // questions 1, 6 and 7
    std::array<ChoiceCombo *, 7> m_choices{}; // ComboBoxEx1 .. ComboBoxEx4 (questions 2 .. 5)
};
