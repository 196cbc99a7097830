#pragma once
#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;

// "Ouvrir": browses a fixed, built-in folder tree (nothing of the real disk) and
// hands the chosen file name to the exercise that opened it, which does what it
// wants with it; the dialog closes after "Ouvrir" whatever the exercise decided.
class Touverture : public QDialog
{
    Q_OBJECT
public:
    using Chosen = std::function<void(const QString &fileName)>;

    enum class Kind { Folder, Drive, Inert, Picture, Sound, Text, Game };
    struct Entry
    {
        QString caption;
        Kind kind;
        int folder = -1;   // the view it opens, for folders and the drive
    };
    struct Folder
    {
        QString name;      // the view's control name, "ListView11"
        int parent;        // -1 for the root
        QList<Entry> entries;
    };
    static const QList<Folder> &tree();
    static constexpr QSize ClientSize{473, 290};
    static constexpr QRect ViewRect{8, 40, 457, 169};

    Touverture(QWidget *owner, Chosen chosen);

    int currentFolder() const { return m_current; }
    QListWidget *view(int folder) const { return m_views.at(folder); }
    QListWidget *currentView() const { return m_views.at(m_current); }
    // The centre of an entry of the current view, in dialog coordinates.
    QPoint entryCentre(const QString &caption) const;

    QLabel *Label1 = nullptr;           // "précédent :"
    QToolButton *SpeedButton1 = nullptr;
    QLineEdit *Edit1 = nullptr;         // the chosen file name
    QLineEdit *Edit2 = nullptr;         // the file type
    QPushButton *BitBtn1 = nullptr;     // "Ouvrir"
    QPushButton *BitBtn2 = nullptr;     // "Annuler"
    QLabel *Label39 = nullptr;          // "TAVELO"

private slots:
    void SpeedButton1Click();
    void BitBtn1Click();
    void ListViewClick(QListWidgetItem *item);
    void ListViewDblClick(QListWidgetItem *item);

private:
    const Entry *entryOf(QListWidgetItem *item) const;
    void showFolder(int folder);
    void chooseFile(const QString &caption);

    Chosen m_chosen;
    QList<QListWidget *> m_views;
    int m_current = 0;
};
