#pragma once
#include "dialogs/uouverture.h"
#include "shell/exercise/menuscreen.h"

#include <QPointer>

class PicturePanel;
class QLabel;
class QPushButton;
class QTextEdit;

// Competence 3.3: a word processor showing a revision sheet on symmetries with two
// empty frames. The pupil inserts two pictures from files through the open dialog
// and moves and resizes each onto its frame. Nothing is counted; the competence is
// recorded when the second picture sits in its frame, and the window stays open
// until its "quitter" button.
class Texercice9 : public MenuScreen
{
    Q_OBJECT
public:
    enum Item {
        New, Open, Save, SaveAs, Print, InsertFromFile, InsertFromScanner, Quit,
        Undo, Cut, CopyItem, Paste, Font, SpecialCharacter, PageNumber, FileItem, Hyperlink
    };
    enum State { NothingInserted, FirstShown, FirstPlaced, SecondShown, Won };

    explicit Texercice9(ExerciseSession *session);

    State state() const { return m_state; }
    Touverture *openDialog() const { return m_open; }

    PictureBox *Image1 = nullptr;        // the tool bar
    QTextEdit *RichEdit1 = nullptr;
    QTextEdit *RichEdit2 = nullptr;
    QTextEdit *RichEdit3 = nullptr;
    QTextEdit *RichEdit4 = nullptr;
    QTextEdit *RichEdit5 = nullptr;
    QTextEdit *RichEdit6 = nullptr;
    QWidget *Shape1 = nullptr;
    QWidget *Shape2 = nullptr;
    PicturePanel *Panel2 = nullptr;      // "symaxe.jpg"
    PicturePanel *Panel1 = nullptr;      // "symcen.jpg"
    QLabel *Label1 = nullptr;
    QLabel *Label39 = nullptr;
    QPushButton *fin = nullptr;          // "quitter"

protected:
    void menuStep(int id) override;

private slots:
    void fileChosen(const QString &fileName);
    void Panel2Released();
    void Panel1Released();
    void finClick();

private:
    QTextEdit *block(const char *name, const QRect &rect, const QString &html);

    State m_state = NothingInserted;
    QPointer<Touverture> m_open;
};
