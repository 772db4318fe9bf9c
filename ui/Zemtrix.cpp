// zemtrix: the calculator window.
#include "ui/MainWin.h"
#include "ui/Shutdown.h"

#include <QApplication>

int main(int argc, char** argv) {
    TShutdown::CatchQuitSignals();
    // A widgets-only window draws with the raster engine; without this the X11 platform would
    // load an OpenGL stack it never uses (tens of megabytes and milliseconds at start-up).
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) qputenv("QT_XCB_GL_INTEGRATION", "none");
    // The window draws everything in its own styles; following a GTK desktop's settings would
    // load the GTK theme plugin (and with it GTK and an OpenGL stack): about 90 ms and 65 MB more
    // at start-up. A theme the user names in QT_QPA_PLATFORMTHEME is still used.
    QGuiApplication::setDesktopSettingsAware(false);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zemtrix"));
    TMainForm window;
    TShutdown shutdown(window);
    window.show();
    QApplication::exec();
    return shutdown.ExitStatus();
}
