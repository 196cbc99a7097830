#include "shell/competencecatalogue.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "support/scriptedmessages.h"
#include "support/standinboard.h"
#include "support/tempdatafolder.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

// The board launches an exercise by its catalogue row: the row names the windows
// the exercise opens, the first of them shown. A registration under the wrong
// number, or a launcher that shows another window first, shows up here.
TEST(Catalogue, EveryRowWithAnExerciseOpensTheWindowItNames)
{
    TempDataFolder data;
    StandInBoard board;
    ScriptedMessages boxes;
    boxes.allowUnexpected();
    int launched = 0;
    for (int n = 1; n <= CompetenceCatalogue::Count; ++n) {
        if (!ExerciseRegistry::has(n))
            continue;
        const CompetenceRow &row = CompetenceCatalogue::row(n);
        SCOPED_TRACE(row.code.toStdString());
        ASSERT_TRUE(ExerciseRegistry::launch(n, &board));
        QApplication::processEvents();
        ExerciseSession *session = ExerciseSession::current();
        ASSERT_TRUE(session);
        EXPECT_EQ(session->competence(), n);
        QStringList shown;
        for (QWidget *window : session->windows())
            if (window->isVisible())
                shown << QString::fromLatin1(window->metaObject()->className());
        EXPECT_EQ(shown, QStringList{row.windows.first()}) << "one window shows at launch: the row's first";
        EXPECT_FALSE(board.isVisible());
        session->abandon();
        flushDeletes();
        EXPECT_TRUE(board.isVisible());
        ++launched;
    }
    EXPECT_GE(launched, 5);
}
