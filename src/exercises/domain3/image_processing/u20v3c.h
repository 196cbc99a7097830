#pragma once
#include "dialogs/u20v3enregistrer.h"
#include "dialogs/utailledelimagev3.h"
#include "shell/exercise/exercisescreen.h"

#include <QList>
#include <QList>
#include <QPointer>

class HotSpot;
class PictureBox;

// Competence 3.7, third window: the editor showing the photograph. The pupil raises
// its brightness to the maximum with the tool bar, halves its size with the
// image-size dialog and saves it as a bitmap with the save-as dialog. Up to two
// wrong actions are tolerated.
class Texercice20v3c : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice20v3c(ExerciseSession *session);

    int level() const { return m_level; }
    bool brightnessDone() const { return m_brightnessDone; }
    bool resizeDone() const { return m_resizeDone; }
    TUtailleimage *sizeDialog() const { return m_sizeDialog; }
    Texcercice20v3enregistrer *saveDialog() const { return m_saveDialog; }

    PictureBox *Image1 = nullptr;        // the editor with the open file
    QList<PictureBox *> levels;          // Image2 .. Image6: brightness 1 .. 5
    PictureBox *Image17 = nullptr;       // the photograph at half size
    HotSpot *zs13 = nullptr;             // over the photograph
    QList<HotSpot *> toolZones[2];       // every tool button, by row
    HotSpot *zs1 = nullptr;              // "Luminosité (+)"
    HotSpot *zs2 = nullptr;              // "Luminosité (-)"
    HotSpot *zs14 = nullptr;             // the drawing-tool palette
    HotSpot *zs62 = nullptr;             // "Taille de l'image" once the brightness is done
    QList<HotSpot *> menuTitles;         // zs3 .. zs12
    QList<PictureBox *> menus;           // Image7 .. Image16
    HotSpot *zs60 = nullptr;             // Réglage: brightness/contrast
    HotSpot *zs61 = nullptr;             // Image: image size
    HotSpot *zs63 = nullptr;             // Fichier: save as

protected:
    void FormShow() override;

private slots:
    void zs1Click();
    void zs2Click();
    void zs13Click();
    void zs60Click();
    void openImageSize();
    void zs63Click();
    void wrongWay();

private:
    void reset();
    void menuTitleClick(int menu);
    void showLevel(int level);
    bool sizeChosen(const QString &width, const QString &height);
    bool typeChosen(const QString &type);

    int m_level = 0;
    bool m_brightnessDone = false;
    bool m_resizeDone = false;
    QPointer<TUtailleimage> m_sizeDialog;
    QPointer<Texcercice20v3enregistrer> m_saveDialog;
};
