#pragma once
#include "shell/exercise/chainscreen.h"

class QLabel;

// The four windows of the storage chain: the bubble at the top right with its one
// label, Abandon at the bottom right, two errors allowed at the end.
class StorageScreen : public ChainScreen
{
    Q_OBJECT
public:
    StorageScreen(ExerciseSession *session, const QString &name, const QString &caption, QSize size);

    QLabel *Label1 = nullptr;

protected:
    void placeInstruction(const QString &text, const QRect &abandon);
    void finalVerdict() { ChainScreen::finalVerdict(Label1); }
};
