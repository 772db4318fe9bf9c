// The real program, started on the offscreen platform and stopped as a desktop stops programs:
// whatever ends it, the settings are written once, and a failed write ends it with status 1.
#include "QtPrinters.h"
#include "ui/PrivateXServer.h"
#include "ui/app/PrivateSessionBus.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <array>
#include <csignal>
#include <functional>
#include <optional>
#include <vector>

#ifdef ZEMTRIX_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace {

struct TExit {
    int Status = -1;
    QString Error;
};

struct TExitOutput {
    int Status = -1; // -1: crashed or did not end
    QString Output;
    QString Error;
};

class ProgramProcessTest : public testing::Test {
protected:
    QString UserFile() const { return Dir.filePath(u"Orvelmont/Zemtrix/Zemtrix.ini"_qs); }

    void WriteUserFile(const QByteArray& AText) const {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(UserFile()).absolutePath()));
        QFile file(UserFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(AText);
    }
    QByteArray ReadUserFile() const {
        QFile file(UserFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Starts the program with the per-user switch and the per-user folder AConfigHome, waits until
    // it catches ASignal, sends it, and waits for the end.
    // AEnvironment holds further variables ("LANGUAGE=ja").
    TExit RunUntil(int ASignal, const QString& AConfigHome, const QStringList& AEnvironment = {}) {
        QProcess program;
        FEnvironment = AEnvironment;
        Start(program, AConfigHome);
        EXPECT_TRUE(WaitUntilCaught(program.processId(), ASignal));
        ::kill(pid_t(program.processId()), ASignal);
        EXPECT_TRUE(program.waitForFinished(30000));
        const bool isNormalExit = program.exitStatus() == QProcess::NormalExit;
        return {isNormalExit ? program.exitCode() : -1,
                QString::fromUtf8(program.readAllStandardError())};
    }

    // The program as a desktop starts it: on the X server ADisplay, or offscreen without one.
    // ASessionBus names the D-Bus session bus it is to use.
    void Start(QProcess& AProgram, const QString& AConfigHome, const QString& ADisplay = {},
               const QStringList& AArguments = {u"-APPDATAFOLDER"_qs},
               const QString& ASessionBus = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!ASessionBus.isEmpty()) environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_qs, ASessionBus);
        environment.insert(u"XDG_CONFIG_HOME"_qs, AConfigHome);
        environment.remove(u"WAYLAND_DISPLAY"_qs);
        if (ADisplay.isEmpty()) {
            environment.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
            environment.remove(u"DISPLAY"_qs);
        } else {
            environment.insert(u"QT_QPA_PLATFORM"_qs, u"xcb"_qs);
            environment.insert(u"DISPLAY"_qs, ADisplay);
        }
        for (const QString& setting : std::as_const(FEnvironment))
            environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        AProgram.setProcessEnvironment(environment);
        AProgram.start(QStringLiteral(ZEMTRIX_PATH), AArguments);
        EXPECT_TRUE(AProgram.waitForStarted(10000));
    }

    // A per-user folder where no settings file can be made: a plain file stands in its place.
    QString UnwritableConfigHome() const {
        QFile blocker(Dir.filePath(u"not-a-folder"_qs));
        EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
        return blocker.fileName();
    }

    // The program installs its handlers first thing; until then a signal would kill it outright.
    static bool WaitUntilCaught(qint64 APid, int ASignal) {
        for (int attempt = 0; attempt < 1000; ++attempt) {
            QFile status(QStringLiteral("/proc/%1/status").arg(APid));
            if (status.open(QIODevice::ReadOnly)) {
                for (const QByteArray& line : status.readAll().split('\n')) {
                    if (!line.startsWith("SigCgt:")) continue;
                    bool isNumber = false;
                    const qulonglong caught = line.mid(7).trimmed().toULongLong(&isNumber, 16);
                    if (isNumber && (caught >> (ASignal - 1) & 1)) return true;
                }
            }
            QThread::msleep(10);
        }
        return false;
    }

    QTemporaryDir Dir;
    QStringList FEnvironment; // for the next Start
};

TEST_F(ProgramProcessTest, EachQuitSignalWritesEveryKey) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        WriteUserFile("; kept as it is\n[Display]\nTopMost=1\n[VariableButton]\nValue3=2.5\n");
        const TExit exit = RunUntil(signal, Dir.path());
        EXPECT_EQ(exit.Status, 0) << signal << exit.Error.toStdString();
        const QByteArray written = ReadUserFile();
        for (const char* key : {"; kept as it is",
                                "[Program]",
                                "Left=",
                                "Top=",
                                "[Panel]",
                                "Number=0",
                                "Scientific=1",
                                "Numeric=1",
                                "WindowScaleNumber=0",
                                "[AnimateStyle]",
                                "TopMost=1",
                                "Transparency=0",
                                "AlwaysDisplayHistoryPanel=0",
                                "GroupingSeparator=0",
                                "RoundDecimal=-1",
                                "RoundSelector=0",
                                "Title1=",
                                "Expression1=00",
                                "Width14=57",
                                "Title6=V6",
                                "Value3=2.5",
                                "Value6=0"})
            EXPECT_TRUE(written.contains(key)) << signal << ": " << key;
    }
}

// Runs the program to its end with AArguments, no display and no platform chosen, plus the
// variables AEnvironment sets.
TExitOutput RunWithoutDisplay(const QStringList& AArguments, const QString& AConfigHome,
                              const QStringList& AEnvironment = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(u"XDG_CONFIG_HOME"_qs, AConfigHome);
    for (const QString& setting : AEnvironment)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZEMTRIX_PATH), AArguments);
    if (!program.waitForFinished(30000)) {
        program.kill();
        program.waitForFinished();
        return {};
    }
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

TEST_F(ProgramProcessTest, HelpNamesTheSwitchAndTheSettingsFilesWithoutADisplay) {
    const TExitOutput help = RunWithoutDisplay({u"--help"_qs}, Dir.path());
    EXPECT_EQ(help.Status, 0) << help.Error.toStdString();
    EXPECT_TRUE(help.Output.startsWith(u"Usage: zemtrix [-APPDATAFOLDER]\n"_qs))
        << help.Output.toStdString();
    for (const QString& part :
         {u"-APPDATAFOLDER"_qs, u"/APPDATAFOLDER"_qs, u"--appdatafolder"_qs, u"--version"_qs,
          u"with -APPDATAFOLDER: "_qs + UserFile() + u'\n', QStringLiteral(ZEMTRIX_FOLDER)})
        EXPECT_TRUE(help.Output.contains(part)) << part.toStdString();
    EXPECT_EQ(help.Error, QString());
    EXPECT_EQ(RunWithoutDisplay({u"-x"_qs, u"-h"_qs}, Dir.path()).Output, help.Output);
}

TEST_F(ProgramProcessTest, VersionNamesTheLicenceWithoutADisplay) {
    const TExitOutput version = RunWithoutDisplay({u"--version"_qs}, Dir.path());
    EXPECT_EQ(version.Status, 0) << version.Error.toStdString();
    EXPECT_TRUE(version.Output.startsWith(u"zemtrix (Zemtrix) " ZEMTRIX_VERSION "\n"_qs))
        << version.Output.toStdString();
    EXPECT_TRUE(version.Output.contains(u"License GPL-3.0-or-later"_qs));
    EXPECT_EQ(version.Error, QString());
}

// Help, the licence lines and the message without a display follow LANGUAGE.
TEST_F(ProgramProcessTest, HelpVersionAndNoDisplayMessageAreTranslated) {
    struct TCase {
        const char* Language;
        QString Usage;
        QString UserFileLine;
        QString Licence;
        QString NoDisplay;
    };
    const TCase cases[] = {
        {"de", u"Aufruf: zemtrix [-APPDATAFOLDER]\n"_qs, u"mit -APPDATAFOLDER:  "_qs,
         u"Lizenz GPL-3.0-or-later"_qs, u"zemtrix: keine Anzeige"_qs},
        {"fr", u"Utilisation\u00a0: zemtrix [-APPDATAFOLDER]\n"_qs,
         u"avec -APPDATAFOLDER\u00a0:  "_qs, u"Licence GPL-3.0-or-later"_qs,
         u"zemtrix: aucun écran"_qs},
        {"ja", u"使い方: zemtrix [-APPDATAFOLDER]\n"_qs, u"-APPDATAFOLDER 指定時: "_qs,
         u"ライセンス GPL-3.0-or-later"_qs,
         u"zemtrix: ウィンドウを開くディスプレイがありません"_qs},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Language);
        const QStringList language{u"LANGUAGE="_qs + QString::fromLatin1(c.Language)};
        const TExitOutput help = RunWithoutDisplay({u"--help"_qs}, Dir.path(), language);
        EXPECT_EQ(help.Status, 0);
        EXPECT_TRUE(help.Output.startsWith(c.Usage)) << help.Output.toStdString();
        EXPECT_TRUE(help.Output.contains(c.UserFileLine + UserFile() + u'\n'))
            << help.Output.toStdString();
        const TExitOutput version = RunWithoutDisplay({u"--version"_qs}, Dir.path(), language);
        EXPECT_TRUE(version.Output.startsWith(u"zemtrix (Zemtrix) " ZEMTRIX_VERSION "\n"_qs));
        EXPECT_TRUE(version.Output.contains(c.Licence)) << version.Output.toStdString();
        const TExitOutput run = RunWithoutDisplay({}, Dir.path(), language);
        EXPECT_EQ(run.Status, 1);
        EXPECT_TRUE(run.Error.startsWith(c.NoDisplay)) << run.Error.toStdString();
        EXPECT_EQ(run.Error.count(u'\n'), 1) << run.Error.toStdString();
    }
}

// Instead of Qt's abort with its page of advice: one line, status 1, no settings file.
TEST_F(ProgramProcessTest, NoDisplayEndsWithOneLineAndStatusOne) {
    struct TCase {
        const char* Name;
        QStringList Environment;
        const char* Reason;
    };
    const TCase cases[] = {
        {"NothingSet", {}, "no display"},
        {"DisplayNobodyServes", {u"DISPLAY=:6999"_qs}, ":6999"},
        {"UnknownPlatform", {u"QT_QPA_PLATFORM=nosuchplatform"_qs}, "nosuchplatform"},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.Name);
        const TExitOutput run =
            RunWithoutDisplay({u"-APPDATAFOLDER"_qs}, Dir.path(), row.Environment);
        EXPECT_EQ(run.Status, 1) << run.Error.toStdString();
        EXPECT_TRUE(run.Error.startsWith(u"zemtrix: "_qs)) << run.Error.toStdString();
        EXPECT_EQ(run.Error.count(u'\n'), 1) << run.Error.toStdString();
        EXPECT_TRUE(run.Error.contains(QString::fromLatin1(row.Reason))) << run.Error.toStdString();
        EXPECT_FALSE(QFile::exists(UserFile()));
    }
}

// Every spelling of the switch moves the settings to the per-user folder; an unknown option or a
// stray argument is named on standard error and the window starts all the same. Qt's own options
// are Qt's.
TEST_F(ProgramProcessTest, UnknownArgumentsAreReportedAndTheWindowStarts) {
    for (const QString& spelling : {u"--appdatafolder"_qs, u"/AppDataFolder"_qs}) {
        SCOPED_TRACE(spelling.toStdString());
        QFile::remove(UserFile());
        QProcess program;
        Start(program, Dir.path(), {},
              {u"--frobnicate"_qs, spelling, u"stray"_qs, u"-style"_qs, u"Fusion"_qs});
        ASSERT_TRUE(WaitUntilCaught(program.processId(), SIGTERM));
        ::kill(pid_t(program.processId()), SIGTERM);
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), 0);
        const QString error = QString::fromLocal8Bit(program.readAllStandardError());
        EXPECT_TRUE(error.contains(u"zemtrix: unknown option \"--frobnicate\" ignored"_qs))
            << error.toStdString();
        EXPECT_TRUE(error.contains(u"zemtrix: argument \"stray\" ignored"_qs))
            << error.toStdString();
        EXPECT_FALSE(error.contains(u"Fusion"_qs)) << error.toStdString();
        EXPECT_FALSE(error.contains(spelling)) << error.toStdString();
        EXPECT_TRUE(ReadUserFile().contains("[Program]")) << "written to the per-user file";
    }
}

// In English, and in the design's Japanese under a Japanese locale.
TEST_F(ProgramProcessTest, FailedWriteIsReportedAndEndsWithStatusOne) {
    const TExit exit = RunUntil(SIGTERM, UnwritableConfigHome());
    EXPECT_EQ(exit.Status, 1);
    EXPECT_TRUE(exit.Error.contains(u"zemtrix: Cannot write "_qs +
                                    Dir.filePath(u"not-a-folder/Orvelmont/Zemtrix/Zemtrix.ini"_qs)))
        << exit.Error.toStdString();

    const TExit japanese = RunUntil(SIGTERM, UnwritableConfigHome(), {u"LANGUAGE=ja"_qs});
    EXPECT_EQ(japanese.Status, 1);
    EXPECT_TRUE(
        japanese.Error.contains(u"/not-a-folder/Orvelmont/Zemtrix/Zemtrix.ini に書き込めません"_qs))
        << japanese.Error.toStdString();
}

// The kept history goes the way the settings go: rewritten at a quit signal (the damaged line
// read at the start is gone), and a history that cannot be written ends the program with status
// 1 as a failed settings write does, the settings written all the same.
TEST_F(ProgramProcessTest, EachQuitSignalWritesTheKeptHistory) {
    const QString history = QFileInfo(UserFile()).absolutePath() + u"/Zemtrix.history"_qs;
    auto writeHistory = [&history](const QByteArray& AText) {
        QFile file(history);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(AText);
    };
    WriteUserFile("[Display]\nKeepHistory=1\n");
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        writeHistory("Zemtrix history 1\n2+2\t4\t-1\t0\ndamaged\n1+1\t2\t-1\t0\n");
        const TExit exit = RunUntil(signal, Dir.path());
        EXPECT_EQ(exit.Status, 0) << signal << exit.Error.toStdString();
        EXPECT_TRUE(exit.Error.contains(u"1 unreadable line"_qs)) << exit.Error.toStdString();
        QFile file(history);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), "Zemtrix history 1\n2+2\t4\t-1\t0\n1+1\t2\t-1\t0\n") << signal;
    }

    ASSERT_TRUE(QFile::remove(history));
    ASSERT_TRUE(QDir().mkdir(history));
    WriteUserFile("[Display]\nKeepHistory=1\n");
    const TExit exit = RunUntil(SIGTERM, Dir.path());
    EXPECT_EQ(exit.Status, 1);
    EXPECT_TRUE(exit.Error.contains(u"Cannot write "_qs + history)) << exit.Error.toStdString();
    EXPECT_TRUE(ReadUserFile().contains("[Program]")) << "the settings are written all the same";
}

#ifdef ZEMTRIX_HAVE_XCB

// A client of the private X server that sees the top-level windows as a window manager would,
// and closes one as a window manager does: with a WM_DELETE_WINDOW message.
class TXClient {
public:
    explicit TXClient(const QString& ADisplay)
        : FConnection(xcb_connect(ADisplay.toLatin1().constData(), nullptr)) {}
    ~TXClient() { xcb_disconnect(FConnection); }
    TXClient(const TXClient&) = delete;
    TXClient& operator=(const TXClient&) = delete;

    bool IsConnected() const { return xcb_connection_has_error(FConnection) == 0; }

    // The shown top-level windows whose title is ATitle.
    std::vector<xcb_window_t> ShownWindows(const QByteArray& ATitle) {
        std::vector<xcb_window_t> windows;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(FConnection)).data->root;
        xcb_query_tree_reply_t* tree =
            xcb_query_tree_reply(FConnection, xcb_query_tree(FConnection, root), nullptr);
        if (!tree) return windows;
        const xcb_window_t* children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree); ++i)
            if (IsShown(children[i]) && Title(children[i]) == ATitle)
                windows.push_back(children[i]);
        free(tree);
        return windows;
    }

    // The colour of AWindow's pixel at AX, AY as red, green and blue; nothing when it cannot be
    // read (24-bit and 32-bit visuals keep it as blue, green, red and a fourth byte).
    std::optional<std::array<int, 3>> Pixel(xcb_window_t AWindow, int AX, int AY) {
        xcb_get_image_reply_t* image =
            xcb_get_image_reply(FConnection,
                                xcb_get_image(FConnection, XCB_IMAGE_FORMAT_Z_PIXMAP, AWindow,
                                              int16_t(AX), int16_t(AY), 1, 1, ~0u),
                                nullptr);
        if (!image) return std::nullopt;
        std::optional<std::array<int, 3>> pixel;
        if (xcb_get_image_data_length(image) >= 4) {
            const uint8_t* data = xcb_get_image_data(image);
            pixel = std::array<int, 3>{data[2], data[1], data[0]};
        }
        free(image);
        return pixel;
    }

    void Close(xcb_window_t AWindow) {
        xcb_client_message_event_t message = {};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = AWindow;
        message.type = Atom("WM_PROTOCOLS");
        message.data.data32[0] = Atom("WM_DELETE_WINDOW");
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(FConnection, false, AWindow, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(FConnection);
    }

private:
    bool IsShown(xcb_window_t AWindow) {
        xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
            FConnection, xcb_get_window_attributes(FConnection, AWindow), nullptr);
        const bool isShown = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        free(attributes);
        return isShown;
    }
    QByteArray Title(xcb_window_t AWindow) {
        xcb_get_property_reply_t* property =
            xcb_get_property_reply(FConnection,
                                   xcb_get_property(FConnection, false, AWindow, XCB_ATOM_WM_NAME,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                                   nullptr);
        QByteArray title;
        if (property)
            title = QByteArray(static_cast<const char*>(xcb_get_property_value(property)),
                               xcb_get_property_value_length(property));
        free(property);
        return title;
    }
    xcb_atom_t Atom(const char* AName) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            FConnection, xcb_intern_atom(FConnection, false, uint16_t(strlen(AName)), AName),
            nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return atom;
    }

    xcb_connection_t* FConnection;
};

bool WaitFor(const std::function<bool()>& ACondition, int AMilliseconds) {
    const QDeadlineTimer deadline(AMilliseconds);
    while (!ACondition()) {
        if (deadline.hasExpired()) return false;
        QThread::msleep(20);
    }
    return true;
}

// The user closes the window, the settings cannot be written and a box says so; a desktop that
// then stops the program (a logout) must not wait for someone to click it away.
TEST_F(ProgramProcessTest, QuitSignalsEndTheCannotWriteBox) {
    TPrivateXServer server;
    if (!server.IsRunning()) GTEST_SKIP() << "no Xvfb";
    TXClient x(server.Display());
    ASSERT_TRUE(x.IsConnected());
    const QString configHome = UnwritableConfigHome();
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        QProcess program;
        Start(program, configHome, server.Display());
        ASSERT_TRUE(WaitUntilCaught(program.processId(), signal));
        std::vector<xcb_window_t> shown;
        ASSERT_TRUE(WaitFor([&] { return (shown = x.ShownWindows("Zemtrix")).size() == 1; }, 10000))
            << signal << ": the window is shown";
        const xcb_window_t window = shown.front();
        x.Close(window);
        ASSERT_TRUE(WaitFor(
            [&] {
                shown = x.ShownWindows("Zemtrix");
                return shown.size() == 1 && shown.front() != window;
            },
            10000))
            << signal << ": the box replaces the window";
        ::kill(pid_t(program.processId()), signal);
        const bool isEnded = program.waitForFinished(10000);
        EXPECT_TRUE(isEnded) << signal << ": the box keeps the program";
        if (!isEnded) {
            program.kill();
            program.waitForFinished(10000);
            continue;
        }
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(program.exitCode(), 1) << signal;
        EXPECT_TRUE(program.readAllStandardError().contains("Cannot write ")) << signal;
    }
}

// The real program on a real X server with a stand-in portal on its session bus: it starts in the
// look the portal gives and switches the moment the desktop's preference changes.
TEST_F(ProgramProcessTest, TheLookFollowsTheDesktopWhileTheProgramRuns) {
    TPrivateXServer server;
    if (!server.IsRunning()) GTEST_SKIP() << "no Xvfb";
    TPrivateSessionBus bus;
    if (!bus.Missing().isEmpty()) GTEST_SKIP() << bus.Missing().toStdString();
    ASSERT_TRUE(bus.StartPortal({"--set", "org.freedesktop.appearance", "color-scheme", "u", "1"}));
    TXClient x(server.Display());
    ASSERT_TRUE(x.IsConnected());
    QProcess program;
    Start(program, Dir.path(), server.Display(), {u"-APPDATAFOLDER"_qs}, bus.Address());
    std::vector<xcb_window_t> shown;
    ASSERT_TRUE(WaitFor([&] { return (shown = x.ShownWindows("Zemtrix")).size() == 1; }, 10000));
    // The expression panel's background, left of the header buttons.
    const auto background = [&] { return x.Pixel(shown.front(), 4, 4); };
    const auto isDark = [&] {
        const auto pixel = background();
        return pixel && (*pixel)[0] < 0x40 && (*pixel)[1] < 0x40 && (*pixel)[2] < 0x40;
    };
    EXPECT_TRUE(WaitFor(isDark, 10000)) << "the dark look at start";
    ASSERT_TRUE(bus.Change("org.freedesktop.appearance", "color-scheme", "u", "0"));
    EXPECT_TRUE(WaitFor([&] { return !isDark(); }, 10000)) << "back to the light look";
    const auto light = background();
    ASSERT_TRUE(light);
    EXPECT_EQ(*light, (std::array<int, 3>{0xF1, 0xF1, 0xF1}));
    ASSERT_TRUE(bus.Change("org.freedesktop.appearance", "contrast", "u", "1"));
    EXPECT_TRUE(WaitFor(
        [&] {
            return background() == std::array<int, 3>{0, 0, 0};
        },
        10000))
        << "the high-contrast look";
    ::kill(pid_t(program.processId()), SIGTERM);
    EXPECT_TRUE(program.waitForFinished(10000));
}

#endif

} // namespace
