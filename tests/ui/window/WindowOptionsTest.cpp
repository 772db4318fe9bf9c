// Window options: zoom steps and the client sizes they give, stay-on-top, the transparent mode,
// the home page and the about box.
#include "ui/MainWinFixture.h"

#include "model/WindowLayout.h"
#include "ui/window/AboutWin.h"

#include <QAction>
#include <QDesktopServices>
#include <QGraphicsOpacityEffect>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <functional>

namespace {

// Receives the addresses the program asks the desktop to open.
class TUrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> Urls;

public slots:
    void Open(const QUrl& AUrl) { Urls << AUrl; }
};

class WindowOptionsTest : public MainWinFixture {
protected:
    void ScaleKey(Qt::Key AKey) { Key(AKey, Qt::ShiftModifier | Qt::AltModifier); }
    QAction* Action(const char* AName) { return Find<QAction>(AName); }
    qreal OpacityOf(const char* AName) {
        auto* effect =
            qobject_cast<QGraphicsOpacityEffect*>(Find<QWidget>(AName)->graphicsEffect());
        return effect ? effect->opacity() : 1.0;
    }
    // Runs AWhileOpen once the next modal dialog is up, then lets ATrigger open it.
    void WithModalDialog(const std::function<void(QWidget*)>& AWhileOpen,
                         const std::function<void()>& ATrigger) {
        bool isSeen = false;
        QTimer::singleShot(0, Form.get(), [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            isSeen = true;
            AWhileOpen(dialog);
        });
        ATrigger();
        EXPECT_TRUE(isSeen);
    }
};

TEST_F(WindowOptionsTest, ScaleKeysGiveTheClientWidthsOfTheirSteps) {
    EXPECT_EQ(Form->size(), QSize(344, 448));
    for (int i = 0; i < 3; ++i) ScaleKey(Qt::Key_Up);
    EXPECT_EQ(Form->WindowScale(), 3);
    EXPECT_EQ(Form->size(), QSize(396, 515));
    EXPECT_EQ(Find<QWidget>("Digit7Btn")->width(), 66) << "the keys grow with the window";
    ScaleKey(Qt::Key_F12);
    EXPECT_EQ(Form->size(), QSize(344, 448));

    StartForm("[Panel]\nWindowScaleNumber=-11\n");
    EXPECT_EQ(Form->width(), 155);
    ScaleKey(Qt::Key_Down);
    EXPECT_EQ(Form->WindowScale(), -12);
    EXPECT_EQ(Form->width(), 138);
    ScaleKey(Qt::Key_Down);
    EXPECT_EQ(Form->WindowScale(), -12) << "-12 is the floor";
    EXPECT_EQ(Form->size(), QSize(138, 179));
}

// The window system holds 16-bit sizes: the keys stop at the highest step whose widest window
// fits, and a stored step past it reads as the design size. (Hidden windows: at these steps a
// shown one would draw a thousand million pixels.)
TEST_F(WindowOptionsTest, ScaleStepsStayWithinTheWindowSystem) {
    const int highest = WindowLayout::HighestScaleStep();
    Form.reset();
    WriteSettings(QStringLiteral("[Panel]\nWindowScaleNumber=%1\n").arg(highest).toUtf8());
    auto form = std::make_unique<TMainForm>(Location());
    ASSERT_EQ(form->WindowScale(), highest);
    const QSize largest = form->size();
    EXPECT_EQ(largest.width(), WindowLayout::ClientWidth(WindowLayout::ScaleOf(highest), false));
    QTest::keyClick(form.get(), Qt::Key_Up, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(form->WindowScale(), highest) << "a step past the window system does nothing";
    EXPECT_EQ(form->size(), largest);
    QTest::keyClick(form.get(), Qt::Key_F3, Qt::ShiftModifier);
    ASSERT_TRUE(form->AlwaysDisplayHistoryPanel());
    EXPECT_LE(form->width(), WindowLayout::LargestWindowCoordinate) << "docked at the highest step";
    QTest::keyClick(form.get(), Qt::Key_Down, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(form->WindowScale(), highest - 1);
    form.reset();

    for (const char* stored : {"1000", "100000000", "2147483647"}) {
        WriteSettings(QByteArray("[Panel]\nWindowScaleNumber=") + stored + "\n");
        form = std::make_unique<TMainForm>(Location());
        EXPECT_EQ(form->WindowScale(), 0) << stored;
        EXPECT_EQ(form->size(), QSize(344, 448)) << stored;
        form.reset();
    }
}

// Ctrl with plus (also "=" and the keypad's plus), minus and zero zooms as Shift+Alt with the
// arrows and F12 do, wherever the focus is; the line gets nothing typed.
TEST_F(WindowOptionsTest, CtrlPlusMinusAndZeroZoom) {
    struct Case {
        const char* Name;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        int Step; // from step 2
    };
    const Case cases[] = {
        {"Ctrl+Plus", Qt::Key_Plus, Qt::ControlModifier, 3},
        {"Ctrl+Shift+Plus", Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier, 3},
        {"Ctrl+=", Qt::Key_Equal, Qt::ControlModifier, 3},
        {"Ctrl+keypad plus", Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, 3},
        {"Ctrl+Minus", Qt::Key_Minus, Qt::ControlModifier, 1},
        {"Ctrl+keypad minus", Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier, 1},
        {"Ctrl+0", Qt::Key_0, Qt::ControlModifier, 0},
        {"Ctrl+keypad 0", Qt::Key_0, Qt::ControlModifier | Qt::KeypadModifier, 0},
    };
    for (const Case& c : cases) {
        StartForm("[Panel]\nWindowScaleNumber=2\n");
        SetLine(u"1"_qs);
        Key(c.Key, c.Modifiers);
        EXPECT_EQ(Form->WindowScale(), c.Step) << c.Name;
        EXPECT_EQ(Form->width(), WindowLayout::ClientSizeAt(c.Step, false, true, true).width())
            << c.Name;
        EXPECT_EQ(Line(), u"1"_qs) << c.Name;
        QTest::keyClick(Find<QWidget>("Digit7Btn"), c.Key, c.Modifiers);
        EXPECT_NE(Form->WindowScale(), 2) << c.Name << " on a key";
    }
}

// No zoom key makes the window larger than its screen's available area; a window made larger
// by a stored step still zooms out.
TEST_F(WindowOptionsTest, ZoomStopsWhereTheWindowWouldOutgrowItsScreen) {
    const QRect area = Form->screen()->availableGeometry();
    for (int i = 0; i < 30; ++i) Key(Qt::Key_Plus, Qt::ControlModifier);
    const int step = Form->WindowScale();
    EXPECT_GT(step, 0);
    EXPECT_LE(Form->frameGeometry().width(), area.width());
    EXPECT_LE(Form->frameGeometry().height(), area.height());
    EXPECT_GT(WindowLayout::ClientSizeAt(step + 1, false, true, true).height(), area.height())
        << "the next step would not fit";
    ScaleKey(Qt::Key_Up);
    EXPECT_EQ(Form->WindowScale(), step) << "the same for Shift+Alt+Up";

    StartForm("[Panel]\nWindowScaleNumber=20\n");
    ScaleKey(Qt::Key_Down);
    EXPECT_EQ(Form->WindowScale(), 19);
    Key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(Form->WindowScale(), 19) << "larger still does not fit";
    Key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(Form->WindowScale(), 18);
}

TEST_F(WindowOptionsTest, DoubleClickOnTheExpressionPanelResetsTheScale) {
    StartForm("[Panel]\nWindowScaleNumber=7\n");
    EXPECT_EQ(Form->width(), 464);
    auto* panel = Find<QWidget>("ExpressionPanel");
    QTest::mouseDClick(panel, Qt::LeftButton, {}, QPoint(5, panel->height() - 3));
    EXPECT_EQ(Form->WindowScale(), 0);
    EXPECT_EQ(Form->width(), 344);
}

TEST_F(WindowOptionsTest, HistoryBesideDoublesTheWidth) {
    StartForm("[Display]\nAlwaysDisplayHistoryPanel=1\n");
    EXPECT_EQ(Form->size(), QSize(688, 448));
    auto* history = Find<QWidget>("HistoryPanel");
    EXPECT_FALSE(history->isHidden());
    EXPECT_EQ(history->geometry(), QRect(344, 0, 344, 448));
    ScaleKey(Qt::Key_Up);
    ScaleKey(Qt::Key_Up);
    EXPECT_EQ(Form->size(), QSize(757, 493));
    EXPECT_EQ(history->geometry(), QRect(378, 0, 379, 493))
        << "the panel ends where the window does";
}

TEST_F(WindowOptionsTest, StyleSheetLengthsFollowTheScale) {
    auto* key = Find<QWidget>("Digit7Btn");
    const QString base = Form->styleSheet();
    EXPECT_TRUE(base.contains(u"border-radius: 3px"_qs));
    // Step 20 is larger than the test screen, which the zoom keys do not go past.
    StartForm("[Panel]\nWindowScaleNumber=20\n");
    key = Find<QWidget>("Digit7Btn");
    EXPECT_TRUE(Form->styleSheet().contains(u"border-radius: 6px"_qs));
    EXPECT_EQ(key->size(), QSize(114, 66));
    ScaleKey(Qt::Key_F12);
    EXPECT_EQ(Form->styleSheet(), base);
}

TEST_F(WindowOptionsTest, TopMostTwiceReturnsToANormalWindow) {
    Action("TopMostMenuItem")->trigger();
    EXPECT_TRUE(Form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(Action("TopMostMenuItem")->isChecked());
    EXPECT_TRUE(Form->isVisible());
    Action("TopMostMenuItem")->trigger();
    EXPECT_FALSE(Form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(Action("TopMostMenuItem")->isChecked());
    EXPECT_TRUE(Form->isVisible());
}

TEST_F(WindowOptionsTest, TransparencyOnAndOff) {
    const char* const halved[] = {"ButtonPanel",   "ScientificPanel", "Option1Panel",
                                  "VariablePanel", "HistoryPanel",    "ExpressionPanel",
                                  "DegCombo",      "RoundCombo"};
    const char* const hidden[] = {"ScientificKeyBtn", "NumericKeyBtn", "MemoryButton"};
    Action("TransparencyMenuItem")->trigger();
    EXPECT_TRUE(Form->Transparency());
    EXPECT_TRUE(Form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(Form->testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_TRUE(Form->isVisible());
    for (const char* name : halved) EXPECT_EQ(OpacityOf(name), 0.5) << name;
    for (const char* name : hidden) EXPECT_TRUE(Find<QWidget>(name)->isHidden()) << name;

    Action("TransparencyMenuItem")->trigger();
    EXPECT_FALSE(Form->Transparency());
    EXPECT_FALSE(Form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(Form->testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_FALSE(Form->testAttribute(Qt::WA_NoSystemBackground));
    for (const char* name : halved) EXPECT_EQ(OpacityOf(name), 1.0) << name;
    for (const char* name : hidden) EXPECT_FALSE(Find<QWidget>(name)->isHidden()) << name;
}

TEST_F(WindowOptionsTest, TransparentWindowIsMovedByDraggingTheExpressionPanel) {
    Action("TransparencyMenuItem")->trigger();
    Form->move(100, 100);
    auto* panel = Find<QWidget>("ExpressionPanel");
    const QPoint grip(5, panel->height() - 4);
    // The pointer's positions are given in the panel as it stood when the drag began.
    QTest::mousePress(panel, Qt::LeftButton, {}, grip);
    QTest::mouseMove(panel, grip + QPoint(60, 40));
    EXPECT_EQ(Form->pos(), QPoint(160, 140));
    QTest::mouseMove(panel, grip + QPoint(10, 5));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, grip + QPoint(10, 5));
    EXPECT_EQ(Form->pos(), QPoint(170, 145));

    Action("TransparencyMenuItem")->trigger();
    const QPoint framed = Form->pos();
    QTest::mousePress(panel, Qt::LeftButton, {}, grip);
    QTest::mouseMove(panel, grip + QPoint(60, 40));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, grip + QPoint(60, 40));
    EXPECT_EQ(Form->pos(), framed) << "a framed window is moved by its title bar only";
}

TEST_F(WindowOptionsTest, HomepageOpensTheMakersPage) {
    TUrlRecorder recorder;
    QDesktopServices::setUrlHandler(u"https"_qs, &recorder, "Open");
    Action("HomepageItem")->trigger();
    QDesktopServices::unsetUrlHandler(u"https"_qs);
    ASSERT_EQ(recorder.Urls.size(), 1);
    EXPECT_EQ(recorder.Urls[0], QUrl(QString::fromLatin1(TMainForm::HomepageUrl)));
}

// Where the desktop cannot open the address (here a handler without the method it names), a
// message says so and names the address.
TEST_F(WindowOptionsTest, HomepageThatCannotBeOpenedIsNamedInAMessage) {
    TUrlRecorder recorder;
    QDesktopServices::setUrlHandler(u"https"_qs, &recorder, "Missing");
    WithModalDialog(
        [](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
            EXPECT_TRUE(box->text().contains(QString::fromLatin1(TMainForm::HomepageUrl)))
                << box->text().toStdString();
            box->close();
        },
        [this] { Action("HomepageItem")->trigger(); });
    QDesktopServices::unsetUrlHandler(u"https"_qs);
    EXPECT_TRUE(recorder.Urls.isEmpty());
}

TEST_F(WindowOptionsTest, AboutBoxIsFreshEachTimeAndClosesWithEscapeOrItsButton) {
    WithModalDialog(
        [](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(),
                      u"About Zemtrix"_qs); // Japanese in tests/ui/window/TranslationTest
            EXPECT_EQ(dialog->size(), QSize(282, 183));
            EXPECT_EQ(dialog->findChild<QLabel*>(u"Label1"_qs)->text(), u"Zemtrix"_qs);
            EXPECT_EQ(dialog->findChild<QLabel*>(u"Label1"_qs)->pos(), QPoint(99, 24));
            EXPECT_EQ(dialog->findChild<QLabel*>(u"Label2"_qs)->text(), u"Ver.2"_qs);
            EXPECT_EQ(dialog->findChild<QLabel*>(u"Label3"_qs)->pos(), QPoint(56, 104));
            auto* close = dialog->findChild<QPushButton*>(u"Button1"_qs);
            EXPECT_EQ(close->text(), u"Close"_qs);
            EXPECT_EQ(close->geometry(), QRect(101, 144, 80, 22));
            EXPECT_TRUE(close->isDefault());
            QTest::keyClick(dialog, Qt::Key_Escape);
        },
        [this] { Action("About")->trigger(); });
    EXPECT_TRUE(Form->findChildren<TAboutForm*>().isEmpty()) << "the box is freed when it closes";
    WithModalDialog([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); },
                    [this] { Action("About")->trigger(); });
    WithModalDialog(
        [](QWidget* dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton*>(u"Button1"_qs), Qt::LeftButton);
        },
        [this] { Action("About")->trigger(); });
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace

#include "WindowOptionsTest.moc"
