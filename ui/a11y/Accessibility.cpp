#include "ui/a11y/Accessibility.h"

#include "ui/widgets/Controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
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
    const char* Name;       // "#" is replaced by that number
    const char* ToolTip = nullptr;
    const char* Shortcut = nullptr; // the key a screen reader announces for pressing the control
    TSpeech Speech = TSpeech::Fixed;
};

// clang-format off
constexpr TAccessibleText kTexts[] = {
    {"ExpressionPanel", "expression panel",
     "Menu: Menu key or Shift+F10; zoom in: Shift+Alt+Up, zoom out: Shift+Alt+Down, normal size: "
     "Shift+Alt+F12"},
    {"ScientificKeyBtn", "scientific keys", "Show or hide the scientific keys (F1)", "F1"},
    {"NumericKeyBtn", "numeric keys", "Show or hide the numeric keys (F2)", "F2"},
    {"MemoryButton", "history", "Show or hide the history (F3), docked beside the keys (Shift+F3)", "F3"},
    {"RoundCombo", "decimals", "Decimals (F4), HEX and BIN (Shift+F4)", "F4"},
    {"Panel3", "expression and result"},
    {"ExpressionEdit", "expression"},

    {"ScientificPanel", "scientific keys page"},
    {"InvBtn", "inverse", nullptr, nullptr, TSpeech::Toggle},
    {"HypBtn", "hyperbolic", nullptr, nullptr, TSpeech::Toggle},
    {"SinBtn", "sine", nullptr, nullptr, TSpeech::Trigonometric},
    {"CosBtn", "cosine", nullptr, nullptr, TSpeech::Trigonometric},
    {"TanBtn", "tangent", nullptr, nullptr, TSpeech::Trigonometric},
    {"DegCombo", "angle unit"},
    {"SqrtBtn", "square root"},
    {"ExpBtn", "e to the power"},
    {"LogBtn", "common logarithm"},
    {"LnBtn", "natural logarithm"},
    {"FactBtn", "factorial"},
    {"EBtn", "times ten to the power"},
    {"Power2Btn", "squared"},
    {"PowerBtn", "to the power"},
    {"PiBtn", "pi"},
    {"ScientificPanelLeftBtn", "previous page", "Previous page (F9)", "F9"},
    {"ScientificPanelRightBtn", "next page", "Next page (F10)", "F10"},

    {"Option1Panel", "option buttons page"},
    {"ButtonEditBtn", "edit option buttons", nullptr, nullptr, TSpeech::Toggle},
    {"Option#Btn", "option button #: %1", nullptr, nullptr, TSpeech::Caption},
    {"Option#Edit", "title and expression of option button #"},
    {"Option1PanelLeftBtn", "previous page", "Previous page (F9)", "F9"},
    {"Option1PanelRightBtn", "next page", "Next page (F10)", "F10"},

    {"VariablePanel", "variables page"},
    {"Variable#Btn", "variable %1", nullptr, nullptr, TSpeech::Caption},
    {"VariableData#Edit", "value of %1", nullptr, nullptr, TSpeech::VariableValue},
    {"VariableBtn#Edit", "name of variable #"},
    {"VariablePanelLeftBtn", "previous page", "Previous page (F9)", "F9"},
    {"VariablePanelRightBtn", "next page", "Next page (F10)", "F10"},

    {"ButtonPanel", "numeric keypad"},
    {"CopyBtn", "copy result", "Copy the result (F5)", "F5"},
    {"CurLeftBtn", "cursor left"},
    {"CurRightBtn", "cursor right"},
    {"BeginParenthesisBtn", "open parenthesis"},
    {"EndParenthesisBtn", "close parenthesis"},
    {"Digit#Btn", "#"},
    {"DotBtn", "decimal point"},
    {"DelBtn", "delete"},
    {"ACBtn", "all clear", "All clear (F8 or Escape)", "F8"},
    {"MultiplyBtn", "multiply"},
    {"dividBtn", "divide"},
    {"PlusBtn", "plus"},
    {"MinusBtn", "minus"},
    {"AnsBtn", "previous answer"},
    {"EnterBtn", "equals", "Evaluate (Enter), as a percentage (Shift+Enter)", "Enter"},

    {"HistoryPanel", "history panel"},
    {"HistoryListBox", "history list"},
    {"HistoryButtonPanel", "history buttons"},
    {"HistoryPanelSelectAllBtn", "select all"},
    {"HistoryPanelDelBtn", "delete selected entries"},
    {"HistoryPanelClearBtn", "clear history"},
    {"HistoryPanelSumBtn", "sum of selected results"},
    {"HistoryPanelAverageBtn", "average of selected results"},
    {"HistoryPanelCopyBtn", "copy selected results"},
    {"HistoryPanelEditBtn", "edit selected entry"},
    {"HistoryPanelCloseBtn", "close history", "Close the history (F3 or Escape)", "F3"},
};
// clang-format on

// What an empty caption is called in a name.
constexpr char kBlankCaption[] = "blank";

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
    return caption.isEmpty() ? QString::fromLatin1(kBlankCaption) : caption;
}

QString TrigonometricName(const QWidget* AKey, const QString& AFunction) {
    QString name = AFunction;
    if (CaptionOf(AKey).endsWith(QLatin1Char('h'))) name.prepend(QStringLiteral("hyperbolic "));
    if (StyleName(AKey) == u"TrigInvBtnStyle") name.prepend(QStringLiteral("inverse "));
    return name;
}

// The name of AControl as the table derives it from its current state; its caption when the
// table does not know it.
QString SpokenName(const QWidget* AControl) {
    const TMatch match = FindText(AControl);
    if (!match.Text) return CaptionOf(AControl);
    QString name = QString::fromUtf8(match.Text->Name).replace(QLatin1Char('#'), match.Number);
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
        return QAccessibleWidget::text(AText);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = Key()->isDown();
        if (SpeechOf(Key()) == TSpeech::Toggle) {
            state.checkable = true;
            state.checked = StyleName(Key()).endsWith(QLatin1StringView("PushStyle"));
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
        case QAccessible::Description: return QStringLiteral("result");
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
class TAccessiblePanel : public QAccessibleWidget, public TOwnInterface {
public:
    explicit TAccessiblePanel(QWidget* APanel) : QAccessibleWidget(APanel, QAccessible::Grouping) {}
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
    if (current && !dynamic_cast<TOwnInterface*>(current))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
}

bool HasOwnInterface(QWidget* AWidget) {
    return qobject_cast<TKeyButton*>(AWidget) || qobject_cast<TPanel*>(AWidget) ||
           IsLabelNamed(AWidget, kResultLabelName) || IsLabelNamed(AWidget, kAnnouncerName);
}

// A zero-sized label inside the result line: it takes no room and draws nothing, and showing it
// again is what makes a screen reader speak its text.
void CreateAnnouncer(QWidget* AWindow) {
    auto* resultLabel = AWindow->findChild<QLabel*>(QString::fromLatin1(kResultLabelName));
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

void ApplyText(QWidget* AControl, TAccessibleText AText, TAccessibilityWatcher* AWatcher) {
    if (AText.ToolTip) AControl->setToolTip(QString::fromUtf8(AText.ToolTip));
    if (auto* key = qobject_cast<TKeyButton*>(AControl)) {
        if (AText.Speech == TSpeech::Toggle || AText.Speech == TSpeech::Trigonometric)
            QObject::connect(key, &TKeyButton::StyleNameChanged, AWatcher,
                             [key] { TAccessibilityWatcher::ReportStyleChange(key); });
    } else if (AText.Speech == TSpeech::VariableValue) {
        if (auto* field = qobject_cast<QLineEdit*>(AControl)) AWatcher->WatchValueField(field);
    } else {
        AControl->setAccessibleName(SpokenName(AControl));
    }
    if (qobject_cast<QComboBox*>(AControl)) LabelForScreenReaders(AControl);
}

} // namespace

void ApplyAccessibility(QWidget* AWindow) {
    [[maybe_unused]] static const bool isFactoryInstalled = [] {
        QAccessible::installFactory(CreateAccessibleInterface);
        return true;
    }();

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
