#include "widgets/foldertree.h"

#include "pictures/fonts.h"
#include "pictures/kit.h"

#include <QHeaderView>

namespace {
constexpr int KindRole = Qt::UserRole + 1;

QIcon iconOf(FolderTree::Kind kind, bool open)
{
    switch (kind) {
    case FolderTree::Kind::Drive:
        return PictureKit::themeIcon(QStringLiteral("drive-harddisk"));
    case FolderTree::Kind::Floppy:
        return PictureKit::themeIcon(QStringLiteral("media-floppy"));
    case FolderTree::Kind::Folder:
        return PictureKit::themeIcon(open ? QStringLiteral("folder-open") : QStringLiteral("folder"));
    case FolderTree::Kind::Picture:
        return PictureKit::themeIcon(QStringLiteral("image-x-generic"));
    case FolderTree::Kind::Blank:
        break;
    }
    return QIcon();
}
}

QList<FolderTree::Node> FolderTree::schoolComputer(bool withPictures)
{
    using K = Kind;
    QList<Node> nodes{
        {0, QStringLiteral("A:\\"), K::Floppy},
        {0, QStringLiteral("C:\\"), K::Drive},
        {1, QStringLiteral("archive"), K::Folder},
        {2, QStringLiteral("1"), K::Folder},
        {3, QStringLiteral("texte"), K::Folder},
        {2, QStringLiteral("3"), K::Folder},
        {3, QStringLiteral("textes"), K::Folder},
        {1, QStringLiteral("program files"), K::Folder},
        {1, QStringLiteral("divers"), K::Folder},
        {2, QStringLiteral("hp"), K::Folder},
        {3, QStringLiteral("archive"), K::Folder},
        {2, QStringLiteral("archive"), K::Folder},
        {1, QStringLiteral("mes documents"), K::Folder},
        {2, QStringLiteral("Email"), K::Folder},
        {3, QStringLiteral("pieces jointes"), K::Folder},
        {1, QStringLiteral("velan"), K::Folder},
        {2, QStringLiteral("1"), K::Folder},
        {3, QStringLiteral("texte"), K::Folder},
        {2, QStringLiteral("2"), K::Folder},
    };
    if (withPictures) {
        for (const char *file : {"pav.jpg", "moto.jpg", "etoile.jpg", "voiture.jpg", "maison.jpg"})
            nodes << Node{3, QString::fromLatin1(file), K::Picture};
        nodes << Node{3, QString(), K::Blank} << Node{3, QString(), K::Blank};
    } else {
        for (const char *folder : {"archive", "texte", "textes"})
            nodes << Node{3, QString::fromLatin1(folder), K::Folder};
    }
    nodes << QList<Node>{
        {2, QStringLiteral("3"), K::Folder},
        {3, QStringLiteral("archive"), K::Folder},
        {3, QStringLiteral("texte"), K::Folder},
        {3, QStringLiteral("textes"), K::Folder},
        {2, QStringLiteral("4"), K::Folder},
        {3, QStringLiteral("archive"), K::Folder},
        {3, QStringLiteral("texte"), K::Folder},
        {2, QStringLiteral("archive"), K::Folder},
        {1, QStringLiteral("windows"), K::Folder},
        {1, QStringLiteral("antivirus"), K::Folder},
        {0, QStringLiteral("D:\\"), K::Drive},
        {1, QStringLiteral("archive"), K::Folder},
        {1, QStringLiteral("texte"), K::Folder},
        {1, QStringLiteral("images"), K::Folder},
        {1, QStringLiteral("son"), K::Folder},
        {1, QStringLiteral("video"), K::Folder},
        {0, QStringLiteral("E:\\"), K::Drive},
        {1, QStringLiteral("sauvegarde"), K::Folder},
        {2, QStringLiteral("janvier"), K::Folder},
        {2, QStringLiteral("fevrier"), K::Folder},
        {3, QStringLiteral("archive"), K::Folder},
    };
    return nodes;
}

FolderTree::FolderTree(const QList<Node> &nodes, QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setIndentation(25);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setFont(pixelFont(QStringLiteral("Comic Sans MS"), 14));
    setIconSize(QSize(16, 16));
    QList<QTreeWidgetItem *> parents;
    for (const Node &node : nodes) {
        parents.resize(node.depth);
        auto *item = node.depth == 0 ? new QTreeWidgetItem(this) : new QTreeWidgetItem(parents.last());
        item->setText(0, node.text);
        item->setData(0, KindRole, int(node.kind));
        item->setIcon(0, iconOf(node.kind, false));
        parents << item;
    }
    collapseAll();
    connect(this, &QTreeWidget::currentItemChanged, this, &FolderTree::updateIcons);
}

bool FolderTree::hasSelection() const
{
    return !selectedItems().isEmpty();
}

QString FolderTree::selectedText() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text(0);
}

bool FolderTree::selectedIsFile() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    return !selected.isEmpty() && Kind(selected.first()->data(0, KindRole).toInt()) == Kind::Picture;
}

QTreeWidgetItem *FolderTree::itemAt(const QStringList &path) const
{
    QTreeWidgetItem *found = nullptr;
    for (const QString &text : path) {
        QTreeWidgetItem *next = nullptr;
        const int count = found ? found->childCount() : topLevelItemCount();
        for (int i = 0; i < count && !next; ++i) {
            QTreeWidgetItem *candidate = found ? found->child(i) : topLevelItem(i);
            if (candidate->text(0) == text)
                next = candidate;
        }
        if (!next)
            return nullptr;
        found = next;
    }
    return found;
}

void FolderTree::updateIcons(QTreeWidgetItem *current, QTreeWidgetItem *previous)
{
    if (previous)
        previous->setIcon(0, iconOf(Kind(previous->data(0, KindRole).toInt()), false));
    if (current)
        current->setIcon(0, iconOf(Kind(current->data(0, KindRole).toInt()), true));
}
