// The scientific page on its own: each key asks for the text it stands for, shaped by inv, hyp and
// the angle unit; the arrows ask for a turn; restyling the page keeps the modifiers' look.
#include "ui/pages/PageAloneFixture.h"

#include "ui/pages/ScientificPage.h"
#include "ui/widgets/Controls.h"

#include <QComboBox>

namespace {

class ScientificPageAloneTest : public PageAloneFixture<TScientificPage> {
protected:
    void SetUp() override { Show(new TScientificPage(&Host)); }
    // The texts the clicks on AKeys ask for, in order.
    QStringList TextsOf(std::initializer_list<const char*> AKeys) {
        QSignalSpy chosen(Page, &TScientificPage::TextChosen);
        for (const char* key : AKeys) Click(key);
        QStringList texts;
        for (const QList<QVariant>& signal : chosen) texts << signal[0].toString();
        return texts;
    }
};

TEST_F(ScientificPageAloneTest, KeysAskForTheirTextShapedByInvHypAndTheUnit) {
    EXPECT_EQ(TextsOf({"SinBtn", "SqrtBtn", "ExpBtn", "LogBtn", "LnBtn", "FactBtn", "EBtn",
                       "Power2Btn", "PowerBtn", "PiBtn"}),
              (QStringList{u"sin("_qs, u"sqrt("_qs, u"exp("_qs, u"log("_qs, u"ln("_qs, u"fact("_qs,
                           u"E"_qs, u"^2"_qs, u"^"_qs, u"pi"_qs}));
    Find<QComboBox>("DegCombo")->setCurrentIndex(1);
    EXPECT_EQ(TextsOf({"CosBtn", "InvBtn", "TanBtn"}), (QStringList{u"cosr("_qs, u"atanr("_qs}))
        << "the modifier keys ask for nothing";
    Find<QComboBox>("DegCombo")->setCurrentIndex(2);
    EXPECT_EQ(TextsOf({"HypBtn", "SinBtn", "InvBtn", "CosBtn"}),
              (QStringList{u"asinh("_qs, u"cosh("_qs}))
        << "hyperbolic functions take no unit";
    EXPECT_FALSE(Page->IsInverse());
    EXPECT_TRUE(Page->IsHyperbolic());
}

TEST_F(ScientificPageAloneTest, ArrowsAskForATurnAndRestylingKeepsTheModifiers) {
    QSignalSpy turns(Page, &TKeypadPage::TurnRequested);
    QTest::mouseClick(Find("ScientificPanelLeftBtn"), Qt::LeftButton);
    QTest::mouseClick(Find("ScientificPanelRightBtn"), Qt::LeftButton);
    ASSERT_EQ(turns.size(), 2);
    EXPECT_EQ(turns[0][0].toInt(), TKeypadPage::TurnLeft);
    EXPECT_EQ(turns[1][0].toInt(), TKeypadPage::TurnRight);

    Click("InvBtn");
    Page->ApplyKeyStyles();
    EXPECT_EQ(StyleName(Find("InvBtn")), u"InvBtnPushStyle"_qs);
    EXPECT_EQ(StyleName(Find("HypBtn")), u"InvBtnStyle"_qs);
    EXPECT_EQ(StyleName(Find("SinBtn")), u"TrigInvBtnStyle"_qs);
    EXPECT_EQ(StyleName(Find("PiBtn")), u"KeyBtnStyle"_qs);
    EXPECT_EQ(StyleName(Find("EBtn")), u"KeyBtnStyle"_qs) << "the design style gives way";
    EXPECT_EQ(StyleName(Find<QWidget>("DegCombo")), u"RoundComboStyle"_qs);
}

} // namespace
