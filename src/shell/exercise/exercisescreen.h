#pragma once
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

class ExerciseSession;
class InstructionBubble;
class PictureBox;
class QLabel;
class QPushButton;

// The base of every exercise window: frameless unless asked otherwise, centred,
// freed when closed, owned by its session. It carries the Abandon role (a button
// whose name varies: "BitBtn20" mostly, "BitBtn1" in a few windows) and the
// instruction bubble. Any close that is not a hand-over abandons the exercise.
class ExerciseScreen : public QWidget
{
    Q_OBJECT
public:
    // name: the class name as object name ("Texercice1v3"); clientSize: fixed size.
    explicit ExerciseScreen(ExerciseSession *session, const QString &name = QString(),
                            QSize clientSize = QSize());
    ~ExerciseScreen() override;

    ExerciseSession *session() const { return m_session; }
    QPushButton *abandonButton() const { return m_abandon; }
    InstructionBubble *bubble() const { return m_bubble; }
    // The mascot: the bubble's, or one the window draws in a panel of its own.
    PictureBox *mascot() const;
    // The first instruction label (verdict texts are written there by default).
    QLabel *instruction() const;

    // A title bar with its close box (closing it abandons the exercise).
    void useTitleBar(const QString &caption);
    void centreOnScreen();

    // Where the window's client coordinates start: the window itself, or the area
    // under a menu bar. The bubble and the Abandon button are placed there.
    virtual QWidget *clientArea() const { return const_cast<ExerciseScreen *>(this); }

    // The first show decides once whether the window fits the screen; one that does
    // not is shown scaled down as a whole (WindowFit).
    void setVisible(bool visible) override;

protected:
    // Runs when the window is shown for the first time.
    virtual void FormShow() {}

    // The Abandon button (caption "Abandon", the shared glyph) at a rectangle.
    QPushButton *placeAbandon(const QString &name, const QRect &rect);
    // The instruction bubble at its rectangles; labels are added to it.
    InstructionBubble *placeBubble(const QRect &mascot, const QRect &shape, bool yellow = false);
    // A label of the bubble; without a bubble yet, one is placed at the bottom left.
    QLabel *instructionLabel(const QString &name, const QString &text);
    QLabel *instructionLabel(const QString &name, const QRect &rect, const QString &text);
    // Sets the first instruction label ("Label1" is created when there is none).
    void setInstruction(const QString &text);
    // A window whose mascot stands outside an instruction bubble names it here.
    void setMascot(PictureBox *mascot) { m_mascot = mascot; }

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void ensureAbandon();

    ExerciseSession *m_session;
    QPushButton *m_abandon = nullptr;
    InstructionBubble *m_bubble = nullptr;
    PictureBox *m_mascot = nullptr;
    bool m_shown = false;
    bool m_fitDecided = false;
};
