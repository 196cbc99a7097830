#pragma once
#include "shell/exercise/exercisescreen.h"

class HotSpot;
class LimitedMemo;
class PictureBox;
class QLabel;
class QLineEdit;
class QListWidget;

// Competence 5.4, second window: the pupil writes a message to one contact with
// another in copy, both taken from the contacts sidebar, types the subject and the
// text and sends; the verdict comes with the send button.
class Texercice29v3b : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice29v3b(ExerciseSession *session);

    PictureBox *Image1 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    PictureBox *Image2 = nullptr;
    HotSpot *zs3 = nullptr;
    HotSpot *zs7 = nullptr;
    HotSpot *zs4 = nullptr;
    PictureBox *Image3 = nullptr;
    QListWidget *ListBox1 = nullptr;
    HotSpot *zs5 = nullptr;
    HotSpot *zs6 = nullptr;
    PictureBox *Image4 = nullptr;
    PictureBox *Image5 = nullptr;
    QLineEdit *Edit1 = nullptr;
    LimitedMemo *Memo1 = nullptr;
    QLabel *consigne3 = nullptr;
    QLabel *consigne4 = nullptr;
    QLabel *consigne5 = nullptr;

    bool mainRecipientAdded() const { return m_mainAdded; }
    bool copyRecipientAdded() const { return m_copyAdded; }

private slots:
    void wrongRoute();
    void zs2Click();
    void zs4Click();
    void zs5Click();
    void zs6Click();
    void zs7Click();

private:
    // One add button: the row it accepts, its flag and the filled line it shows.
    void addRecipient(int acceptedRow, bool &added, PictureBox *line);
    void setLines(const QString &first, const QString &second, const QString &third);

    bool m_mainAdded = false;
    bool m_copyAdded = false;
};
