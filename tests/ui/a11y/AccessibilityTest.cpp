// What a screen reader gets from the window: names of keys and fields (also of those whose
// captions change), tooltips naming the keyboard shortcuts, the press action of a key, and the
// announcement of every new result.
#include "ui/KeyboardSupport.h"
#include "ui/MainWinFixture.h"

#include "ui/widgets/Controls.h"

#include <QAccessible>
#include <QAccessibleValueChangeEvent>
#include <QComboBox>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include <dlfcn.h>

#include <functional>
#include <set>
#include <tuple>
#include <vector>

namespace {

QAccessibleInterface* Interface(QWidget* AWidget) {
    return QAccessible::queryAccessibleInterface(AWidget);
}
// A drop-down list is spoken as its label (on Linux its own name is its current entry).
QString SpokenName(QWidget* AWidget) {
    QAccessibleInterface* control = Interface(AWidget);
    if (control->role() == QAccessible::ComboBox) {
        const auto labels = control->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return control->text(QAccessible::Name);
}

class AccessibilityTest : public MainWinFixture {};

TEST_F(AccessibilityTest, NamesAndShortcutTooltips) {
    struct Row {
        const char* Name;
        QString Spoken;
        const char* Shortcut; // named by the tooltip; nullptr: no tooltip
    };
    // clang-format off
    const Row rows[] = {
        {"ScientificKeyBtn", u"scientific keys"_qs, "F1"},
        {"NumericKeyBtn", u"numeric keys"_qs, "F2"},
        {"MemoryButton", u"history"_qs, "Shift+F3"},
        {"RoundCombo", u"decimals"_qs, "F4"},
        {"ExpressionEdit", u"expression"_qs, nullptr},
        {"CopyBtn", u"copy result"_qs, "F5"},
        {"ACBtn", u"all clear"_qs, "F8"},
        {"EnterBtn", u"equals"_qs, "Shift+Enter"},
        {"MultiplyBtn", u"multiply"_qs, nullptr},
        {"dividBtn", u"divide"_qs, nullptr},
        {"PlusBtn", u"plus"_qs, nullptr},
        {"MinusBtn", u"minus"_qs, nullptr},
        {"Digit0Btn", u"0"_qs, nullptr},
        {"Digit7Btn", u"7"_qs, nullptr},
        {"SqrtBtn", u"square root"_qs, nullptr},
        {"InvBtn", u"inverse"_qs, nullptr},
        {"HypBtn", u"hyperbolic"_qs, nullptr},
        {"SinBtn", u"sine"_qs, nullptr},
        {"PiBtn", u"pi"_qs, nullptr},
        {"DegCombo", u"angle unit"_qs, nullptr},
        {"ScientificPanelLeftBtn", u"previous page"_qs, "F9"},
        {"ScientificPanelRightBtn", u"next page"_qs, "F10"},
        {"Option1PanelLeftBtn", u"previous page"_qs, "F9"},
        {"Option1PanelRightBtn", u"next page"_qs, "F10"},
        {"VariablePanelLeftBtn", u"previous page"_qs, "F9"},
        {"VariablePanelRightBtn", u"next page"_qs, "F10"},
        {"Option3Btn", u"option button 3: blank"_qs, nullptr},
        {"Option5Btn", u"option button 5: 税込"_qs, nullptr},
        {"Option12Btn", u"option button 12: UP"_qs, nullptr},
        {"Option7Edit", u"title and expression of option button 7"_qs, "Ctrl+Enter"},
        {"Variable1Btn", u"variable V1"_qs, nullptr},
        {"VariableData1Edit", u"value of V1"_qs, "Ctrl+Enter"},
        {"VariableBtn6Edit", u"name of variable 6"_qs, "Ctrl+Enter"},
        {"HistoryListBox", u"history list"_qs, nullptr},
        {"HistoryPanelSumBtn", u"sum of selected results"_qs, nullptr},
        {"HistoryPanelCloseBtn", u"close history"_qs, "F3"},
    };
    // clang-format on
    for (const Row& row : rows) {
        QWidget* control = Find<QWidget>(row.Name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(SpokenName(control), row.Spoken) << row.Name;
        if (row.Shortcut)
            EXPECT_TRUE(control->toolTip().contains(QLatin1StringView(row.Shortcut)))
                << row.Name << ": " << control->toolTip().toStdString();
        else
            EXPECT_TRUE(control->toolTip().isEmpty()) << row.Name;
    }
    EXPECT_TRUE(Find<QWidget>("ExpressionPanel")->toolTip().contains(u"Shift+Alt+F12"_qs));
    EXPECT_EQ(Interface(Find<QWidget>("ACBtn"))
                  ->actionInterface()
                  ->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              QStringList{u"F8"_qs});
}

// Every key, page arrow, drop-down list, edit and history button can be told apart by ear.
TEST_F(AccessibilityTest, EveryControlHasAName) {
    std::set<QString> keyNames;
    for (TKeyButton* key : Form->findChildren<TKeyButton*>()) {
        const QString name = SpokenName(key);
        EXPECT_FALSE(name.isEmpty()) << key->objectName().toStdString();
        EXPECT_NE(name, key->objectName()) << "a name to speak, not the control's";
        EXPECT_TRUE(keyNames.insert(name).second) << "two keys named " << name.toStdString();
        EXPECT_EQ(Interface(key)->role(), QAccessible::Button);
    }
    std::vector<QWidget*> others;
    for (auto* widget : Form->findChildren<QToolButton*>()) others.push_back(widget);
    for (auto* widget : Form->findChildren<QComboBox*>()) others.push_back(widget);
    for (auto* widget : Form->findChildren<QLineEdit*>()) others.push_back(widget);
    for (auto* widget : Find<QWidget>("HistoryButtonPanel")->findChildren<QPushButton*>())
        others.push_back(widget);
    for (QWidget* widget : others) {
        EXPECT_FALSE(SpokenName(widget).isEmpty()) << widget->objectName().toStdString();
        EXPECT_NE(SpokenName(widget), widget->objectName());
    }
}

TEST_F(AccessibilityTest, NamesFollowChangingCaptions) {
    Click("HypBtn");
    EXPECT_EQ(SpokenName(Find<QWidget>("SinBtn")), u"hyperbolic sine"_qs);
    Click("InvBtn");
    EXPECT_EQ(SpokenName(Find<QWidget>("TanBtn")), u"inverse hyperbolic tangent"_qs);
    EXPECT_TRUE(Interface(Find<QWidget>("InvBtn"))->state().checked);
    Click("HypBtn");
    EXPECT_EQ(SpokenName(Find<QWidget>("CosBtn")), u"inverse cosine"_qs);
    EXPECT_FALSE(Interface(Find<QWidget>("HypBtn"))->state().checked);
    EXPECT_TRUE(Interface(Find<QWidget>("HypBtn"))->state().checkable);

    Find<QAbstractButton>("Option3Btn")->setText(u"rate"_qs);
    EXPECT_EQ(SpokenName(Find<QWidget>("Option3Btn")), u"option button 3: rate"_qs);

    // A renamed variable: its key at once, its value field when the field is reached.
    Find<QAbstractButton>("Variable2Btn")->setText(u"tax"_qs);
    EXPECT_EQ(SpokenName(Find<QWidget>("Variable2Btn")), u"variable tax"_qs);
    Find<QWidget>("VariablePanel")->show();
    Find<QWidget>("VariableData2Edit")->setFocus();
    EXPECT_EQ(SpokenName(Find<QWidget>("VariableData2Edit")), u"value of tax"_qs);
}

// A reader asks for the word, line or character at, before and after a place of the line's text,
// the caret's place at the end included (Qt's own answer to a word there never came back); the
// line is one line, all of it also one character before its end.
TEST_F(AccessibilityTest, TheLineIsReadByWordsAndLinesToItsEnd) {
    enum TCall { At, Before, After };
    struct Row {
        TCall Call;
        int Offset;
        QAccessible::TextBoundaryType Boundary;
        QString Text;
        int Start;
        int End;
    };
    // clang-format off
    const Row rows[] = {
        {At, 5, QAccessible::WordBoundary, u"10"_qs, 3, 5},
        {At, 4, QAccessible::WordBoundary, u"10"_qs, 3, 5},
        {At, 0, QAccessible::WordBoundary, u"56"_qs, 0, 2},
        {At, -1, QAccessible::WordBoundary, u"10"_qs, 3, 5},   // -1: the end
        {Before, 5, QAccessible::WordBoundary, u"+"_qs, 2, 3},
        {Before, 1, QAccessible::WordBoundary, QString(), 0, 0},
        {After, 2, QAccessible::WordBoundary, u"10"_qs, 3, 5},
        {After, 5, QAccessible::WordBoundary, QString(), 5, 5},
        {At, 4, QAccessible::LineBoundary, u"56+10"_qs, 0, 5},
        {At, 5, QAccessible::LineBoundary, u"56+10"_qs, 0, 5},
        {Before, 5, QAccessible::LineBoundary, QString(), 0, 0},
        {At, 5, QAccessible::SentenceBoundary, u"56+10"_qs, 0, 5},
        {At, 4, QAccessible::CharBoundary, u"0"_qs, 4, 5},
        {At, 5, QAccessible::CharBoundary, QString(), 5, 5},
        {Before, 5, QAccessible::CharBoundary, u"0"_qs, 4, 5},
        {At, 6, QAccessible::WordBoundary, QString(), -1, -1},  // past the end
        {At, -3, QAccessible::WordBoundary, QString(), -1, -1},
    };
    // clang-format on
    SetLine(u"56+10"_qs, 5);
    QAccessibleTextInterface* text = Interface(Edit)->textInterface();
    ASSERT_NE(text, nullptr);
    for (const Row& row : rows) {
        int start = 0;
        int end = 0;
        const QString piece =
            row.Call == At       ? text->textAtOffset(row.Offset, row.Boundary, &start, &end)
            : row.Call == Before ? text->textBeforeOffset(row.Offset, row.Boundary, &start, &end)
                                 : text->textAfterOffset(row.Offset, row.Boundary, &start, &end);
        EXPECT_EQ(std::tuple(piece, start, end), std::tuple(row.Text, row.Start, row.End))
            << "call " << row.Call << " at " << row.Offset << ", boundary " << row.Boundary;
    }
    EXPECT_EQ(text->text(0, -1), u"56+10"_qs);
    EXPECT_EQ(text->characterCount(), 5);
    EXPECT_EQ(Interface(Edit)->role(), QAccessible::EditableText);
    EXPECT_TRUE(Interface(Edit)->state().editable);

    Edit->setEchoMode(QLineEdit::Password);
    int start = 0;
    int end = 0;
    EXPECT_EQ(text->textAtOffset(1, QAccessible::WordBoundary, &start, &end), QString())
        << "a hidden text is not read out";
}

// A point inside a character's box reads that character; one beside the text reads none. A
// line as long as a line edit holds answers as well.
TEST_F(AccessibilityTest, APointInTheLineFindsTheCharacterDrawnThere) {
    QAccessibleTextInterface* text = Interface(Edit)->textInterface();
    ASSERT_NE(text, nullptr);
    SetLine(u"56+10"_qs, 5);
    for (int offset = 0; offset < 5; ++offset)
        EXPECT_EQ(text->offsetAtPoint(text->characterRect(offset).center()), offset) << offset;
    const QRect first = text->characterRect(0);
    const QRect last = text->characterRect(4);
    EXPECT_EQ(text->offsetAtPoint(QPoint(first.left() - 1, first.center().y())), -1);
    EXPECT_EQ(text->offsetAtPoint(QPoint(last.right() + 1, last.center().y())), -1);

    const int length = Edit->maxLength();
    SetLine(QString(length, u'7'), 0);
    ASSERT_EQ(text->characterCount(), length);
    const int middle = length / 2;
    EXPECT_EQ(text->offsetAtPoint(text->characterRect(middle).center()), middle);
}

TEST_F(AccessibilityTest, PressActionActsLikeAPointer) {
    auto press = [this](const char* AName) {
        Interface(Find<QWidget>(AName))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
    };
    SetLine(u"12"_qs, 1);
    press("Digit7Btn");
    EXPECT_EQ(Line(), u"172"_qs) << "at the line's caret";
    press("PlusBtn");
    press("Digit1Btn");
    EXPECT_EQ(Line(), u"17 ＋ 12"_qs)
        << "each press continues where the previous one left the caret";
    press("EnterBtn");
    EXPECT_EQ(ResultText(), u"29"_qs) << "＝ evaluates on the press itself";
}

// Qt has no public switch for accessibility where no assistive-technology bridge is loaded
// (the offscreen platform). Its default bridge is switched on through Qt's exported private
// functions, looked up at run time; the test is skipped where they are not found.
bool SwitchAccessibility(bool AIsOn) {
    using TAccessibilityOf = void* (*)(const void* AIntegration);
    using TSetActive = void (*)(void* AAccessibility, bool AIsActive);
    auto* const* integration = static_cast<void* const*>(
        dlsym(RTLD_DEFAULT, "_ZN22QGuiApplicationPrivate20platform_integrationE"));
    const auto accessibilityOf = reinterpret_cast<TAccessibilityOf>(
        dlsym(RTLD_DEFAULT, "_ZNK20QPlatformIntegration13accessibilityEv"));
    const auto setActive = reinterpret_cast<TSetActive>(
        dlsym(RTLD_DEFAULT, "_ZN22QPlatformAccessibility9setActiveEb"));
    if (QGuiApplication::platformName() != u"offscreen" || !integration || !*integration ||
        !accessibilityOf || !setActive)
        return false;
    setActive(accessibilityOf(*integration), AIsOn);
    return QAccessible::isActive() == AIsOn;
}

struct TAnnouncement {
    QString Object;
    QAccessible::Role Role;
    QString Name;
};
std::vector<TAnnouncement> Announcements;
// Keys whose state or name was reported changed, in order.
std::vector<std::pair<QString, QAccessible::Event>> KeyChanges;
// The history rows a reader was told got the focus.
std::vector<int> FocusedRows;

// What a screen reader speaks of its own accord: a notification that appears; and what it is
// told of the keys: a toggle's new state, a key's new name.
void RecordAnnouncement(QAccessibleEvent* AEvent) {
    const bool isToggled =
        AEvent->type() == QAccessible::StateChanged &&
        static_cast<QAccessibleStateChangeEvent*>(AEvent)->changedStates().checked;
    if ((isToggled || AEvent->type() == QAccessible::NameChanged) &&
        qobject_cast<TKeyButton*>(AEvent->object()))
        KeyChanges.emplace_back(AEvent->object()->objectName(), AEvent->type());
    if (AEvent->type() == QAccessible::Focus && AEvent->object()->objectName() == u"HistoryListBox")
        FocusedRows.push_back(AEvent->child());
    if (AEvent->type() != QAccessible::ObjectShow) return;
    QAccessibleInterface* shown = AEvent->accessibleInterface();
    if (!shown || shown->role() != QAccessible::Notification) return;
    Announcements.push_back(
        {AEvent->object()->objectName(), shown->role(), shown->text(QAccessible::Name)});
}

class AnnouncementTest : public AccessibilityTest {
protected:
    void SetUp() override {
        AccessibilityTest::SetUp();
        if (!SwitchAccessibility(true))
            GTEST_SKIP() << "cannot switch accessibility on for this platform";
        Announcements.clear();
        KeyChanges.clear();
        FocusedRows.clear();
        Previous = QAccessible::installUpdateHandler(RecordAnnouncement);
    }
    void TearDown() override {
        if (Previous) {
            QAccessible::installUpdateHandler(Previous);
            SwitchAccessibility(false);
        }
        AccessibilityTest::TearDown();
    }
    // Announcements are made once the event at hand is done.
    std::vector<QString> Spoken() {
        QCoreApplication::processEvents();
        std::vector<QString> names;
        for (const TAnnouncement& announcement : Announcements) {
            EXPECT_EQ(announcement.Object, u"ResultAnnouncer"_qs);
            names.push_back(announcement.Name);
        }
        Announcements.clear();
        return names;
    }
    QAccessible::UpdateHandler Previous = nullptr;
};

TEST_F(AnnouncementTest, EveryNewResultIsAnnounced) {
    Type(u"1+2"_qs);
    Enter();
    EXPECT_EQ(Spoken(), std::vector<QString>{u"3"_qs});
    Enter();
    EXPECT_EQ(Spoken(), std::vector<QString>{u"3"_qs}) << "the same result again is a new result";
    Key(Qt::Key_F8);
    EXPECT_EQ(Spoken(), std::vector<QString>{u"0"_qs});
    Type(u"1+"_qs);
    Enter();
    EXPECT_EQ(Spoken(), std::vector<QString>{u"Error: Syntax error at position 2"_qs})
        << "a failure is spoken with why";

    QAccessibleInterface* result = Interface(Result);
    EXPECT_EQ(result->role(), QAccessible::StatusBar) << "a status line, read as such";
    EXPECT_EQ(result->text(QAccessible::Name), u"Error"_qs);
    EXPECT_EQ(result->text(QAccessible::Description), u"Syntax error at position 2"_qs);
    Type(u"1"_qs);
    Enter();
    EXPECT_EQ(result->text(QAccessible::Description), u"result"_qs);
}

// Changes made before the reader is told are spoken as the last of them; a re-display that fails
// says why and leaves the result line as it was.
TEST_F(AnnouncementTest, TheLastChangeIsSpokenAndAFailedRedisplaySaysWhy) {
    Type(u"1E19"_qs);
    Enter();
    EXPECT_EQ(Spoken(), std::vector<QString>{u"1E19"_qs});
    Type(u"+1"_qs); // "ANS " first, which shows 0 on the way
    Enter();
    EXPECT_EQ(Spoken(), std::vector<QString>{u"1E19"_qs});
    QTest::mouseClick(Find<QWidget>("RoundCombo"), Qt::RightButton);
    EXPECT_EQ(Spoken(), std::vector<QString>{u"too large for HEX"_qs});
    EXPECT_EQ(ResultText(), u"1E19"_qs);
}

TEST_F(AnnouncementTest, ToggleKeysReportTheirStateAndTrigonometricKeysTheirNames) {
    using Changes = std::vector<std::pair<QString, QAccessible::Event>>;
    Click("InvBtn");
    EXPECT_EQ(KeyChanges, (Changes{{u"InvBtn"_qs, QAccessible::StateChanged},
                                   {u"SinBtn"_qs, QAccessible::NameChanged},
                                   {u"CosBtn"_qs, QAccessible::NameChanged},
                                   {u"TanBtn"_qs, QAccessible::NameChanged}}));
    KeyChanges.clear();
    Click("Digit7Btn");
    EXPECT_EQ(KeyChanges, Changes{}) << "a key whose style stays reports nothing";
}

// Up and Down on a closed drop-down list speak the entry they reach, with the result it shows
// again; the list's value is that entry.
TEST_F(AnnouncementTest, DropDownListsSpeakTheEntryTheKeysReach) {
    struct Row {
        const char* List;
        std::vector<QString> Spoken; // after Down, Down, Up
    };
    const Row rows[] = {
        {"DegCombo", {u"Rad"_qs, u"Gra"_qs, u"Rad"_qs}},
        {"RoundCombo", {u"0, 3"_qs, u"0.0, 3.0"_qs, u"0, 3"_qs}},
    };
    Type(u"1+2"_qs);
    Enter();
    Spoken();
    for (const Row& row : rows) {
        auto* list = Find<QComboBox>(row.List);
        list->setFocus();
        std::vector<QString> spoken;
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
            QTest::keyClick(list, key);
            for (const QString& text : Spoken()) spoken.push_back(text);
        }
        EXPECT_EQ(spoken, row.Spoken) << row.List;
        EXPECT_EQ(Interface(list)->text(QAccessible::Value), list->currentText()) << row.List;
        EXPECT_TRUE(row.Spoken.back().startsWith(list->currentText())) << row.List;
    }
}

// The history by ear: its newest row as it opens, how many rows Shift+arrow selected, the formula
// Enter takes back, and what Copy and F5 copied.
TEST_F(AnnouncementTest, TheHistorySpeaksItsRowsSelectionEditAndCopies) {
    using Texts = std::vector<QString>;
    for (const QString& formula : {u"1+2"_qs, u"2*3"_qs, u"10-4"_qs}) {
        SetLine(formula);
        Enter();
    }
    Spoken();
    Key(Qt::Key_F3);
    auto* list = Find<QListView>("HistoryListBox");
    ASSERT_TRUE(list->hasFocus());
    EXPECT_EQ(list->currentIndex().row(), 0);
    QCoreApplication::processEvents();
    ASSERT_FALSE(FocusedRows.empty());
    EXPECT_EQ(FocusedRows.back(), 0) << "the newest row is told last as the list opens";
    FocusedRows.clear();
    ASSERT_TRUE(QTest::qWaitFor([] { return !FocusedRows.empty(); }))
        << "told again once the slide has brought the list into the window";
    EXPECT_EQ(FocusedRows, std::vector<int>{0});

    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Spoken(), Texts{u"2 selected"_qs});
    Click("HistoryPanelCopyBtn");
    EXPECT_EQ(Spoken(), Texts{u"2 rows copied"_qs});
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(Spoken(), Texts{}) << "a single row is spoken as the focus reaches it";
    Click("HistoryPanelCopyBtn");
    EXPECT_EQ(Spoken(), Texts{u"copied"_qs});

    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(Spoken(), Texts{u"in the line: 2*3"_qs});
    EXPECT_EQ(Line(), u"2*3"_qs);
    Key(Qt::Key_F5);
    EXPECT_EQ(Spoken(), Texts{u"copied"_qs});
}

// An operator right after a result starts a new formula on the answer: the result line goes back
// to 0 unspoken (AC by itself still says it).
TEST_F(AnnouncementTest, AnOperatorAfterAResultSpeaksNoZero) {
    using Texts = std::vector<QString>;
    Type(u"1+2"_qs);
    Enter();
    EXPECT_EQ(Spoken(), Texts{u"3"_qs});
    Type(u"*"_qs);
    EXPECT_EQ(Spoken(), Texts{});
    EXPECT_EQ(ResultText(), u"0"_qs);
    Type(u"2"_qs);
    Enter();
    EXPECT_EQ(Spoken(), Texts{u"6"_qs});
}

// What a sighted user sees change is told in a few words: the page turned to, a key area hidden
// or shown, an edit mode on or off, a toggle key's new state.
TEST_F(AnnouncementTest, ModeChangesAreToldInAFewWords) {
    using Texts = std::vector<QString>;
    struct Step {
        std::function<void()> Action;
        QString Spoken;
    };
    auto key = [](Qt::Key AKey, Qt::KeyboardModifiers AModifiers = {}) {
        return [AKey, AModifiers] { PressKey(AKey, AModifiers); };
    };
    auto focusAndKey = [this](const char* AName, Qt::Key AKey,
                              Qt::KeyboardModifiers AModifiers = {}) {
        return [this, AName, AKey, AModifiers] {
            Find<QWidget>(AName)->setFocus();
            PressKey(AKey, AModifiers);
        };
    };
    const Step steps[] = {
        {focusAndKey("InvBtn", Qt::Key_Space), u"inverse on"_qs},
        {focusAndKey("InvBtn", Qt::Key_Space), u"inverse off"_qs},
        {key(Qt::Key_F10), u"option buttons page"_qs},
        {focusAndKey("ButtonEditBtn", Qt::Key_Space), u"edit mode on"_qs},
        {focusAndKey("Option1Edit", Qt::Key_Return, Qt::ControlModifier), u"2 columns wide"_qs},
        {focusAndKey("Option1Edit", Qt::Key_Return, Qt::ControlModifier), u"3 columns wide"_qs},
        {focusAndKey("Option1Edit", Qt::Key_Return, Qt::ControlModifier), u"4 columns wide"_qs},
        {focusAndKey("Option1Edit", Qt::Key_Return, Qt::ControlModifier), u"one column wide"_qs},
        {focusAndKey("ButtonEditBtn", Qt::Key_Space), u"edit mode off"_qs},
        {key(Qt::Key_F10), u"variables page"_qs},
        {focusAndKey("VariableData2Edit", Qt::Key_Return, Qt::ControlModifier),
         u"rename mode on"_qs},
        {focusAndKey("VariableBtn2Edit", Qt::Key_Return, Qt::ControlModifier),
         u"rename mode off"_qs},
        {key(Qt::Key_F10), u"scientific keys page"_qs},
        {key(Qt::Key_F2), u"numeric keys hidden"_qs},
        {key(Qt::Key_F2), u"numeric keys shown"_qs},
        {key(Qt::Key_F1), u"scientific keys hidden"_qs},
        {key(Qt::Key_F1), u"scientific keys shown"_qs},
    };
    Spoken();
    for (const Step& step : steps) {
        step.Action();
        EXPECT_EQ(Spoken(), Texts{step.Spoken});
    }
    EXPECT_EQ(Interface(Find<QWidget>("InvBtn"))->text(QAccessible::Description), u"off"_qs);
}

TEST_F(AccessibilityTest, TheWindowIsAFrameAndItsPanelsNamedGroupings) {
    QAccessibleInterface* window = Interface(Form.get());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), u"Zemtrix"_qs);
    struct Row {
        const char* Panel;
        QString Name;
        QAccessible::Role Role; // a section only lays the window out: readers do not repeat it
    };
    // clang-format off
    const Row rows[] = {
        {"ExpressionPanel", u"expression panel"_qs, QAccessible::Section},
        {"Panel3", u"expression and result"_qs, QAccessible::Section},
        {"ScientificPanel", u"scientific keys page"_qs, QAccessible::Grouping},
        {"Option1Panel", u"option buttons page"_qs, QAccessible::Grouping},
        {"VariablePanel", u"variables page"_qs, QAccessible::Grouping},
        {"ButtonPanel", u"numeric keypad"_qs, QAccessible::Grouping},
        {"HistoryPanel", u"history panel"_qs, QAccessible::Section},
        {"HistoryButtonPanel", u"history buttons"_qs, QAccessible::Grouping},
    };
    // clang-format on
    for (const Row& row : rows) {
        QAccessibleInterface* panel = Interface(Find<QWidget>(row.Panel));
        EXPECT_EQ(panel->role(), row.Role) << row.Panel;
        EXPECT_EQ(panel->text(QAccessible::Name), row.Name) << row.Panel;
    }
    // Popups (the lists' open views) are windows of their own.
    for (QWidget* widget : Form->findChildren<QWidget*>())
        if (QAccessibleInterface* control = Interface(widget); control && !widget->isWindow()) {
            EXPECT_NE(control->role(), QAccessible::Border)
                << widget->objectName().toStdString() << ": a frame is taken for a window";
        }
}

} // namespace
