#pragma once
#include <QDialog>
#include <QPointer>

class ChoiceCombo;
class ExerciseScreen;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// "Imprimantes et télécopieurs": the default settings of a photo printer. "OK"
// judges them (matt photo paper, high quality, colour, landscape) and gives the
// exercise's verdict; "Annuler" is a wrong way. Like the print dialog it closes as
// soon as the pupil turns to another window, never because of its own box.
class Tproprieteimprimantecanonv3 : public QDialog
{
    Q_OBJECT
public:
    static const QString Caption;
    static const QStringList Media;       // the nine entries of ComboBox1, the last empty
    static const QString RightMedium;     // "Papier photo Mat"

    // Label1 and Label2: the exercise's instruction labels, where the verdict is written.
    Tproprieteimprimantecanonv3(ExerciseScreen *owner, QLabel *label1, QLabel *label2);

    void showCentred();
    // The four conditions of "OK", all together.
    bool settingsRight() const;

    QLabel *Image4 = nullptr;             // the photo printer
    QGroupBox *GroupBox1 = nullptr;       // "Type de support"
    ChoiceCombo *ComboBox1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;       // "Qualité d'impression"
    QRadioButton *RadioButton1 = nullptr; // "Haute"
    QRadioButton *RadioButton2 = nullptr; // "Standard"
    QRadioButton *RadioButton3 = nullptr; // "Rapide"
    QGroupBox *GroupBox3 = nullptr;       // untitled
    QCheckBox *CheckBox2 = nullptr;       // "Impression niveau de gris"
    QLabel *Label3 = nullptr;             // "Orientation :"
    QLabel *Image1 = nullptr;             // the portrait page
    QRadioButton *RadioButton5 = nullptr; // portrait
    QLabel *Image2 = nullptr;             // the landscape page
    QRadioButton *RadioButton4 = nullptr; // landscape
    QPushButton *Button3 = nullptr;       // "OK"
    QPushButton *Button4 = nullptr;       // "Annuler"

private slots:
    void Button3Click();
    void Button4Click();

private:
    ExerciseScreen *m_owner;
    QPointer<QLabel> m_label1;
    QPointer<QLabel> m_label2;
};
