// The image exercise (competence 3.7), played by the pupil robot through its three
// windows and its two dialogs.
#include "support/boardrun.h"
#include "support/exercisefixture.h"
#include "support/imagechecks.h"

#include "dialogs/u20v3enregistrer.h"
#include "dialogs/utailledelimagev3.h"
#include "exercises/domain3/image_processing/layout.h"
#include "exercises/domain3/image_processing/u20v3.h"
#include "exercises/domain3/image_processing/u20v3b.h"
#include "exercises/domain3/image_processing/u20v3c.h"
#include "pictures/imageeditor.h"
#include "pictures/photos.h"
#include "pictures/pictures.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/picturebox.h"
#include "widgets/spinedit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

using namespace ImageProcessingLayout;
using MessageBox::Kind;

namespace {
const QString Wrong = CommonTexts::WrongWayReadCarefully;

QPoint toolCentre(int row, int index)
{
    return toolZone(row, index).center();
}

// The pupil's gestures, for whichever fixture holds the robot.
struct Pupil
{
    PupilRobot &robot;
    ScriptedMessages &boxes;

    Texercice20v3 *desktop() const { return qobject_cast<Texercice20v3 *>(PupilRobot::topWindow(QStringLiteral("Texercice20v3"))); }
    Texercice20v3b *empty() const { return qobject_cast<Texercice20v3b *>(PupilRobot::topWindow(QStringLiteral("Texercice20v3b"))); }
    Texercice20v3c *editor() const { return qobject_cast<Texercice20v3c *>(PupilRobot::topWindow(QStringLiteral("Texercice20v3c"))); }

    void startEditor()
    {
        robot.setWindow(desktop());
        robot.doubleClick(zs.center());
        flushDeletes();
        robot.setWindow(empty());
    }
    void openSunset()
    {
        robot.click(zs3b.center());
        robot.click(zs5b.center());
        robot.click(zs7b.center());
        flushDeletes();
        robot.setWindow(editor());
    }
    void reachEditor()
    {
        startEditor();
        openSunset();
    }
    void raiseBrightness()
    {
        robot.click(toolCentre(1, ImageEditor::BrightnessUp));
        robot.click(toolCentre(1, ImageEditor::BrightnessUp));
        boxes.expect(Kind::Information, BrightnessDone);
        robot.click(toolCentre(1, ImageEditor::BrightnessUp));
    }
    TUtailleimage *openSizeDialog()
    {
        robot.click(toolCentre(0, ImageEditor::ImageSizeTool));
        return editor()->sizeDialog();
    }
    void typeSize(TUtailleimage *dialog, const QString &width, const QString &height)
    {
        dialog->Edit1->edit()->selectAll();
        robot.type(width, dialog->Edit1->edit());
        dialog->Edit2->edit()->selectAll();
        robot.type(height, dialog->Edit2->edit());
    }
    void resize()
    {
        TUtailleimage *dialog = openSizeDialog();
        ASSERT_TRUE(dialog);
        typeSize(dialog, AcceptedWidth, AcceptedHeight);
        PupilRobot inDialog(dialog);
        inDialog.click(dialog->Button3);
        flushDeletes();
    }
    Texcercice20v3enregistrer *openSaveDialog()
    {
        robot.click(zs63.center());
        return editor()->saveDialog();
    }
    void chooseType(Texcercice20v3enregistrer *dialog, int type) { dialog->ComboBox1->setCurrentIndex(type); }
    void save(Texcercice20v3enregistrer *dialog)
    {
        PupilRobot inDialog(dialog);
        inDialog.click(Texcercice20v3enregistrer::SaveButton.center());
    }
};

class ImageProcessingExercise : public ExerciseFixture
{
protected:
    ImageProcessingExercise() : ExerciseFixture(Competence) {}
    void SetUp() override
    {
        ExerciseFixture::SetUp();
        launch();
        robot.setWindow(pupil.desktop());
    }
    int visibleLevel() const
    {
        int shown = 0;
        for (int i = 0; i < pupil.editor()->levels.size(); ++i)
            if (pupil.editor()->levels[i]->isVisible())
                shown = shown ? -1 : i + 1;   // -1: more than one
        return shown;
    }
    void wrongAt(QPoint p, int expectedErrors)
    {
        boxes.expect(Kind::Error, Wrong);
        robot.click(p);
        EXPECT_EQ(errors(), expectedErrors);
    }
    // 'verdict' queues the verdict's box once the wrong ways are counted.
    void saveWithErrors(int wrongs, const std::function<void()> &verdict)
    {
        pupil.reachEditor();
        for (int i = 0; i < wrongs; ++i)
            wrongAt(zs14.center(), i + 1);   // the drawing-tool palette
        pupil.raiseBrightness();
        pupil.resize();
        auto *dialog = pupil.openSaveDialog();
        ASSERT_TRUE(dialog);
        pupil.chooseType(dialog, 2);
        verdict();
        pupil.save(dialog);
        flushDeletes();
    }
    Pupil pupil{robot, boxes};
};
}

TEST(ImageProcessingFromTheBoard, APerfectRunRecordsTheCompetenceAndRetourMenuSavesIt)
{
    BoardRun board;
    ASSERT_TRUE(board.launch(Competence, QStringLiteral("Texercice20v3")));
    Pupil pupil{board.robot, board.boxes};
    EXPECT_EQ(pupil.desktop()->instruction()->text(), StartEditor);
    EXPECT_EQ(PupilRobot(pupil.desktop()).widgetAt(zs.center()), pupil.desktop()->zs);
    pupil.startEditor();
    ASSERT_TRUE(pupil.empty());
    EXPECT_EQ(PupilRobot::topWindow(QStringLiteral("Texercice20v3")), nullptr);
    EXPECT_EQ(pupil.empty()->instruction()->text(), OpenRecent);
    pupil.robot.click(zs3b.center());
    EXPECT_TRUE(pupil.empty()->Image2->isVisible());
    pupil.robot.click(zs5b.center());
    EXPECT_TRUE(pupil.empty()->Image3->isVisible());
    EXPECT_EQ(pupil.robot.widgetAt(zs7b.center()), pupil.empty()->zs7);
    pupil.robot.click(zs7b.center());
    flushDeletes();
    auto *editor = pupil.editor();
    ASSERT_TRUE(editor);
    pupil.robot.setWindow(editor);
    EXPECT_EQ(editor->instruction()->text(), RaiseBrightness);
    EXPECT_EQ(editor->level(), StartLevel);
    EXPECT_TRUE(editor->levels[StartLevel - 1]->isVisible());

    pupil.raiseBrightness();
    EXPECT_EQ(editor->level(), 1);
    EXPECT_TRUE(editor->brightnessDone());
    EXPECT_EQ(editor->instruction()->text(), HalveSize);
    pupil.resize();
    EXPECT_TRUE(editor->resizeDone());
    EXPECT_EQ(editor->sizeDialog(), nullptr) << "an accepted size closes the dialog";
    EXPECT_TRUE(editor->Image17->isVisible());
    EXPECT_EQ(editor->instruction()->text(), SaveAsBitmap);

    auto *dialog = pupil.openSaveDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Enregistrer sous"));
    pupil.chooseType(dialog, 2);
    QString labelDuringBox;
    board.boxes.expect(Kind::Information, CommonTexts::SuccessBoxCapitalised).onNext([&](const MessageBox::Box &) {
        labelDuringBox = editor->instruction()->text();
    });
    pupil.save(dialog);
    flushDeletes();
    EXPECT_EQ(labelDuringBox, CommonTexts::SuccessLabel);
    EXPECT_TRUE(board.form.isVisible());
    EXPECT_EQ(PupilRobot::topWindow(), nullptr);
    EXPECT_EQ(board.resultText(Competence), QStringLiteral("réussi le 09/12/2026\n(Mme Okafor)"));
    EXPECT_EQ(board.score(), QStringLiteral("score : 1 / 29"));
    EXPECT_FALSE(board.buttonShown(Competence));
    EXPECT_FALSE(board.record().contains(board.acquiredGroup(Competence))) << "memory only until the next save";
    board.backToMenu();
    EXPECT_TRUE(board.record().contains(board.acquiredGroup(Competence)));
}

TEST_F(ImageProcessingExercise, OtherShortcutsCountOnceEvenDoubleClickedAndTheEditorNeedsADoubleClick)
{
    wrongAt(QPoint(48, 330), 1);   // the recycle bin
    boxes.expect(Kind::Error, Wrong);
    robot.doubleClick(QPoint(132, 420));   // the word processor
    EXPECT_EQ(errors(), 2) << "a double click is one wrong action";
    robot.click(zs.center());
    EXPECT_EQ(boxes.count(), 2) << "a single click on the editor is neither wrong nor a start";
    EXPECT_TRUE(pupil.desktop());
    pupil.startEditor();
    EXPECT_TRUE(pupil.empty());
    EXPECT_EQ(errors(), 2) << "the count carries over to the next window";
}

TEST_F(ImageProcessingExercise, TheEmptyEditorCountsItsMenuBarPaletteAndMenuBodies)
{
    pupil.startEditor();
    wrongAt(QPoint(300, 165), 1);      // a tool bar
    wrongAt(zs2b.center(), 2);         // the palette
    robot.click(zs3b.center());
    wrongAt(QPoint(60, 380), 3);       // the File menu's body
    wrongAt(zs3b.center(), 4);         // "Fichier" is no longer live
    robot.click(zs5b.center());
    wrongAt(QPoint(280, 220), 5);      // another recent file
    robot.click(zs7b.center());
    flushDeletes();
    ASSERT_TRUE(pupil.editor());
    EXPECT_EQ(errors(), 5);
}

TEST_F(ImageProcessingExercise, BrightnessStopsAtFiveCostsNothingAndPassesAtOneFromAnyRoute)
{
    pupil.reachEditor();
    auto *editor = pupil.editor();
    EXPECT_EQ(editor->zs1->toolTip(), QStringLiteral("Luminosité (+)"));
    EXPECT_EQ(editor->zs2->toolTip(), QStringLiteral("Luminosité (-)"));
    EXPECT_EQ(editor->zs14->toolTip(), PaletteHint);
    EXPECT_EQ(visibleLevel(), 4);
    robot.click(toolCentre(1, ImageEditor::BrightnessDown));
    robot.click(toolCentre(1, ImageEditor::BrightnessDown));
    robot.click(toolCentre(1, ImageEditor::BrightnessDown));
    EXPECT_EQ(visibleLevel(), 5);
    EXPECT_EQ(boxes.count(), 0);
    for (int i = 0; i < 3; ++i)
        robot.click(toolCentre(1, ImageEditor::BrightnessUp));
    EXPECT_EQ(visibleLevel(), 2);
    EXPECT_FALSE(editor->brightnessDone());
    boxes.expect(Kind::Information, BrightnessDone);
    robot.click(toolCentre(1, ImageEditor::BrightnessUp));
    EXPECT_EQ(visibleLevel(), 1);
    EXPECT_TRUE(editor->brightnessDone());
    EXPECT_EQ(errors(), 0);
    // Once done, both buttons are wrong ways and the picture stays at level 1.
    wrongAt(toolCentre(1, ImageEditor::BrightnessUp), 1);
    wrongAt(toolCentre(1, ImageEditor::BrightnessDown), 2);
    EXPECT_EQ(visibleLevel(), 1);
}

TEST_F(ImageProcessingExercise, EveryOtherToolButtonIsWrongAndTheSizeButtonOnlyWorksAfterTheBrightness)
{
    pupil.reachEditor();
    auto *editor = pupil.editor();
    wrongAt(toolCentre(0, 0), 1);                              // "Nouveau"
    wrongAt(toolCentre(1, 5), 2);                              // "Contraste (+)"
    wrongAt(toolCentre(0, ImageEditor::ImageSizeTool), 3);     // too early
    EXPECT_EQ(editor->sizeDialog(), nullptr);
    pupil.raiseBrightness();
    EXPECT_EQ(robot.widgetAt(toolCentre(0, ImageEditor::ImageSizeTool)), editor->zs62);
    EXPECT_EQ(editor->zs62->toolTip(), QStringLiteral("Taille de l'image"));
    auto *dialog = pupil.openSizeDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(errors(), 3);
    dialog->close();
    flushDeletes();
    pupil.resize();
    // After the resize the size button is an ordinary wrong tool again.
    wrongAt(toolCentre(0, ImageEditor::ImageSizeTool), 4);
    EXPECT_EQ(editor->sizeDialog(), nullptr);
}

TEST_F(ImageProcessingExercise, MenusOpenOneAtATimeAndOnlyTheirLiveEntriesReact)
{
    pupil.reachEditor();
    auto *editor = pupil.editor();
    // The Image menu before the brightness: its size entry is part of the body.
    robot.click(menuTitleZone(ImageEditor::Image).center());
    EXPECT_TRUE(editor->menus[ImageEditor::Image]->isVisible());
    EXPECT_FALSE(editor->zs61->isVisible());
    wrongAt(zs61.center(), 1);
    // Réglage's brightness entry points to the tool bar, uncounted, and closes the menu.
    robot.click(menuTitleZone(ImageEditor::Adjust).center());
    EXPECT_FALSE(editor->menus[ImageEditor::Image]->isVisible());
    EXPECT_TRUE(editor->menus[ImageEditor::Adjust]->isVisible());
    boxes.expect(Kind::Information, UseToolBar);
    robot.click(zs60.center());
    EXPECT_EQ(errors(), 1);
    EXPECT_FALSE(editor->menus[ImageEditor::Adjust]->isVisible());
    // A click on the photograph closes whatever menu is open.
    robot.click(menuTitleZone(ImageEditor::View).center());
    robot.click(QPoint(500, 600));
    for (PictureBox *menu : editor->menus)
        EXPECT_FALSE(menu->isVisible());
    // After the brightness the Image menu's entry opens the dialog; another menu hides it.
    pupil.raiseBrightness();
    robot.click(menuTitleZone(ImageEditor::Adjust).center());
    EXPECT_FALSE(editor->zs60->isVisible()) << "the brightness is done";
    robot.click(menuTitleZone(ImageEditor::Image).center());
    EXPECT_TRUE(editor->zs61->isVisible());
    robot.click(menuTitleZone(ImageEditor::File).center());
    EXPECT_FALSE(editor->zs61->isVisible());
    robot.click(menuTitleZone(ImageEditor::Image).center());
    robot.click(zs61.center());
    ASSERT_TRUE(editor->sizeDialog());
    EXPECT_EQ(errors(), 1);
}

TEST_F(ImageProcessingExercise, TheSizeDialogTakesOnlyTheExactTextsAndCountsTheResolutionField)
{
    pupil.reachEditor();
    pupil.raiseBrightness();
    auto *editor = pupil.editor();
    QPointer<TUtailleimage> dialog = pupil.openSizeDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), TUtailleimage::Caption);
    EXPECT_EQ(dialog->Edit1->text(), QStringLiteral("800"));
    EXPECT_EQ(dialog->Edit2->text(), QStringLiteral("600"));
    PupilRobot inDialog(dialog);
    const QList<QStringList> refused{{QStringLiteral("0400"), AcceptedHeight},
                                     {QStringLiteral("400 "), AcceptedHeight},
                                     {AcceptedWidth, QStringLiteral("600")},
                                     {QStringLiteral("300"), QStringLiteral("400")}};
    for (const QStringList &size : refused) {
        pupil.typeSize(dialog, size[0], size[1]);
        boxes.expect(Kind::Information, TUtailleimage::Rejected);
        inDialog.click(dialog->Button3);
        ASSERT_TRUE(dialog) << size.join(',').toStdString();
        EXPECT_TRUE(dialog->isVisible());
    }
    EXPECT_EQ(errors(), 0);
    boxes.expect(Kind::Error, Wrong);
    inDialog.click(dialog->Image2);
    EXPECT_EQ(errors(), 1);
    ASSERT_TRUE(dialog) << "its own box does not close it";
    // The arrows step the number the field holds.
    inDialog.click(dialog->Edit1->downButton());
    EXPECT_EQ(dialog->Edit1->text(), QStringLiteral("299"));
    pupil.typeSize(dialog, AcceptedWidth, AcceptedHeight);
    inDialog.click(dialog->Button3);
    flushDeletes();
    EXPECT_FALSE(dialog);
    EXPECT_TRUE(editor->Image17->isVisible());
    EXPECT_EQ(visibleLevel(), 0) << "the full-size photographs are gone";
    EXPECT_EQ(editor->Image1->pictureName(), ResizedEditor) << "the status bar gives the new size";
    EXPECT_TRUE(editor->zs63->isVisible());
    EXPECT_FALSE(editor->zs62->isVisible());
}

TEST_F(ImageProcessingExercise, TheSizeDialogClosesWithoutEffectWhenTheEditorIsActivated)
{
    pupil.reachEditor();
    pupil.raiseBrightness();
    auto *editor = pupil.editor();
    QPointer<TUtailleimage> dialog = pupil.openSizeDialog();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    QApplication::processEvents();
    flushDeletes();
    flushDeletes();
    EXPECT_TRUE(!dialog || !dialog->isVisible());
    EXPECT_FALSE(editor->resizeDone());
    EXPECT_TRUE(editor->zs62->isVisible());
}

TEST_F(ImageProcessingExercise, TheSizeDialogOutlivesTheActivationItsOwnBoxesTake)
{
    pupil.reachEditor();
    pupil.raiseBrightness();
    QPointer<TUtailleimage> dialog = pupil.openSizeDialog();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    // While its box is open the box is the active window, as a real box would be.
    auto takeActivation = [](const MessageBox::Box &) {
        QWidget box;
        box.show();
        box.activateWindow();
        QTest::qWaitForWindowActive(&box);
        QApplication::processEvents();
    };
    boxes.expect(Kind::Information, TUtailleimage::Rejected).onNext(takeActivation);
    PupilRobot(dialog).click(dialog->Button3);   // 800 x 600 refused
    boxes.expect(Kind::Error, Wrong).onNext(takeActivation);
    PupilRobot(dialog).click(dialog->Image2);    // the resolution field
    QApplication::processEvents();
    flushDeletes();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(errors(), 1);
}

TEST_F(ImageProcessingExercise, TheSaveDialogFollowsTheTypeAndCountsTypingAndAWrongType)
{
    pupil.reachEditor();
    pupil.raiseBrightness();
    pupil.resize();
    QPointer<Texcercice20v3enregistrer> dialog = pupil.openSaveDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->Edit1->text(), QStringLiteral("Coucher de soleil.jpg"));
    EXPECT_TRUE(dialog->ListBox2->isVisible());
    EXPECT_FALSE(dialog->ListBox3->isVisible());
    pupil.chooseType(dialog, 2);
    EXPECT_TRUE(dialog->ListBox3->isVisible());
    EXPECT_FALSE(dialog->ListBox2->isVisible());
    EXPECT_EQ(dialog->ListBox3->count(), 2);
    EXPECT_EQ(dialog->ListBox3->item(0)->text(), QStringLiteral("Ficelle.bmp"));
    EXPECT_EQ(dialog->ListBox3->item(1)->text(), QStringLiteral("Pince.bmp"));
    EXPECT_EQ(dialog->Edit1->text(), QStringLiteral("Coucher de soleil.bmp"));
    EXPECT_EQ(errors(), 0) << "the dialog's own renaming is not judged";

    boxes.expect(Kind::Error, Wrong);
    robot.type(QStringLiteral("x"), dialog->Edit1);
    EXPECT_EQ(errors(), 1);
    EXPECT_EQ(dialog->Edit1->text(), QStringLiteral("Coucher de soleil.bmp"));

    pupil.chooseType(dialog, 1);
    boxes.expect(Kind::Error, Wrong);
    pupil.save(dialog);
    EXPECT_EQ(errors(), 2);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(pupil.editor());

    // Its Annuler closes it; the menu entry opens a fresh one on jpg.
    PupilRobot(dialog).click(Texcercice20v3enregistrer::CancelButton.center());
    flushDeletes();
    EXPECT_FALSE(dialog);
    dialog = pupil.openSaveDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->selectedType(), QStringLiteral("jpg (*.jpg)"));
}

TEST_F(ImageProcessingExercise, TwoErrorsStillSucceed)
{
    saveWithErrors(2, [&] { boxes.expect(Kind::Information, CommonTexts::SuccessBoxCapitalised); });
    expectBoardBack();
    expectRecorded();
}

TEST_F(ImageProcessingExercise, AThirdErrorMakesTheRightSaveFail)
{
    QString labelDuringBox;
    saveWithErrors(3, [&] {
        boxes.expect(Kind::Error, CommonTexts::FailureBox).onNext([&](const MessageBox::Box &) {
            labelDuringBox = pupil.editor()->instruction()->text();
        });
    });
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 3 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(ImageProcessingExercise, AbandonAndAltF4AtEveryWindowAndDialogBringTheBoardBackUnchanged)
{
    for (int place = 0; place < 10; ++place) {
        if (place > 0) {
            launch();
            robot.setWindow(pupil.desktop());
        }
        const int stage = place / 2;
        if (stage >= 1)
            pupil.startEditor();
        if (stage >= 2)
            pupil.openSunset();
        if (stage == 3) {
            pupil.raiseBrightness();
            boxes.clear();
            ASSERT_TRUE(pupil.openSizeDialog());
        }
        if (stage == 4) {
            pupil.raiseBrightness();
            pupil.resize();
            boxes.clear();
            ASSERT_TRUE(pupil.openSaveDialog());
        }
        if (place % 2 == 0)
            robot.click(BitBtn20.center());
        else
            robot.closeWindow();
        flushDeletes();
        expectBoardBack();
        expectNothingRecorded();
        EXPECT_EQ(boxes.count(), 0) << place;
        for (QWidget *w : QApplication::topLevelWidgets())
            EXPECT_FALSE(qobject_cast<QDialog *>(w) && w->isVisible()) << "a dialog outlived its window";
    }
}

TEST(ImageProcessingPictures, LiveEntriesAndButtonsLieUnderTheirHotSpots)
{
    using namespace ImageEditor;
    auto lineIn = [](int which, const MenuPicture &m, int line) {
        return lineRects(m).at(line).translated(menuTopLeft(which) + EditorTop);
    };
    EXPECT_TRUE(zs63.contains(lineIn(File, menu(File), FileSaveAs).center()));
    EXPECT_TRUE(zs61.contains(lineIn(Image, menu(Image), ImageImageSize).center()));
    EXPECT_TRUE(zs60.contains(lineIn(Adjust, menu(Adjust), AdjustBrightnessContrast).center()));
    EXPECT_TRUE(zs5b.contains(lineIn(File, menu(File), FileRecent).center()));
    EXPECT_EQ(menu(File).lines[FileSaveAs].text, QStringLiteral("Enregistrer sous..."));
    EXPECT_EQ(menu(Image).lines[ImageImageSize].text, QStringLiteral("Taille de l'image..."));
    EXPECT_EQ(recentFiles().lines[RecentSunset].text, SunsetFile);
    EXPECT_TRUE(zs7b.contains(lineRects(recentFiles()).at(RecentSunset).translated(Image3b.topLeft()).center()));
    EXPECT_TRUE(zs3b.contains(inWindow(menuTitle(File)).center()));
    EXPECT_EQ(QRect(menuTopLeft(File) + EditorTop, menuSize(menu(File))).topLeft(), Image2b.topLeft());
    EXPECT_LE(menuSize(menu(File)).height(), Image2b.height());
    // The tool bars stay inside the wrong zone of the empty editor and above the photograph.
    for (int row = 0; row < 2; ++row) {
        EXPECT_TRUE(zs1b.contains(inWindow(toolRects(row).last())));
        EXPECT_EQ(tools(row).size(), row == 0 ? 23 : 24);
    }
    EXPECT_EQ(tools(0)[ImageSizeTool].hint, QStringLiteral("Taille de l'image"));
    EXPECT_LT(toolZone(1, 0).bottom(), Photo.top());
}

TEST(ImageProcessingPictures, TheFiveBrightnessesGetStrictlyDarkerAndTheHalfCopyStaysTheBrightPhotograph)
{
    auto meanLuminance = [](const QImage &image) {
        double sum = 0;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                sum += qGray(image.pixel(x, y));
        return sum / ((image.height() / 3 + 1) * (image.width() / 3 + 1));
    };
    double previous = 1e9;
    for (int level = 1; level <= 5; ++level) {
        const QImage image = Pictures::render(QStringLiteral("Texercice20v3c/Image%1").arg(level + 1));
        ASSERT_EQ(image.size(), Photo.size());
        ASSERT_TRUE(drawsSomething(image));
        const double mean = meanLuminance(image);
        EXPECT_LT(mean, previous - 5) << "level " << level;
        previous = mean;
    }
    const QImage half = Pictures::render(QStringLiteral("Texercice20v3c/Image17"));
    ASSERT_EQ(half.size(), HalfPhoto.size());
    const QImage bright = Photos::sunset(HalfPhoto.size() * 2, Photos::BrightestLevel)
                              .scaled(HalfPhoto.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_NEAR(meanLuminance(half), meanLuminance(bright), 8.0);
    // The sun still shines at the darkest level: its disc stays lighter than the sky.
    const QImage dark = Photos::sunset(Photo.size(), Photos::DarkestLevel);
    EXPECT_GT(qGray(dark.pixel(int(Photo.width() * 0.6), int(Photo.height() * 0.54))),
              qGray(dark.pixel(int(Photo.width() * 0.6), int(Photo.height() * 0.1))) + 60);
}
