#pragma once
#include "shell/exercise/chainscreen.h"

class HotSpot;
class PictureBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The school network: the pupil points at the teaching workstations, the file
// server (whose accounts show while the mouse is over it) and the firewall, then
// logs on to the server without letting the computer remember the password.
class Texercice12v3 : public ChainScreen
{
    Q_OBJECT
public:
    explicit Texercice12v3(ExerciseSession *session);

    // 1 workstations, 2 server, 3 firewall, 4 log-on.
    int step() const { return m_step; }
    // The account memo's text, one line per account under its header.
    static QString accountMemo();

    PictureBox *Image1 = nullptr;
    HotSpot *zs2 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs3 = nullptr;
    HotSpot *zs4 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    PictureBox *Image2 = nullptr;
    QLineEdit *edit1 = nullptr;
    QLineEdit *edit2 = nullptr;
    QLineEdit *edit3 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    HotSpot *zs5 = nullptr;
    QLabel *consigne3 = nullptr;

private slots:
    void zs1Click();
    void zs2Click();
    void zs3Click();
    void zs4Click();
    void zs5Click();
    void showMemo();
    void hideMemo();

private:
    int m_step = 1;
};
