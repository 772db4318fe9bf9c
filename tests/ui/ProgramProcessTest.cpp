// The real program, started on the offscreen platform and stopped as a desktop stops programs:
// whatever ends it, the settings are written once, and a failed write ends it with status 1.
#include "PrivateXServer.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <functional>
#include <vector>

#ifdef ZEMTRIX_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace {

struct TExit {
    int Status = -1;
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
    TExit RunUntil(int ASignal, const QString& AConfigHome) {
        QProcess program;
        Start(program, AConfigHome);
        EXPECT_TRUE(WaitUntilCaught(program.processId(), ASignal));
        ::kill(pid_t(program.processId()), ASignal);
        EXPECT_TRUE(program.waitForFinished(30000));
        const bool isNormalExit = program.exitStatus() == QProcess::NormalExit;
        return {isNormalExit ? program.exitCode() : -1,
                QString::fromUtf8(program.readAllStandardError())};
    }

    // The program as a desktop starts it: on the X server ADisplay, or offscreen without one.
    void Start(QProcess& AProgram, const QString& AConfigHome, const QString& ADisplay = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_CONFIG_HOME"_qs, AConfigHome);
        environment.remove(u"WAYLAND_DISPLAY"_qs);
        if (ADisplay.isEmpty()) {
            environment.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
            environment.remove(u"DISPLAY"_qs);
        } else {
            environment.insert(u"QT_QPA_PLATFORM"_qs, u"xcb"_qs);
            environment.insert(u"DISPLAY"_qs, ADisplay);
        }
        AProgram.setProcessEnvironment(environment);
        AProgram.start(QStringLiteral(ZEMTRIX_PATH), {u"-APPDATAFOLDER"_qs});
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

TEST_F(ProgramProcessTest, FailedWriteIsReportedAndEndsWithStatusOne) {
    const TExit exit = RunUntil(SIGTERM, UnwritableConfigHome());
    EXPECT_EQ(exit.Status, 1);
    EXPECT_TRUE(
        exit.Error.contains(u"/not-a-folder/Orvelmont/Zemtrix/Zemtrix.ini に書き込めません"_qs))
        << exit.Error.toStdString();
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
        EXPECT_TRUE(program.readAllStandardError().contains("Zemtrix.ini に書き込めません"))
            << signal;
    }
}

#endif

} // namespace
