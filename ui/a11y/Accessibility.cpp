#include "ui/a11y/Accessibility.h"

#include "ui/a11y/AccessibleLineEdit.h"

#include "ui/widgets/Controls.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {

// How a control's spoken name comes about.
// clang-format off
enum class TSpeech {
    Fixed,         // the name as it stands
    Toggle,        // a fixed name; the key is "checked" while it shows its pushed style
    Caption,       // "%1" is the control's current caption
    Trigonometric, // the function's name, "hyperbolic" with a caption ending in "h", "inverse"
                   // while the key shows the inverse style
    VariableValue, // "%1" is the current caption of the variable key of the same number
};
// clang-format on

struct TAccessibleText {
    const char* ObjectName; // "#" stands for the number of each control of a family
    const char* Name;       // "#" is replaced by that number; translated in context "Accessibility"
    const char* ToolTip = nullptr;  // translated as the name is
    const char* Shortcut = nullptr; // the key a screen reader announces for pressing the control
    TSpeech Speech = TSpeech::Fixed;
};

// clang-format off
constexpr TAccessibleText kTexts[] = {
    {"ExpressionPanel", QT_TRANSLATE_NOOP("Accessibility", "expression panel"),
     QT_TRANSLATE_NOOP("Accessibility", "Menu: Menu key or Shift+F10; zoom in: Shift+Alt+Up, "
                                        "zoom out: Shift+Alt+Down, normal size: Shift+Alt+F12")},
    {"ScientificKeyBtn", QT_TRANSLATE_NOOP("Accessibility", "scientific keys"), QT_TRANSLATE_NOOP("Accessibility", "Show or hide the scientific keys (F1)"), "F1"},
    {"NumericKeyBtn", QT_TRANSLATE_NOOP("Accessibility", "numeric keys"), QT_TRANSLATE_NOOP("Accessibility", "Show or hide the numeric keys (F2)"), "F2"},
    {"MemoryButton", QT_TRANSLATE_NOOP("Accessibility", "history"), QT_TRANSLATE_NOOP("Accessibility", "Show or hide the history (F3), docked beside the keys (Shift+F3)"), "F3"},
    {"RoundCombo", QT_TRANSLATE_NOOP("Accessibility", "decimals"), QT_TRANSLATE_NOOP("Accessibility", "Decimals (F4), HEX and BIN (Shift+F4)"), "F4"},
    {"Panel3", QT_TRANSLATE_NOOP("Accessibility", "expression and result")},
    {"ExpressionEdit", QT_TRANSLATE_NOOP("Accessibility", "expression")},

    {"ScientificPanel", QT_TRANSLATE_NOOP("Accessibility", "scientific keys page")},
    {"InvBtn", QT_TRANSLATE_NOOP("Accessibility", "inverse"), nullptr, nullptr, TSpeech::Toggle},
    {"HypBtn", QT_TRANSLATE_NOOP("Accessibility", "hyperbolic"), nullptr, nullptr, TSpeech::Toggle},
    {"SinBtn", QT_TRANSLATE_NOOP("Accessibility", "sine"), nullptr, nullptr, TSpeech::Trigonometric},
    {"CosBtn", QT_TRANSLATE_NOOP("Accessibility", "cosine"), nullptr, nullptr, TSpeech::Trigonometric},
    {"TanBtn", QT_TRANSLATE_NOOP("Accessibility", "tangent"), nullptr, nullptr, TSpeech::Trigonometric},
    {"DegCombo", QT_TRANSLATE_NOOP("Accessibility", "angle unit")},
    {"SqrtBtn", QT_TRANSLATE_NOOP("Accessibility", "square root")},
    {"ExpBtn", QT_TRANSLATE_NOOP("Accessibility", "e to the power")},
    {"LogBtn", QT_TRANSLATE_NOOP("Accessibility", "common logarithm")},
    {"LnBtn", QT_TRANSLATE_NOOP("Accessibility", "natural logarithm")},
    {"FactBtn", QT_TRANSLATE_NOOP("Accessibility", "factorial")},
    {"EBtn", QT_TRANSLATE_NOOP("Accessibility", "times ten to the power")},
    {"Power2Btn", QT_TRANSLATE_NOOP("Accessibility", "squared")},
    {"PowerBtn", QT_TRANSLATE_NOOP("Accessibility", "to the power")},
    {"PiBtn", QT_TRANSLATE_NOOP("Accessibility", "pi")},
    {"ScientificPanelLeftBtn", QT_TRANSLATE_NOOP("Accessibility", "previous page"), QT_TRANSLATE_NOOP("Accessibility", "Previous page (F9)"), "F9"},
    {"ScientificPanelRightBtn", QT_TRANSLATE_NOOP("Accessibility", "next page"), QT_TRANSLATE_NOOP("Accessibility", "Next page (F10)"), "F10"},

    {"Option1Panel", QT_TRANSLATE_NOOP("Accessibility", "option buttons page")},
    {"ButtonEditBtn", QT_TRANSLATE_NOOP("Accessibility", "edit option buttons"), nullptr, nullptr, TSpeech::Toggle},
    {"Option#Btn", QT_TRANSLATE_NOOP("Accessibility", "option button #: %1"), nullptr, nullptr, TSpeech::Caption},
    {"Option#Edit", QT_TRANSLATE_NOOP("Accessibility", "title and expression of option button #"), QT_TRANSLATE_NOOP("Accessibility", "Title:expression; widen the button (Ctrl+Enter or double-click)")},
    {"Option1PanelLeftBtn", QT_TRANSLATE_NOOP("Accessibility", "previous page"), QT_TRANSLATE_NOOP("Accessibility", "Previous page (F9)"), "F9"},
    {"Option1PanelRightBtn", QT_TRANSLATE_NOOP("Accessibility", "next page"), QT_TRANSLATE_NOOP("Accessibility", "Next page (F10)"), "F10"},

    {"VariablePanel", QT_TRANSLATE_NOOP("Accessibility", "variables page")},
    {"Variable#Btn", QT_TRANSLATE_NOOP("Accessibility", "variable %1"), nullptr, nullptr, TSpeech::Caption},
    {"VariableData#Edit", QT_TRANSLATE_NOOP("Accessibility", "value of %1"), QT_TRANSLATE_NOOP("Accessibility", "Value (Enter evaluates); rename the variables (Ctrl+Enter or double-click)"), nullptr, TSpeech::VariableValue},
    {"VariableBtn#Edit", QT_TRANSLATE_NOOP("Accessibility", "name of variable #"), QT_TRANSLATE_NOOP("Accessibility", "Name of the variable; done renaming (Ctrl+Enter)")},
    {"VariablePanelLeftBtn", QT_TRANSLATE_NOOP("Accessibility", "previous page"), QT_TRANSLATE_NOOP("Accessibility", "Previous page (F9)"), "F9"},
    {"VariablePanelRightBtn", QT_TRANSLATE_NOOP("Accessibility", "next page"), QT_TRANSLATE_NOOP("Accessibility", "Next page (F10)"), "F10"},

    {"ButtonPanel", QT_TRANSLATE_NOOP("Accessibility", "numeric keypad")},
    {"CopyBtn", QT_TRANSLATE_NOOP("Accessibility", "copy result"), QT_TRANSLATE_NOOP("Accessibility", "Copy the result (F5)"), "F5"},
    {"CurLeftBtn", QT_TRANSLATE_NOOP("Accessibility", "cursor left")},
    {"CurRightBtn", QT_TRANSLATE_NOOP("Accessibility", "cursor right")},
    {"BeginParenthesisBtn", QT_TRANSLATE_NOOP("Accessibility", "open parenthesis")},
    {"EndParenthesisBtn", QT_TRANSLATE_NOOP("Accessibility", "close parenthesis")},
    {"Digit#Btn", "#"},
    {"DotBtn", QT_TRANSLATE_NOOP("Accessibility", "decimal point")},
    {"DelBtn", QT_TRANSLATE_NOOP("Accessibility", "delete")},
    {"ACBtn", QT_TRANSLATE_NOOP("Accessibility", "all clear"), QT_TRANSLATE_NOOP("Accessibility", "All clear (F8 or Escape)"), "F8"},
    {"MultiplyBtn", QT_TRANSLATE_NOOP("Accessibility", "multiply")},
    {"dividBtn", QT_TRANSLATE_NOOP("Accessibility", "divide")},
    {"PlusBtn", QT_TRANSLATE_NOOP("Accessibility", "plus")},
    {"MinusBtn", QT_TRANSLATE_NOOP("Accessibility", "minus")},
    {"AnsBtn", QT_TRANSLATE_NOOP("Accessibility", "previous answer")},
    {"EnterBtn", QT_TRANSLATE_NOOP("Accessibility", "equals"), QT_TRANSLATE_NOOP("Accessibility", "Evaluate (Enter), as a percentage (Shift+Enter)"), "Enter"},

    {"HistoryPanel", QT_TRANSLATE_NOOP("Accessibility", "history panel")},
    {"HistoryListBox", QT_TRANSLATE_NOOP("Accessibility", "history list")},
    {"HistoryButtonPanel", QT_TRANSLATE_NOOP("Accessibility", "history buttons")},
    {"HistoryPanelSelectAllBtn", QT_TRANSLATE_NOOP("Accessibility", "select all")},
    {"HistoryPanelDelBtn", QT_TRANSLATE_NOOP("Accessibility", "delete selected entries")},
    {"HistoryPanelClearBtn", QT_TRANSLATE_NOOP("Accessibility", "clear history")},
    {"HistoryPanelSumBtn", QT_TRANSLATE_NOOP("Accessibility", "sum of selected results")},
    {"HistoryPanelAverageBtn", QT_TRANSLATE_NOOP("Accessibility", "average of selected results")},
    {"HistoryPanelCopyBtn", QT_TRANSLATE_NOOP("Accessibility", "copy selected results")},
    {"HistoryPanelEditBtn", QT_TRANSLATE_NOOP("Accessibility", "edit selected entry")},
    {"HistoryPanelCloseBtn", QT_TRANSLATE_NOOP("Accessibility", "close history"), QT_TRANSLATE_NOOP("Accessibility", "Close the history (F3 or Escape)"), "F3"},
};
// clang-format on

// What an empty caption is called in a name.
constexpr char kBlankCaption[] = QT_TRANSLATE_NOOP("Accessibility", "blank");

// A text of the table in the user's language.
QString Translated(const char* AText) {
    return QCoreApplication::translate("Accessibility", AText);
}

struct TMatch {
    const TAccessibleText* Text = nullptr;
    QString Number; // what "#" stands for
};

const QHash<QString, const TAccessibleText*>& TextsByObjectName() {
    // clang-format off
    static const QHash<QString, const TAccessibleText*> texts = [] {
        QHash<QString, const TAccessibleText*> result;
        for (const TAccessibleText& text : kTexts) result.insert(QString::fromLatin1(text.ObjectName), &text);
        return result;
    }();
    // clang-format on
    return texts;
}

// The row of AControl: the one of its name, else the one of its family, its first run of
// digits standing for "#" ("Option12Btn" is "Option#Btn" with the number 12).
TMatch FindText(const QObject* AControl) {
    const QHash<QString, const TAccessibleText*>& texts = TextsByObjectName();
    QString name = AControl->objectName();
    if (const auto row = texts.constFind(name); row != texts.cend()) return {*row, QString()};
    const auto first =
        std::find_if(name.cbegin(), name.cend(), [](QChar c) { return c.isDigit(); });
    if (first == name.cend()) return {};
    const auto last = std::find_if(first, name.cend(), [](QChar c) { return !c.isDigit(); });
    const qsizetype start = first - name.cbegin();
    const QString number = name.mid(start, last - first);
    name.replace(start, number.size(), QLatin1Char('#'));
    if (const auto row = texts.constFind(name); row != texts.cend()) return {*row, number};
    return {};
}

QString CaptionOf(const QWidget* AControl) {
    const auto* button = qobject_cast<const QAbstractButton*>(AControl);
    return button ? button->text() : QString();
}

// A caption as it is spoken inside a name.
QString SpokenCaption(const QWidget* AControl) {
    const QString caption = CaptionOf(AControl);
    return caption.isEmpty() ? Translated(kBlankCaption) : caption;
}

QString TrigonometricName(const QWidget* AKey, const QString& AFunction) {
    QString name = AFunction;
    if (CaptionOf(AKey).endsWith(QLatin1Char('h')))
        name = QCoreApplication::translate("Accessibility", "hyperbolic %1",
                                           "a trigonometric function: hyperbolic sine")
                   .arg(name);
    if (StyleName(AKey) == u"TrigInvBtnStyle")
        name = QCoreApplication::translate("Accessibility", "inverse %1",
                                           "a trigonometric function: inverse sine, inverse "
                                           "hyperbolic sine")
                   .arg(name);
    return name;
}

// The name of AControl as the table derives it from its current state; its caption when the
// table does not know it.
QString SpokenName(const QWidget* AControl) {
    const TMatch match = FindText(AControl);
    if (!match.Text) return CaptionOf(AControl);
    QString name = Translated(match.Text->Name).replace(QLatin1Char('#'), match.Number);
    switch (match.Text->Speech) {
    case TSpeech::Fixed:
    case TSpeech::Toggle: return name;
    case TSpeech::Caption: return name.arg(SpokenCaption(AControl));
    case TSpeech::Trigonometric: return TrigonometricName(AControl, name);
    case TSpeech::VariableValue: {
        const QWidget* page = AControl->parentWidget();
        const QString keyName = QStringLiteral("Variable%1Btn").arg(match.Number);
        return name.arg(SpokenCaption(page ? page->findChild<QWidget*>(keyName) : nullptr));
    }
    }
    return name;
}

TSpeech SpeechOf(const QWidget* AControl) {
    const TMatch match = FindText(AControl);
    return match.Text ? match.Text->Speech : TSpeech::Fixed;
}

QString ShortcutOf(const QWidget* AControl) {
    const TMatch match = FindText(AControl);
    return match.Text && match.Text->Shortcut ? QString::fromLatin1(match.Text->Shortcut)
                                              : QString();
}

// A toggle key shows its pushed style while its mode is on.
bool IsPushed(const QWidget* AKey) {
    return StyleName(AKey).endsWith(QLatin1StringView("PushStyle"));
}

// A toggle key's state in words.
QString ToggleState(const QWidget* AKey) {
    return IsPushed(AKey) ? QCoreApplication::translate("Accessibility", "on")
                          : QCoreApplication::translate("Accessibility", "off");
}

// Marks the interfaces made here, so that one Qt made for the same control before the factory
// was in place can be told apart and dropped.
class TOwnInterface {
public:
    virtual ~TOwnInterface() = default;
};

// A key as a screen reader sees it: a push button named from the table and its current
// caption, checkable where it toggles a mode, pressed through its mouse-down and click as a
// pointer would.
class TAccessibleKey : public QAccessibleWidget, public TOwnInterface {
public:
    explicit TAccessibleKey(TKeyButton* AKey) : QAccessibleWidget(AKey, QAccessible::Button) {}

    QString text(QAccessible::Text AText) const override {
        if (AText == QAccessible::Name)
            return Key()->accessibleName().isEmpty() ? SpokenName(Key()) : Key()->accessibleName();
        if (AText == QAccessible::Accelerator) return ShortcutOf(Key());
        // Orca does not speak a push button's checked state: a toggle key says it.
        if (AText == QAccessible::Description && SpeechOf(Key()) == TSpeech::Toggle)
            return ToggleState(Key());
        return QAccessibleWidget::text(AText);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = Key()->isDown();
        if (SpeechOf(Key()) == TSpeech::Toggle) {
            state.checkable = true;
            state.checked = IsPushed(Key());
        }
        return state;
    }

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& AAction) override {
        if (AAction != pressAction()) {
            QAccessibleWidget::doAction(AAction);
            return;
        }
        // A pointer press gives the key the focus first (the line saves its caret) and the ＝ key
        // acts on the press itself.
        Key()->setFocus(Qt::OtherFocusReason);
        emit Key()->MouseDown(Qt::LeftButton, Qt::NoModifier);
        Key()->click();
    }

    QStringList keyBindingsForAction(const QString& AAction) const override {
        const QString shortcut = ShortcutOf(Key());
        if (AAction == pressAction() && !shortcut.isEmpty()) return {shortcut};
        return QAccessibleWidget::keyBindingsForAction(AAction);
    }

private:
    TKeyButton* Key() const { return static_cast<TKeyButton*>(widget()); }
};

// The result line as a status line whose name is the result itself, so that its changes are
// spoken the way status messages are.
class TAccessibleResultLine : public QAccessibleWidget, public TOwnInterface {
public:
    explicit TAccessibleResultLine(QLabel* ALabel)
        : QAccessibleWidget(ALabel, QAccessible::StatusBar) {}

    QString text(QAccessible::Text AText) const override {
        switch (AText) {
        case QAccessible::Name:
        case QAccessible::Value: return static_cast<QLabel*>(widget())->text();
        case QAccessible::Description: {
            // Why the shown result is what it is (a failure's reason), when the window tells.
            const QString reason = widget()->accessibleDescription();
            return reason.isEmpty() ? QCoreApplication::translate("Accessibility", "result")
                                    : reason;
        }
        default: return QAccessibleWidget::text(AText);
        }
    }
};

// What a screen reader speaks when it appears: the last announcement. Readers present a
// notification as soon as it is shown, wherever the focus is.
class TAccessibleNotification : public QAccessibleWidget, public TOwnInterface {
public:
    explicit TAccessibleNotification(QLabel* ALabel)
        : QAccessibleWidget(ALabel, QAccessible::Notification) {}

    QString text(QAccessible::Text AText) const override {
        if (AText == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(AText);
    }
};

// A panel is a named grouping of its controls. Qt presents a plain frame as a frame, which
// screen readers take for a window of its own: one that is never active, so that nothing inside
// it would be spoken.
// The panels that only lay the window out are sections: readers pass them by as context, where a
// named grouping was spoken again ("expression panel panel") each time the focus came back into
// it. The keypad pages and the history's buttons stay groupings, which tell where the focus went.
class TAccessiblePanel : public QAccessibleWidget, public TOwnInterface {
public:
    explicit TAccessiblePanel(QWidget* APanel)
        : QAccessibleWidget(APanel,
                            IsLayoutPanel(APanel) ? QAccessible::Section : QAccessible::Grouping) {}

private:
    static bool IsLayoutPanel(const QWidget* APanel) {
        static const QStringList layoutPanels = {QStringLiteral("ExpressionPanel"),
                                                 QStringLiteral("Panel3"),
                                                 QStringLiteral("HistoryPanel")};
        return layoutPanels.contains(APanel->objectName());
    }
};

// The window itself is a frame named by its title (a plain top-level widget would be a filler).
class TAccessibleWindow : public QAccessibleWidget, public TOwnInterface {
public:
    explicit TAccessibleWindow(QWidget* AWindow)
        : QAccessibleWidget(AWindow, QAccessible::Window) {}
};

constexpr char kResultLabelName[] = "ResultLabel";
constexpr char kAnnouncerName[] = "ResultAnnouncer";
constexpr char kFrameProperty[] = "accessibleFrame";        // set on the window
constexpr char kAnnouncePendingProperty[] = "isAnnouncing"; // set on the notification

bool IsLabelNamed(QObject* AObject, const char* AName) {
    return qobject_cast<QLabel*>(AObject) && AObject->objectName() == QLatin1StringView(AName);
}

QAccessibleInterface* CreateAccessibleInterface(const QString& AClassName, QObject* AObject) {
    if (AClassName == u"TKeyButton") return new TAccessibleKey(static_cast<TKeyButton*>(AObject));
    if (AClassName == u"TPanel") return new TAccessiblePanel(static_cast<QWidget*>(AObject));
    if (AClassName != u"QLabel" && AClassName != u"QWidget") return nullptr;
    if (IsLabelNamed(AObject, kResultLabelName))
        return new TAccessibleResultLine(static_cast<QLabel*>(AObject));
    if (IsLabelNamed(AObject, kAnnouncerName))
        return new TAccessibleNotification(static_cast<QLabel*>(AObject));
    if (AObject->property(kFrameProperty).toBool())
        return new TAccessibleWindow(static_cast<QWidget*>(AObject));
    return nullptr;
}

// Interfaces are made when a control is first asked about: captions and visibility set while
// the window was built may have made Qt's own for a control that has one of ours. Dropping it
// lets the next query make ours.
void UseOwnInterface(QWidget* AWidget) {
    QAccessibleInterface* current = QAccessible::queryAccessibleInterface(AWidget);
    if (current && !dynamic_cast<TOwnInterface*>(current) &&
        !dynamic_cast<TAccessibleLineEdit*>(current))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
}

bool HasOwnInterface(QWidget* AWidget) {
    return qobject_cast<TKeyButton*>(AWidget) || qobject_cast<TPanel*>(AWidget) ||
           qobject_cast<QLineEdit*>(AWidget) || IsLabelNamed(AWidget, kResultLabelName) ||
           IsLabelNamed(AWidget, kAnnouncerName);
}

// The result line of the window AControl is in, which speaks for the whole window.
QLabel* ResultLabelOf(const QWidget* AControl) {
    return AControl->window()->findChild<QLabel*>(QString::fromLatin1(kResultLabelName));
}

// A zero-sized label inside the result line: it takes no room and draws nothing, and showing it
// again is what makes a screen reader speak its text.
void CreateAnnouncer(QWidget* AWindow) {
    auto* resultLabel = ResultLabelOf(AWindow);
    if (!resultLabel) return;
    auto* announcer = new QLabel(resultLabel);
    announcer->setObjectName(QString::fromLatin1(kAnnouncerName));
    announcer->setGeometry(0, 0, 0, 0);
    announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Notify(QObject* AControl, QAccessible::Event AEvent) {
    QAccessibleEvent event(AControl, AEvent);
    QAccessible::updateAccessibility(&event);
}

// Keeps what is derived at run time current: a value field's name follows its variable key's
// caption (refreshed when the field takes the focus or its page is shown, before a screen reader
// reads it), and a key whose named style changes reports its new state or name.
class TAccessibilityWatcher : public QObject {
public:
    using QObject::QObject;

    void WatchValueField(QLineEdit* AField) {
        FValueFields << AField;
        AField->installEventFilter(this);
        if (QWidget* page = AField->parentWidget()) page->installEventFilter(this);
        AField->setAccessibleName(SpokenName(AField));
    }

    // Tells a screen reader what a key's new named style means: a trigonometric key's new name,
    // or a toggle key's new state.
    static void ReportStyleChange(QWidget* AKey) {
        if (!QAccessible::isActive()) return;
        if (SpeechOf(AKey) == TSpeech::Trigonometric) {
            Notify(AKey, QAccessible::NameChanged);
        } else if (SpeechOf(AKey) == TSpeech::Toggle) {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(AKey, changed);
            QAccessible::updateAccessibility(&event);
            Notify(AKey, QAccessible::DescriptionChanged);
            // Pressed with Space, the key says its new state ("inverse on").
            if (AKey->hasFocus())
                Announce(AKey, QCoreApplication::translate("Accessibility", "%1 %2",
                                                           "a toggle key's name and state")
                                   .arg(SpokenName(AKey), ToggleState(AKey)));
        }
    }

protected:
    bool eventFilter(QObject* /*AWatched*/, QEvent* AEvent) override {
        if (AEvent->type() == QEvent::FocusIn || AEvent->type() == QEvent::Show)
            RefreshValueFields();
        return false;
    }

private:
    void RefreshValueFields() {
        for (QLineEdit* field : std::as_const(FValueFields))
            if (field) field->setAccessibleName(SpokenName(field));
    }

    QList<QPointer<QLineEdit>> FValueFields;
};

// On Linux a drop-down list's accessible name is its current entry; what the list is for comes
// from the label whose buddy it is. The window shows no such label, so it stays hidden.
void LabelForScreenReaders(QWidget* AControl) {
    auto* label = new QLabel(AControl->accessibleName(), AControl->parentWidget());
    label->setObjectName(AControl->objectName() + QStringLiteral("Label"));
    label->setBuddy(AControl);
    label->hide();
}

// Qt reports a drop-down list's new entry as a change of its name, with its list presenting no
// selection: screen readers say nothing while Up and Down go through the entries. The entry the
// keys reach is announced instead (an open list speaks its own entries).
void AnnounceEntries(QComboBox* ACombo) {
    QObject::connect(ACombo, &QComboBox::currentIndexChanged, ACombo, [ACombo] {
        if (!ACombo->hasFocus() || ACombo->view()->isVisible()) return;
        // What the window says of the new entry (a result it cannot show by it) comes first.
        QLabel* resultLabel = ResultLabelOf(ACombo);
        auto* announcer = resultLabel
                              ? resultLabel->findChild<QLabel*>(QString::fromLatin1(kAnnouncerName))
                              : nullptr;
        if (!announcer) return;
        // A result shown again by the new entry follows it ("0.0, 3.0"); a note that it cannot
        // be shown so stands alone.
        const bool isPending = announcer->property(kAnnouncePendingProperty).toBool();
        if (!isPending)
            AnnounceResultText(resultLabel, ACombo->currentText());
        else if (announcer->text() == resultLabel->text())
            AnnounceResultText(resultLabel,
                               QCoreApplication::translate("Accessibility", "%1, %2",
                                                           "a list's new entry, the result")
                                   .arg(ACombo->currentText(), resultLabel->text()));
    });
}

void ApplyText(QWidget* AControl, TAccessibleText AText, TAccessibilityWatcher* AWatcher) {
    if (AText.ToolTip) AControl->setToolTip(Translated(AText.ToolTip));
    if (auto* key = qobject_cast<TKeyButton*>(AControl)) {
        if (AText.Speech == TSpeech::Toggle || AText.Speech == TSpeech::Trigonometric)
            QObject::connect(key, &TKeyButton::StyleNameChanged, AWatcher,
                             [key] { TAccessibilityWatcher::ReportStyleChange(key); });
    } else if (AText.Speech == TSpeech::VariableValue) {
        if (auto* field = qobject_cast<QLineEdit*>(AControl)) AWatcher->WatchValueField(field);
    } else {
        AControl->setAccessibleName(SpokenName(AControl));
    }
    if (auto* combo = qobject_cast<QComboBox*>(AControl)) {
        LabelForScreenReaders(combo);
        AnnounceEntries(combo);
    }
}

} // namespace

void ApplyAccessibility(QWidget* AWindow) {
    [[maybe_unused]] static const bool isFactoryInstalled = [] {
        QAccessible::installFactory(CreateAccessibleInterface);
        return true;
    }();
    InstallAccessibleLineEditFactory();

    CreateAnnouncer(AWindow);
    auto* watcher = new TAccessibilityWatcher(AWindow);
    for (QWidget* control : AWindow->findChildren<QWidget*>()) {
        if (const TMatch match = FindText(control); match.Text)
            ApplyText(control, *match.Text, watcher);
        if (HasOwnInterface(control)) UseOwnInterface(control);
    }
    AWindow->setProperty(kFrameProperty, true);
    UseOwnInterface(AWindow);
}

void AnnounceResultText(QLabel* AResultLabel, const QString& AText) {
    auto* announcer = AResultLabel->findChild<QLabel*>(QString::fromLatin1(kAnnouncerName),
                                                       Qt::FindDirectChildrenOnly);
    if (!announcer) return;
    announcer->setText(AText);
    if (!QAccessible::isActive() || announcer->property(kAnnouncePendingProperty).toBool()) return;
    announcer->setProperty(kAnnouncePendingProperty, true);
    QTimer::singleShot(0, announcer, [announcer] {
        announcer->setProperty(kAnnouncePendingProperty, false);
        if (announcer->isHidden()) return; // left hidden on purpose
        announcer->hide();
        announcer->show();
    });
}

void Announce(QWidget* AControl, const QString& AText) {
    if (QLabel* resultLabel = ResultLabelOf(AControl)) AnnounceResultText(resultLabel, AText);
}
