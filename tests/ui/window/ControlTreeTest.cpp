// The window's control tree as built: names, captions, parents, design places, tags, start-up
// visibility, the drop-down lists, the popup menu, the history panel and the named styles.
#include "ui/MainWinFixture.h"

#include "ui/widgets/CaptionFont.h"
#include "ui/widgets/Controls.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QListView>
#include <QMenu>
#include <QToolButton>

namespace {

class ControlTreeTest : public MainWinFixture {
protected:
    QString Caption(const char* AName) const { return Find<QAbstractButton>(AName)->text(); }
    QString Style(const char* AName) const { return StyleName(Find<QWidget>(AName)); }
    QStringList NamesOf(const QObjectList& AObjects) const {
        QStringList names;
        for (const QObject* object : AObjects)
            if (object->isWidgetType() && !static_cast<const QWidget*>(object)->isWindow())
                names << object->objectName();
        return names;
    }
};

TEST_F(ControlTreeTest, KeyCaptionsAndStyles) {
    struct Row {
        const char* Name;
        QString Caption;
        const char* Style;
    };
    // clang-format off
    const Row rows[] = {
        {"InvBtn", u"inv"_qs, "InvBtnStyle"},       {"HypBtn", u"hyp"_qs, "InvBtnStyle"},
        {"SinBtn", u"sin"_qs, "KeyBtnStyle"},       {"CosBtn", u"cos"_qs, "KeyBtnStyle"},
        {"TanBtn", u"tan"_qs, "KeyBtnStyle"},       {"SqrtBtn", u"√"_qs, "KeyBtnStyle"},
        {"ExpBtn", u"e"_qs, "ExpBtnStyle"},         {"FactBtn", u"X!"_qs, "KeyBtnStyle"},
        {"Power2Btn", u"X"_qs, "Power2BtnStyle"},   {"PowerBtn", u"X"_qs, "PowerBtnStyle"},
        {"PiBtn", u"π"_qs, "KeyBtnStyle"},          {"CopyBtn", u"copy"_qs, "CopyBtnStyle"},
        {"CurLeftBtn", u"←"_qs, "CopyBtnStyle"},    {"CurRightBtn", u"→"_qs, "CopyBtnStyle"},
        {"BeginParenthesisBtn", u"("_qs, "CopyBtnStyle"}, {"EndParenthesisBtn", u")"_qs, "CopyBtnStyle"},
        {"DelBtn", u"DEL"_qs, "AcBtnStyle"},        {"ACBtn", u"AC"_qs, "AcBtnStyle"},
        {"MultiplyBtn", u"×"_qs, "CalcBtn2Style"},  {"dividBtn", u"÷"_qs, "CalcBtn2Style"},
        {"PlusBtn", u"＋"_qs, "CalcBtn2Style"},     {"MinusBtn", u"－"_qs, "CalcBtn2Style"},
        {"Digit0Btn", u"0"_qs, "CalcBtnStyle"},     {"DotBtn", u"."_qs, "CalcBtnStyle"},
        {"AnsBtn", u"ANS"_qs, "CalcBtnStyle"},      {"EnterBtn", u"＝"_qs, "CalcBtnStyle"},
        {"ButtonEditBtn", u"edit"_qs, "OptionEditBtnStyle"},
        {"ScientificKeyBtn", u"Scientific key"_qs, "ScientificKeyBtnStyle"},
        {"NumericKeyBtn", u"Numeric key"_qs, "ScientificKeyBtnStyle"},
        {"MemoryButton", u"Memory"_qs, "ScientificKeyBtnStyle"},
        {"HistoryPanelSelectAllBtn", u"All"_qs, "HistoryPanelBtnStyle"},
        {"HistoryPanelAverageBtn", u"Ave"_qs, "HistoryPanelBtnStyle"},
        {"HistoryPanelCloseBtn", u"Close"_qs, "HistoryPanelBtnStyle"},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(Caption(row.Name), row.Caption) << row.Name;
        EXPECT_EQ(Style(row.Name), QString::fromLatin1(row.Style)) << row.Name;
    }
}

TEST_F(ControlTreeTest, ControlsSitInTheirParentsAtTheirDesignPlaces) {
    struct Row {
        const char* Name;
        const char* Parent;
        QRect Design;
    };
    // clang-format off
    const Row rows[] = {
        {"ExpressionPanel", "MainForm", {0, 0, 344, 113}},
        {"RoundCombo", "ExpressionPanel", {259, 6, 70, 18}},
        {"Panel3", "ExpressionPanel", {16, 30, 313, 71}},
        {"ExpressionEdit", "Panel3", {8, 12, 297, 23}},
        {"ResultLabel", "Panel3", {8, 35, 297, 33}},
        {"RoundSelectorLabel", "ResultLabel", {0, 0, 0, 33}},
        {"DegCombo", "ScientificPanel", {16, 48, 57, 33}},
        {"ScientificPanelRightBtn", "ScientificPanel", {333, 48, 10, 33}},
        {"Option14Btn", "Option1Panel", {272, 88, 57, 33}},
        {"Option6Edit", "Option1Panel", {80, 54, 57, 22}},
        {"Option1PanelLeftBtn", "Option1Panel", {1, 48, 10, 33}},
        {"Variable1Btn", "VariablePanel", {16, 8, 57, 33}},
        {"Variable4Btn", "VariablePanel", {184, 48, 57, 33}},
        {"Label2", "VariablePanel", {75, 15, 9, 16}},
        {"Label1", "VariablePanel", {243, 15, 9, 16}},
        {"Label3", "VariablePanel", {75, 55, 9, 16}},
        {"Label6", "VariablePanel", {243, 95, 9, 16}},
        {"VariableData5Edit", "VariablePanel", {88, 92, 73, 25}},
        {"VariableData2Edit", "VariablePanel", {256, 12, 73, 25}},
        {"VariableBtn6Edit", "VariablePanel", {184, 92, 57, 25}},
        {"EnterBtn", "ButtonPanel", {208, 168, 121, 33}},
        {"AnsBtn", "ButtonPanel", {144, 168, 57, 33}},
        {"HistoryPanelEditBtn", "HistoryButtonPanel", {263, 3, 36, 18}},
    };
    // clang-format on
    for (const Row& row : rows) {
        const QWidget* widget = Find<QWidget>(row.Name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(row.Parent))
            << row.Name;
        EXPECT_EQ(DesignGeometry(widget), row.Design) << row.Name;
    }
}

TEST_F(ControlTreeTest, PanelsAreStackedInDrawingOrder) {
    QStringList panels = NamesOf(Form->children());
    panels.removeIf([](const QString& AName) {
        return !AName.endsWith(u"Panel"_qs) && !AName.endsWith(u"Viewport"_qs);
    });
    EXPECT_EQ(panels, QStringList({u"ButtonPanel"_qs, u"ScientificPanel"_qs, u"Option1Panel"_qs,
                                   u"VariablePanel"_qs, u"HistoryPanel"_qs, u"NumericViewport"_qs,
                                   u"ScientificViewport"_qs, u"ExpressionPanel"_qs}));
}

// The option page's row re-flow walks the page's children in this order.
TEST_F(ControlTreeTest, OptionPageChildOrder) {
    QStringList expected{u"ButtonEditBtn"_qs};
    for (int number = 1; number <= 14; ++number) expected << u"Option%1Btn"_qs.arg(number);
    for (int number = 1; number <= 14; ++number) expected << u"Option%1Edit"_qs.arg(number);
    expected << u"Option1PanelLeftBtn"_qs << u"Option1PanelRightBtn"_qs;
    EXPECT_EQ(NamesOf(Find<QWidget>("Option1Panel")->children()), expected);
}

TEST_F(ControlTreeTest, VisibilityAtStart) {
    for (const char* name :
         {"Option1Panel", "VariablePanel", "HistoryPanel", "Option1Edit", "Option14Edit",
          "VariableBtn1Edit", "VariableBtn6Edit", "NumericViewport", "ScientificViewport"})
        EXPECT_FALSE(Find<QWidget>(name)->isVisibleTo(Form.get())) << name;
    for (const char* name :
         {"ExpressionPanel", "ScientificPanel", "ButtonPanel", "ExpressionEdit", "ResultLabel"})
        EXPECT_TRUE(Find<QWidget>(name)->isVisibleTo(Form.get())) << name;
    for (const char* name : {"VariableData1Edit", "Variable6Btn", "Label5", "Option2Btn"})
        EXPECT_TRUE(Find<QWidget>(name)->isVisibleTo(Find<QWidget>(name)->parentWidget())) << name;
    EXPECT_TRUE(Edit->hasFocus());
}

TEST_F(ControlTreeTest, FontsOfTheLinesAndLists) {
    struct Row {
        const char* Name;
        int PixelSize;
        bool IsBold;
    };
    for (const Row& row :
         {Row{"ExpressionEdit", 14, true}, Row{"ResultLabel", 20, true},
          Row{"RoundSelectorLabel", 9, true}, Row{"DegCombo", 14, true}, Row{"EnterBtn", 28, true},
          Row{"MultiplyBtn", 22, true}, Row{"Digit7Btn", 20, true}, Row{"AnsBtn", 15, true},
          Row{"SinBtn", 16, true}, Row{"Option3Btn", 14, true}, Row{"Variable2Btn", 14, true},
          Row{"ScientificKeyBtn", 10, true}, Row{"HistoryPanelSumBtn", 10, true}}) {
        const QFont font = Find<QWidget>(row.Name)->font();
        EXPECT_EQ(font.pixelSize(), row.PixelSize) << row.Name;
        EXPECT_EQ(font.bold(), row.IsBold) << row.Name;
    }
    // The first option field alone asks for "Tahoma"; the other fields keep the window's family.
    const auto familiesOf = [](const char* AFamily) {
        return DesignFont({QString::fromUtf8(AFamily)}, 12, false).families();
    };
    EXPECT_EQ(Find<QWidget>("Option1Edit")->font().families(), familiesOf("Tahoma"));
    EXPECT_EQ(Find<QWidget>("Option2Edit")->font().families(), familiesOf("Segoe UI"));
    EXPECT_NE(familiesOf("Tahoma"), familiesOf("Segoe UI"));
    EXPECT_EQ(Find<QWidget>("CurLeftBtn")->font().families(), familiesOf("Tahoma"));
    EXPECT_EQ(Find<QWidget>("ExpressionEdit")->font().families(), familiesOf("メイリオ"));
    // What has no font of its own (menus, tips) takes the window's families at the system's size.
    EXPECT_EQ(QGuiApplication::font().families(), familiesOf("Segoe UI"));
    EXPECT_GT(QGuiApplication::font().pointSizeF(), 0);
    EXPECT_TRUE(Find<QLabel>("ResultLabel")->alignment() & Qt::AlignRight);
    EXPECT_FALSE(Find<QLabel>("RoundSelectorLabel")->wordWrap());
}

// A design family leads its list where it is installed; elsewhere the first installed family of
// its look-alikes and fallbacks leads, and the families it passed stay behind it in their order.
TEST_F(ControlTreeTest, DesignFamiliesLeadWhereInstalledLookAlikesElsewhere) {
    const QStringList installed = QFontDatabase::families();
    const QString captions = QString::fromLatin1(CaptionFontFamily); // registered by the window
    ASSERT_TRUE(installed.contains(captions));
    EXPECT_EQ(DesignFont({captions}, 14, true).families().value(0), captions);
    for (const char* name : {"Segoe UI", "Segoe UI Semibold", "Tahoma", "メイリオ"}) {
        const QString family = QString::fromUtf8(name);
        const QFont font = DesignFont({family}, 14, true);
        const QStringList families = font.families();
        EXPECT_EQ(font.pixelSize(), 14) << name;
        EXPECT_TRUE(font.bold()) << name;
        EXPECT_TRUE(installed.contains(families.value(0))) << name;
        if (installed.contains(family)) {
            EXPECT_EQ(families.value(0), family) << name;
            continue;
        }
        EXPECT_GE(families.indexOf(family), 1) << name << " is still asked for";
        EXPECT_LT(families.indexOf(family), families.indexOf(captions)) << name;
    }
}

TEST_F(ControlTreeTest, RoundComboEntriesWithTagsAndNames) {
    auto* combo = Find<QComboBox>("RoundCombo");
    const QStringList captions{u"Normal"_qs, u"0"_qs,      u"0.0"_qs,    u"0.00"_qs,
                               u"0.000"_qs,  u"0.0000"_qs, u"0.00000"_qs};
    ASSERT_GE(combo->count(), captions.size());
    for (int index = 0; index < captions.size(); ++index) {
        EXPECT_EQ(combo->itemText(index), captions[index]);
        EXPECT_EQ(combo->itemData(index, Qt::UserRole).toInt(), index - 1)
            << "tag = number of decimals";
    }
    EXPECT_EQ(combo->itemData(0, Qt::UserRole + 1).toString(), u"RoundItemNorm"_qs);
    EXPECT_EQ(combo->itemData(6, Qt::UserRole + 1).toString(), u"RoundItemD5"_qs);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(combo->currentText(), u"Normal"_qs);
    EXPECT_EQ(combo->maxVisibleItems(), 9);
    EXPECT_EQ(Form->CurrentRoundDecimal(), -1);
}

TEST_F(ControlTreeTest, DegComboEntries) {
    auto* combo = Find<QComboBox>("DegCombo");
    ASSERT_EQ(combo->count(), 3);
    const char* names[] = {"ListBoxItem1", "ListBoxItem2", "ListBoxItem3"};
    const QStringList captions{u"Deg"_qs, u"Rad"_qs, u"Gra"_qs};
    for (int index = 0; index < 3; ++index) {
        EXPECT_EQ(combo->itemText(index), captions[index]);
        EXPECT_EQ(combo->itemData(index, Qt::UserRole + 1).toString(),
                  QString::fromLatin1(names[index]));
    }
    EXPECT_EQ(combo->currentIndex(), 0);
}

TEST_F(ControlTreeTest, PopupMenuEntriesInOrder) {
    struct Row {
        const char* Name;
        QString Caption; // empty: a separator
        bool IsCheckable;
        bool IsChecked;
        bool IsRadio;
    };
    // clang-format off
    const Row rows[] = {
        {"CopyItem", u"Copy"_qs, false, false, false},
        {"MenuItem2", {}, false, false, false},
        {"DigitGroupingSeparatorItem", u"Digit grouping separator"_qs, true, false, false},
        {"MenuItem5", {}, false, false, false},
        {"RoundOffItem", u"Round off (5/4)"_qs, true, true, true},
        {"RoundCutOffItem", u"Cut off (CUT)"_qs, true, false, true},
        {"RoundUpItem", u"Round up (UP)"_qs, true, false, true},
        {"MenuItem3", {}, false, false, false},
        {"TopMostMenuItem", u"Top most"_qs, true, false, false},
        {"TransparencyMenuItem", u"Transparency"_qs, true, false, false},
        {"KeepHistoryItem", u"Keep history"_qs, true, false, false},
        {"MenuItem1", {}, false, false, false},
        {"HomepageItem", u"Homepage"_qs, false, false, false},
        {"About", u"Version"_qs, false, false, false},
    };
    // clang-format on
    auto* menu = Find<QMenu>("ExpressionPanelPopupMenu");
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), qsizetype(std::size(rows)));
    for (qsizetype index = 0; index < actions.size(); ++index) {
        const Row& row = rows[index];
        const QAction* action = actions[index];
        EXPECT_EQ(action->objectName(), QString::fromLatin1(row.Name));
        EXPECT_EQ(action->isSeparator(), row.Caption.isEmpty()) << row.Name;
        if (!row.Caption.isEmpty()) {
            EXPECT_EQ(action->text(), row.Caption);
        }
        EXPECT_EQ(action->isCheckable(), row.IsCheckable) << row.Name;
        EXPECT_EQ(action->isChecked(), row.IsChecked) << row.Name;
        EXPECT_EQ(action->actionGroup() != nullptr, row.IsRadio) << row.Name;
    }
    EXPECT_TRUE(actions[4]->actionGroup()->isExclusive());
}

TEST_F(ControlTreeTest, RadioEntriesExcludeEachOther) {
    auto* menu = Find<QMenu>("ExpressionPanelPopupMenu");
    auto action = [menu](const char* AName) {
        return menu->findChild<QAction*>(QString::fromLatin1(AName));
    };
    action("RoundUpItem")->trigger();
    EXPECT_TRUE(action("RoundUpItem")->isChecked());
    EXPECT_FALSE(action("RoundOffItem")->isChecked());
    EXPECT_FALSE(action("RoundCutOffItem")->isChecked());
    action("DigitGroupingSeparatorItem")->trigger();
    EXPECT_TRUE(action("DigitGroupingSeparatorItem")->isChecked())
        << "the menu flips a toggle itself";
}

TEST_F(ControlTreeTest, RightClickOpensThePopupMenuEverywhereItIsOffered) {
    auto* menu = Find<QMenu>("ExpressionPanelPopupMenu");
    for (const char* name : {"ExpressionPanel", "Panel3", "ResultLabel", "RoundSelectorLabel"}) {
        QWidget* widget = Find<QWidget>(name);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(0, 0),
                                widget->mapToGlobal(QPoint(0, 0)));
        QApplication::sendEvent(widget, &event);
        EXPECT_TRUE(menu->isVisible()) << name;
        menu->hide();
    }
}

TEST_F(ControlTreeTest, OptionButtonsTakeTheirCaptionsAndTagsAtStart) {
    const QStringList captions{u"00"_qs,   u"000"_qs,  {}, {}, u"税込"_qs,
                               u"税抜"_qs, u"税額"_qs, {}, {}, u"5/4"_qs,
                               u"CUT"_qs,  u"UP"_qs,   {}, {}};
    for (int number = 1; number <= 14; ++number) {
        const QByteArray name = "Option" + QByteArray::number(number);
        const auto* button = Find<TKeyButton>((name + "Btn").constData());
        EXPECT_EQ(button->text(), captions[number - 1]) << name.constData();
        EXPECT_EQ(button->Tag(), number);
        EXPECT_EQ(Find<QLineEdit>((name + "Edit").constData())->property("tag").toInt(), number);
    }
}

TEST_F(ControlTreeTest, VariableKeysAndFieldsAtStart) {
    for (int number = 1; number <= 6; ++number) {
        const QByteArray n = QByteArray::number(number);
        const auto* key = Find<TKeyButton>(("Variable" + n + "Btn").constData());
        EXPECT_EQ(key->text(), u"V"_qs + QString::number(number));
        EXPECT_EQ(key->Tag(), number);
        const auto* value = Find<QLineEdit>(("VariableData" + n + "Edit").constData());
        EXPECT_EQ(value->text(), u"0"_qs);
        EXPECT_EQ(value->property("tag").toInt(), number);
        EXPECT_EQ(
            Find<QLineEdit>(("VariableBtn" + n + "Edit").constData())->property("tag").toInt(),
            number);
    }
}

TEST_F(ControlTreeTest, PageArrowsAreFocuslessStripsThatKeepTheirStyle) {
    for (const char* page : {"ScientificPanel", "Option1Panel", "VariablePanel"}) {
        const QList<QToolButton*> arrows =
            Find<QWidget>(page)->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
        ASSERT_EQ(arrows.size(), 2) << page;
        EXPECT_EQ(arrows[0]->objectName(), QString::fromLatin1(page) + u"LeftBtn"_qs);
        EXPECT_EQ(StyleName(arrows[0]), u"LeftPanelBtnStyle"_qs) << "not restyled as a key";
        EXPECT_EQ(StyleName(arrows[1]), u"RightPanelBtnStyle"_qs);
        for (const QToolButton* arrow : arrows) {
            EXPECT_EQ(arrow->focusPolicy(), Qt::NoFocus);
            EXPECT_EQ(qobject_cast<const TKeyButton*>(arrow), nullptr);
        }
    }
}

TEST_F(ControlTreeTest, EnterKeyEvaluatesOnThePressAlone) {
    SetLine(u"1+2"_qs);
    QTest::mousePress(Find<QWidget>("EnterBtn"), Qt::LeftButton);
    EXPECT_EQ(ResultText(), u"3"_qs);
    QTest::mouseRelease(Find<QWidget>("EnterBtn"), Qt::LeftButton);
    EXPECT_EQ(Form->ExpressionHistory().size(), 1u) << "the release does not evaluate again";
}

TEST_F(ControlTreeTest, StyleSwitchRepolishesTheKey) {
    struct Row {
        const char* Style;
        QString Superscript;
    };
    auto* key = Find<TKeyButton>("PowerBtn");
    EXPECT_EQ(key->Superscript(), u"y"_qs);
    EXPECT_EQ(Find<TKeyButton>("ExpBtn")->Superscript(), u"x"_qs);
    EXPECT_EQ(Find<TKeyButton>("Power2Btn")->Superscript(), u"2"_qs);
    for (const Row& row :
         {Row{"TrigInvBtnStyle", u"-1"_qs}, Row{"KeyBtnStyle", {}}, Row{"Power2BtnStyle", u"2"_qs},
          Row{"CalcBtnStyle", {}}, Row{"ExpBtnStyle", u"x"_qs}}) {
        SetStyleName(key, QString::fromLatin1(row.Style));
        EXPECT_EQ(key->Superscript(), row.Superscript) << row.Style;
    }
    // The caption colour comes from the style too: white on the dark keys, dark on the light ones.
    SetStyleName(key, u"CalcBtnStyle"_qs);
    const QColor onDark = key->palette().color(QPalette::ButtonText);
    SetStyleName(key, u"KeyBtnStyle"_qs);
    EXPECT_NE(key->palette().color(QPalette::ButtonText), onDark);
}

// The keys of the pages hidden at start take their style (here the caption colour of their named
// style) once their page is shown, or drawn for a transition, as the keys shown at start have.
class HiddenPageStyleTest : public ControlTreeTest {
protected:
    void ExpectStyledAfter(const char* APage, const char* AKey, bool AIsShown) {
        const QWidget* shownKey = Find<QWidget>("SinBtn");
        auto* page = Find<QWidget>(APage);
        auto* key = Find<QWidget>(AKey);
        ASSERT_TRUE(page->isHidden()) << APage;
        ASSERT_EQ(StyleName(key), StyleName(shownKey)) << AKey;
        if (AIsShown)
            page->show();
        else
            page->grab();
        EXPECT_EQ(key->palette().color(QPalette::ButtonText),
                  shownKey->palette().color(QPalette::ButtonText))
            << AKey;
    }
};

// Polishing every control under the style sheet is most of what showing the window costs; the
// controls of the pages not shown wait until they are.
TEST_F(HiddenPageStyleTest, WaitUntilTheirPageIsShownOrDrawn) {
    EXPECT_TRUE(Find<QWidget>("InvBtn")->testAttribute(Qt::WA_WState_Polished));
    for (const char* hidden : {"Option1Btn", "Option1Edit", "Variable1Btn", "VariableData1Edit"})
        EXPECT_FALSE(Find<QWidget>(hidden)->testAttribute(Qt::WA_WState_Polished)) << hidden;
}

TEST_F(HiddenPageStyleTest, KeysOfAPageShown) {
    ExpectStyledAfter("Option1Panel", "Option1Btn", true);
}

TEST_F(HiddenPageStyleTest, KeysOfAPageDrawnForATransition) {
    ExpectStyledAfter("VariablePanel", "Variable1Btn", false);
}

TEST_F(ControlTreeTest, HistoryPanelKeepsItsButtonStripAtTheBottom) {
    auto* panel = Find<QWidget>("HistoryPanel");
    auto* list = Find<QListView>("HistoryListBox");
    auto* strip = Find<QWidget>("HistoryButtonPanel");
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    panel->resize(344, 300); // sized while hidden, as the panel is before it slides in
    panel->show();
    EXPECT_EQ(strip->geometry(), QRect(0, 275, 344, 25));
    EXPECT_EQ(list->geometry(), QRect(0, 0, 344, 275));
    panel->resize(344, 100);
    EXPECT_EQ(strip->geometry(), QRect(0, 75, 344, 25));
    EXPECT_EQ(list->geometry(), QRect(0, 0, 344, 75));

    SetLine(u"1+2"_qs);
    Enter();
    EXPECT_EQ(list->visualRect(list->model()->index(0, 0)).height(), 34);
}

} // namespace

// What a control remembers of its design is gone with the control: a new control, even one made
// where the old one was in memory, starts with none.
TEST(DesignMemoryTest, GoesWithItsControl) {
    QWidget parent;
    auto* old = new QWidget(&parent);
    SetDesignGeometry(old, QRect(10, 20, 30, 40));
    SetDesignFont(old, DesignFont({}, 20, false));
    const QWidget* oldAddress = old;
    delete old;
    auto* fresh = new QWidget(&parent);
    fresh->setGeometry(1, 2, 3, 4);
    EXPECT_EQ(DesignGeometry(fresh), QRect()) << (fresh == oldAddress ? "at the old address" : "");
    EXPECT_EQ(CurrentDesignScale(fresh), 1.0);
    ApplyDesignScale(fresh, 2.0);
    EXPECT_EQ(fresh->geometry(), QRect(1, 2, 3, 4));
}
