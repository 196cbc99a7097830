#pragma once
#include "shell/exercise/chainscreen.h"

class QLabel;

// The eight windows of the file-properties chain: the bubble at the top left with
// its one label, Abandon at the bottom right, two errors allowed at the end.
class FilePropertiesScreen : public ChainScreen
{
    Q_OBJECT
public:
    FilePropertiesScreen(ExerciseSession *session, const QString &name, const QString &caption);

    QLabel *Label1 = nullptr;

protected:
    // The bubble and Abandon, after the background pictures (so they lie on top).
    void placeInstruction(const QString &text);
    void finalVerdict() { ChainScreen::finalVerdict(Label1); }
};
