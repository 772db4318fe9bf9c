// The window under a locale whose decimal separator is ",": typed formulas, a copied result
// pasted back and variable values read "," as the decimal point, besides ".".
#include "ui/KeyboardSupport.h"
#include "ui/MainWinFixture.h"

#include <QClipboard>
#include <QLocale>

namespace {

class DecimalCommaTest : public MainWinFixture {
protected:
    void SetUp() override {
        ASSERT_EQ(QLocale::system().decimalPoint(), u","_qs) << "the binary's main sets de_DE";
        MainWinFixture::SetUp();
    }
    void Evaluate(const QString& AFormula) {
        SetLine(QString());
        Type(AFormula);
        Enter();
    }
};

TEST_F(DecimalCommaTest, TypedFormulasReadTheCommaAndThePoint) {
    Evaluate(u"1,5*2"_qs);
    EXPECT_EQ(ResultText(), u"3"_qs);
    Evaluate(u"0,5+0.25"_qs);
    EXPECT_EQ(ResultText(), u"0,75"_qs);
    Evaluate(u"1,5.2"_qs);
    EXPECT_EQ(ResultText(), u"Error"_qs) << "two separators in one number";
    Evaluate(u"1.5,2"_qs);
    EXPECT_EQ(ResultText(), u"Error"_qs);
}

TEST_F(DecimalCommaTest, ACopiedResultPastedBackEvaluates) {
    Evaluate(u"1/4"_qs);
    ASSERT_EQ(ResultText(), u"0,25"_qs);
    PressKey(Qt::Key_F5);
    ASSERT_EQ(QGuiApplication::clipboard()->text(), u"0,25"_qs);
    SetLine(u"4*"_qs);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Line(), u"4*0,25"_qs);
    Enter();
    EXPECT_EQ(ResultText(), u"1"_qs);

    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Line(), u"0,25"_qs) << "the paste replaces the evaluated line";
    Enter();
    EXPECT_EQ(ResultText(), u"0,25"_qs);
    EXPECT_EQ(Form->ExpressionHistory().front()->ResultValue(), 0.25L);
}

// Grouped numbers are joined with this locale's "." groups and "," decimals.
TEST_F(DecimalCommaTest, PastingJoinsThisLocalesDigitGroups) {
    struct Case {
        QString Pasted;
        QString Line;
        QString Result;
    };
    for (const Case& c : {Case{u"1.234,5*2"_qs, u"1234,5*2"_qs, u"2469"_qs},
                          Case{u"1.000.000/4"_qs, u"1000000/4"_qs, u"250000"_qs},
                          Case{u"1.5"_qs, u"1.5"_qs, u"1,5"_qs}}) {
        SetLine(QString());
        QGuiApplication::clipboard()->setText(c.Pasted);
        Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Line(), c.Line);
        Enter();
        EXPECT_EQ(ResultText(), c.Result) << c.Pasted.toStdString();
    }
}

TEST_F(DecimalCommaTest, VariableValuesReadTheComma) {
    PressKey(Qt::Key_F9);
    auto* value = Find<QLineEdit>("VariableData1Edit");
    value->setFocus();
    value->selectAll();
    TypeText(value, u"2,5"_qs);
    Evaluate(u"V1*2"_qs);
    EXPECT_EQ(ResultText(), u"5"_qs);
}

} // namespace

// The locale is chosen before the application reads it, whatever the test runner's environment.
int main(int argc, char** argv) {
    qputenv("LC_ALL", "de_DE.UTF-8");
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
