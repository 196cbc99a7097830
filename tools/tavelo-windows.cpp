// tavelo-windows OUTDIR: launches every exercise over a stand-in board and writes each
// of its windows as the pupil sees it at launch (OUTDIR/<competence>-<window>.png).
#include "pictures/appearance.h"
#include "records/datafolder.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/messagebox.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

namespace {
// Answers every box with its first button, so launching needs nobody.
class SilentBoxes : public MessageBox::Responder
{
public:
    int answer(const MessageBox::Box &) override { return 0; }
};
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavelo-windows OUTDIR\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installAppearance();
    QTemporaryDir data;
    DataFolder::setPath(data.path());
    SilentBoxes boxes;
    MessageBox::setResponder(&boxes);

    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.absolutePath());
    QWidget board;
    board.setObjectName(QStringLiteral("form1"));
    for (int n = 1; n <= 29; ++n)
        (new QWidget(&board))->setObjectName(QStringLiteral("ex%1").arg(n));
    int written = 0;
    for (int n = 1; n <= 29; ++n) {
        if (!ExerciseRegistry::launch(n, &board))
            continue;
        QCoreApplication::processEvents();
        ExerciseSession *session = ExerciseSession::current();
        const QList<QWidget *> windows = session ? session->windows() : QList<QWidget *>();
        for (QWidget *w : windows) {
            if (!w->isVisible())
                w->resize(w->size());   // a hidden window of the chain still renders
            w->grab().save(out.filePath(QStringLiteral("%1-%2.png").arg(n, 2, 10, QLatin1Char('0')).arg(w->objectName())));
            ++written;
        }
        if (session)
            session->abandon();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    MessageBox::setResponder(nullptr);
    std::printf("%d windows written to %s\n", written, qPrintable(out.absolutePath()));
    return 0;
}
