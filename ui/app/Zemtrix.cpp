// zemtrix: the calculator window.
#include "model/AppData.h"
#include "model/ProgramOptions.h"
#include "model/Translation.h"
#include "ui/app/DesktopSettings.h"
#include "ui/app/FontSetUp.h"
#include "ui/app/InputProbe.h"
#include "ui/app/Shutdown.h"
#include "ui/window/MainWin.h"

#include <QApplication>
#include <QIcon>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <cstdio>
#include <cstdlib>

// The icon of the window, for desktops that take it from the window rather than from the
// desktop entry. (Outside an unnamed namespace: the resource initialiser it declares is global.)
static QIcon ProgramIcon() {
    Q_INIT_RESOURCE(zemtrix_desktop); // the resources live in a static library
    QIcon icon;
    for (const char* size : {"16", "32", "64"})
        icon.addFile(QStringLiteral(":/zemtrix/icons/%1/zemtrix.png").arg(QLatin1StringView(size)));
    return icon;
}

namespace {

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void Print(std::FILE* AStream, const QString& AText) {
    std::fputs(AText.toLocal8Bit().constData(), AStream);
}

// What the program prints before its window's application exists is in the user's language too:
// a core application holds the translations meanwhile.
class TTextApplication {
public:
    TTextApplication(int& argc, char** argv) : FApplication(argc, argv) {
        InstallSystemTranslations();
    }

private:
    QCoreApplication FApplication;
};

// The settings files are resolved by the same rules the window uses, which need the program's
// folder: a core application gives it without a display.
int PrintUsage(int argc, char** argv) {
    const TTextApplication application(argc, argv);
    TAppData beside;
    TAppData perUser;
    perUser.SetIsAppDataFolder(true);
    Print(stdout, WindowUsageText(beside.SettingsFileName(), perUser.SettingsFileName()));
    return 0;
}

// Qt picks its platform from QT_QPA_PLATFORM or "-platform"; left alone, it needs an X or a
// Wayland display, and without one it would abort with a page of advice about plugins.
bool MayFindDisplay(const QStringList& AArguments) {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(variable)) return true;
    return AArguments.contains(u"-platform"_qs) || AArguments.contains(u"-display"_qs);
}

// Qt ends the process with abort() when no platform plugin starts (a display that does not
// answer, a missing plugin). While the application is being made, its messages are held back;
// on that failure the program ends with one line naming the first of them and status 1,
// otherwise they are passed on as they would have been printed.
QStringList HeldMessages;

void HoldStartupMessage(QtMsgType AType, const QMessageLogContext& AContext, const QString& AText) {
    const QString category = QString::fromLatin1(AContext.category ? AContext.category : "");
    const QString line =
        category.isEmpty() || category == u"default" ? AText : category + u": "_qs + AText;
    if (AType != QtFatalMsg) {
        HeldMessages.append(line);
        return;
    }
    const QString reason =
        HeldMessages.isEmpty() ? AText.section(u'\n', 0, 0) : HeldMessages.front();
    // Qt is still making the application: no translation can be installed yet.
    Print(stderr, u"zemtrix: cannot open the window: "_qs + reason.simplified() + u'\n');
    std::_Exit(1);
}

void ReleaseStartupMessages() {
    qInstallMessageHandler(nullptr);
    for (const QString& line : std::as_const(HeldMessages)) Print(stderr, line + u'\n');
    HeldMessages.clear();
}

} // namespace

int main(int argc, char** argv) {
    TShutdown::CatchQuitSignals();
    const QStringList arguments = ArgumentsOf(argc, argv);
    const TProgramOptions options = TProgramOptions::Parse(arguments);
    if (options.IsHelp) return PrintUsage(argc, argv);
    if (options.IsVersion) {
        const TTextApplication application(argc, argv);
        Print(stdout, VersionText(QStringLiteral("zemtrix")));
        return 0;
    }
    if (!MayFindDisplay(arguments)) {
        const TTextApplication application(argc, argv);
        Print(stderr, u"zemtrix: "_qs +
                          QCoreApplication::translate("Zemtrix",
                                                      "no display to open the window on (neither "
                                                      "DISPLAY nor WAYLAND_DISPLAY is set)") +
                          u'\n');
        return 1;
    }
    // A widgets-only window draws with the raster engine; without this the X11 platform would
    // load an OpenGL stack it never uses (tens of megabytes and milliseconds at start-up).
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    // The window draws everything in its own styles; following a GTK desktop's settings would
    // load the GTK theme plugin (and with it GTK and an OpenGL stack): about 90 ms and 65 MB more
    // at start-up. A theme the user names in QT_QPA_PLATFORMTHEME is still used.
    QGuiApplication::setDesktopSettingsAware(false);
#ifdef __GLIBC__
    // The few threads of the window (the font set-up, Qt's display and D-Bus readers) allocate
    // little; in the main heap that stays little, where an arena of their own each would keep
    // its pages.
    mallopt(M_ARENA_MAX, 1);
#endif
    TFontSetUp fontSetUp;
    qInstallMessageHandler(HoldStartupMessage);
    QApplication application(argc, argv);
    fontSetUp.Wait();
    ReleaseStartupMessages();
    InstallSystemTranslations();
    // Qt has taken its own options (-platform, -style, ...) out of the list by now.
    for (const QString& argument :
         TProgramOptions::Parse(QCoreApplication::arguments().mid(1)).Ignored)
        Print(stderr, IgnoredArgumentMessage(argument) + u'\n');
    QApplication::setApplicationName(QStringLiteral("Zemtrix"));
    // Desktops match the window to its desktop entry (name, icon) by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZEMTRIX_APP_ID));
    // Asked before the window is built, so that the answers are usually in when it is first
    // drawn; the window never waits for them.
    const TDesktopSettings desktop(QDBusConnection::sessionBus());
    TMainForm window;
    window.FollowDesktop(desktop);
    TShutdown shutdown(window);
    ConnectInputProbe(window.findChild<QLineEdit*>(QStringLiteral("ExpressionEdit")));
    window.show();
    // Reading the icon's images takes longer than anything else the window needs before it
    // is mapped; given now, the icon reaches the window right after it appears.
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::exec();
    return shutdown.ExitStatus();
}
