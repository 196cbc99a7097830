#pragma once
#include "shell/exercise/exercisescreen.h"

class PictureBox;
class QLabel;
class QListWidget;
class QPushButton;

// Competence 2.5, fourth window: two documents, a chain letter and an advertising
// pop-up, each named from a list ("Hoax", then "Spam").
class Texercice11v3d : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice11v3d(ExerciseSession *session);

    int documentIndex() const { return m_document; }

    PictureBox *Image1 = nullptr;
    PictureBox *Image2 = nullptr;
    QLabel *consigne3 = nullptr;
    QListWidget *ListBox1 = nullptr;
    QPushButton *Button1 = nullptr;

private slots:
    void Button1Click();

private:
    int m_document = 1;
};
