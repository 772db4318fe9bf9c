// Up and Down through the history's formulas as shells do: the walk, the draft, edits and a
// history that changes between two steps.
#include "model/FormulaRecall.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// A line and the recall, driven as the window drives them: each key gets the formulas and the
// line's text, and a text handed back goes into the line.
class FormulaRecallTest : public testing::Test {
protected:
    QStringList Formulas{u"3*3"_qs, u"2+2"_qs, u"1+1"_qs}; // newest first
    QString Line;
    TFormulaRecall Recall;

    std::optional<QString> Up() { return Apply(Recall.Older(Formulas, Line)); }
    std::optional<QString> Down() { return Apply(Recall.Newer(Formulas, Line)); }

private:
    std::optional<QString> Apply(std::optional<QString> AText) {
        if (AText) Line = *AText;
        return AText;
    }
};

TEST_F(FormulaRecallTest, UpStepsBackNewestFirstAndDownForwardToTheDraft) {
    Line = u"12+"_qs;
    EXPECT_EQ(Up(), u"3*3"_qs);
    EXPECT_EQ(Up(), u"2+2"_qs);
    EXPECT_EQ(Up(), u"1+1"_qs);
    EXPECT_EQ(Up(), std::nullopt) << "nothing older: the line stays";
    EXPECT_EQ(Line, u"1+1"_qs);
    EXPECT_EQ(Down(), u"2+2"_qs);
    EXPECT_EQ(Down(), u"3*3"_qs);
    EXPECT_EQ(Down(), u"12+"_qs) << "past the newest the line gets back what was typed";
    EXPECT_FALSE(Recall.IsRecalling());
    EXPECT_EQ(Down(), std::nullopt);
    EXPECT_EQ(Up(), u"3*3"_qs) << "a new walk";
}

TEST_F(FormulaRecallTest, AnEmptyHistoryRecallsNothing) {
    Formulas.clear();
    Line = u"7"_qs;
    EXPECT_EQ(Up(), std::nullopt);
    EXPECT_EQ(Down(), std::nullopt);
    EXPECT_FALSE(Recall.IsRecalling());
    EXPECT_EQ(Line, u"7"_qs);
}

// Typing after a recall edits the recalled text; the next Up starts over with the edit as the
// draft.
TEST_F(FormulaRecallTest, AnEditEndsTheWalkAndBecomesTheDraft) {
    EXPECT_EQ(Up(), u"3*3"_qs);
    EXPECT_EQ(Up(), u"2+2"_qs);
    Line += u"*5"_qs;
    EXPECT_EQ(Down(), std::nullopt) << "the edit ended the walk";
    EXPECT_EQ(Line, u"2+2*5"_qs);
    EXPECT_EQ(Up(), u"3*3"_qs);
    EXPECT_EQ(Down(), u"2+2*5"_qs);
}

// Every step changes the line: a formula equal to the line's text, or an empty one, is passed
// over. Right after Enter the line holds the newest formula, so Up shows the one before it.
TEST_F(FormulaRecallTest, StepsPassOverFormulasThatWouldNotChangeTheLine) {
    Formulas = {u"2+2"_qs, u"2+2"_qs, u""_qs, u"1+1"_qs, u"2+2"_qs};
    Line = u"2+2"_qs;
    EXPECT_EQ(Up(), u"1+1"_qs);
    EXPECT_EQ(Up(), u"2+2"_qs);
    EXPECT_EQ(Up(), std::nullopt);
    EXPECT_EQ(Down(), u"1+1"_qs);
    EXPECT_EQ(Down(), u"2+2"_qs) << "the second entry; the empty one is passed over";
    EXPECT_TRUE(Recall.IsRecalling());
    EXPECT_EQ(Down(), u"2+2"_qs) << "the draft, the newest being the line's own text";
    EXPECT_FALSE(Recall.IsRecalling());

    Formulas = {u"5"_qs};
    Line = u"5"_qs;
    EXPECT_EQ(Up(), std::nullopt) << "only the line's own text: no walk starts";
    EXPECT_FALSE(Recall.IsRecalling());
}

// The walk keeps its place at the formula shown when entries come or go before it, and starts
// again from the newest when the formula shown is gone.
TEST_F(FormulaRecallTest, AHistoryChangedBetweenStepsKeepsThePlace) {
    Line = u"draft"_qs;
    EXPECT_EQ(Up(), u"3*3"_qs);
    EXPECT_EQ(Up(), u"2+2"_qs);
    Formulas.prepend(u"9-1"_qs);
    EXPECT_EQ(Up(), u"1+1"_qs) << "an entry added in front";
    Formulas.removeFirst();
    Formulas.removeFirst();
    EXPECT_EQ(Down(), u"2+2"_qs) << "newer entries removed";
    Formulas = {u"4/2"_qs, u"1+1"_qs};
    EXPECT_EQ(Up(), u"4/2"_qs) << "the formula shown was removed: from the newest again";
    Formulas.clear();
    EXPECT_EQ(Up(), std::nullopt);
    EXPECT_EQ(Down(), u"draft"_qs) << "the history cleared: the draft is still there";
}

TEST_F(FormulaRecallTest, ResetEndsTheWalkAsAnEvaluationDoes) {
    EXPECT_EQ(Up(), u"3*3"_qs);
    Recall.Reset();
    EXPECT_FALSE(Recall.IsRecalling());
    EXPECT_EQ(Down(), std::nullopt);
    Formulas.prepend(Line);
    EXPECT_EQ(Up(), u"2+2"_qs) << "the evaluated line is the newest formula";
    EXPECT_EQ(Down(), u"3*3"_qs) << "the evaluated line is the draft";
}

} // namespace
