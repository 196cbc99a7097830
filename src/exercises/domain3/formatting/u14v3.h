#pragma once
#include "shell/exercise/menuscreen.h"

#include "exercises/domain3/formatting/fontdialog.h"

#include <QPointer>


class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTextEdit;
class QTextCharFormat;
class QToolButton;

// The first window of competence 3.1: a working word processor showing two pages.
// Step 1, the pupil copies page 1 into page 2; step 2, he formats page 2 like the
// model that then shows on the left.
class Texercice14v3 : public MenuScreen
{
    Q_OBJECT
public:
    explicit Texercice14v3(ExerciseSession *session);

    enum class Step { Copy, Format };
    Step step() const { return m_step; }

    QMenuBar *MainMenu = nullptr;       // the menu bar of the menu-screen base
    QTextEdit *Editor = nullptr;
    QTextEdit *editor2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *PageLabel1 = nullptr;   // "Page1"
    QLabel *PageLabel2 = nullptr;   // "Page2"
    QPushButton *Button1 = nullptr; // step 1 "OK"
    QPushButton *Button2 = nullptr; // step 2 "OK"
    QToolButton *NewButton = nullptr;
    QToolButton *OpenButton = nullptr;
    QToolButton *SaveButton = nullptr;
    QToolButton *PrintButton = nullptr;
    QToolButton *CutButton = nullptr;
    QToolButton *CopyButton = nullptr;
    QToolButton *PasteButton = nullptr;
    QToolButton *UndoButton = nullptr;
    QToolButton *BoldButton = nullptr;
    QToolButton *ItalicButton = nullptr;
    QToolButton *UnderlineButton = nullptr;
    QToolButton *LeftAlign = nullptr;
    QToolButton *CenterAlign = nullptr;
    QToolButton *RightAlign = nullptr;
    QToolButton *BulletsButton = nullptr;
    QAction *EditCutCmd = nullptr;
    QAction *EditCopyCmd = nullptr;
    QAction *EditPasteCmd = nullptr;
    QAction *EditUndoCmd = nullptr;
    QAction *miEditFont = nullptr;      // "Format" > "&Police"
    QAction *changerpolice1 = nullptr;  // "changer police" in PopupMenu1
    QAction *Coller2 = nullptr;         // "Coller" in PopupMenu2
    QMenu *PopupMenu1 = nullptr;        // context menu of Editor
    QMenu *PopupMenu2 = nullptr;        // context menu of editor2
    // The font dialog while it is open.
    FontDialog *polices() const { return m_polices; }
    bool updating() const { return m_updating; }

protected:
    void FormShow() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void Button1Click();
    void Button2Click();
    void BoldButtonClick(bool down);
    void ItalicButtonClick(bool down);
    void UnderlineButtonClick(bool down);
    void AlignButtonClick();
    void BulletsButtonClick(bool down);
    void EditCutCmdExecute();
    void EditCopyCmdExecute();
    void EditPasteCmdExecute();
    void EditUndoCmdExecute();
    void miEditFontClick();
    void SelectionChange();
    void updateActions();

protected:
    void menuStep(int id) override;

private:
    QWidget *m_client = nullptr;
    void bindMenus();
    void createToolBar();
    void createEditors();
    QToolButton *toolButton(const QString &name, int tool, const QString &hint, bool toggle);
    void setStyleBit(const QTextCharFormat &bit);
    void enterFormatStep();
    void reapplyMargins();

    Step m_step = Step::Copy;
    bool m_updating = false;
    QPointer<FontDialog> m_polices;
};
