#pragma once
#include "shell/exercise/menuscreen.h"

#include <array>

class HotSpot;
class PictureBox;
class QCheckBox;
class QLabel;
class QPushButton;

// Competence 2.5, last window: a browser showing a secure page. The pupil says the
// site is secure, points at the padlock, then switches cookies off in the browser's
// Options (privacy page, cookies tab). The untick ends the exercise: success only
// when no error was made in windows 2 to 5.
class Texercice11v3e : public MenuScreen
{
    Q_OBJECT
public:
    explicit Texercice11v3e(ExerciseSession *session);

    // The menu items, by their place in the menus.
    enum Item {
        NewWindow, NewTab, OpenAddress, OpenFile, CloseTab, SaveAs, SaveFrame, SendLink, PageSetup,
        PrintPreview, Print, Import, WorkOffline, Quit,
        Undo, Redo, Cut, Copy, Paste, Delete, SelectAll, FindInPage, FindAgain,
        Toolbars, StatusBar, SidePanel, Stop, Reload, TextSize, PageStyle, Encoding, PageSource, FullScreen,
        Back, Forward, Home, History,
        BookmarkPage, BookmarkTabs, ManageBookmarks, BookmarkTechnology,
        WebSearch, ReadMail, NewMessage, Downloads, Extensions, Themes, JavaScriptConsole, PageInfo,
        ClearTraces, Options,
        HelpTopics, ForOtherBrowserUsers, ReleaseNotes, ReportSite, CheckUpdates, About,
        ItemCount
    };
    // Where the pupil is.
    enum Stage { Question, PadlockStage, OptionsAllowed, DialogOpen };

    PictureBox *ImageA = nullptr;
    HotSpot *zs9 = nullptr;                   // the padlock
    std::array<PictureBox *, 7> pages{};     // Image1 .. Image7
    HotSpot *zs10 = nullptr;                  // the dialog's body
    std::array<HotSpot *, 6> pageIcons{};    // zs1 .. zs6
    HotSpot *zs7 = nullptr;                   // the cookies tab
    PictureBox *Image8 = nullptr;             // the cookies sub-page
    QCheckBox *CheckBox1 = nullptr;
    HotSpot *zs8 = nullptr;
    QLabel *consigne3 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

    static MenuTable menus();

protected:
    void menuStep(int id) override;
    // A window with a title bar is centred like the others.
    void FormShow() override { centreOnScreen(); }

private slots:
    void Button1Click();
    void Button2Click();
    void zs9MouseDown();
    void pageIconClick(int page);
    void zs7Click();
    void bodyClick();
    void CheckBox1Click();
    void editMenuOpened();

private:
    void hideCookiesPage();
};
