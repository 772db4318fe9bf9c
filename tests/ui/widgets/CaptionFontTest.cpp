// The embedded caption font: registered with the window, listed as a fallback of the window's
// fonts, and holding every non-ASCII character that the window and its about box show.
#include "model/Translation.h"
#include "ui/MainWinFixture.h"

#include "ui/widgets/CaptionFont.h"
#include "ui/widgets/Controls.h"
#include "ui/window/AboutWin.h"

#include <QAction>
#include <QFile>
#include <QFontDatabase>
#include <QMenu>
#include <QRawFont>

#include <set>

namespace {

class CaptionFontTest : public MainWinFixture {
protected:
    // Every text the window draws by itself: captions, entries, menu entries, titles, tooltips
    // and the texts it puts into its fields (the option buttons' definitions included).
    static QStringList ShownTexts(const QWidget* AWindow) {
        QStringList texts{AWindow->windowTitle(), AWindow->toolTip()};
        for (const QWidget* widget : AWindow->findChildren<QWidget*>()) {
            texts << widget->windowTitle() << widget->toolTip();
            if (auto* button = qobject_cast<const QAbstractButton*>(widget))
                texts << button->text();
            if (auto* label = qobject_cast<const QLabel*>(widget)) texts << label->text();
            if (auto* edit = qobject_cast<const QLineEdit*>(widget)) texts << edit->text();
            if (auto* combo = qobject_cast<const QComboBox*>(widget))
                for (int index = 0; index < combo->count(); ++index)
                    texts << combo->itemText(index);
            if (auto* menu = qobject_cast<const QMenu*>(widget))
                for (const QAction* action : menu->actions()) texts << action->text();
        }
        return texts;
    }

    static std::set<char32_t> NonAsciiCharacters(const QStringList& ATexts) {
        std::set<char32_t> characters;
        for (const QString& text : ATexts)
            for (char32_t c : text.toUcs4())
                if (c > 0x7F) characters.insert(c);
        return characters;
    }
};

TEST_F(CaptionFontTest, HoldsEveryNonAsciiCharacterTheWindowShows) {
    QStringList texts = ShownTexts(Form.get());
    // The about box as the design has it, in Japanese (its texts are the Japanese translation's).
    ASSERT_EQ(InstallTranslations({u"ja"_qs}), u"ja"_qs);
    {
        TAboutForm about(Form.get());
        texts << ShownTexts(&about);
    }
    InstallTranslations({});
    const std::set<char32_t> characters = NonAsciiCharacters(texts);
    ASSERT_TRUE(characters.count(U'＋') && characters.count(U'税') && characters.count(U'閉'))
        << "the texts of the keys, the option buttons and the about box are all collected";

    for (const QString& file : CaptionFontFiles()) {
        QFile face(file);
        ASSERT_TRUE(face.open(QIODevice::ReadOnly)) << file.toStdString();
        const QRawFont font(face.readAll(), 16);
        ASSERT_TRUE(font.isValid()) << file.toStdString();
        EXPECT_EQ(font.familyName(), QString::fromLatin1(CaptionFontFamily));
        for (char32_t c : characters)
            EXPECT_TRUE(font.supportsCharacter(c))
                << file.toStdString() << " lacks U+" << std::hex << std::uppercase << unsigned(c)
                << ": run scripts/subset-caption-font.py";
    }
}

// What a Japanese input method types: the full-width forms of ASCII and the ideographic space.
TEST_F(CaptionFontTest, HoldsTheFullWidthFormsTypedThroughAnInputMethod) {
    for (const QString& file : CaptionFontFiles()) {
        QFile face(file);
        ASSERT_TRUE(face.open(QIODevice::ReadOnly)) << file.toStdString();
        const QRawFont font(face.readAll(), 16);
        ASSERT_TRUE(font.isValid()) << file.toStdString();
        for (char32_t c = U'！'; c <= U'～'; ++c)
            EXPECT_TRUE(font.supportsCharacter(c))
                << file.toStdString() << " lacks U+" << std::hex << std::uppercase << unsigned(c);
        EXPECT_TRUE(font.supportsCharacter(U'\u3000')) << file.toStdString();
    }
}

TEST_F(CaptionFontTest, RegisteredInBothWeightsAndListedAsFallback) {
    EXPECT_TRUE(RegisterCaptionFont());
    const QString family = QString::fromLatin1(CaptionFontFamily);
    ASSERT_TRUE(QFontDatabase::families().contains(family));
    EXPECT_TRUE(QFontDatabase::styles(family).contains(u"Regular"_qs));
    EXPECT_TRUE(QFontDatabase::styles(family).contains(u"Bold"_qs));
    for (const char* name : {"PlusBtn", "EnterBtn", "Option5Btn", "ExpressionEdit", "ResultLabel"})
        EXPECT_TRUE(Find<QWidget>(name)->font().families().contains(family)) << name;
    // Typed text keeps the system's Japanese fonts; the embedded one comes after them.
    const QStringList families = Find<QWidget>("ExpressionEdit")->font().families();
    EXPECT_LT(families.indexOf(u"Noto Sans CJK JP"_qs), families.indexOf(family));
}

} // namespace
