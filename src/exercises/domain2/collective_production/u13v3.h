#pragma once
#include "shell/exercise/exercisescreen.h"

#include <QList>
#include <array>

class ChoiceCombo;
class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;

// The first window of the collective production exercise (competence 2.7): a
// sentence about collective publications completed with four lists, then two
// definitions to match to "Les Wikis" and "Les blogs".
class Texercice13v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice13v3(ExerciseSession *session);

    ChoiceCombo *sentenceList(int i) const { return m_lists[i]; }   // ComboBox1 .. ComboBox4
    ChoiceCombo *ComboBoxEx1 = nullptr;
    ChoiceCombo *ComboBoxEx2 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

private slots:
    void Button1Click();
    void ComboBoxEx1Change(const QString &text);
    void Button2Click();

private:
    void buildSentence();
    void buildDefinitions();

    QLabel *consigne3 = nullptr;
    QTextEdit *Memo2 = nullptr;
    std::array<ChoiceCombo *, 4> m_lists{};
    QFrame *Shape2 = nullptr;
    QLabel *BandTitle = nullptr;
    QLabel *Memo1 = nullptr;
    QLabel *Memo3 = nullptr;
    QList<QWidget *> m_secondPart;   // the band and its definitions, shown once the sentence is right
};
