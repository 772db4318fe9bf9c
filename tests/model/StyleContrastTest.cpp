#include "model/StyleContrast.h"

#include <gtest/gtest.h>

// Reference figures from the WCAG definition: black on white is 21:1, #767676 on white the
// lightest grey that passes 4.5:1, and a colour against itself 1:1.
TEST(StyleContrastTest, RatiosOfKnownPairs) {
    struct TRow {
        const char* Name;
        const char* First;
        const char* Second;
        double Ratio;
    };
    const TRow rows[] = {
        {"black on white", "#000000", "#FFFFFF", 21.0},
        {"short form", "#000", "white", 21.0},
        {"grey on white", "#767676", "#FFFFFF", 4.54},
        {"design blue on white", "#005ACC", "#FFFFFF", 6.30},
        {"same colour", "rgb(10, 20, 30)", "#0A141E", 1.0},
    };
    for (const TRow& row : rows) {
        const auto first = ParseStyleColor(QString::fromLatin1(row.First));
        const auto second = ParseStyleColor(QString::fromLatin1(row.Second));
        ASSERT_TRUE(first && second) << row.Name;
        EXPECT_NEAR(ContrastRatio(*first, *second), row.Ratio, 0.01) << row.Name;
    }
}

TEST(StyleContrastTest, ColoursThatAreNotReadAreNone) {
    for (const char* text : {"#12", "#1234567", "rgb(1, 2)", "rgba(1, 2, 3)", "rgb(300, 0, 0)",
                             "rgba(0, 0, 0, 256)", "blue", ""})
        EXPECT_FALSE(ParseStyleColor(QString::fromLatin1(text))) << text;
}

// A translucent colour is seen with what is under it: the design's 60 % focus blue on the grey
// panel is a pale blue.
TEST(StyleContrastTest, TranslucentColoursAreLaidOverWhatIsUnder) {
    const auto blue = ParseStyleColor(u"rgba(0, 90, 204, 153)");
    const auto panel = ParseStyleColor(u"#F1F1F1");
    ASSERT_TRUE(blue && panel);
    const TStyleColor seen = Over(*blue, *panel);
    EXPECT_NEAR(seen.R, 96.4, 0.1);
    EXPECT_NEAR(seen.G, 150.4, 0.1);
    EXPECT_NEAR(seen.B, 218.8, 0.1);
    EXPECT_NEAR(LowestContrast({*blue}, {*panel}, *panel), 2.69, 0.01);
}

TEST(StyleContrastTest, ValuesGiveEveryColourTheyPaint) {
    EXPECT_EQ(StyleColors(u"2px solid #005ACC").size(), 1u);
    EXPECT_EQ(StyleColors(u"qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #FFFFFF, "
                          u"stop: 0.5 #E4E4E4, stop: 1 #CECECE)")
                  .size(),
              3u);
    EXPECT_TRUE(StyleColors(u"none").empty());
    EXPECT_TRUE(StyleColors(u"url(:/zemtrix/combo-arrow.png)").empty());
}

// A later sheet's declaration of the same selector and property wins; a selector list counts for
// each selector; comments and extra blanks do not matter.
TEST(StyleContrastTest, RulesMergeBySelectorAndProperty) {
    TStyleRules rules;
    rules.Add(QStringLiteral("/* a, b { color: red } */ A,\n  B[x=\"1\"]  { color: #111111; "
                             "background: #222222 }"));
    rules.Add(QStringLiteral("B[x=\"1\"] { color: #333333 }"));
    EXPECT_EQ(rules.Value(QStringLiteral("A"), QStringLiteral("color")), u"#111111");
    EXPECT_EQ(rules.Value(QStringLiteral("B[x=\"1\"]"), QStringLiteral("color")), u"#333333");
    EXPECT_EQ(rules.Value(QStringLiteral("B[x=\"1\"]"), QStringLiteral("background")), u"#222222");
    EXPECT_TRUE(rules.Value(QStringLiteral("a"), QStringLiteral("color")).isEmpty());
}
