#pragma once
#include "exercises/domain1/storage_organisation/screen.h"

#include <QList>

class HotSpot;
class PictureBox;

// The editor with the picture: File, "Enregistrer sous...", the desktop chosen in
// the dialog's bar of places, the save button, then the editor's close box.
class Texercice3v3b : public StorageScreen
{
    Q_OBJECT
public:
    explicit Texercice3v3b(ExerciseSession *session);

    enum class Step { Editor, FileMenu, Dialog, DesktopChosen, Saved };
    Step step() const { return m_step; }

    PictureBox *image1 = nullptr;
    PictureBox *Image2 = nullptr;
    PictureBox *Image3 = nullptr;
    PictureBox *Image4 = nullptr;
    PictureBox *Image6 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    HotSpot *zs = nullptr;
    HotSpot *zs3 = nullptr;
    HotSpot *zs5 = nullptr;
    HotSpot *zs4 = nullptr;
    HotSpot *zs6 = nullptr;
    HotSpot *zs9 = nullptr;
    HotSpot *zs8 = nullptr;
    HotSpot *zs7 = nullptr;
    HotSpot *zs10 = nullptr;
    HotSpot *zs11 = nullptr;
    HotSpot *zs12 = nullptr;

private slots:
    void zs2Click();
    void zs3Click();
    void zs4Click();
    void zs11Click();
    void zs12Click();

private:
    QList<QWidget *> dialogSpots() const;
    Step m_step = Step::Editor;
};
