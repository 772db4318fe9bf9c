// The portal client against a stand-in portal (tests/ui/desktop/fake-portal.py) on a private
// session bus of its own. Skipped where dbus-daemon or Python's D-Bus binding is missing.

#include "ui/app/DesktopSettings.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace {

constexpr char kPython[] = "/usr/bin/python3";

class DesktopSettingsTest : public testing::Test {
protected:
    void SetUp() override {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty()) GTEST_SKIP() << "dbus-daemon is missing (dbus-daemon)";
        if (QProcess::execute(QString::fromLatin1(kPython),
                              {QStringLiteral("-c"), QStringLiteral("import dbus, gi")}) != 0)
            GTEST_SKIP() << "Python's D-Bus binding is missing (python3-dbus, python3-gi)";
        Daemon.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                              QStringLiteral("--print-address=1")});
        ASSERT_TRUE(Daemon.waitForReadyRead(10000));
        Address = QString::fromUtf8(Daemon.readLine()).trimmed();
        Bus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(Address, QStringLiteral("desktop-settings-test")));
        ASSERT_TRUE(Bus->isConnected());
    }
    void TearDown() override {
        if (Portal.state() != QProcess::NotRunning) {
            Portal.closeWriteChannel();
            if (!Portal.waitForFinished(5000)) Portal.kill();
        }
        Bus.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("desktop-settings-test"));
        if (Daemon.state() != QProcess::NotRunning) {
            Daemon.terminate();
            Daemon.waitForFinished(5000);
        }
    }

    // Starts the stand-in portal with AArguments and waits until it owns the portal's name.
    void StartPortal(const QStringList& AArguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), Address);
        Portal.setProcessEnvironment(environment);
        Portal.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        Portal.start(QString::fromLatin1(kPython),
                     QStringList{QStringLiteral(ZEMTRIX_FAKE_PORTAL)} + AArguments);
        ASSERT_TRUE(Portal.waitForReadyRead(10000)) << "the stand-in portal did not start";
        ASSERT_EQ(Portal.readLine().trimmed(), "ready");
    }
    // The stand-in portal changes a setting and reports it with SettingChanged.
    void Change(const char* ANamespace, const char* AKey, const char* AType, const char* AValue) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.portal.Desktop"),
            QStringLiteral("/org/freedesktop/portal/desktop"),
            QStringLiteral("org.zemtrix.Test.Portal"), QStringLiteral("Change"));
        call << QString::fromLatin1(ANamespace) << QString::fromLatin1(AKey)
             << QString::fromLatin1(AType) << QString::fromLatin1(AValue);
        ASSERT_EQ(Bus->call(call).type(), QDBusMessage::ReplyMessage);
    }

    QProcess Daemon;
    QProcess Portal;
    QString Address;
    std::unique_ptr<QDBusConnection> Bus;
};

} // namespace

TEST_F(DesktopSettingsTest, TheLookAndMotionAreReadFromThePortal) {
    StartPortal({"--set", "org.freedesktop.appearance", "color-scheme", "u", "1", "--set",
                 "org.gnome.desktop.interface", "enable-animations", "b", "false"});
    const TDesktopSettings settings(*Bus);
    QTRY_COMPARE_WITH_TIMEOUT(settings.Look(), TLook::Dark, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(settings.IsReducedMotion(), 10000);
}

// A portal older than version 2 has no ReadOne: its Read, which wraps the value once more, serves.
TEST_F(DesktopSettingsTest, APortalWithoutReadOneIsAskedWithRead) {
    StartPortal({"--no-read-one", "--set", "org.freedesktop.appearance", "contrast", "u", "1",
                 "--set", "org.freedesktop.appearance", "reduced-motion", "u", "1"});
    const TDesktopSettings settings(*Bus);
    QTRY_COMPARE_WITH_TIMEOUT(settings.Look(), TLook::HighContrast, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(settings.IsReducedMotion(), 10000);
}

TEST_F(DesktopSettingsTest, AChangeWhileRunningIsFollowedAtOnce) {
    StartPortal({"--set", "org.freedesktop.appearance", "color-scheme", "u", "1"});
    const TDesktopSettings settings(*Bus);
    QTRY_COMPARE_WITH_TIMEOUT(settings.Look(), TLook::Dark, 10000);
    Change("org.freedesktop.appearance", "color-scheme", "u", "0");
    QTRY_COMPARE_WITH_TIMEOUT(settings.Look(), TLook::Light, 10000);
    Change("org.freedesktop.appearance", "contrast", "u", "1");
    QTRY_COMPARE_WITH_TIMEOUT(settings.Look(), TLook::HighContrast, 10000);
    Change("org.freedesktop.appearance", "reduced-motion", "u", "1");
    QTRY_VERIFY_WITH_TIMEOUT(settings.IsReducedMotion(), 10000);
    Change("org.freedesktop.appearance", "reduced-motion", "u", "0");
    QTRY_VERIFY_WITH_TIMEOUT(!settings.IsReducedMotion(), 10000);
}

// A portal that never answers, or answers with values of the wrong type: the design's look and
// the stored motion. A later change that makes sense is still followed.
TEST_F(DesktopSettingsTest, ASilentOrConfusedPortalLeavesTheDesignsLook) {
    for (const QStringList& arguments :
         {QStringList{"--mute"},
          QStringList{"--set", "org.freedesktop.appearance", "color-scheme", "s", "dark", "--set",
                      "org.gnome.desktop.interface", "enable-animations", "s", "no"}}) {
        StartPortal(arguments);
        const TDesktopSettings settings(*Bus);
        QTest::qWait(300);
        EXPECT_EQ(settings.Look(), TLook::Light) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(settings.IsReducedMotion());
        if (!arguments.contains(u"--mute"_qs)) {
            Change("org.freedesktop.appearance", "color-scheme", "u", "1");
            QTRY_COMPARE_WITH_TIMEOUT(settings.Look(), TLook::Dark, 10000);
        }
        Portal.closeWriteChannel();
        Portal.waitForFinished(5000);
    }
}

TEST(DesktopSettingsNoBusTest, WithoutABusNothingIsAskedAndTheLookIsTheDesigns) {
    const TDesktopSettings settings(QDBusConnection(QStringLiteral("no bus")));
    QTest::qWait(50);
    EXPECT_EQ(settings.Look(), TLook::Light);
    EXPECT_FALSE(settings.IsReducedMotion());
}
