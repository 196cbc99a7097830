#include "pictures/appearance.h"
#include "shell/programicon.h"
#include "shell/tfond.h"
#include "shell/tform1.h"
#include "shell/tsplash.h"
#include "widgets/windowplacement.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    installAppearance();
    QApplication::setApplicationName(QStringLiteral("Quorvil"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ProgramIcon::icon());
    // The menu entry of the installed program: its icon in the task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("tavelo"));
    // Qt's own texts (standard buttons, file and print dialogs, context menus) in
    // French, like the rest of the program.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
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
