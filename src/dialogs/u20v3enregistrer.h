#pragma once
#include <QDialog>
#include <QStringList>
#include <functional>

class HotSpot;
class PictureBox;
class QComboBox;
class QLineEdit;
class QListWidget;

// "Enregistrer sous": the picture of a standard save dialog with a few live
// controls over it. The pupil may only choose the file type; the file list and the
// name follow the type. "Enregistrer" hands the type to the exercise that opened
// the dialog: a refused type is a wrong way (the dialog stays open), an accepted
// one is the exercise's to act on (it closes the dialog).
class Texcercice20v3enregistrer : public QDialog
{
    Q_OBJECT
public:
    using Judge = std::function<bool(const QString &type)>;
    using WrongAction = std::function<void(const QString &text)>;

    static const QString Caption;     // "Enregistrer sous"
    static const QString BaseName;    // "Coucher de soleil"
    static const QString WrongText;   // "Fausse route ! Lisez bien..."
    static const QStringList Types;   // "jpg (*.jpg)", "gif (*.gif)", "bmp (*.bmp)"
    static QStringList filesOf(int type);
    static constexpr QSize ClientSize{557, 395};
    static constexpr QRect FileList{100, 37, 448, 282};
    static constexpr QRect NameBox{204, 327, 230, 22};
    static constexpr QRect TypeBox{204, 357, 230, 22};
    static constexpr QRect SaveButton{446, 325, 98, 25};
    static constexpr QRect CancelButton{446, 355, 98, 25};

    Texcercice20v3enregistrer(QWidget *owner, Judge judge, WrongAction wrong);

    QString selectedType() const;

    PictureBox *Image1 = nullptr;     // the dialog's picture
    QListWidget *ListBox2 = nullptr;  // jpg files
    QListWidget *ListBox4 = nullptr;  // gif files
    QListWidget *ListBox3 = nullptr;  // bmp files
    QLineEdit *Edit1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    HotSpot *zs1 = nullptr;           // "Enregistrer"
    HotSpot *Image2 = nullptr;        // "Annuler"

private slots:
    void ComboBox1Change(int index);
    void Edit1Change();
    void zs1Click();
    void Image2Click() { close(); }

private:
    QListWidget *listOf(int type) const;
    void writeName();

    Judge m_judge;
    WrongAction m_wrong;
};
