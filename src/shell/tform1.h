#pragma once
#include "widgets/namelist.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;

class QProgressBar;
class QPushButton;
class QTextEdit;

// The main window: one borderless window that switches between the home screen,
// the pupil selection screen and the competence board by showing and hiding its
// controls. Exercises, the registration and password-change windows and the
// console open from here and come back here.
class Tform1 : public QWidget
{
    Q_OBJECT
public:
    enum class Screen { Home, Selection, Board };

    Tform1();

    Screen screen() const { return m_screen; }
    static QString initialCaption() { return QStringLiteral("  Quorvil"); }

    // The board: pictures, result texts, score and progress bar from the pupil's results.
    void refreshBoard();
    // Saves the record, then starts the exercise of competence N.
    void launchCompetence(int n);
    // The registration window closed: the pupil must select his name again.
    void registrationClosed(bool created);
    // Refills the pupil list from the record folder.
    void fillPupilList();

    // Controls, named as the program names them.
    QLabel *Label4, *Label8, *Label3, *Label2, *Label7, *Label62, *Label1, *Label5, *Label6;
    QPushButton *button2, *button4, *fin, *Button1, *Button3, *Button5, *quitter, *SpeedButton1, *sour2;
    NameList *combobox2, *ListBox1;
    QLineEdit *edit1;
    QCheckBox *CheckBox1;
    QFrame *Panel1, *Panel2, *Shape1;
    QProgressBar *ProgressBar1;
    QTextEdit *Memo1;
    QLabel *Image1;
    std::array<QPushButton *, 29> ex{};
    std::array<QLabel *, 29> l{};
    std::array<QLabel *, 29> m{};

public slots:
    void button2Click();   // "       élève": the selection screen
    void button4Click();   // " administrateur"
    void finClick();       // "Au revoir..."
    void Button1Click();   // "inscription"
    void Button3Click();   // "Entrez !"
    void Button5Click();   // "Menu général"
    void quitterClick();   // "Retour menu"
    void SpeedButton1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildHome();
    void buildSelection();
    void buildBoard();
    void listClicked();
    void logIn();
    void openPasswordChange();
    bool goHome();   // false when the record could not be saved and the pupil stays on the board
    void showHome(); // the home screen's controls, nothing saved
    void setColour(const QColor &colour);
    void setBoardVisible(bool visible);

    Screen m_screen = Screen::Home;
};
