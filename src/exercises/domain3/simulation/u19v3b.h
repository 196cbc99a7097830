#pragma once
#include "shell/exercise/exercisescreen.h"

#include <array>

class ChoiceCombo;
class MediaControlBar;
class QPushButton;
class QTextEdit;
class VideoPlayer;

// The second window of the simulation exercise: the last film plays again above a
// text whose five gaps are filled from yellow drop-down lists, then "Valider".
class Texercice19v3b : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice19v3b(ExerciseSession *session);

    QWidget *Panel1 = nullptr;
    QWidget *film = nullptr;   // inside Panel1, above the control bar
    MediaControlBar *MediaPlayer1 = nullptr;
    QTextEdit *Memo2 = nullptr;
    QPushButton *Button1 = nullptr;
    ChoiceCombo *list(int i) const { return m_lists[i]; }

protected:
    void FormShow() override;

private slots:
    void Button1Click();

private:
    bool answersAccepted() const;
    void placeLists();

    std::array<ChoiceCombo *, 5> m_lists{};   // ComboBox1 .. ComboBox5
    VideoPlayer *m_player = nullptr;
};
