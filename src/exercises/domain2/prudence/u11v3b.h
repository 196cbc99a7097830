#pragma once
#include "shell/exercise/exercisescreen.h"

#include <array>

class HotSpot;
class PictureBox;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class SpinEdit;

// Competence 2.5, second window: the desktop. The pupil says an antivirus is active,
// reads its signature date in the tooltip of its tray icon and enters it, then finds
// the hour of the automatic update in the antivirus settings (its icon's menu).
class Texercice11v3b : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice11v3b(ExerciseSession *session);

    enum class Step { Question, Date, Hour };
    Step step() const { return m_step; }

    PictureBox *Image1 = nullptr;
    PictureBox *Image2 = nullptr;
    std::array<HotSpot *, 15> zones{};   // zs1 .. zs3, ZS4 .. ZS15
    QMenu *PopupMenu1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    SpinEdit *Edit1 = nullptr;
    SpinEdit *Edit2 = nullptr;
    SpinEdit *Edit3 = nullptr;
    QPushButton *Button3 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    SpinEdit *Edit4 = nullptr;
    SpinEdit *Edit5 = nullptr;
    QPushButton *Button4 = nullptr;
    PictureBox *Image3 = nullptr;

    // The antivirus menu's item by its caption.
    QAction *antivirusItem(const QString &caption) const;
    // The tooltips of the antivirus icon and of the clock (they hold today's date).
    static QString antivirusHint();
    static QString clockHint();

private slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void ZS10ContextPopup();
    void antivirusItemClick(QAction *item);

private:
    void buildGroups();

    Step m_step = Step::Question;
};
