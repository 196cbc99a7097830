#include "widgets/mediacontrolbar.h"

#include "pictures/kit.h"
#include "widgets/videoplayer.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace {
QToolButton *controlButton(QWidget *parent, const QString &name, const QString &icon, const QString &hint)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(PictureKit::themeIcon(icon));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}
}

MediaControlBar::MediaControlBar(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(225, 228, 232));
    setPalette(p);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    m_play = controlButton(this, QStringLiteral("play"), QStringLiteral("media-playback-start"), QStringLiteral("Lecture"));
    m_pause = controlButton(this, QStringLiteral("pause"), QStringLiteral("media-playback-pause"), QStringLiteral("Pause"));
    m_restart = controlButton(this, QStringLiteral("restart"), QStringLiteral("media-skip-backward"),
                              QStringLiteral("Recommencer"));
    layout->addWidget(m_play);
    layout->addWidget(m_pause);
    layout->addWidget(m_restart);
    layout->addStretch();
    connect(m_play, &QToolButton::clicked, this, [this] { if (m_player) m_player->play(); });
    connect(m_pause, &QToolButton::clicked, this, [this] { if (m_player) m_player->pause(); });
    connect(m_restart, &QToolButton::clicked, this, [this] { if (m_player) m_player->restart(); });
    refresh();
}

void MediaControlBar::setPlayer(VideoPlayer *player)
{
    if (m_player)
        disconnect(m_player, nullptr, this, nullptr);
    m_player = player;
    if (m_player)
        connect(m_player, &VideoPlayer::stateChanged, this, &MediaControlBar::refresh);
    refresh();
}

void MediaControlBar::refresh()
{
    const VideoPlayer::State s = m_player ? m_player->state() : VideoPlayer::State::Closed;
    const bool usable = s == VideoPlayer::State::Playing || s == VideoPlayer::State::Paused;
    m_play->setEnabled(usable && s != VideoPlayer::State::Playing);
    m_pause->setEnabled(s == VideoPlayer::State::Playing);
    m_restart->setEnabled(usable);
}
