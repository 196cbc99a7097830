#pragma once
#include "shell/exercise/menuscreen.h"

class HotSpot;
class PictureBox;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTextEdit;

// The second window of competence 3.1: the formatted document with a footer zone
// under each page. The pupil inserts a footer that shows "page 1 sur 2" from
// page-number fields and centres it with the tool bar's picture.
class Texercice14v3b : public MenuScreen
{
    Q_OBJECT
public:
    explicit Texercice14v3b(ExerciseSession *session);

    enum class Step { FooterAbsent, FooterPresent };
    Step step() const { return m_step; }

    QMenuBar *MainMenu = nullptr;
    PictureBox *Image2 = nullptr;        // the tool bar, a picture here
    QTextEdit *editor2 = nullptr;        // left page
    QTextEdit *Editor = nullptr;         // right page
    QLineEdit *piedpage1 = nullptr;
    QLineEdit *piedpage2 = nullptr;
    HotSpot *zs1 = nullptr;              // over the centre icon
    QLabel *Label1 = nullptr;
    QPushButton *Button3 = nullptr;
    QAction *insertionpiedpage = nullptr;
    QMenu *insertionchamp = nullptr;
    QAction *insertionchampdate = nullptr;
    QAction *insertionchampheure = nullptr;
    QAction *insertionchampnumeropage = nullptr;
    QAction *insertionchampnombredepages = nullptr;

protected:
    void FormShow() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void insertionpiedpageClick();
    void insertionchampnumeropageClick();
    void insertionchampnombredepagesClick();
    void piedpage1Change();
    void zs1Click();
    void Button3Click();

private:
    QWidget *m_client = nullptr;
    void bindMenus();
    void menuStep(int id) override;
    void insertField(const QString &value);

    Step m_step = Step::FooterAbsent;
};
