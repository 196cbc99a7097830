#pragma once
#include <QDialog>
#include <functional>

class HotSpot;
class PictureBox;
class QLabel;
class QPushButton;
class SpinEdit;

// "Taille de l'image": the new width and height of the open image, typed or set
// with the arrows. "OK" hands both texts, as typed, to the exercise that opened
// the dialog; it closes when the exercise accepts them, says "Erreur!" otherwise.
// Like its model it goes away as soon as the pupil activates another window, but
// not when one of the program's own boxes takes the activation for a moment.
class TUtailleimage : public QDialog
{
    Q_OBJECT
public:
    using Judge = std::function<bool(const QString &width, const QString &height)>;
    // A wrong way: the exercise counts it and shows the box.
    using WrongAction = std::function<void(const QString &text)>;

    static const QString Caption;     // "Taille de l'image"
    static const QString Rejected;    // "Erreur!"
    static const QString WrongText;   // "Fausse route ! Lisez bien..."
    static constexpr QSize ClientSize{254, 383};

    // A child window of the exercise window, freed with it (or when closed).
    TUtailleimage(QWidget *owner, Judge judge, WrongAction wrong);

    QLabel *Label1 = nullptr;         // current width
    QLabel *Label2 = nullptr;         // current height
    SpinEdit *Edit1 = nullptr;        // new width, with UpDown1
    SpinEdit *Edit2 = nullptr;        // new height, with UpDown2
    PictureBox *Image1 = nullptr;     // the chain linking them
    PictureBox *Image2 = nullptr;     // the resolution field
    QPushButton *Button3 = nullptr;   // "OK"
    QPushButton *Button4 = nullptr;   // "Annuler"

protected:
    bool event(QEvent *event) override;

private slots:
    void Button3Click();
    void Button4Click() { close(); }
    void Image2Click();

private:
    void closeWhenInactive();

    Judge m_judge;
    WrongAction m_wrong;
};
