#pragma once
#include <QWidget>

class QToolButton;
class VideoPlayer;

// The small control bar of a video: play, pause and restart from the start.
class MediaControlBar : public QWidget
{
    Q_OBJECT
public:
    explicit MediaControlBar(QWidget *parent = nullptr);

    // The player the buttons drive (none: the buttons do nothing).
    void setPlayer(VideoPlayer *player);

    QToolButton *playButton() const { return m_play; }
    QToolButton *pauseButton() const { return m_pause; }
    QToolButton *restartButton() const { return m_restart; }

private:
    void refresh();

    VideoPlayer *m_player = nullptr;
    QToolButton *m_play;
    QToolButton *m_pause;
    QToolButton *m_restart;
};
