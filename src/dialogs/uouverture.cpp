#include "dialogs/uouverture.h"

#include "pictures/kit.h"
#include "widgets/placement.h"
#include "widgets/windowplacement.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {
using Kind = Touverture::Kind;

Touverture::Entry folder(const char *caption, int view) { return {QString::fromUtf8(caption), Kind::Folder, view}; }
Touverture::Entry file(const char *caption, Kind kind) { return {QString::fromUtf8(caption), kind, -1}; }

QString iconOf(Kind kind, const QString &caption)
{
    switch (kind) {
    case Kind::Folder:
        return caption == QStringLiteral("Poste de travail") ? QStringLiteral("computer")
               : caption == QStringLiteral("Mes documents") ? QStringLiteral("folder-documents")
                                                             : QStringLiteral("folder");
    case Kind::Drive:
        return QStringLiteral("drive-harddisk");
    case Kind::Inert:
        return caption == QStringLiteral("poubelle") ? QStringLiteral("user-trash")
               : caption.startsWith(QLatin1Char('A')) ? QStringLiteral("media-floppy")
                                                      : QStringLiteral("drive-optical");
    case Kind::Picture:
        return QStringLiteral("image-x-generic");
    case Kind::Sound:
        return QStringLiteral("audio-x-generic");
    case Kind::Text:
        return QStringLiteral("text-x-generic");
    case Kind::Game:
        return QStringLiteral("applications-games");
    }
    return {};
}
}

const QList<Touverture::Folder> &Touverture::tree()
{
    // Views by index: 0 root, 1 Mes documents, 2 photos, 3 musique, 4 jeux,
    // 5 Poste de travail, 6 C:\, 7 textes, 8 images.
    static const QList<Folder> folders{
        {QStringLiteral("ListView1"), -1,
         {folder("Mes documents", 1), folder("Poste de travail", 5), file("poubelle", Kind::Inert)}},
        {QStringLiteral("ListView11"), 0, {folder("photos", 2), folder("musique", 3), folder("jeux", 4)}},
        {QStringLiteral("ListView111"), 1,
         {file("papa.bmp", Kind::Picture), file("maman.bmp", Kind::Picture), file("kiki.bmp", Kind::Picture),
          file("moi.bmp", Kind::Picture)}},
        {QStringLiteral("ListView112"), 1,
         {file("trivolk.wav", Kind::Sound), file("bardune.wav", Kind::Sound), file("skelmo.wav", Kind::Sound),
          file("frandix.wav", Kind::Sound), file("plovet.wav", Kind::Sound)}},
        {QStringLiteral("ListView113"), 1,
         {file("solitaire", Kind::Game), file("doom", Kind::Game), file("dongeon & dragons", Kind::Game),
          file("dune", Kind::Game), file("flipper", Kind::Game), file("pac-man", Kind::Game)}},
        {QStringLiteral("ListView12"), 0,
         {file("A:\\", Kind::Inert), Entry{QStringLiteral("C:\\"), Kind::Drive, 6}, file("D:\\", Kind::Inert)}},
        {QStringLiteral("ListView122"), 5, {folder("textes", 7), folder("images", 8)}},
        {QStringLiteral("ListView1221"), 6,
         {file("devoir 1.rtf", Kind::Text), file("correction 1.rtf", Kind::Text), file("devoir 2.rtf", Kind::Text),
          file("correction 2.rtf", Kind::Text), file("marvaux.rtf", Kind::Text)}},
        {QStringLiteral("ListView1222"), 6,
         {file("symcen.jpg", Kind::Picture), file("affiche.jpg", Kind::Picture), file("symaxe.jpg", Kind::Picture),
          file("eclipse.jpg", Kind::Picture)}}};
    return folders;
}

Touverture::Touverture(QWidget *owner, Chosen chosen)
    : QDialog(owner, Qt::Tool), m_chosen(std::move(chosen))
{
    setObjectName(QStringLiteral("Touverture"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Ouvrir"));
    setFixedSize(ClientSize);

    Label1 = place(new QLabel(QStringLiteral("précédent :"), this), "Label1", QRect(8, 10, 70, 22));
    SpeedButton1 = place(new QToolButton(this), "SpeedButton1", QRect(80, 8, 26, 26));
    SpeedButton1->setIcon(PictureKit::themeIcon(QStringLiteral("go-up")));
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setToolTip(QStringLiteral("remonter d'un niveau"));
    Label39 = place(new QLabel(QStringLiteral("TAVELO"), this), "Label39", QRect(360, 8, 105, 26));
    Label39->setStyleSheet(QStringLiteral("color: rgb(0, 120, 0); font: italic bold 18px 'Times New Roman';"));
    Label39->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    for (const Folder &f : tree()) {
        auto *list = place(new QListWidget(this), f.name, ViewRect);
        list->setViewMode(QListView::ListMode);
        list->setFlow(QListView::LeftToRight);
        list->setWrapping(true);
        list->setSpacing(6);
        list->setIconSize(QSize(16, 16));
        list->setStyleSheet(QStringLiteral("QListWidget { background: rgb(192, 192, 192); }"));
        for (const Entry &e : f.entries)
            new QListWidgetItem(PictureKit::themeIcon(iconOf(e.kind, e.caption)), e.caption, list);
        list->hide();
        connect(list, &QListWidget::itemClicked, this, &Touverture::ListViewClick);
        connect(list, &QListWidget::itemDoubleClicked, this, &Touverture::ListViewDblClick);
        m_views << list;
    }

    place(new QLabel(QStringLiteral("Nom du fichier :"), this), "Label2", QRect(8, 214, 150, 18));
    Edit1 = place(new QLineEdit(this), "Edit1", QRect(8, 232, 230, 22));
    Edit1->setReadOnly(true);
    place(new QLabel(QStringLiteral("Type du fichier :"), this), "Label3", QRect(8, 256, 150, 14));
    Edit2 = place(new QLineEdit(QStringLiteral("Tout type de fichier (*.*)"), this), "Edit2", QRect(8, 270, 230, 18));
    Edit2->setReadOnly(true);
    BitBtn1 = place(new QPushButton(QStringLiteral("Ouvrir"), this), "BitBtn1", QRect(276, 230, 90, 26));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    BitBtn2 = place(new QPushButton(QStringLiteral("Annuler"), this), "BitBtn2", QRect(374, 230, 90, 26));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    for (QPushButton *b : {BitBtn1, BitBtn2})
        b->setAutoDefault(false);

    connect(SpeedButton1, &QToolButton::clicked, this, &Touverture::SpeedButton1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &Touverture::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::close);
    showFolder(0);
    centreOnScreen(this);
}

QPoint Touverture::entryCentre(const QString &caption) const
{
    QListWidget *list = currentView();
    const auto items = list->findItems(caption, Qt::MatchExactly);
    if (items.isEmpty())
        return {};
    return list->viewport()->mapTo(this, list->visualItemRect(items.first()).center());
}

const Touverture::Entry *Touverture::entryOf(QListWidgetItem *item) const
{
    if (!item)
        return nullptr;
    const QListWidget *list = item->listWidget();
    const int folder = int(m_views.indexOf(const_cast<QListWidget *>(list)));
    const int row = list->row(item);
    if (folder < 0 || row < 0 || row >= tree()[folder].entries.size())
        return nullptr;
    return &tree()[folder].entries[row];
}

void Touverture::showFolder(int folder)
{
    m_views[m_current]->hide();
    m_current = folder;
    m_views[m_current]->clearSelection();
    m_views[m_current]->show();
}

static bool isFile(Touverture::Kind kind)
{
    return kind == Kind::Picture || kind == Kind::Sound || kind == Kind::Text || kind == Kind::Game;
}

void Touverture::ListViewClick(QListWidgetItem *item)
{
    const Entry *entry = entryOf(item);
    if (entry && isFile(entry->kind)) {
        Edit1->setText(entry->caption);
        BitBtn1->setEnabled(true);
    }
}

void Touverture::ListViewDblClick(QListWidgetItem *item)
{
    const Entry *entry = entryOf(item);
    if (!entry || item->listWidget()->selectedItems().size() != 1)
        return;
    if (entry->folder >= 0) {
        showFolder(entry->folder);
        return;
    }
    if (isFile(entry->kind)) {
        ListViewClick(item);
        BitBtn1Click();
    }
}

void Touverture::SpeedButton1Click()
{
    Edit1->clear();
    BitBtn1->setEnabled(false);
    if (tree()[m_current].parent >= 0)
        showFolder(tree()[m_current].parent);
}

void Touverture::BitBtn1Click()
{
    const QString name = Edit1->text();
    if (m_chosen)
        m_chosen(name);
    close();
}
