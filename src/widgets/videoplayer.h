#pragma once
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

// Plays a video file inside a display area of a window. The production player is
// Qt Multimedia's; tests install a fake through setFactory(). A missing or
// unplayable file leaves the area empty and reports failed(); the window stays usable.
class VideoPlayer : public QObject
{
    Q_OBJECT
public:
    enum class State { Closed, Playing, Paused, Failed };

    using Factory = std::function<VideoPlayer *(QWidget *area)>;
    // A player drawing into 'area' (filling it, whatever its size), owned by 'area'.
    static VideoPlayer *create(QWidget *area);
    // Tests: the factory used by create(); an empty one restores the production player.
    static void setFactory(Factory factory);

    // Closes the current video and opens this one, ready to play (false when the
    // file does not exist; the area stays empty).
    virtual bool open(const QString &filePath) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    // Back to the first frame, playing.
    virtual void restart() = 0;
    virtual void close() = 0;

    State state() const { return m_state; }
    QString fileName() const { return m_fileName; }

signals:
    void stateChanged(VideoPlayer::State state);
    void failed(const QString &filePath);

protected:
    explicit VideoPlayer(QObject *parent) : QObject(parent) {}
    void setState(State state);
    void setFileName(const QString &fileName) { m_fileName = fileName; }

private:
    State m_state = State::Closed;
    QString m_fileName;
};
