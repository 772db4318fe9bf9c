// Start-up and shutdown: every stored setting reaches its control, and the window's state is
// written back when the window ends.
#include "ui/MainWinFixture.h"

#include "model/AppData.h"
#include "model/IniFile.h"

#include <QAction>
#include <QGraphicsOpacityEffect>
#include <QScreen>

namespace {

class StartupTest : public MainWinFixture {
protected:
    QAction* Action(const char* AName) { return Find<QAction>(AName); }
    bool IsShown(const char* AName) { return !Find<QWidget>(AName)->isHidden(); }
    // The settings as the file now holds them.
    TAppData Stored() const {
        TAppData data;
        data.ReadFrom(TIniFile::FromBytes(ReadSettings()));
        return data;
    }
};

TEST_F(StartupTest, StoredSettingsReachTheirControls) {
    StartForm("[Panel]\nNumber=2\nNumeric=0\nWindowScaleNumber=2\n"
              "[AnimateStyle]\nNumeric=2\nScientific=0\n"
              "[Display]\nTopMost=1\nTransparency=1\nGroupingSeparator=1\nRoundDecimal="
              "2\nRoundSelector=1\n"
              "[OptionButton]\nTitle5=\nExpression5=abc\nTitle14=T\nExpression14=1+1=\n"
              "[VariableButton]\nTitle1=r\nValue1=4\n");
    EXPECT_EQ(Form->PanelNumber(), 2);
    EXPECT_TRUE(IsShown("VariablePanel"));
    EXPECT_FALSE(IsShown("ScientificPanel"));
    EXPECT_FALSE(IsShown("ButtonPanel"));
    EXPECT_EQ(Form->NumericPanelStyle(), 2);
    EXPECT_EQ(Form->ScientificPanelStyle(), 0);
    EXPECT_EQ(Form->WindowScale(), 2);
    EXPECT_EQ(Form->height(), 264) << "page only at 1.1: 1.1 × 240";
    EXPECT_TRUE(Form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(Action("TopMostMenuItem")->isChecked());
    EXPECT_TRUE(Form->Transparency());
    EXPECT_TRUE(Action("TransparencyMenuItem")->isChecked());
    EXPECT_TRUE(Form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(IsShown("MemoryButton"));
    EXPECT_TRUE(Form->DigitGroupingSeparator());
    EXPECT_TRUE(Action("DigitGroupingSeparatorItem")->isChecked());
    EXPECT_EQ(Form->CurrentRoundDecimal(), 2);
    EXPECT_EQ(Find<QComboBox>("RoundCombo")->currentText(), u"0.00"_qs);
    EXPECT_EQ(ResultText(), u"0.00"_qs) << "the list's change shows zero in the chosen format";
    EXPECT_EQ(Form->CurrentRoundSelector(), rsCut);
    EXPECT_TRUE(Action("RoundCutOffItem")->isChecked());
    EXPECT_EQ(Find<QLabel>("RoundSelectorLabel")->text(), u"CUT"_qs);
    EXPECT_EQ(Find<QAbstractButton>("Option5Btn")->text(), u"abc"_qs)
        << "an empty title shows the command";
    EXPECT_EQ(Find<QAbstractButton>("Option14Btn")->text(), u"T"_qs);
    EXPECT_EQ(Find<QAbstractButton>("Option6Btn")->text(), u"税抜"_qs)
        << "missing keys keep their defaults";
    EXPECT_EQ(Find<QAbstractButton>("Variable1Btn")->text(), u"r"_qs);
    EXPECT_EQ(Find<QLineEdit>("VariableData1Edit")->text(), u"4"_qs);
    EXPECT_EQ(Find<QLineEdit>("VariableData2Edit")->text(), u"0"_qs);
}

TEST_F(StartupTest, HexStoredShowsNormalInTheListButDisplaysHex) {
    StartForm("[Display]\nRoundDecimal=-16\n");
    EXPECT_EQ(Form->CurrentRoundDecimal(), -16);
    EXPECT_EQ(Find<QComboBox>("RoundCombo")->currentText(), u"Normal"_qs);
    SetLine(u"255"_qs);
    Enter();
    EXPECT_EQ(ResultText(), u"0xFF"_qs);
}

TEST_F(StartupTest, NoFileGivesTheDefaultsAndTheFirstExitWritesEveryKey) {
    EXPECT_TRUE(ReadSettings().isEmpty()) << "nothing is written at start-up";
    EXPECT_TRUE(IsShown("ScientificPanel"));
    EXPECT_TRUE(IsShown("ButtonPanel"));
    EXPECT_EQ(Form->size(), QSize(344, 448));
    EXPECT_FALSE(Form->testAttribute(Qt::WA_Moved)) << "the system places the window";
    EXPECT_EQ(Form->CurrentRoundDecimal(), -1);
    Form.reset();
    const QByteArray written = ReadSettings();
    for (const char* key : {"[Program]",
                            "Left=",
                            "Top=",
                            "[Panel]",
                            "Number=0",
                            "Scientific=1",
                            "Numeric=1",
                            "[AnimateStyle]",
                            "WindowScaleNumber=0",
                            "[Display]",
                            "TopMost=0",
                            "Transparency=0",
                            "AlwaysDisplayHistoryPanel=0",
                            "GroupingSeparator=0",
                            "RoundDecimal=-1",
                            "RoundSelector=0",
                            "[OptionButton]",
                            "Title5=税込",
                            "Expression5=[]*1.08@DP0=",
                            "Width14=57",
                            "[VariableButton]",
                            "Title6=V6",
                            "Value6=0"})
        EXPECT_TRUE(written.contains(key)) << key;
}

TEST_F(StartupTest, TheWindowsStateIsWrittenBackWhenItEnds) {
    StartForm("[Panel]\nNumber=1\nScientific=0\n[Display]\nRoundSelector=2\n");
    Find<QAbstractButton>("Variable2Btn")->setText(u"rate"_qs); // as leaving rename mode does
    Find<QLineEdit>("VariableData2Edit")->setText(u"0.08"_qs);
    SetLine(u"1234.5"_qs);
    Enter();
    Find<QAction>("DigitGroupingSeparatorItem")->trigger();
    Form->move(40, 30);
    Form.reset();
    const TAppData stored = Stored();
    EXPECT_EQ(stored.PanelNumber, 0) << "a hidden scientific area stores page 0";
    EXPECT_FALSE(stored.IsScientificKey);
    EXPECT_TRUE(stored.IsDigitGroupingSeparator);
    EXPECT_EQ(stored.RoundSelector, rsUp);
    EXPECT_EQ(stored.Left, 40);
    EXPECT_EQ(stored.Top, 30);
    EXPECT_EQ(stored.VariableButtonData().GetTitle(2), u"rate"_qs);
    EXPECT_EQ(stored.VariableButtonData().GetValue(2), u"0.08"_qs);

    StartForm();
    EXPECT_EQ(Form->pos(), QPoint(40, 30)) << "a position read and written back does not drift";
    EXPECT_EQ(Find<QAbstractButton>("Variable2Btn")->text(), u"rate"_qs);
    EXPECT_TRUE(Form->ExpressionHistory().empty()) << "the history is not kept";
    Form.reset();
    EXPECT_EQ(Stored().Left, 40);
}

TEST_F(StartupTest, VisiblePageIsStored) {
    StartForm("[Panel]\nNumber=1\n");
    EXPECT_TRUE(IsShown("Option1Panel"));
    Form.reset();
    EXPECT_EQ(Stored().PanelNumber, 1);
}

TEST_F(StartupTest, StoredPositionIsUsedOnlyWhereAScreenShowsTheWindow) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    StartForm("[Program]\nLeft=0\nTop=0\n");
    EXPECT_EQ(Form->pos(), QPoint(0, 0));
    StartForm(QStringLiteral("[Program]\nLeft=%1\nTop=%2\n")
                  .arg(screen.right() + 500)
                  .arg(screen.bottom() + 500)
                  .toUtf8());
    EXPECT_TRUE(Form->geometry().intersects(screen))
        << "a window nobody could reach is placed by the system";
    StartForm("[Program]\nLeft=-5\nTop=100\n");
    EXPECT_FALSE(Form->testAttribute(Qt::WA_Moved))
        << "a negative left edge means no stored position";
}

// A stored position that leaves part of the window off its screen is moved just far enough
// for the whole window, at the size it opens with, to lie within the screen's available area.
TEST_F(StartupTest, StoredPositionIsMovedWhollyOntoTheScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        const char* Name;
        QPoint Stored;
        QByteArray More; // further settings
    };
    const Case cases[] = {
        {"past the bottom right", area.bottomRight() - QPoint(100, 100), {}},
        {"above the top", QPoint(area.left() + 30, area.top() - 200), {}},
        {"past the right, docked history", QPoint(area.right() - 400, area.top() + 20),
         "[Display]\nAlwaysDisplayHistoryPanel=1\n"},
        {"past the bottom, zoomed", QPoint(area.left() + 10, area.bottom() - 300),
         "[Panel]\nWindowScaleNumber=2\n"},
    };
    for (const Case& c : cases) {
        StartForm(QStringLiteral("[Program]\nLeft=%1\nTop=%2\n")
                      .arg(c.Stored.x())
                      .arg(c.Stored.y())
                      .toUtf8() +
                  c.More);
        const QRect frame = Form->frameGeometry();
        EXPECT_TRUE(area.contains(frame)) << c.Name;
        const bool isPastRight = c.Stored.x() + frame.width() > area.right() + 1;
        const bool isPastBottom = c.Stored.y() + frame.height() > area.bottom() + 1;
        const QPoint expected(isPastRight ? area.right() + 1 - frame.width() : c.Stored.x(),
                              isPastBottom                ? area.bottom() + 1 - frame.height()
                              : c.Stored.y() < area.top() ? area.top()
                                                          : c.Stored.y());
        EXPECT_EQ(Form->pos(), expected) << c.Name << ": moved as little as needed";
    }
}

// A position the window system cannot hold (16 bits) is no stored position: the system places
// the window, and the position it chose is what the next start finds.
TEST_F(StartupTest, PositionsPastTheWindowSystemLetTheSystemPlaceTheWindow) {
    for (const char* stored :
         {"[Program]\nLeft=2147483647\nTop=2147483647\n", "[Program]\nLeft=2147483000\nTop=0\n",
          "[Program]\nLeft=40000\nTop=40000\n"}) {
        StartForm(stored);
        EXPECT_FALSE(Form->testAttribute(Qt::WA_Moved)) << stored;
        const QPoint placed = Form->pos();
        Form.reset();
        EXPECT_EQ(QPoint(Stored().Left, Stored().Top), placed) << stored;
    }
    StartForm("[Program]\nLeft=0\nTop=-2147483648\n");
    EXPECT_EQ(Form->pos(), QPoint(0, 0))
        << "a top past them is the default top (-1), which the screen's edge brings to 0";
}

TEST_F(StartupTest, SwitchMovesTheFileToThePerUserFolder) {
    Arguments = {u"/appdatafolder"_qs};
    StartForm();
    QFile::remove(SettingsPath()); // written by the window the test started with
    const QString userFile = SettingsDir.filePath(u"config/Orvelmont/Zemtrix/Zemtrix.ini"_qs);
    EXPECT_EQ(Form->SettingsFileName(), userFile);
    Form.reset();
    EXPECT_TRUE(QFile::exists(userFile));
    EXPECT_FALSE(QFile::exists(SettingsPath())) << "the file beside the program is untouched";
}

TEST_F(StartupTest, UnusableOptionWidthsFallBackToTheDesignWidth) {
    StartForm("[OptionButton]\nWidth1=-40\nWidth2=5000\nWidth3=80\n");
    EXPECT_EQ(Find<QWidget>("Option1Btn")->width(), 57);
    EXPECT_EQ(Find<QWidget>("Option2Btn")->width(), 57);
    EXPECT_EQ(Find<QWidget>("Option3Btn")->width(), 80)
        << "a width a user could have stored is kept";
}

TEST_F(StartupTest, FailedWriteIsRaisedOnce) {
    StartForm();
    QFile::remove(SettingsPath());
    ASSERT_TRUE(QDir(SettingsDir.path()).mkdir(u"Zemtrix.ini"_qs))
        << "a folder where the file should be";
    EXPECT_THROW(Form->FormDestroy(), EIniFileWriteError);
    EXPECT_NO_THROW(Form->FormDestroy()) << "shutdown runs once";
}

} // namespace
