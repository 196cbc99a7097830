#include "pictures/drawinglog.h"
#include "pictures/pictures.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "support/scriptedmessages.h"
#include "support/standinboard.h"
#include "support/tempdatafolder.h"

#include <QImage>
#include <QLabel>
#include <QTextDocument>
#include <QMultiHash>
#include <gtest/gtest.h>

// What a pupil reads and points at in every registered picture, drawn in the fonts
// the program installs; and each imitated program drawn by one family only, so that
// it looks the same wherever it shows.
TEST(PictureReadability, MenuRowsUnderAHotSpotAreCoveredWholeNoCaptionIsShortenedOrCutAndEachProgramHasOneLook)
{
    QMultiHash<QString, QString> families;   // program -> family
    for (const QString &name : Pictures::names()) {
        SCOPED_TRACE(name.toStdString());
        DrawingLog::start();
        Pictures::render(name);
        const DrawingLog::Record drawn = DrawingLog::take();
        for (const auto &[program, family] : drawn.programs)
            if (!families.contains(program, family))
                families.insert(program, family);
        EXPECT_TRUE(drawn.shortenedTexts.isEmpty()) << drawn.shortenedTexts.join(QStringLiteral(" | ")).toStdString();
        EXPECT_TRUE(drawn.clippedTexts.isEmpty()) << drawn.clippedTexts.join(QStringLiteral(" | ")).toStdString();
        // A click anywhere on a row must land on the hot spot laid over it (a pixel of
        // slack for the row's own border).
        for (const Pictures::HotSpotOutline &spot : Pictures::entry(name).hotSpots)
            for (const QRect &row : drawn.menuRows)
                if (spot.rect.contains(row.center()))
                    EXPECT_TRUE(spot.rect.adjusted(0, -1, 0, 1).contains(QRect(spot.rect.left(), row.top(), 1, row.height())))
                        << spot.name.toStdString() << " covers rows " << spot.rect.top() << ".." << spot.rect.bottom()
                        << " of the row " << row.top() << ".." << row.bottom();
    }
    EXPECT_EQ(families.size(), families.uniqueKeys().size()) << "a program drawn by two families";
    for (const char *program : {"PhotoFiltre", "Trouvix", "démarrer"})
        EXPECT_TRUE(families.contains(QString::fromUtf8(program))) << program;
}

// Every label of every window at launch, shown or not yet, holds its text whole: on
// one line within its width, or wrapped within its height.
TEST(PictureReadability, NoLabelOfAWindowClipsItsText)
{
    TempDataFolder data;
    StandInBoard board;
    ScriptedMessages boxes;
    boxes.allowUnexpected();
    for (int n = 1; n <= 29; ++n) {
        if (!ExerciseRegistry::launch(n, &board))
            continue;
        for (QWidget *window : ExerciseSession::current()->windows())
            for (QLabel *label : window->findChildren<QLabel *>()) {
                if (label->text().isEmpty() || Qt::mightBeRichText(label->text()) || label->width() <= 0)
                    continue;
                SCOPED_TRACE(QStringLiteral("competence %1, %2/%3: %4")
                                 .arg(n)
                                 .arg(window->objectName(), label->objectName(), label->text())
                                 .toStdString());
                const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                                  -label->margin());
                const QRect needed = label->fontMetrics().boundingRect(
                    room, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
                EXPECT_LE(needed.width(), room.width());
                EXPECT_LE(needed.height(), room.height() + 2);
            }
        ExerciseSession::current()->abandon();
        flushDeletes();
    }
}
