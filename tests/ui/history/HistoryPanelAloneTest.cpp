// The history panel on its own, without a window: over a local list of entries, its buttons and
// list keys either act on the list or tell what the user asked for through its signals.
#include "QtPrinters.h"
#include "ui/history/HistoryPanel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

class HistoryPanelAloneTest : public testing::Test {
protected:
    void SetUp() override {
        for (const auto& [formula, value] :
             {std::pair{u"10+2", 12.0L}, {u"1-4", -3.0L}, {u"9/2", 4.5L}, {u"5-5", 0.0L}}) {
            auto entry = std::make_unique<TExpressionHistory>();
            entry->SetExpression(QString::fromUtf16(formula));
            entry->SetResultValue(value);
            Entries.push_back(std::move(entry));
        }
        Host.resize(344, 448);
        Model = std::make_unique<THistoryListModel>(Entries, [](const TExpressionHistory& AEntry) {
            return QString::number(double(AEntry.ResultValue()));
        });
        Panel = new THistoryPanel(*Model, &Host);
        Panel->setGeometry(0, 0, 344, 448);
        Panel->show();
        Host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Host));
        Panel->ShowNewestEntry(true);
    }

    QListView* List() { return Panel->findChild<QListView*>(u"HistoryListBox"_qs); }
    void Click(const char* AName) {
        auto* button = Panel->findChild<QPushButton*>(QString::fromLatin1(AName));
        ASSERT_NE(button, nullptr) << AName;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void SelectRows(std::initializer_list<int> ARows) {
        List()->clearSelection();
        for (const int row : ARows)
            List()->selectionModel()->select(List()->model()->index(row, 0),
                                             QItemSelectionModel::Select);
    }
    QStringList Formulas() const {
        QStringList texts;
        for (const auto& entry : Entries) texts << entry->Expression();
        return texts;
    }

    THistoryEntries Entries;
    std::unique_ptr<THistoryListModel> Model;
    QWidget Host;
    THistoryPanel* Panel = nullptr;
};

TEST_F(HistoryPanelAloneTest, SumAndAveAskForTheFormulaOverTheSelectedResults) {
    QSignalSpy formulas(Panel, &THistoryPanel::FormulaChosen);
    SelectRows({0, 1, 2});
    Click("HistoryPanelSumBtn");
    Click("HistoryPanelAverageBtn");
    SelectRows({});
    Click("HistoryPanelSumBtn"); // nothing selected: nothing to ask for
    ASSERT_EQ(formulas.size(), 2);
    EXPECT_EQ(formulas[0][0].toString(), u"12 + (-3) + 4.5"_qs);
    EXPECT_EQ(formulas[1][0].toString(), u"(12 + (-3) + 4.5) ÷ 3"_qs);
    EXPECT_EQ(Entries.size(), 4u) << "the entries stay as they are";
}

TEST_F(HistoryPanelAloneTest, EditEnterAndDoubleClickChooseTheCurrentEntry) {
    QSignalSpy chosen(Panel, &THistoryPanel::EntryChosen);
    List()->setCurrentIndex(List()->model()->index(2, 0));
    Click("HistoryPanelEditBtn");
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_Return);
    const QRect row1 = List()->visualRect(List()->model()->index(1, 0));
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, row1.center());
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, row1.center());
    ASSERT_EQ(chosen.size(), 3);
    EXPECT_EQ(chosen[0][0].toInt(), 2);
    EXPECT_EQ(chosen[1][0].toInt(), 2);
    EXPECT_EQ(chosen[2][0].toInt(), 1);
    EXPECT_EQ(Formulas(), (QStringList{u"10+2"_qs, u"1-4"_qs, u"9/2"_qs, u"5-5"_qs}))
        << "moving the entry is the window's business";
}

TEST_F(HistoryPanelAloneTest, DelCopyClearAndCloseActOnTheListOrAsk) {
    QSignalSpy closing(Panel, &THistoryPanel::CloseRequested);
    SelectRows({1, 3});
    Click("HistoryPanelCopyBtn");
    EXPECT_EQ(QApplication::clipboard()->text(), u"-3\n0"_qs);
    Click("HistoryPanelDelBtn");
    EXPECT_EQ(Formulas(), (QStringList{u"10+2"_qs, u"9/2"_qs}));
    EXPECT_EQ(List()->model()->rowCount(), 2);
    Click("HistoryPanelSelectAllBtn");
    EXPECT_EQ(List()->selectionModel()->selectedRows().size(), 2);
    Click("HistoryPanelClearBtn");
    EXPECT_TRUE(Entries.empty());
    EXPECT_EQ(List()->model()->rowCount(), 0);
    Click("HistoryPanelCloseBtn");
    EXPECT_EQ(closing.size(), 1);
}

TEST_F(HistoryPanelAloneTest, AClosingSlideHandsTheFocusBackBeforeThePanelHides) {
    QSignalSpy leaving(Panel, &THistoryPanel::FocusLeaving);
    List()->setFocus();
    Panel->Close();
    ASSERT_TRUE(QTest::qWaitFor([this] { return Panel->isHidden(); }, 3000));
    EXPECT_EQ(leaving.size(), 1);
}

} // namespace
