#include "dialogs/u20v3enregistrer.h"

#include "pictures/kit.h"
#include "pictures/pictures.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"
#include "widgets/windowplacement.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>

namespace {
constexpr QSize PictureSize{554, 385};
constexpr QRect PlacesBar{6, 37, 86, 282};

void paintSaveDialog(QPainter &p, const QSize &size)
{
    using namespace PictureKit;
    using D = Texcercice20v3enregistrer;
    p.fillRect(QRect(QPoint(0, 0), size), Colours::Window);
    p.setFont(uiFont(12));
    paintLabel(p, QRect(8, 8, 110, 22), QStringLiteral("Enregistrer dans :"));
    paintComboBox(p, QRect(120, 8, 290, 22), QString());
    paintIcon(p, QRect(126, 11, 16, 16), QStringLiteral("folder-pictures"));
    paintLabel(p, QRect(148, 8, 200, 22), QStringLiteral("Mes images"));
    const QStringList tools{QStringLiteral("go-previous"), QStringLiteral("go-up"), QStringLiteral("folder-new"),
                            QStringLiteral("view-list-details")};
    for (int i = 0; i < tools.size(); ++i)
        paintIcon(p, QRect(420 + i * 30, 10, 18, 18), tools[i]);

    // The places bar.
    p.fillRect(PlacesBar, QColor(214, 218, 226));
    p.setPen(Colours::Border);
    p.drawRect(PlacesBar.adjusted(0, 0, -1, -1));
    const QStringList icons{QStringLiteral("document-open-recent"), QStringLiteral("user-desktop"),
                            QStringLiteral("folder-documents"), QStringLiteral("computer"),
                            QStringLiteral("network-workgroup")};
    const QStringList places{QStringLiteral("Récent"), QStringLiteral("Bureau"), QStringLiteral("Mes documents"),
                             QStringLiteral("Poste de travail"), QStringLiteral("Favoris réseau")};
    p.setFont(uiFont(10));
    for (int i = 0; i < places.size(); ++i) {
        const QRect cell(PlacesBar.left() + 2, PlacesBar.top() + 4 + i * 55, PlacesBar.width() - 4, 52);
        paintIcon(p, QRect(cell.center().x() - 16, cell.top() + 2, 32, 32), icons[i]);
        p.setPen(Colours::Text);
        p.drawText(QRect(cell.left(), cell.top() + 34, cell.width(), 16), Qt::AlignCenter, places[i]);
    }

    // The file area (the live list lies over it), the name and type boxes, the buttons.
    p.fillRect(D::FileList, Qt::white);
    p.setPen(Colours::Border);
    p.drawRect(D::FileList.adjusted(0, 0, -1, -1));
    p.setFont(uiFont(12));
    paintLabel(p, QRect(100, D::NameBox.top(), 102, 22), QStringLiteral("Nom du fichier :"));
    paintTextField(p, D::NameBox, QString());
    paintLabel(p, QRect(100, D::TypeBox.top(), 102, 22), QStringLiteral("Type :"));
    paintComboBox(p, D::TypeBox, QString());
    paintButton(p, D::SaveButton, QStringLiteral("Enregistrer"), true);
    paintButton(p, D::CancelButton, QStringLiteral("Annuler"));
}

const Pictures::Registrar picture{{QStringLiteral("Texcercice20v3enregistrer/Image1"), PictureSize, &paintSaveDialog,
                                   {{QStringLiteral("zs1"), Texcercice20v3enregistrer::SaveButton},
                                    {QStringLiteral("Image2"), Texcercice20v3enregistrer::CancelButton}}}};
}

const QString Texcercice20v3enregistrer::Caption = QStringLiteral("Enregistrer sous");
const QString Texcercice20v3enregistrer::BaseName = QStringLiteral("Coucher de soleil");
const QString Texcercice20v3enregistrer::WrongText = QStringLiteral("Fausse route ! Lisez bien...");
const QStringList Texcercice20v3enregistrer::Types{QStringLiteral("jpg (*.jpg)"), QStringLiteral("gif (*.gif)"),
                                                   QStringLiteral("bmp (*.bmp)")};

QStringList Texcercice20v3enregistrer::filesOf(int type)
{
    switch (type) {
    case 0:
        return {QStringLiteral("avion.jpg"), QStringLiteral("Coucher de soleil.jpg"), QStringLiteral("Perceuse.jpg"),
                QStringLiteral("porte.jpg"), QStringLiteral("Vélo.jpg")};
    case 1:
        return {QStringLiteral("etoile.gif")};
    default:
        return {QStringLiteral("Ficelle.bmp"), QStringLiteral("Pince.bmp")};
    }
}

Texcercice20v3enregistrer::Texcercice20v3enregistrer(QWidget *owner, Judge judge, WrongAction wrong)
    : QDialog(owner, Qt::Tool), m_judge(std::move(judge)), m_wrong(std::move(wrong))
{
    setObjectName(QStringLiteral("Texcercice20v3enregistrer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Caption);
    setFixedSize(ClientSize);

    Image1 = new PictureBox(QStringLiteral("Texcercice20v3enregistrer/Image1"), QStringLiteral("Image1"),
                            QRect(QPoint(0, 0), PictureSize), this);
    const char *names[3] = {"ListBox2", "ListBox4", "ListBox3"};
    for (int type = 0; type < 3; ++type) {
        auto *list = place(new QListWidget(this), names[type], FileList);
        list->setViewMode(QListView::ListMode);
        list->setFlow(QListView::TopToBottom);
        list->setWrapping(true);
        list->setIconSize(QSize(16, 16));
        for (const QString &file : filesOf(type))
            new QListWidgetItem(PictureKit::themeIcon(QStringLiteral("image-x-generic")), file, list);
        (type == 0 ? ListBox2 : type == 1 ? ListBox4 : ListBox3) = list;
    }
    Edit1 = place(new QLineEdit(this), "Edit1", NameBox);
    ComboBox1 = place(new QComboBox(this), "ComboBox1", TypeBox);
    ComboBox1->addItems(Types);
    zs1 = new HotSpot(QStringLiteral("zs1"), SaveButton, this);
    Image2 = new HotSpot(QStringLiteral("Image2"), CancelButton, this);

    ComboBox1Change(0);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &Texcercice20v3enregistrer::ComboBox1Change);
    connect(Edit1, &QLineEdit::textEdited, this, &Texcercice20v3enregistrer::Edit1Change);
    connect(zs1, &HotSpot::clicked, this, &Texcercice20v3enregistrer::zs1Click);
    connect(Image2, &HotSpot::clicked, this, &Texcercice20v3enregistrer::Image2Click);
    centreOnScreen(this);
}

QString Texcercice20v3enregistrer::selectedType() const
{
    return ComboBox1->currentText();
}

QListWidget *Texcercice20v3enregistrer::listOf(int type) const
{
    return type == 0 ? ListBox2 : type == 1 ? ListBox4 : ListBox3;
}

void Texcercice20v3enregistrer::writeName()
{
    const int type = std::max(0, ComboBox1->currentIndex());
    static const QString extensions[3] = {QStringLiteral(".jpg"), QStringLiteral(".gif"), QStringLiteral(".bmp")};
    Edit1->setText(BaseName + extensions[type]);
}

void Texcercice20v3enregistrer::ComboBox1Change(int index)
{
    for (int type = 0; type < 3; ++type)
        listOf(type)->setVisible(type == index);
    writeName();
}

void Texcercice20v3enregistrer::Edit1Change()
{
    // Only the dialog names the file: a typed change is put back after the box.
    if (m_wrong)
        m_wrong(WrongText);
    writeName();
}

void Texcercice20v3enregistrer::zs1Click()
{
    if (m_judge && m_judge(selectedType()))
        return;
    if (m_wrong)
        m_wrong(WrongText);
}
