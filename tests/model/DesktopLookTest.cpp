#include "model/DesktopLook.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TSetting {
    const char* Namespace;
    const char* Key;
    QVariant Value;
};

constexpr char kAppearance[] = "org.freedesktop.appearance";
constexpr char kGnome[] = "org.gnome.desktop.interface";

struct TRow {
    const char* Name;
    std::vector<TSetting> Settings; // taken in order
    TLook Look;
    bool IsReducedMotion;
};

void PrintTo(const TRow& ARow, std::ostream* AStream) { *AStream << ARow.Name; }

class DesktopLookTest : public testing::TestWithParam<TRow> {};

} // namespace

// What the portal's values ask of the window, taken one after the other as the portal reports
// them; values of the wrong type or out of range are no preference.
TEST_P(DesktopLookTest, LookAndMotionFollowThePortalsValues) {
    TDesktopLook look;
    for (const TSetting& setting : GetParam().Settings)
        look.Take(QString::fromLatin1(setting.Namespace), QString::fromLatin1(setting.Key),
                  setting.Value);
    EXPECT_EQ(look.Look(), GetParam().Look);
    EXPECT_EQ(look.IsReducedMotion(), GetParam().IsReducedMotion);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, DesktopLookTest, testing::Values(
    TRow{"nothing said", {}, TLook::Light, false},
    TRow{"prefers dark", {{kAppearance, "color-scheme", QVariant(1u)}}, TLook::Dark, false},
    TRow{"prefers light", {{kAppearance, "color-scheme", QVariant(2u)}}, TLook::Light, false},
    TRow{"dark then no preference",
         {{kAppearance, "color-scheme", QVariant(1u)}, {kAppearance, "color-scheme", QVariant(0u)}},
         TLook::Light, false},
    TRow{"high contrast", {{kAppearance, "contrast", QVariant(1u)}}, TLook::HighContrast, false},
    TRow{"high contrast wins over dark",
         {{kAppearance, "color-scheme", QVariant(1u)}, {kAppearance, "contrast", QVariant(1u)}},
         TLook::HighContrast, false},
    TRow{"high contrast goes, dark stays",
         {{kAppearance, "color-scheme", QVariant(1u)}, {kAppearance, "contrast", QVariant(1u)},
          {kAppearance, "contrast", QVariant(0u)}}, TLook::Dark, false},
    TRow{"signed number taken", {{kAppearance, "color-scheme", QVariant(1)}}, TLook::Dark, false},
    TRow{"text is no preference",
         {{kAppearance, "color-scheme", QVariant(1u)}, {kAppearance, "color-scheme", QVariant(QStringLiteral("1"))}},
         TLook::Light, false},
    TRow{"negative is no preference", {{kAppearance, "color-scheme", QVariant(-1)}}, TLook::Light, false},
    TRow{"huge is no preference", {{kAppearance, "contrast", QVariant(qlonglong(1) << 40)}}, TLook::Light, false},
    TRow{"unknown scheme is light", {{kAppearance, "color-scheme", QVariant(7u)}}, TLook::Light, false},
    TRow{"other namespace ignored", {{kGnome, "color-scheme", QVariant(1u)}}, TLook::Light, false},
    TRow{"animations off", {{kGnome, "enable-animations", QVariant(false)}}, TLook::Light, true},
    TRow{"animations back on",
         {{kGnome, "enable-animations", QVariant(false)}, {kGnome, "enable-animations", QVariant(true)}},
         TLook::Light, false},
    TRow{"animations as a number are no preference", {{kGnome, "enable-animations", QVariant(0u)}}, TLook::Light, false},
    TRow{"reduced motion", {{kAppearance, "reduced-motion", QVariant(1u)}}, TLook::Light, true},
    TRow{"reduced motion goes", {{kAppearance, "reduced-motion", QVariant(1u)},
         {kAppearance, "reduced-motion", QVariant(0u)}}, TLook::Light, false},
    TRow{"either asks for less motion",
         {{kAppearance, "reduced-motion", QVariant(1u)}, {kGnome, "enable-animations", QVariant(true)}},
         TLook::Light, true}),
    [](const testing::TestParamInfo<TRow>& AInfo) {
        std::string name = AInfo.param.Name;
        for (char& c : name) if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });
// clang-format on

// Take reports a change only when the look or the motion preference changes.
TEST(DesktopLookChangeTest, TakeTellsWhetherAnythingChanged) {
    TDesktopLook look;
    const QString appearance = QString::fromLatin1(TDesktopLook::AppearanceNamespace);
    EXPECT_TRUE(look.Take(appearance, QStringLiteral("color-scheme"), QVariant(1u)));
    EXPECT_FALSE(look.Take(appearance, QStringLiteral("color-scheme"), QVariant(1u)));
    EXPECT_FALSE(look.Take(appearance, QStringLiteral("accent-color"), QVariant(1u)));
    EXPECT_TRUE(look.Take(appearance, QStringLiteral("reduced-motion"), QVariant(1u)));
}
