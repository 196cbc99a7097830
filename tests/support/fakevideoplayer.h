#pragma once
#include "widgets/videoplayer.h"

#include <QFileInfo>
#include <QPointer>
#include <QStringList>
#include <QWidget>

// Stands in for the video player while alive: every player the windows create is a
// fake that records what it is asked ("open ecluse3.avi", "play", "close" ...) in one
// shared log, and opens a file only when it exists, unless told every file exists.
class FakeVideoPlayers
{
public:
    FakeVideoPlayers()
    {
        VideoPlayer::setFactory([this](QWidget *area) {
            auto *player = new Fake(area, this);
            players.append(player);
            return player;
        });
    }
    ~FakeVideoPlayers() { VideoPlayer::setFactory({}); }

    QStringList log;
    bool everyFileExists = true;
    QList<QPointer<VideoPlayer>> players;

    VideoPlayer *last() const { return players.isEmpty() ? nullptr : players.last().data(); }

private:
    class Fake : public VideoPlayer
    {
    public:
        Fake(QWidget *area, FakeVideoPlayers *owner) : VideoPlayer(area), m_owner(owner) {}
        bool open(const QString &filePath) override
        {
            close();
            setFileName(filePath);
            m_owner->log << QStringLiteral("open ") + QFileInfo(filePath).fileName();
            if (!m_owner->everyFileExists && !QFileInfo(filePath).isFile()) {
                setState(State::Failed);
                emit failed(filePath);
                return false;
            }
            setState(State::Paused);
            return true;
        }
        void play() override { record(QStringLiteral("play"), State::Playing); }
        void pause() override { record(QStringLiteral("pause"), State::Paused); }
        void restart() override { record(QStringLiteral("restart"), State::Playing); }
        void close() override
        {
            if (state() == State::Closed)
                return;
            m_owner->log << QStringLiteral("close");
            setState(State::Closed);
        }

    private:
        void record(const QString &what, State next)
        {
            m_owner->log << what;
            if (state() != State::Closed && state() != State::Failed)
                setState(next);
        }
        FakeVideoPlayers *m_owner;
    };
};
