// The portal client against a stand-in portal (tests/ui/desktop/fake-portal.py) on a private
// session bus of its own. Skipped where dbus-daemon or Python's D-Bus binding is missing.

#include "ui/app/DesktopSettings.h"
#include "ui/app/PrivateSessionBus.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

class DesktopSettingsTest : public testing::Test {
protected:
    void SetUp() override {
        if (!Bus.Missing().isEmpty()) GTEST_SKIP() << Bus.Missing().toStdString();
    }
    void StartPortal(const QStringList& AArguments) {
        ASSERT_TRUE(Bus.StartPortal(AArguments)) << "the stand-in portal did not start";
    }
    void Change(const char* ANamespace, const char* AKey, const char* AType, const char* AValue) {
        ASSERT_TRUE(Bus.Change(ANamespace, AKey, AType, AValue));
    }

    TPrivateSessionBus Bus;
};

} // namespace

TEST_F(DesktopSettingsTest, TheLookAndMotionAreReadFromThePortal) {
    StartPortal({"--set", "org.freedesktop.appearance", "color-scheme", "u", "1", "--set",
                 "org.gnome.desktop.interface", "enable-animations", "b", "false"});
    const TDesktopSettings settings(Bus.Connection());
    QTRY_COMPARE_WITH_TIMEOUT(settings.Look(), TLook::Dark, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(settings.IsReducedMotion(), 10000);
}

// A portal older than version 2 has no ReadOne: its Read, which wraps the value once more, serves.
TEST_F(DesktopSettingsTest, APortalWithoutReadOneIsAskedWithRead) {
    StartPortal({"--no-read-one", "--set", "org.freedesktop.appearance", "contrast", "u", "1",
                 "--set", "org.freedesktop.appearance", "reduced-motion", "u", "1"});
    const TDesktopSettings settings(Bus.Connection());
    QTRY_COMPARE_WITH_TIMEOUT(settings.Look(), TLook::HighContrast, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(settings.IsReducedMotion(), 10000);
}

TEST_F(DesktopSettingsTest, AChangeWhileRunningIsFollowedAtOnce) {
    StartPortal({"--set", "org.freedesktop.appearance", "color-scheme", "u", "1"});
    const TDesktopSettings settings(Bus.Connection());
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
        const TDesktopSettings settings(Bus.Connection());
        QTest::qWait(300);
        EXPECT_EQ(settings.Look(), TLook::Light) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(settings.IsReducedMotion());
        if (!arguments.contains(u"--mute"_qs)) {
            Change("org.freedesktop.appearance", "color-scheme", "u", "1");
            QTRY_COMPARE_WITH_TIMEOUT(settings.Look(), TLook::Dark, 10000);
        }
        Bus.StopPortal();
    }
}

TEST(DesktopSettingsNoBusTest, WithoutABusNothingIsAskedAndTheLookIsTheDesigns) {
    const TDesktopSettings settings(QDBusConnection(QStringLiteral("no bus")));
    QTest::qWait(50);
    EXPECT_EQ(settings.Look(), TLook::Light);
    EXPECT_FALSE(settings.IsReducedMotion());
}
