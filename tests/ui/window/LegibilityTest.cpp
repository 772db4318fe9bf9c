// What the window shows can be read: every key's caption fits its key at every zoom step, the
// open lists show their current entry legibly, and the control with the focus is marked.
#include "ui/MainWinFixture.h"

#include "model/WindowLayout.h"
#include "ui/widgets/Controls.h"

#include <QAbstractItemView>

namespace {

class LegibilityTest : public MainWinFixture {
protected:
    void ExpectEveryCaptionFits(int AStep) {
        StartForm(QStringLiteral("[Panel]\nWindowScaleNumber=%1\n").arg(AStep).toUtf8());
        const QList<TKeyButton*> keys = Form->findChildren<TKeyButton*>();
        ASSERT_FALSE(keys.isEmpty());
        for (TKeyButton* key : keys) {
            key->ensurePolished();
            const int room = key->CaptionRect().width();
            EXPECT_LE(key->DrawnCaptionWidth(), room)
                << key->objectName().toStdString() << " \"" << key->text().toStdString()
                << "\" at step " << AStep;
            EXPECT_GE(key->CaptionFont().pixelSize(), key->font().pixelSize() * 3 / 4)
                << key->objectName().toStdString() << " keeps most of its size at step " << AStep;
            // Only the two longest header captions are cut short, and only at the lowest step
            // ("Scientifi…", "Numeric…"), rather than drawn 3 pixels high.
            const bool mayBeElided =
                AStep == WindowLayout::LowestScaleStep &&
                (key->objectName() == u"ScientificKeyBtn" || key->objectName() == u"NumericKeyBtn");
            if (!mayBeElided) {
                EXPECT_FALSE(key->IsCaptionElided())
                    << key->objectName().toStdString() << " at step " << AStep;
            }
        }
    }
};

TEST_F(LegibilityTest, EveryCaptionFitsItsKeyAtEveryScale) {
    for (const int step : {0, -12, 10}) ExpectEveryCaptionFits(step);
}

TEST_F(LegibilityTest, CaptionsThatFitKeepTheKeysFont) {
    auto* key = Find<TKeyButton>("Digit7Btn");
    EXPECT_EQ(key->CaptionFont(), key->font());
    key->setText(u"[]*1.08@DP0=[]*1.08@DP0="_qs);
    EXPECT_LT(key->CaptionFont().pixelSize(), key->font().pixelSize())
        << "a long caption is drawn smaller";
}

// The current entry of an open list is white on the focus blue, not dark on black.
TEST_F(LegibilityTest, OpenListsShowTheCurrentEntryLegibly) {
    for (const char* name : {"RoundCombo", "DegCombo"}) {
        auto* combo = Find<QComboBox>(name);
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        ASSERT_TRUE(list->isVisible()) << name;
        const QModelIndex current = list->model()->index(1, 0);
        list->setCurrentIndex(current);
        const QRect row = list->visualRect(current);
        const QImage picture = list->viewport()->grab().toImage();
        const QColor background = picture.pixelColor(row.right() - 2, row.center().y());
        EXPECT_EQ(background, QColor(0x00, 0x5A, 0xCC)) << name;
        int lightPixels = 0;
        for (int x = row.left(); x < row.right(); ++x)
            for (int y = row.top(); y <= row.bottom(); ++y)
                if (QColor(picture.pixelColor(x, y)).lightness() > 200) ++lightPixels;
        EXPECT_GT(lightPixels, 5) << name << ": the entry's text is drawn light";
        combo->hidePopup();
    }
}

// Pixels of the focus blue (#005ACC, alone or blended a little with what is under it).
int FocusBluePixels(const QImage& APicture) {
    int count = 0;
    for (int y = 0; y < APicture.height(); ++y)
        for (int x = 0; x < APicture.width(); ++x) {
            const QColor c = APicture.pixelColor(x, y);
            if (c.blue() > 150 && c.blue() - c.red() > 90 && c.blue() - c.green() > 40) ++count;
        }
    return count;
}

// Every control that takes the focus looks different with it, at the smallest, the design and a
// large zoom step; the header keys, the lists and the line (whose design has no focus glow) show
// the focus blue.
TEST_F(LegibilityTest, EveryControlThatTakesTheFocusShowsIt) {
    const QStringList marked = {u"ScientificKeyBtn"_qs, u"NumericKeyBtn"_qs, u"MemoryButton"_qs,
                                u"RoundCombo"_qs,       u"DegCombo"_qs,      u"ExpressionEdit"_qs};
    for (const int step : {-12, 0, 10}) {
        StartForm(QStringLiteral("[Panel]\nWindowScaleNumber=%1\n").arg(step).toUtf8());
        Find<QWidget>("VariablePanel")->show(); // its fields too
        int seen = 0;
        for (QWidget* control : Form->findChildren<QWidget*>()) {
            if (!control->isVisible() || control->window() != Form.get() ||
                !(control->focusPolicy() & Qt::TabFocus))
                continue;
            QWidget* elsewhere =
                Find<QWidget>(control->objectName() == u"ACBtn" ? "Digit0Btn" : "ACBtn");
            elsewhere->setFocus();
            const QImage without = control->grab().toImage();
            control->setFocus();
            ASSERT_TRUE(control->hasFocus()) << control->objectName().toStdString();
            const QImage with = control->grab().toImage();
            const std::string what =
                control->objectName().toStdString() + " at step " + std::to_string(step);
            EXPECT_NE(with, without) << what << ": no focus mark";
            if (marked.contains(control->objectName())) {
                EXPECT_EQ(FocusBluePixels(without), 0) << what;
                EXPECT_GT(FocusBluePixels(with), control->width()) << what << ": no blue mark";
                ++seen;
            }
        }
        EXPECT_EQ(seen, marked.size()) << "at step " << step;
    }
}

} // namespace
