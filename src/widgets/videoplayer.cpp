#include "widgets/videoplayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>
#include <QWidget>

namespace {
VideoPlayer::Factory &factory()
{
    static VideoPlayer::Factory f;
    return f;
}

// Qt Multimedia's player and a video widget filling the area. The videos loop, so
// a short film keeps playing while the pupil thinks.
class MediaVideoPlayer : public VideoPlayer
{
public:
    explicit MediaVideoPlayer(QWidget *area) : VideoPlayer(area)
    {
        m_video = new QVideoWidget(area);
        // Films are drawn at the size of their area; where an area is a little
        // lower than its film (a control bar above its bottom) the film fills it
        // in proportion, its top and bottom edges cut, rather than squashed.
        m_video->setAspectRatioMode(Qt::KeepAspectRatioByExpanding);
        auto *layout = new QVBoxLayout(area);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_video);
        m_video->hide();
    }

    bool open(const QString &filePath) override
    {
        close();
        setFileName(filePath);
        if (!QFileInfo(filePath).isFile()) {
            setState(State::Failed);
            emit failed(filePath);
            return false;
        }
        ensurePlayer();
        m_player->setSource(QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath()));
        m_video->show();
        setState(State::Paused);
        return true;
    }
    void play() override
    {
        if (m_player && state() != State::Closed && state() != State::Failed) {
            m_player->play();
            setState(State::Playing);
        }
    }
    void pause() override
    {
        if (m_player && state() == State::Playing) {
            m_player->pause();
            setState(State::Paused);
        }
    }
    void restart() override
    {
        if (m_player && state() != State::Closed && state() != State::Failed) {
            m_player->setPosition(0);
            play();
        }
    }
    void close() override
    {
        if (m_player) {
            m_player->stop();
            m_player->setSource(QUrl());
        }
        m_video->hide();
        setState(State::Closed);
    }

private:
    void ensurePlayer()
    {
        if (m_player)
            return;
        m_player = new QMediaPlayer(this);
        m_player->setVideoOutput(m_video);
        m_player->setLoops(QMediaPlayer::Infinite);
        connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error, const QString &) {
            if (error == QMediaPlayer::NoError || state() == State::Closed)
                return;
            // An unplayable file: the area stays empty, the window usable.
            m_video->hide();
            setState(State::Failed);
            emit failed(fileName());
        });
    }

    QVideoWidget *m_video = nullptr;
    QMediaPlayer *m_player = nullptr;
};
}

VideoPlayer *VideoPlayer::create(QWidget *area)
{
    if (factory())
        return factory()(area);
    return new MediaVideoPlayer(area);
}

void VideoPlayer::setFactory(Factory f)
{
    factory() = std::move(f);
}

void VideoPlayer::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}
