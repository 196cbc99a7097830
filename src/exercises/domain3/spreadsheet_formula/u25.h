#pragma once
#include "exercises/domain3/spreadsheet_formula/formulasheet.h"
#include "shell/exercise/exercisescreen.h"

#include <QStringList>

class PictureBox;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class StringGrid;

// Competence 3.4: a small spreadsheet of 120 marks in which the pupil places the
// average, the minimum and the maximum formulas in B17, E17 and H17. Nothing is
// counted: a wrong formula shows an error in the formula bar for one second and may
// be entered again. When the three are in place, "Exercice réussi." records the
// competence and closes the window.
class Texercice25 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice25(ExerciseSession *session);

    enum class State { Idle, FormulaBarOpen, Pausing, Done };
    State state() const;
    bool accepted(FormulaSheet::Target target) const { return m_accepted[int(target)]; }
    const FormulaSheet::Marks &marks() const { return m_marks; }
    // Replaces the drawn marks (the same refresh as after any key).
    void setMarks(const FormulaSheet::Marks &marks);
    // Where the read-only example formula sits in the window.
    QRect exampleFieldRect() const;

    StringGrid *t = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *insrerformule1 = nullptr;
    QFrame *Panel1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr;
    QLabel *Label39 = nullptr;

protected:
    void FormShow() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void tMouseDown(Qt::MouseButton button);
    void tMouseMove(QPoint gridPoint, Qt::MouseButtons buttons);
    void tMouseUp();
    void tDblClick();
    void tKeyUp();
    void insrerformule1Click();
    void Edit2Change();
    void BitBtn1Click();
    void Button1Click();

private:
    void buildPanel();
    void refresh();
    void insertFormula();
    void closeFormulaBar();
    void endPause();

    FormulaSheet::Marks m_marks{};
    bool m_accepted[3] = {false, false, false};
    bool m_building = false;
    QString m_prefix;
    QWidget *m_shield = nullptr;   // swallows the pupil's input during the error pause
    QTimer *m_pause = nullptr;
};
