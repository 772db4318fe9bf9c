// zemtrix: the calculator window.
#include "ui/MainWin.h"

#include <QApplication>

int main(int argc, char** argv) {
    // A widgets-only window draws with the raster engine; without this the X11 platform would
    // load an OpenGL stack it never uses (tens of megabytes and milliseconds at start-up).
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zemtrix"));
    TMainForm window;
    window.show();
    return QApplication::exec();
}
