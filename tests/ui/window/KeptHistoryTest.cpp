// The history kept across runs when the user asks for it: the menu entry and its setting, the
// history file beside the settings file, what comes back at the next start, the cap, the history
// panel's Clear and Del, turning it off, and damaged files.
#include "ui/KeyboardSupport.h"
#include "ui/MainWinFixture.h"

#include "model/HistoryFile.h"

#include <QAction>
#include <QDir>
#include <QListView>
#include <QMenu>

#include <cstring>

namespace {

class KeptHistoryTest : public MainWinFixture {
protected:
    QString HistoryPath() const { return SettingsDir.filePath(u"Zemtrix.history"_qs); }
    QAction* Entry() const { return Find<QAction>("KeepHistoryItem"); }
    void Evaluate(const QString& AFormula, Qt::KeyboardModifiers AModifiers = {}) {
        SetLine(AFormula);
        Enter(AModifiers);
    }
    void WriteHistory(const QByteArray& AText) const {
        QFile file(HistoryPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(AText);
    }
    QStringList Formulas() const {
        QStringList formulas;
        for (const auto& entry : Form->ExpressionHistory()) formulas << entry->Expression();
        return formulas;
    }
    // The [Display] section of the settings file, as lines.
    QList<QByteArray> DisplaySection() const {
        const QByteArray settings = ReadSettings();
        const qsizetype start = settings.indexOf("[Display]");
        if (start < 0) return {};
        const qsizetype end = settings.indexOf("\n[", start);
        return settings.mid(start, end < 0 ? -1 : end - start).trimmed().split('\n');
    }
    void StartKeeping() {
        Entry()->trigger();
        ASSERT_TRUE(Entry()->isChecked());
    }
};

TEST_F(KeptHistoryTest, EntryFollowsTransparencyAndIsWrittenOnlyOnceUsed) {
    QStringList names;
    for (const QAction* action : Find<QMenu>("ExpressionPanelPopupMenu")->actions())
        names << action->objectName();
    const qsizetype at = names.indexOf(u"KeepHistoryItem"_qs);
    ASSERT_GT(at, 0);
    EXPECT_EQ(names[at - 1], u"TransparencyMenuItem"_qs);
    EXPECT_EQ(names[at + 1], u"MenuItem1"_qs);
    EXPECT_EQ(Entry()->text(), u"Keep history"_qs);
    EXPECT_TRUE(Entry()->isCheckable());
    EXPECT_FALSE(Entry()->isChecked());

    Evaluate(u"1+1"_qs);
    StartForm();
    EXPECT_FALSE(ReadSettings().contains("KeepHistory")) << "never used: the design's file";
    EXPECT_FALSE(QFile::exists(HistoryPath()));

    StartKeeping();
    StartForm();
    EXPECT_EQ(DisplaySection().last(), "KeepHistory=1") << "appended after the section's keys";
    EXPECT_TRUE(Entry()->isChecked());
    Entry()->trigger();
    StartForm();
    EXPECT_EQ(DisplaySection().last(), "KeepHistory=0");
    EXPECT_FALSE(Entry()->isChecked());
}

TEST_F(KeptHistoryTest, EveryEntryComesBackWholeAndInOrder) {
    StartKeeping();
    Evaluate(u"1/3"_qs);
    Form->InputExpression(u"@DP2="_qs); // two decimals for what follows
    Evaluate(u"２÷７ + ０"_qs);
    Evaluate(u"0.25"_qs, Qt::ShiftModifier);
    std::vector<TExpressionHistory> before;
    for (const auto& entry : Form->ExpressionHistory()) before.push_back(*entry);
    ASSERT_EQ(before.size(), 4u);

    StartForm();
    const auto& after = Form->ExpressionHistory();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(after[i]->Expression(), before[i].Expression());
        const long double value = after[i]->ResultValue(), expected = before[i].ResultValue();
        EXPECT_EQ(std::memcmp(&value, &expected, 10), 0) << "the same 80-bit number";
        EXPECT_EQ(after[i]->RoundDecimal(), before[i].RoundDecimal());
        EXPECT_EQ(after[i]->IsPercent(), before[i].IsPercent());
    }
    EXPECT_EQ(Find<QListView>("HistoryListBox")->model()->rowCount(), 4);
    Evaluate(u"ANS*4"_qs);
    EXPECT_EQ(ResultText(), u"1.00"_qs) << "ANS is the newest kept result";
}

TEST_F(KeptHistoryTest, OnlyTheNewestThousandAreKept) {
    QByteArray text = "Zemtrix history 1\n";
    for (int n = 1; n <= 1200; ++n)
        text += QByteArray::number(n) + "\t" + QByteArray::number(n) + "\t-1\t0\n";
    WriteHistory(text);
    StartForm("[Display]\nKeepHistory=1\n");
    ASSERT_EQ(Form->ExpressionHistory().size(), 1000u);
    EXPECT_EQ(Formulas().first(), u"1"_qs);
    EXPECT_EQ(Formulas().last(), u"1000"_qs);
    Evaluate(u"0+0"_qs);
    StartForm();
    ASSERT_EQ(Form->ExpressionHistory().size(), 1000u);
    EXPECT_EQ(Formulas().first(), u"0+0"_qs);
    EXPECT_EQ(Formulas().last(), u"999"_qs) << "the oldest goes";
}

TEST_F(KeptHistoryTest, ClearAndDelActOnTheKeptHistory) {
    StartKeeping();
    for (const char16_t* formula : {u"1+1", u"2+2", u"3+3"}) Evaluate(QString::fromUtf16(formula));
    PressKey(Qt::Key_F3);
    auto* list = Find<QListView>("HistoryListBox");
    list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
    Click("HistoryPanelDelBtn");
    StartForm();
    EXPECT_EQ(Formulas(), (QStringList{u"3+3"_qs, u"1+1"_qs}));
    PressKey(Qt::Key_F3);
    Click("HistoryPanelClearBtn");
    StartForm();
    EXPECT_TRUE(Form->ExpressionHistory().empty());
    EXPECT_TRUE(QFile::exists(HistoryPath())) << "an empty history is still kept";
}

TEST_F(KeptHistoryTest, TurningItOffDeletesTheFileAtTheNextShutdown) {
    StartKeeping();
    Evaluate(u"6*7"_qs);
    StartForm();
    ASSERT_TRUE(QFile::exists(HistoryPath()));
    Entry()->trigger();
    EXPECT_TRUE(QFile::exists(HistoryPath())) << "until the shutdown";
    StartForm();
    EXPECT_FALSE(QFile::exists(HistoryPath()));
    EXPECT_TRUE(Form->ExpressionHistory().empty());
}

TEST_F(KeptHistoryTest, ADamagedOrForeignFileGivesWhatCouldBeRead) {
    struct TFile {
        const char* Name;
        QByteArray Text;
        QStringList Formulas;
    };
    const TFile files[] = {
        {"Truncated", "Zemtrix history 1\n1+1\t2\t-1\t0\n2+2\t4\t-1", {u"1+1"_qs}},
        {"Damaged lines",
         "Zemtrix history 1\n\x01\x02\xff\n5\t5\t-1\t0\nx\tnot a number\t-1\t0\n",
         {u"5"_qs}},
        {"Foreign", "PNG\r\n\x1a\n\0\0\0\rIHDR", {}},
        {"Empty", "", {}},
    };
    for (const TFile& file : files) {
        Form.reset(); // it writes its own history
        WriteHistory(file.Text);
        StartForm("[Display]\nKeepHistory=1\n");
        EXPECT_EQ(Formulas(), file.Formulas) << file.Name;
        Evaluate(u"2*3"_qs);
        EXPECT_EQ(ResultText(), u"6"_qs) << file.Name << ": the window works";
    }
}

TEST_F(KeptHistoryTest, AFolderInTheFilesPlaceLeavesTheSettingsWritten) {
    ASSERT_TRUE(QDir(SettingsDir.path()).mkdir(u"Zemtrix.history"_qs));
    StartForm("[Display]\nKeepHistory=1\n");
    EXPECT_TRUE(Form->ExpressionHistory().empty());
    Evaluate(u"1+2"_qs);
    Find<QAction>("DigitGroupingSeparatorItem")->trigger();
    EXPECT_THROW(Form->FormDestroy(), EIniFileWriteError);
    EXPECT_TRUE(ReadSettings().contains("GroupingSeparator=1"))
        << "a history that cannot be written leaves the settings written";
}

} // namespace
