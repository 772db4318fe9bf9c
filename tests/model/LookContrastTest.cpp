// The contrast of every look's colours, read from the window's style sheets: every text against
// its face, every focus mark against the colours on both of its sides, every control's edge
// against the panel. Prints the whole table; run this binary alone to see it.

#include "model/StyleContrast.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

enum class TKind { Text, Focus, Edge, Report };

// Where a colour comes from: the first of the selectors that declares the property.
struct TSource {
    std::initializer_list<const char*> Selectors;
    const char* Property;
};

struct TPair {
    const char* Name;
    TKind Kind;
    TSource Fore;
    TSource Back;
    // What shows through a translucent colour: the panel unless said otherwise.
    TSource Under = {{"TPanel"}, "background"};
};

// A control with a focus mark: its ring, the line inside the ring (where it has one), its face and
// what lies outside it.
struct TFocusMark {
    const char* Name;
    TSource Ring;
    TSource InnerLine;
    TSource Face;
    TSource Outside;
};

struct TLookRow {
    const char* Name;
    const char* Sheet;  // read after the design's; none for the light look
    double TextMinimum; // 0: reported only
    double EdgeMinimum;
};

void PrintTo(const TLookRow& ARow, std::ostream* AStream) { *AStream << ARow.Name; }

#define KEY(style) "TKeyButton[styleName=\"" style "\"]"
#define FOCUSED_KEY(style)                                                                         \
    {                                                                                              \
#style " focus ring", {{KEY(#style) ":focus", "TKeyButton:focus" }, "border" },            \
                               {{KEY(#style) ":focus", "TKeyButton:focus", "TKeyButton" },         \
                                 "outline" },                                                      \
                                {{KEY(#style) }, "background" }, {                                 \
            {"TPanel"}, "background"                                                               \
        }                                                                                          \
    }
#define KEY_TEXT(style)                                                                            \
    {#style " caption", TKind::Text, {{KEY(#style)}, "color"}, {{KEY(#style)}, "background"}}, {   \
#style " edge", TKind::Edge, {{KEY(#style) }, "border" }, { {"TPanel"}, "background" }     \
    }
#define HOVER_TEXT(style)                                                                          \
    {#style " caption, pointer over it",                                                           \
     TKind::Text,                                                                                  \
     {{KEY(#style)}, "color"},                                                                     \
     {{KEY(#style) ":hover"}, "background"}},                                                      \
    {                                                                                              \
#style " caption, pressed", TKind::Text, {{KEY(#style) }, "color" }, {                     \
            {KEY(#style) ":pressed"}, "background"                                                 \
        }                                                                                          \
    }

#define COMBO "QComboBox[styleName=\"RoundComboStyle\"]"
#define COMBO_LIST COMBO " QAbstractItemView"
#define LINE "QLineEdit[styleName=\"ExpressionEditStyle1\"]"
#define PANEL3 "TPanel[styleName=\"Panel3Style1\"]"
#define RESULT "QLabel[styleName=\"ResultLabelStyle1\"]"
#define LIST "QListView[styleName=\"HistoryListBoxStyle1\"]"
#define HISTORY_BUTTON "QPushButton[styleName=\"HistoryPanelBtnStyle\"]"
#define ARROW "QToolButton[styleName=\"LeftPanelBtnStyle\"]"

// clang-format off
const TPair kPairs[] = {
    KEY_TEXT(KeyBtnStyle), HOVER_TEXT(KeyBtnStyle),
    KEY_TEXT(CopyBtnStyle), KEY_TEXT(EBtnStyle1), KEY_TEXT(ExpBtnStyle),
    KEY_TEXT(PowerBtnStyle), KEY_TEXT(Power2BtnStyle), KEY_TEXT(TrigInvBtnStyle),
    KEY_TEXT(ScientificKeyBtnStyle), HOVER_TEXT(ScientificKeyBtnStyle),
    KEY_TEXT(CalcBtnStyle), KEY_TEXT(CalcBtn2Style), KEY_TEXT(AcBtnStyle),
    KEY_TEXT(InvBtnStyle), KEY_TEXT(InvBtnPushStyle),
    KEY_TEXT(OptionEditBtnStyle), KEY_TEXT(OptionEditBtnPushStyle),
    {"header key caption, focused", TKind::Text, {{KEY("ScientificKeyBtnStyle")}, "color"},
     {{KEY("ScientificKeyBtnStyle") ":focus"}, "background"}},
    {"page arrow edge", TKind::Edge, {{ARROW}, "border"}, {{"TPanel"}, "background"}},
    {"list caption", TKind::Text, {{COMBO}, "color"}, {{COMBO}, "background"}},
    {"list caption, focused", TKind::Text, {{COMBO}, "color"}, {{COMBO ":focus"}, "background"}},
    {"list edge", TKind::Edge, {{COMBO}, "border"}, {{"TPanel"}, "background"}},
    {"open list entry", TKind::Text, {{COMBO_LIST "::item"}, "color"}, {{COMBO_LIST "::item"}, "background"}},
    {"open list current entry", TKind::Text, {{COMBO_LIST "::item:selected"}, "color"},
     {{COMBO_LIST "::item:selected"}, "background"}},
    {"expression line text", TKind::Text, {{LINE}, "color"}, {{LINE}, "background"}},
    {"expression line edge", TKind::Edge, {{LINE}, "border"}, {{PANEL3}, "background"}},
    {"expression frame edge", TKind::Edge, {{PANEL3}, "border"}, {{"TPanel"}, "background"}},
    {"result", TKind::Text, {{RESULT}, "color"}, {{PANEL3}, "background"}},
    {"rounding mode in the result", TKind::Text, {{RESULT " QLabel"}, "color"}, {{PANEL3}, "background"}},
    {"history entry", TKind::Text, {{LIST}, "color"}, {{LIST}, "background"}},
    {"history entry, selected", TKind::Text, {{LIST}, "selection-color"}, {{LIST "::item:selected"}, "background"},
     {{LIST}, "background"}},
    {"history list edge", TKind::Edge, {{LIST}, "border"}, {{"TPanel"}, "background"}},
    {"history button caption", TKind::Text, {{HISTORY_BUTTON}, "color"}, {{HISTORY_BUTTON}, "background"}},
    {"history button edge", TKind::Edge, {{HISTORY_BUTTON}, "border"}, {{"TPanel"}, "background"}},
    {"page field text", TKind::Text, {{"TKeypadPage QLineEdit"}, "color"}, {{"TKeypadPage QLineEdit"}, "background"}},
    {"page field edge", TKind::Edge, {{"TKeypadPage QLineEdit"}, "border"}, {{"TPanel"}, "background"}},
    {"variables page \"=\"", TKind::Text, {{"TKeypadPage QLabel"}, "color"}, {{"TPanel"}, "background"}},
    {"menu entry", TKind::Text, {{"QMenu"}, "color"}, {{"QMenu"}, "background"}},
    {"menu entry, current", TKind::Text, {{"QMenu::item:selected"}, "color"}, {{"QMenu::item:selected"}, "background"}},
    {"menu entry, unavailable", TKind::Report, {{"QMenu::item:disabled"}, "color"}, {{"QMenu"}, "background"}},
    {"tooltip", TKind::Text, {{"QToolTip"}, "color"}, {{"QToolTip"}, "background"}},
    {"about box text", TKind::Text, {{"QDialog QLabel"}, "color"}, {{"QDialog"}, "background"}},
    {"about box button", TKind::Text, {{"QDialog QPushButton"}, "color"}, {{"QDialog QPushButton"}, "background"}},
    {"about box button edge", TKind::Edge, {{"QDialog QPushButton"}, "border"}, {{"QDialog"}, "background"}},
};

const TFocusMark kFocusMarks[] = {
    FOCUSED_KEY(KeyBtnStyle), FOCUSED_KEY(CopyBtnStyle), FOCUSED_KEY(EBtnStyle1),
    FOCUSED_KEY(ExpBtnStyle), FOCUSED_KEY(PowerBtnStyle), FOCUSED_KEY(Power2BtnStyle),
    FOCUSED_KEY(TrigInvBtnStyle), FOCUSED_KEY(CalcBtnStyle), FOCUSED_KEY(CalcBtn2Style),
    FOCUSED_KEY(AcBtnStyle), FOCUSED_KEY(InvBtnStyle), FOCUSED_KEY(InvBtnPushStyle),
    FOCUSED_KEY(OptionEditBtnStyle), FOCUSED_KEY(OptionEditBtnPushStyle),
    {"header key focus mark", {{KEY("ScientificKeyBtnStyle") ":focus"}, "border"},
     {{KEY("ScientificKeyBtnStyle") ":focus", "TKeyButton:focus", "TKeyButton"}, "outline"},
     {{KEY("ScientificKeyBtnStyle") ":focus"}, "background"}, {{"TPanel"}, "background"}},
    {"drop-down list focus mark", {{COMBO ":focus"}, "border"}, {{COMBO ":focus"}, "outline"},
     {{COMBO ":focus"}, "background"}, {{"TPanel"}, "background"}},
    {"expression line focus mark", {{LINE ":focus"}, "border"}, {{LINE ":focus"}, "outline"},
     {{LINE}, "background"}, {{PANEL3}, "background"}},
    {"history button focus ring", {{HISTORY_BUTTON ":focus"}, "border"},
     {{HISTORY_BUTTON ":focus", HISTORY_BUTTON}, "outline"}, {{HISTORY_BUTTON}, "background"},
     {{"TPanel"}, "background"}},
    {"history list focus ring", {{LIST ":focus"}, "border"}, {{LIST ":focus"}, "outline"},
     {{LIST}, "background"}, {{"TPanel"}, "background"}},
    {"page field focus mark", {{"TKeypadPage QLineEdit:focus"}, "border"},
     {{"TKeypadPage QLineEdit:focus"}, "outline"}, {{"TKeypadPage QLineEdit"}, "background"},
     {{"TPanel"}, "background"}},
    {"about box button focus ring", {{"QDialog QPushButton:focus"}, "border"},
     {{"QDialog QPushButton:focus"}, "outline"}, {{"QDialog QPushButton"}, "background"},
     {{"QDialog"}, "background"}},
};
// clang-format on

QString Read(const QString& APath) {
    QFile file(APath);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString Resolve(const TStyleRules& ARules, const TSource& ASource) {
    for (const char* selector : ASource.Selectors) {
        const QString value =
            ARules.Value(QString::fromLatin1(selector), QString::fromLatin1(ASource.Property));
        if (!value.isEmpty()) return value;
    }
    return {};
}

std::vector<TStyleColor> ColorsOf(const TStyleRules& ARules, const TSource& ASource) {
    return StyleColors(Resolve(ARules, ASource));
}

const char* KindName(TKind AKind) {
    switch (AKind) {
    case TKind::Text: return "text";
    case TKind::Focus: return "focus";
    case TKind::Edge: return "edge";
    case TKind::Report: return "report";
    }
    return "";
}

class LookContrastTest : public testing::TestWithParam<TLookRow> {
protected:
    void SetUp() override {
        const QString folder = QStringLiteral(ZEMTRIX_STYLE_DIR);
        const QString design = Read(folder + QStringLiteral("/zemtrix.qss"));
        ASSERT_FALSE(design.isEmpty());
        Rules.Add(design);
        if (GetParam().Sheet) {
            const QString look = Read(folder + u'/' + QString::fromLatin1(GetParam().Sheet));
            ASSERT_FALSE(look.isEmpty());
            Rules.Add(look);
        }
    }

    // Prints the row and checks it against AMinimum (0: printed only).
    void Check(const char* AName, TKind AKind, double ARatio, double AMinimum) {
        std::printf("%-17s %-6s %-45s %5.2f:1 %s\n", GetParam().Name, KindName(AKind), AName,
                    ARatio,
                    AMinimum == 0        ? "(reported)"
                    : ARatio >= AMinimum ? "ok"
                                         : "TOO LOW");
        if (AMinimum > 0) {
            EXPECT_GE(ARatio, AMinimum) << AName;
        }
    }

    TStyleRules Rules;
};

} // namespace

TEST_P(LookContrastTest, TextAndEdgesStandOutFromWhatIsBehindThem) {
    for (const TPair& pair : kPairs) {
        const auto fore = ColorsOf(Rules, pair.Fore);
        const auto back = ColorsOf(Rules, pair.Back);
        const auto under = ColorsOf(Rules, pair.Under);
        ASSERT_FALSE(fore.empty() || back.empty() || under.empty()) << pair.Name;
        // What is behind a translucent face is itself laid over the panel.
        std::vector<TStyleColor> seenBack;
        for (const TStyleColor& color : back) seenBack.push_back(Over(color, under.front()));
        const double ratio = LowestContrast(fore, seenBack, under.front());
        const double minimum = pair.Kind == TKind::Text   ? GetParam().TextMinimum
                               : pair.Kind == TKind::Edge ? GetParam().EdgeMinimum
                                                          : 0;
        Check(pair.Name, pair.Kind, ratio, minimum);
    }
}

// A ring stands out from what lies outside the control and from what lies inside the ring: the
// inner line where there is one (which then stands out from the face), else the face.
TEST_P(LookContrastTest, EveryFocusMarkStandsOutFromItsNeighbours) {
    constexpr double kMinimum = 3.0;
    for (const TFocusMark& mark : kFocusMarks) {
        const auto ring = ColorsOf(Rules, mark.Ring);
        const auto line = ColorsOf(Rules, mark.InnerLine);
        const auto face = ColorsOf(Rules, mark.Face);
        const auto outside = ColorsOf(Rules, mark.Outside);
        ASSERT_FALSE(ring.empty() || face.empty() || outside.empty()) << mark.Name;
        const TStyleColor under = outside.front();
        const std::string name = mark.Name;
        Check((name + " / outside").c_str(), TKind::Focus, LowestContrast(ring, outside, under),
              kMinimum);
        if (line.empty()) {
            Check((name + " / face").c_str(), TKind::Focus, LowestContrast(ring, face, under),
                  kMinimum);
            continue;
        }
        Check((name + " / inner line").c_str(), TKind::Focus, LowestContrast(ring, line, under),
              kMinimum);
        Check((name + " inner line / face").c_str(), TKind::Focus,
              LowestContrast(line, face, under), kMinimum);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Looks, LookContrastTest,
    testing::Values(TLookRow{"Light", nullptr, 0, 0}, TLookRow{"Dark", "zemtrix-dark.qss", 4.5, 0},
                    TLookRow{"HighContrast", "zemtrix-high-contrast.qss", 7.0, 3.0}),
    [](const testing::TestParamInfo<TLookRow>& AInfo) { return std::string(AInfo.param.Name); });
