// The window following the desktop's look and motion preferences, told through a settings object
// without a bus (the portal's side is DesktopSettingsTest's).

#include "model/StyleContrast.h"
#include "ui/MainWinFixture.h"
#include "ui/app/DesktopSettings.h"
#include "ui/history/HistoryPanel.h"
#include "ui/widgets/Controls.h"

#include <QAbstractAnimation>
#include <QImage>
#include <QPropertyAnimation>

#include <string>

namespace {

const QString kAppearance = QString::fromLatin1(TDesktopLook::AppearanceNamespace);
const QString kGnome = QString::fromLatin1(TDesktopLook::GnomeInterfaceNamespace);

TStyleColor ColorOf(QRgb APixel) {
    return TStyleColor{double(qRed(APixel)), double(qGreen(APixel)), double(qBlue(APixel)), 1};
}

struct TLookRow {
    const char* Name;
    unsigned ColorScheme;
    unsigned Contrast;
    const char* StyleName;
    bool IsDarkPanel;
};

void PrintTo(const TLookRow& ARow, std::ostream* AStream) { *AStream << ARow.Name; }

class DesktopLookWindowTest : public MainWinFixture {
protected:
    void SetUp() override {
        MainWinFixture::SetUp();
        Form->FollowDesktop(Desktop);
    }
    void Tell(const QString& ANamespace, const char* AKey, const QVariant& AValue) {
        Desktop.TakeSetting(ANamespace, QString::fromLatin1(AKey), AValue);
    }
    // The colour the window shows at APoint of AWidget, as drawn now.
    QRgb PixelOf(QWidget* AWidget, QPoint APoint) const {
        return Form->grab().toImage().pixel(AWidget->mapTo(Form.get(), APoint));
    }

    TDesktopSettings Desktop{QDBusConnection(QStringLiteral("no bus"))};
};

class DesktopLookRowTest : public DesktopLookWindowTest,
                           public testing::WithParamInterface<TLookRow> {};

} // namespace

// The look switches at once, on the window's style name and on the screen; back to the design's
// light look when the preference goes.
TEST_P(DesktopLookRowTest, TheLookFollowsTheDesktopWhileTheWindowRuns) {
    auto* keypad = Find<QWidget>("ButtonPanel");
    const QRgb lightPanel = PixelOf(keypad, QPoint(2, 2));
    Tell(kAppearance, "color-scheme", QVariant(GetParam().ColorScheme));
    Tell(kAppearance, "contrast", QVariant(GetParam().Contrast));
    EXPECT_EQ(StyleName(Form.get()), QString::fromLatin1(GetParam().StyleName));
    const double luminance = RelativeLuminance(ColorOf(PixelOf(keypad, QPoint(2, 2))));
    EXPECT_EQ(luminance < 0.05, GetParam().IsDarkPanel) << luminance;

    Tell(kAppearance, "color-scheme", QVariant(0u));
    Tell(kAppearance, "contrast", QVariant(0u));
    EXPECT_EQ(StyleName(Form.get()), u"LightLook");
    EXPECT_EQ(PixelOf(keypad, QPoint(2, 2)), lightPanel);
}

INSTANTIATE_TEST_SUITE_P(Looks, DesktopLookRowTest,
                         testing::Values(TLookRow{"Dark", 1, 0, "DarkLook", true},
                                         TLookRow{"HighContrast", 0, 1, "HighContrastLook", true},
                                         TLookRow{"LightAsked", 2, 0, "LightLook", false}),
                         [](const testing::TestParamInfo<TLookRow>& AInfo) {
                             return std::string(AInfo.param.Name);
                         });

// Along the middle of a focused key from the panel inwards: the ring stands out from the panel by
// at least 3:1, and every change of colour inside the ring (to an inner line, then to the face)
// by at least 3:1 too. Checked on the three kinds of key face in every look.
TEST_F(DesktopLookWindowTest, FocusMarksStandOutFromTheirNeighboursInEveryLook) {
    for (const unsigned contrast : {0u, 1u})
        for (const unsigned scheme : {0u, 1u}) {
            Tell(kAppearance, "color-scheme", QVariant(scheme));
            Tell(kAppearance, "contrast", QVariant(contrast));
            for (const char* name : {"Digit7Btn", "ACBtn", "CopyBtn"}) {
                auto* key = Find<QWidget>(name);
                key->setFocus();
                const QImage shot = Form->grab().toImage();
                const QPoint left = key->mapTo(Form.get(), QPoint(0, key->height() / 2));
                const std::string where = StyleName(Form.get()).toStdString() + " " + name;
                TStyleColor previous = ColorOf(shot.pixel(left - QPoint(1, 0)));
                for (int x = 0; x <= 4; ++x) {
                    const TStyleColor here = ColorOf(shot.pixel(left + QPoint(x, 0)));
                    const double ratio = ContrastRatio(previous, here);
                    if (x == 0 || ratio > 1.05) {
                        EXPECT_GE(ratio, 3.0) << where << " at x " << x;
                    }
                    previous = here;
                }
            }
        }
}

// With less motion asked for, a page turn and the history slide are over the moment they are
// asked for; the stored transition style stays, and the motion comes back with the preference.
TEST_F(DesktopLookWindowTest, ReducedMotionTurnsPagesAndSlidesTheHistoryAtOnce) {
    int moves = 0;
    Form->Transitions().Stage().SetRecorder([&moves](const TMotionRecord&) { ++moves; });
    Tell(kGnome, "enable-animations", QVariant(false));
    Key(Qt::Key_F10);
    EXPECT_EQ(Form->PanelNumber(), 1);
    EXPECT_EQ(moves, 0);
    EXPECT_EQ(Form->ScientificPanelStyle(), 1);

    Click("MemoryButton");
    auto* history = Find<THistoryPanel>("HistoryPanel");
    auto* slide = Find<QPropertyAnimation>("HistoryPanelAnimation");
    EXPECT_NE(slide->state(), QAbstractAnimation::Running);
    EXPECT_TRUE(history->isVisible());
    EXPECT_EQ(history->y(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(history->isVisible());

    Tell(kGnome, "enable-animations", QVariant(true));
    Key(Qt::Key_F10);
    EXPECT_GT(moves, 0);
    EXPECT_EQ(Form->PanelNumber(), 2);
}

// Nothing of what the desktop asks is written to the settings file.
TEST_F(DesktopLookWindowTest, NothingOfTheDesktopsPreferencesIsStored) {
    Form->FormDestroy();
    const QByteArray before = ReadSettings();
    StartForm();
    Form->FollowDesktop(Desktop);
    Tell(kAppearance, "color-scheme", QVariant(1u));
    Tell(kAppearance, "reduced-motion", QVariant(1u));
    Form->FormDestroy();
    EXPECT_EQ(ReadSettings(), before);
}
