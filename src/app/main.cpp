#include "pictures/appearance.h"
#include "shell/tfond.h"
#include "shell/tform1.h"
#include "shell/tsplash.h"
#include "widgets/windowplacement.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    installAppearance();
    QApplication::setApplicationName(QStringLiteral("Quorvil"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Windows too large for this screen are shown scaled down to fit it.
    WindowFit::setEnabled(true);

    TFond background;
    background.show();
    {
        Tsplash splash;
        splash.showFor(1000);
        Tform1 *mainWindow = new Tform1;
        mainWindow->setAttribute(Qt::WA_DeleteOnClose);
        splash.close();
        mainWindow->show();
    }
    return app.exec();
}
