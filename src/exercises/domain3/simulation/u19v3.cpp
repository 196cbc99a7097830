#include "exercises/domain3/simulation/u19v3.h"

#include "exercises/domain3/simulation/films.h"
#include "exercises/domain3/simulation/layout.h"
#include "exercises/domain3/simulation/u19v3b.h"
#include "pictures/fonts.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"
#include "widgets/mediacontrolbar.h"
#include "widgets/placement.h"
#include "widgets/videoplayer.h"

#include <QPushButton>
#include <QTimer>

using namespace SimulationLayout;

Texercice19v3::Texercice19v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice19v3"), WindowSize)
{
    SimulationFilms::paintWindowBlue(this);
    Panel1 = SimulationFilms::displayArea(this, Films[0].area);
    film = new QWidget(Panel1);
    film->setObjectName(QStringLiteral("film"));
    MediaPlayer1 = place(new MediaControlBar(this), "MediaPlayer1", ControlBar);
    for (int i = 0; i < 6; ++i) {
        m_buttons[i] = place(new QPushButton(ButtonCaptions[i], this), QStringLiteral("Button%1").arg(i + 1), Buttons[i]);
        m_buttons[i]->setFont(pixelFont(QStringLiteral("Tahoma"), 11));
        connect(m_buttons[i], &QPushButton::clicked, this, [this, i] { answerClick(i + 1); });
    }
    InstructionBubble *bubble = placeBubble(Mascot, BubbleShape);
    bubble->addLabel(QStringLiteral("consigne3"), BubbleLabel, FilmInstruction);
    placeAbandon(QStringLiteral("BitBtn1"), AbandonButton);
}

void Texercice19v3::FormShow()
{
    m_step = 1;
    // The player starts once the window is on screen, so that it shows at once.
    QTimer::singleShot(0, this, [this] {
        m_player = VideoPlayer::create(film);
        MediaPlayer1->setPlayer(m_player);
        playCurrentFilm();
    });
}

void Texercice19v3::playCurrentFilm()
{
    const Film &current = Films[m_step - 1];
    Panel1->setGeometry(current.area);
    film->setGeometry(filmSurface(current.area, ControlBar));
    if (!m_player)
        return;
    if (m_player->open(SimulationFilms::path(current.file)))
        m_player->play();
}

void Texercice19v3::answerClick(int button)
{
    if (button != Films[m_step - 1].rightButton) {
        session()->wrong(CommonTexts::WrongWay);
        return;
    }
    m_buttons[button - 1]->setEnabled(false);
    if (m_player)
        m_player->close();
    if (m_step == 6) {
        session()->handOver(this, new Texercice19v3b(session()));
        return;
    }
    ++m_step;
    playCurrentFilm();
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice19v3>(Competence));
