#pragma once
#include <QDialog>
#include <QPointer>

class ExerciseScreen;
class PictureBox;
class QLabel;
class QPushButton;

// "Aperçu": the printed page as it will come out. "Imprimer" gives the verdict of
// the print-settings exercise; "Annuler" is a wrong way. It stays open when the
// pupil turns to another window, and goes with the exercise window that owns it.
class Timpressionapercuv3 : public QDialog
{
    Q_OBJECT
public:
    static const QString Caption;

    // Label1 and Label2: the exercise's instruction labels, where the verdict is written.
    Timpressionapercuv3(ExerciseScreen *owner, QLabel *label1, QLabel *label2);

    void showCentred();

    PictureBox *Image1 = nullptr;
    QPushButton *Button1 = nullptr;   // "Imprimer"
    QPushButton *Button2 = nullptr;   // "Annuler"

private slots:
    void Button1Click();
    void Button2Click();

private:
    ExerciseScreen *m_owner;
    QPointer<QLabel> m_label1;
    QPointer<QLabel> m_label2;
};
