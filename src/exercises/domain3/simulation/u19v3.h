#pragma once
#include "shell/exercise/exercisescreen.h"

#include <array>

class MediaControlBar;
class QPushButton;
class VideoPlayer;

// The first window of the simulation exercise (competence 3.6): six films of
// numerical simulations play one after the other; for each the pupil clicks the
// button that describes it. A wrong button costs an error and the film plays on.
class Texercice19v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice19v3(ExerciseSession *session);

    // The film being shown, 1 .. 6.
    int step() const { return m_step; }
    QWidget *Panel1 = nullptr;
    QWidget *film = nullptr;   // inside Panel1, where the film is drawn
    MediaControlBar *MediaPlayer1 = nullptr;

protected:
    void FormShow() override;

private slots:
    void answerClick(int button);

private:
    void playCurrentFilm();

    std::array<QPushButton *, 6> m_buttons{};   // Button1 .. Button6
    VideoPlayer *m_player = nullptr;
    int m_step = 1;
};
