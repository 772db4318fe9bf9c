// The window by keyboard alone: the menu keys and every menu entry, HEX and BIN, Tab in reading
// order and round the open history overlay, Escape, typing that reaches the expression line from
// keys and closed lists, and Space on the keys.
#include "ui/KeyboardSupport.h"
#include "ui/history/HistoryPanelFixture.h"

#include "ui/widgets/Controls.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <string_view>
#include <vector>

namespace {

// Receives the addresses the program asks the desktop to open.
class TUrlSink : public QObject {
    Q_OBJECT

public:
    int Count = 0;

public slots:
    void Open(const QUrl&) { ++Count; }
};

class KeyboardTest : public HistoryPanelFixture {
protected:
    QString FocusName() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // The controls Tab stops at from the focused one, until the focus comes back (at most ALimit).
    QStringList TabRound(bool AIsForward = true, int ALimit = 120) {
        const QString start = FocusName();
        QStringList stops;
        for (int i = 0; i < ALimit; ++i) {
            PressKey(AIsForward ? Qt::Key_Tab : Qt::Key_Backtab);
            if (FocusName() == start) break;
            stops << FocusName();
        }
        return stops;
    }
    // A key as the keyboard sends it to whatever has the focus.
    void Focus(const char* AName) {
        Find<QWidget>(AName)->setFocus(Qt::MouseFocusReason);
        ASSERT_EQ(FocusName(), QLatin1StringView(AName));
    }
    // The window's menu as the keyboard opens it, or nullptr.
    QMenu* OpenMenu() {
        return QApplication::activePopupWidget() == PopupMenu() ? PopupMenu() : nullptr;
    }
};

// The scientific page, the numeric keypad and the header, each as it reads.
const QStringList kScientificPage = {u"InvBtn"_qs,    u"HypBtn"_qs,   u"SinBtn"_qs,  u"CosBtn"_qs,
                                     u"TanBtn"_qs,    u"DegCombo"_qs, u"SqrtBtn"_qs, u"ExpBtn"_qs,
                                     u"LogBtn"_qs,    u"LnBtn"_qs,    u"FactBtn"_qs, u"EBtn"_qs,
                                     u"Power2Btn"_qs, u"PowerBtn"_qs, u"PiBtn"_qs};
const QStringList kKeypad = {u"CopyBtn"_qs,
                             u"CurLeftBtn"_qs,
                             u"CurRightBtn"_qs,
                             u"BeginParenthesisBtn"_qs,
                             u"EndParenthesisBtn"_qs,
                             u"Digit7Btn"_qs,
                             u"Digit8Btn"_qs,
                             u"Digit9Btn"_qs,
                             u"DelBtn"_qs,
                             u"ACBtn"_qs,
                             u"Digit4Btn"_qs,
                             u"Digit5Btn"_qs,
                             u"Digit6Btn"_qs,
                             u"MultiplyBtn"_qs,
                             u"dividBtn"_qs,
                             u"Digit1Btn"_qs,
                             u"Digit2Btn"_qs,
                             u"Digit3Btn"_qs,
                             u"PlusBtn"_qs,
                             u"MinusBtn"_qs,
                             u"Digit0Btn"_qs,
                             u"DotBtn"_qs,
                             u"AnsBtn"_qs,
                             u"EnterBtn"_qs};
const QStringList kHeader = {u"ScientificKeyBtn"_qs, u"NumericKeyBtn"_qs, u"MemoryButton"_qs,
                             u"RoundCombo"_qs};
const QStringList kHistory = {
    u"HistoryListBox"_qs,       u"HistoryPanelSelectAllBtn"_qs, u"HistoryPanelDelBtn"_qs,
    u"HistoryPanelClearBtn"_qs, u"HistoryPanelSumBtn"_qs,       u"HistoryPanelAverageBtn"_qs,
    u"HistoryPanelCopyBtn"_qs,  u"HistoryPanelEditBtn"_qs,      u"HistoryPanelCloseBtn"_qs};

QStringList Reversed(QStringList AList) {
    std::reverse(AList.begin(), AList.end());
    return AList;
}

TEST_F(KeyboardTest, MenuKeyAndShiftF10OpenTheMenuAnywhere) {
    struct Row {
        const char* Focus;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
    };
    const Row rows[] = {
        {"ExpressionEdit", Qt::Key_Menu, {}},    {"ExpressionEdit", Qt::Key_F10, Qt::ShiftModifier},
        {"Digit7Btn", Qt::Key_Menu, {}},         {"MemoryButton", Qt::Key_F10, Qt::ShiftModifier},
        {"RoundCombo", Qt::Key_Menu, {}},        {"DegCombo", Qt::Key_F10, Qt::ShiftModifier},
        {"VariableData2Edit", Qt::Key_Menu, {}},
    };
    Find<QWidget>("VariablePanel")->show();
    for (const Row& row : rows) {
        Focus(row.Focus);
        PressKey(row.Key, row.Modifiers);
        QMenu* menu = OpenMenu();
        ASSERT_NE(menu, nullptr) << row.Focus;
        EXPECT_EQ(menu->activeAction(), Find<QAction>("CopyItem")) << "arrows and Enter choose";
        QTest::keyClick(menu, Qt::Key_Escape);
        EXPECT_FALSE(PopupMenu()->isVisible()) << row.Focus;
    }
    EXPECT_EQ(Form->PanelNumber(), 0) << "Shift+F10 does not turn the page";
    Focus("ExpressionEdit");
    PressKey(Qt::Key_F10);
    EXPECT_EQ(Form->PanelNumber(), 1) << "F10 alone still does";
}

// Where the platform turns the Menu key into a request for the focused control's own menu, the
// line's edit menu does not open: the window's does.
TEST_F(KeyboardTest, MenuRequestFromTheKeyboardOpensTheWindowsMenu) {
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(4, 4),
                              Edit->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(Edit, &request);
    EXPECT_EQ(OpenMenu(), PopupMenu());
    QTest::keyClick(PopupMenu(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(KeyboardTest, EveryMenuEntryCanBeChosenByKeyboard) {
    TUrlSink urls;
    QDesktopServices::setUrlHandler(u"https"_qs, &urls, "Open");
    Evaluate(u"1234+1"_qs);
    struct Row {
        const char* Entry;
        int Downs; // from the first entry; separators are passed over
        std::function<void()> Check;
    };
    const std::vector<Row> rows = {
        {"CopyItem", 0, [] { EXPECT_EQ(QApplication::clipboard()->text(), u"1235"_qs); }},
        {"DigitGroupingSeparatorItem", 1,
         [this] {
             EXPECT_TRUE(Form->DigitGroupingSeparator());
             EXPECT_EQ(ResultText(), u"1,235"_qs);
         }},
        {"RoundCutOffItem", 3, [this] { EXPECT_EQ(Form->CurrentRoundSelector(), rsCut); }},
        {"RoundUpItem", 4, [this] { EXPECT_EQ(Form->CurrentRoundSelector(), rsUp); }},
        {"RoundOffItem", 2, [this] { EXPECT_EQ(Form->CurrentRoundSelector(), rs54); }},
        {"TopMostMenuItem", 5,
         [this] { EXPECT_TRUE(Form->windowFlags().testFlag(Qt::WindowStaysOnTopHint)); }},
        {"TransparencyMenuItem", 6, [this] { EXPECT_TRUE(Form->Transparency()); }},
        {"TransparencyMenuItem", 6, [this] { EXPECT_FALSE(Form->Transparency()); }},
        {"KeepHistoryItem", 7,
         [this] { EXPECT_TRUE(Find<QAction>("KeepHistoryItem")->isChecked()); }},
        {"HomepageItem", 8, [&urls] { EXPECT_EQ(urls.Count, 1); }},
        {"About", 9, [] {}},
    };
    for (const Row& row : rows) {
        ActivateForm();
        Focus("ExpressionEdit");
        QSignalSpy triggered(Find<QAction>(row.Entry), &QAction::triggered);
        PressKey(Qt::Key_Menu);
        QMenu* menu = OpenMenu();
        ASSERT_NE(menu, nullptr) << row.Entry;
        for (int i = 0; i < row.Downs; ++i) QTest::keyClick(menu, Qt::Key_Down);
        ASSERT_EQ(menu->activeAction(), Find<QAction>(row.Entry));
        bool isAboutShown = false;
        if (QByteArrayView(row.Entry) == "About")
            QTimer::singleShot(0, Form.get(), [&isAboutShown] {
                QWidget* dialog = QApplication::activeModalWidget();
                isAboutShown = dialog != nullptr;
                if (dialog) QTest::keyClick(dialog, Qt::Key_Escape);
            });
        QTest::keyClick(menu, Qt::Key_Return);
        EXPECT_EQ(triggered.count(), 1) << row.Entry;
        row.Check();
        if (QByteArrayView(row.Entry) == "About") {
            EXPECT_TRUE(isAboutShown);
        }
    }
    QDesktopServices::unsetUrlHandler(u"https"_qs);
}

TEST_F(KeyboardTest, ShiftF4GivesHexAndBinAndTheListThenOffersThem) {
    Evaluate(u"255"_qs);
    auto* combo = Find<QComboBox>("RoundCombo");
    PressKey(Qt::Key_F4, Qt::ShiftModifier);
    EXPECT_EQ(combo->currentText(), u"HEX"_qs);
    EXPECT_EQ(ResultText(), u"0xFF"_qs);
    PressKey(Qt::Key_F4, Qt::ShiftModifier);
    EXPECT_EQ(ResultText(), u"0b11111111"_qs);
    PressKey(Qt::Key_F4, Qt::ShiftModifier);
    EXPECT_EQ(ResultText(), u"0xFF"_qs);

    // Both are entries of the list now: F4, Up to BIN... and Enter.
    combo->setCurrentIndex(0);
    PressKey(Qt::Key_F4);
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(combo->currentText(), u"BIN"_qs);
    EXPECT_EQ(ResultText(), u"0b11111111"_qs);
}

TEST_F(KeyboardTest, TabGoesThroughTheWindowAsItReads) {
    Focus("ExpressionEdit");
    const QStringList round = kScientificPage + kKeypad + kHeader;
    EXPECT_EQ(TabRound(), round);
    EXPECT_EQ(TabRound(false), Reversed(round));

    // The other pages in their places, and the fields of the edit modes beside their keys.
    PressKey(Qt::Key_F10);
    Click("ButtonEditBtn");
    Focus("ExpressionEdit");
    const QStringList options = TabRound().mid(0, 8);
    EXPECT_EQ(options, (QStringList{u"ButtonEditBtn"_qs, u"Option1Btn"_qs, u"Option1Edit"_qs,
                                    u"Option2Btn"_qs, u"Option2Edit"_qs, u"Option3Btn"_qs,
                                    u"Option3Edit"_qs, u"Option4Btn"_qs}));
    Click("ButtonEditBtn");
    PressKey(Qt::Key_F10);
    Focus("ExpressionEdit");
    EXPECT_EQ(TabRound().mid(0, 6),
              (QStringList{u"Variable1Btn"_qs, u"VariableData1Edit"_qs, u"Variable2Btn"_qs,
                           u"VariableData2Edit"_qs, u"Variable3Btn"_qs, u"VariableData3Edit"_qs}));

    // Hidden areas are passed over; a docked history comes after the keypad, beside it.
    PressKey(Qt::Key_F1);
    PressKey(Qt::Key_F3, Qt::ShiftModifier);
    ASSERT_TRUE(Form->AlwaysDisplayHistoryPanel());
    Focus("ExpressionEdit");
    EXPECT_EQ(TabRound(), kKeypad + kHistory + kHeader);
}

TEST_F(KeyboardTest, TabGoesRoundTheOpenOverlayAndEscapeClosesItThenClears) {
    Evaluate(u"1+2"_qs);
    Evaluate(u"3*4"_qs);
    PressKey(Qt::Key_F3);
    WaitForSlide();
    ASSERT_EQ(FocusName(), u"HistoryListBox"_qs);
    EXPECT_EQ(TabRound(), kHistory.mid(1));
    EXPECT_EQ(TabRound(false), Reversed(kHistory.mid(1)));
    EXPECT_EQ(List()->model()->index(1, 0).data(Qt::AccessibleTextRole).toString(),
              u"1+2 equals 3"_qs)
        << "a row is named as it reads";

    // A shortcut that moves the focus out from under the overlay: Tab brings it back in.
    PressKey(Qt::Key_F5);
    ASSERT_EQ(FocusName(), u"ExpressionEdit"_qs);
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(FocusName(), u"HistoryListBox"_qs);
    PressKey(Qt::Key_Backtab);
    PressKey(Qt::Key_Backtab);
    EXPECT_EQ(FocusName(), u"HistoryPanelEditBtn"_qs);

    PressKey(Qt::Key_Escape);
    WaitForSlide();
    EXPECT_TRUE(Panel()->isHidden());
    EXPECT_EQ(FocusName(), u"ExpressionEdit"_qs);
    EXPECT_EQ(Line(), u"3*4"_qs) << "the first Escape only closes the overlay";

    PressKey(Qt::Key_Escape);
    EXPECT_EQ(Line(), QString());
    EXPECT_EQ(ResultText(), u"0"_qs);
    EXPECT_EQ(History().size(), 2u) << "as AC: the history stays";

    // Escape with the focus elsewhere, with the overlay open, closes it too.
    PressKey(Qt::Key_F3);
    WaitForSlide();
    PressKey(Qt::Key_F5);
    PressKey(Qt::Key_Escape);
    WaitForSlide();
    EXPECT_TRUE(Panel()->isHidden());
}

// Keys pressed after the mouse left the focus on a key or a list reach the expression line.
TEST_F(KeyboardTest, TypingReachesTheLineFromKeysAndClosedLists) {
    struct Row {
        const char* Name;
        std::function<void()> Action; // leaves the focus on a key or a list
        const char* Typed;            // "\n" is Enter
        QString Line;
        QString Result;
    };
    auto evaluateByEquals = [this] {
        SetLine(u"2*3"_qs);
        Press("EnterBtn");
    };
    // clang-format off
    const std::vector<Row> rows = {
        {"digit after ＝", evaluateByEquals, "7", u"7"_qs, u"6"_qs},
        {"operator after ＝", evaluateByEquals, "+1", u"ANS +1"_qs, u"0"_qs},
        {"Enter after ＝", evaluateByEquals, "\n", u"2*3"_qs, u"6"_qs},
        {"after an option command",
         [this] { PressKey(Qt::Key_F10); SetLine(u"100"_qs); Click("Option5Btn"); }, "5", u"5"_qs, u"108"_qs},
        {"after docking by a right press on Memory",
         [this] { SetLine(u"12"_qs, 1); RightPressOn(Find<QWidget>("MemoryButton")); }, "9", u"192"_qs, u"0"_qs},
        {"after a decimals entry by mouse",
         [this] {
             SetLine(u"2/3"_qs);
             Enter();
             auto* combo = Find<QComboBox>("RoundCombo");
             combo->setFocus(Qt::MouseFocusReason);
             combo->setCurrentIndex(3);
         },
         "4", u"4"_qs, u"0.67"_qs},
        {"Enter on a closed list",
         [this] { SetLine(u"1+1"_qs); Find<QWidget>("DegCombo")->setFocus(Qt::MouseFocusReason); }, "\n",
         u"1+1"_qs, u"2"_qs},
        {"after HEX by a right-click",
         [this] { SetLine(u"255"_qs); Enter(); QTest::mouseClick(Find<QWidget>("RoundCombo"), Qt::RightButton); },
         "1", u"1"_qs, u"0xFF"_qs},
    };
    // clang-format on
    for (const Row& row : rows) {
        StartForm("; defaults\n");
        row.Action();
        const QString focus = FocusName();
        ASSERT_NE(focus, u"ExpressionEdit"_qs) << row.Name;
        for (const char c : std::string_view(row.Typed)) {
            if (c == '\n')
                PressKey(Qt::Key_Return);
            else
                TypeText(QApplication::focusWidget(), QString(QLatin1Char(c)));
        }
        EXPECT_EQ(Line(), row.Line)
            << row.Name << " (the focus was on " << focus.toStdString() << ")";
        EXPECT_EQ(ResultText(), row.Result) << row.Name;
        EXPECT_EQ(FocusName(), u"ExpressionEdit"_qs) << row.Name;
    }
}

TEST_F(KeyboardTest, SpacePressesTheFocusedKeyAndFieldsKeepTheirKeys) {
    SetLine(u"12"_qs, 1);
    Focus("Digit7Btn");
    PressKey(Qt::Key_Space);
    EXPECT_EQ(Line(), u"172"_qs);
    Focus("EnterBtn");
    PressKey(Qt::Key_Space);
    EXPECT_EQ(ResultText(), u"172"_qs) << "＝ acts on the press, by Space too";
    EXPECT_EQ(History().size(), 1u);

    Find<QWidget>("VariablePanel")->show();
    Focus("VariableData1Edit");
    auto* field = Find<QLineEdit>("VariableData1Edit");
    field->clear();
    TypeText(field, u"42"_qs);
    EXPECT_EQ(field->text(), u"42"_qs) << "a field keeps what is typed into it";
    EXPECT_EQ(Line(), u"172"_qs);
}

// Where "＝" cannot take the focus after a command string, and when the area with the focus hides,
// the line takes it.
TEST_F(KeyboardTest, TheLineTakesTheFocusWhenItsHolderIsHidden) {
    PressKey(Qt::Key_F2);
    ASSERT_FALSE(Form->NumericKey());
    PressKey(Qt::Key_F10);
    SetLine(u"100"_qs);
    Click("Option5Btn");
    EXPECT_EQ(FocusName(), u"ExpressionEdit"_qs);
    TypeText(Edit, u"9"_qs);
    EXPECT_EQ(Line(), u"9"_qs);

    PressKey(Qt::Key_F2);
    Focus("EnterBtn");
    PressKey(Qt::Key_F2);
    EXPECT_EQ(FocusName(), u"ExpressionEdit"_qs);
    PressKey(Qt::Key_F2);
    Focus("Option1Btn");
    PressKey(Qt::Key_F10);
    EXPECT_EQ(FocusName(), u"ExpressionEdit"_qs) << "the page it was on turned away";
}

} // namespace

#include "KeyboardTest.moc"
