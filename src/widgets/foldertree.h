#pragma once
#include <QList>
#include <QString>
#include <QTreeWidget>

// The folder tree of the e-mail client's file dialogs: drives, folders and, where
// asked, picture files, all collapsed at start. Read-only, whole-row selection,
// indent 25 pixels, Comic Sans MS; a folder shows an open-folder icon while it is
// selected. The pupil unfolds and selects; the dialog judges the selected text.
class FolderTree : public QTreeWidget
{
    Q_OBJECT
public:
    enum class Kind { Drive, Floppy, Folder, Picture, Blank };
    struct Node
    {
        int depth;
        QString text;
        Kind kind;
    };
    // The disks of the pupil's computer; withPictures puts five photographs (and two
    // blank entries) in C:\velan\2, where the other trees keep their sub-folders.
    static QList<Node> schoolComputer(bool withPictures);

    explicit FolderTree(const QList<Node> &nodes, QWidget *parent = nullptr);

    // The text of the selected entry (empty when none is: ask hasSelection()).
    bool hasSelection() const;
    QString selectedText() const;
    // The selected entry is a file (a picture), not a drive, a folder or a blank.
    bool selectedIsFile() const;
    // The entry at a path of texts from a root ("C:\", "velan", "2", "moto.jpg").
    QTreeWidgetItem *itemAt(const QStringList &path) const;

private:
    void updateIcons(QTreeWidgetItem *current, QTreeWidgetItem *previous);
};
