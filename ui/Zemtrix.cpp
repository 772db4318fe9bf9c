// zemtrix: the calculator window.
#include "ui/MainWin.h"
#include "ui/Shutdown.h"

#include <QApplication>
#include <QIcon>
#include <QLineEdit>

#include <cstdio>

// The icon of the window, for desktops that take it from the window rather than from the
// desktop entry. (Outside an unnamed namespace: the resource initialiser it declares is global.)
static QIcon ProgramIcon() {
    Q_INIT_RESOURCE(zemtrix_desktop); // the resources live in a static library
    QIcon icon;
    for (const char* size : {"16", "32", "64"})
        icon.addFile(QStringLiteral(":/zemtrix/icons/%1/zemtrix.png").arg(QLatin1StringView(size)));
    return icon;
}

// For bench/startup.sh: with ZEMTRIX_INPUT_PROBE set, the first change of the expression line
// writes "input" on stdout, which times the first typed key from outside. Without it nothing is
// connected.
static void ConnectInputProbe(TMainForm& AWindow) {
    if (!qEnvironmentVariableIsSet("ZEMTRIX_INPUT_PROBE")) return;
    auto* line = AWindow.findChild<QLineEdit*>(QStringLiteral("ExpressionEdit"));
    if (line == nullptr) return;
    QObject::connect(line, &QLineEdit::textChanged, line, [] {
        static bool isReported = false;
        if (isReported) return;
        isReported = true;
        std::fputs("input\n", stdout);
        std::fflush(stdout);
    });
}

int main(int argc, char** argv) {
    TShutdown::CatchQuitSignals();
    // A widgets-only window draws with the raster engine; without this the X11 platform would
    // load an OpenGL stack it never uses (tens of megabytes and milliseconds at start-up).
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    // The window draws everything in its own styles; following a GTK desktop's settings would
    // load the GTK theme plugin (and with it GTK and an OpenGL stack): about 90 ms and 65 MB more
    // at start-up. A theme the user names in QT_QPA_PLATFORMTHEME is still used.
    QGuiApplication::setDesktopSettingsAware(false);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zemtrix"));
    // Desktops match the window to its desktop entry (name, icon) by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZEMTRIX_APP_ID));
    QApplication::setWindowIcon(ProgramIcon());
    TMainForm window;
    TShutdown shutdown(window);
    ConnectInputProbe(window);
    window.show();
    QApplication::exec();
    return shutdown.ExitStatus();
}
