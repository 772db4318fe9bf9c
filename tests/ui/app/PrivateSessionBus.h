#pragma once

// A private D-Bus session bus with the stand-in Settings portal (tests/ui/desktop/fake-portal.py)
// on it, ended with the object. Without dbus-daemon or Python's D-Bus binding there is none
// (Missing says which), and the tests that need one skip themselves.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

class TPrivateSessionBus {
public:
    TPrivateSessionBus() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty()) {
            FMissing = QStringLiteral("dbus-daemon is missing (dbus-daemon)");
            return;
        }
        if (QProcess::execute(Python(),
                              {QStringLiteral("-c"), QStringLiteral("import dbus, gi")}) != 0) {
            FMissing =
                QStringLiteral("Python's D-Bus binding is missing (python3-dbus, python3-gi)");
            return;
        }
        FDaemon.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                               QStringLiteral("--print-address=1")});
        if (!FDaemon.waitForReadyRead(10000)) {
            FMissing = QStringLiteral("dbus-daemon did not start");
            return;
        }
        FAddress = QString::fromUtf8(FDaemon.readLine()).trimmed();
    }
    ~TPrivateSessionBus() {
        StopPortal();
        QDBusConnection::disconnectFromBus(QStringLiteral("private-session-bus"));
        if (FDaemon.state() == QProcess::NotRunning) return;
        FDaemon.terminate();
        if (!FDaemon.waitForFinished(5000)) FDaemon.kill();
    }
    TPrivateSessionBus(const TPrivateSessionBus&) = delete;
    TPrivateSessionBus& operator=(const TPrivateSessionBus&) = delete;

    // Empty when the bus runs; else what is missing.
    QString Missing() const { return FMissing; }
    QString Address() const { return FAddress; }
    // This process's connection to the bus.
    QDBusConnection Connection() const {
        return QDBusConnection::connectToBus(FAddress, QStringLiteral("private-session-bus"));
    }

    // Starts the stand-in portal with AArguments (see fake-portal.py); true once it owns the
    // portal's name.
    bool StartPortal(const QStringList& AArguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), FAddress);
        FPortal.setProcessEnvironment(environment);
        FPortal.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        FPortal.start(Python(), QStringList{QStringLiteral(ZEMTRIX_FAKE_PORTAL)} + AArguments);
        return FPortal.waitForReadyRead(10000) && FPortal.readLine().trimmed() == "ready";
    }
    // Ends the stand-in portal (it ends when its standard input closes).
    void StopPortal() {
        if (FPortal.state() == QProcess::NotRunning) return;
        FPortal.closeWriteChannel();
        if (!FPortal.waitForFinished(5000)) FPortal.kill();
    }
    // The stand-in portal changes a setting and reports it with SettingChanged; true once done.
    bool Change(const char* ANamespace, const char* AKey, const char* AType, const char* AValue) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.portal.Desktop"),
            QStringLiteral("/org/freedesktop/portal/desktop"),
            QStringLiteral("org.zemtrix.Test.Portal"), QStringLiteral("Change"));
        call << QString::fromLatin1(ANamespace) << QString::fromLatin1(AKey)
             << QString::fromLatin1(AType) << QString::fromLatin1(AValue);
        return Connection().call(call).type() == QDBusMessage::ReplyMessage;
    }

private:
    // Debian's Python, which python3-dbus extends, whatever python3 comes first on the path.
    static QString Python() { return QStringLiteral("/usr/bin/python3"); }

    QProcess FDaemon;
    QProcess FPortal;
    QString FAddress;
    QString FMissing;
};
