#pragma once
#include "shell/exercise/exercisescreen.h"

#include "dialogs/urechercherremplacerv3.h"

#include <QPointer>

class HotSpot;
class PictureBox;
class QLabel;
class QTextEdit;


// Competence 3.2: a word processor holding three paragraphs. The pupil finds the
// find-and-replace tool on the tool bar and sets it up so that the capitalised word
// "Police" turns bold red throughout the document.
class Texercice15v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice15v3(ExerciseSession *session);

    enum class Step { LookingForTheTool, DialogOpen, DeadEnd };
    Step step() const { return m_step; }
    TUrechercherv3 *findDialog() const { return m_dialog; }

    // The settings of "Remplacer tout" that turn "Police" bold red.
    static bool acceptable(const QString &search, const QString &replace, bool matchCase, bool wholeWords);

    PictureBox *Image1 = nullptr;
    QTextEdit *RichEdit1 = nullptr;
    HotSpot *zs1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;

protected:
    void FormShow() override;

private slots:
    void zs1Click();

private:
    bool judge(const QString &search, const QString &replace, bool matchCase, bool wholeWords);
    void fillDocument();
    void recolourPolice();

    Step m_step = Step::LookingForTheTool;
    QPointer<TUrechercherv3> m_dialog;
};
