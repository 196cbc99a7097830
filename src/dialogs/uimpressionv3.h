#pragma once
#include <QDialog>
#include <functional>

class ChoiceCombo;
class ExerciseScreen;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SpinEdit;
class Timpressionapercuv3;
class QWidget;

// What the printing dialogs share: their tool-window look and how they go away.
namespace PrintDialogs {
// At most this many errors for the printing exercises to succeed.
constexpr int ErrorThreshold = 2;
// A small title bar with a close box, the button-face background, Comic Sans MS 11.
void dress(QWidget *dialog, const QString &name, const QString &caption, int width, int height);
void centreOnScreen(QWidget *dialog);
// Closes the dialog once the pupil turns to another window (its owner included),
// but not when one of the program's boxes takes the focus for a moment, nor for
// the dialog's own drop-down lists.
void closeWhenLeft(QWidget *dialog);
}

// "Imprimer": a working print dialog that prints nothing. Its "Aperçu " judges the
// settings for printing a part of a document in colour in two copies; when they
// are right it opens the preview, which gives the exercise's verdict. It closes as
// soon as the pupil turns to another window, but never because of its own box.
class Timpressionv3 : public QDialog
{
    Q_OBJECT
public:
    static const QString Caption;
    static const QStringList Printers;         // the three entries of ComboBox1
    static const QString ColourPrinter;        // the one to choose
    static constexpr int ShortestSelection = 184;
    static constexpr int LongestSelection = 189;

    // The exercise window owns the dialog (it dies with it); 'selectionLength' is the
    // length of its text's current selection, a line break counting two characters;
    // Label1 and Label2 are its instruction labels, for the preview's verdict.
    Timpressionv3(ExerciseScreen *owner, std::function<int()> selectionLength, QLabel *label1, QLabel *label2);

    void showCentred();
    // The five conditions of "Aperçu ", all together.
    bool settingsRight() const;

    QGroupBox *GroupBox1 = nullptr;   // "Imprimante"
    QLabel *Label1 = nullptr;         // "&Nom :"
    QLabel *Image1 = nullptr;         // the printer icon
    ChoiceCombo *ComboBox1 = nullptr;
    QPushButton *Button1 = nullptr;   // "P&ropriétés"
    QCheckBox *CheckBox1 = nullptr;   // "Imprimer dans un &fichier"
    QGroupBox *GroupBox2 = nullptr;   // "Plusieurs pages"
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QRadioButton *RadioButton4 = nullptr;
    QGroupBox *GroupBox3 = nullptr;   // "Copies"
    QLabel *Label6 = nullptr;         // "Nombre de &copies :"
    SpinEdit *Edit2 = nullptr;        // with its arrows UpDown1
    QLabel *Image2 = nullptr;         // the page outlines
    QCheckBox *CheckBox2 = nullptr;   // "Copies assem&blées"
    QPushButton *Button5 = nullptr;   // "Aperçu "
    QPushButton *Button3 = nullptr;   // "OK"
    QPushButton *Button4 = nullptr;   // "Annuler"

private slots:
    void Button5Click();
    void Button3Click();
    void Button4Click();

private:
    void wrongAction();

    ExerciseScreen *m_owner;
    std::function<int()> m_selectionLength;
    QLabel *m_label1;
    QLabel *m_label2;
};
