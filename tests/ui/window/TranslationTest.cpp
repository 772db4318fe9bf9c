// The window in the user's language: its menu, tooltips, header captions, accessible names and
// announcements are translated; the formula language, the key captions that insert text, the
// result line's "Error" and the option buttons' titles are the same in every language.
#include "ui/MainWinFixture.h"

#include "model/Translation.h"
#include "model/WindowLayout.h"
#include "ui/widgets/Controls.h"
#include "ui/window/AboutWin.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <map>

namespace {

class TranslationTest : public MainWinFixture {
protected:
    void TearDown() override {
        MainWinFixture::TearDown();
        InstallTranslations({});
    }

    // A new window in ALanguage ("" for English), on the settings text AIni.
    void StartIn(const char* ALanguage, const QByteArray& AIni = {}) {
        const QString language = QString::fromLatin1(ALanguage);
        ASSERT_EQ(InstallTranslations({language.isEmpty() ? u"en"_qs : language}), language);
        StartForm(AIni);
    }

    QString AccessibleName(const char* AName) const {
        return QAccessible::queryAccessibleInterface(Find<QWidget>(AName))->text(QAccessible::Name);
    }

    // Every key's caption by name.
    std::map<QString, QString> Captions() const {
        std::map<QString, QString> captions;
        for (const TKeyButton* key : Form->findChildren<TKeyButton*>())
            captions[key->objectName()] = key->text();
        return captions;
    }

    // Runs AWhileOpen on the about box once it is up.
    void WithAboutBox(const std::function<void(QWidget*)>& AWhileOpen) {
        bool isSeen = false;
        QTimer::singleShot(0, Form.get(), [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            isSeen = true;
            AWhileOpen(dialog);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        Find<QAction>("About")->trigger();
        EXPECT_TRUE(isSeen);
    }
};

TEST_F(TranslationTest, GermanWindowShowsAndSpeaksGerman) {
    StartIn("de");
    const std::map<const char*, QString> menu = {
        {"CopyItem", u"Kopieren"_qs},
        {"DigitGroupingSeparatorItem", u"Tausendertrennzeichen"_qs},
        {"RoundCutOffItem", u"Abrunden (CUT)"_qs},
        {"TopMostMenuItem", u"Immer im Vordergrund"_qs},
        {"KeepHistoryItem", u"Verlauf behalten"_qs},
    };
    for (const auto& [name, text] : menu) EXPECT_EQ(Find<QAction>(name)->text(), text) << name;
    EXPECT_EQ(Find<QWidget>("ScientificKeyBtn")->toolTip(),
              u"Wissenschaftliche Tasten ein- oder ausblenden (F1)"_qs);
    EXPECT_EQ(Find<QWidget>("CopyBtn")->toolTip(), u"Ergebnis kopieren (F5)"_qs);
    EXPECT_EQ(Find<QAbstractButton>("MemoryButton")->text(), u"Verlauf"_qs);
    EXPECT_EQ(AccessibleName("ExpressionEdit"), u"Formel"_qs);
    EXPECT_EQ(AccessibleName("HistoryPanelSumBtn"), u"Summe der ausgewählten Ergebnisse"_qs);
    EXPECT_EQ(AccessibleName("Option1Btn"),
              u"Optionstaste 1: "_qs + Find<QAbstractButton>("Option1Btn")->text());
    Click("InvBtn");
    EXPECT_EQ(AccessibleName("SinBtn"), u"inverser Sinus"_qs);

    // The formula language and the result line's "Error" stay as they are.
    Type(u"1/0"_qs);
    Enter();
    EXPECT_EQ(ResultText(), u"Error"_qs);
    SetLine(u"2*3"_qs);
    Enter();
    const QModelIndex newest = Find<QAbstractItemView>("HistoryListBox")->model()->index(0, 0);
    EXPECT_EQ(newest.data(Qt::AccessibleTextRole).toString(), u"2*3 gleich 6"_qs);
}

// Only the header keys' captions change with the language: the keys that insert text, the
// page keys and the option buttons' default titles (data the user owns) do not.
TEST_F(TranslationTest, KeyCaptionsOtherThanTheHeaderKeysAreTheSameInEveryLanguage) {
    StartIn("");
    std::map<QString, QString> english = Captions();
    ASSERT_GT(english.size(), 50u);
    for (const char* language : {"de", "fr", "ja"}) {
        StartIn(language);
        std::map<QString, QString> captions = Captions();
        for (const char* header : {"ScientificKeyBtn", "NumericKeyBtn", "MemoryButton"}) {
            const QString name = QString::fromLatin1(header);
            EXPECT_NE(captions[name], english[name]) << language << " " << header;
            captions.erase(name);
        }
        std::map<QString, QString> rest = english;
        for (const char* header : {"ScientificKeyBtn", "NumericKeyBtn", "MemoryButton"})
            rest.erase(QString::fromLatin1(header));
        EXPECT_EQ(captions, rest) << language;
    }
}

// The about box keeps the design's Japanese under a Japanese locale and is English elsewhere.
TEST_F(TranslationTest, AboutBoxIsJapaneseOnlyInJapanese) {
    struct TCase {
        const char* Language;
        QString Title;
        QString Close;
    };
    const TCase cases[] = {
        {"", u"About Zemtrix"_qs, u"Close"_qs},
        {"ja", u"バージョン情報"_qs, u"閉じる"_qs},
        {"de", u"Über Zemtrix"_qs, u"Schließen"_qs},
        {"fr", u"À propos de Zemtrix"_qs, u"Fermer"_qs},
    };
    for (const TCase& c : cases) {
        StartIn(c.Language);
        WithAboutBox([&c](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), c.Title) << c.Language;
            auto* close = dialog->findChild<QPushButton*>(u"Button1"_qs);
            EXPECT_EQ(close->text(), c.Close) << c.Language;
            EXPECT_LE(close->fontMetrics().horizontalAdvance(c.Close), close->width() - 8)
                << c.Language << ": the button's caption fits";
        });
    }
}

// The longer German and French header captions fit their keys (drawn smaller where needed) at
// every zoom step but the lowest, where a caption may be cut short with the whole of it in the
// tooltip.
TEST_F(TranslationTest, TranslatedHeaderCaptionsFitTheirKeys) {
    for (const char* language : {"de", "fr", "ja"}) {
        for (const int step : {0, WindowLayout::LowestScaleStep, 10}) {
            StartIn(language, QStringLiteral("[Panel]\nWindowScaleNumber=%1\n").arg(step).toUtf8());
            for (const char* name : {"ScientificKeyBtn", "NumericKeyBtn", "MemoryButton"}) {
                auto* key = Find<TKeyButton>(name);
                key->ensurePolished();
                EXPECT_LE(key->DrawnCaptionWidth(), key->CaptionRect().width())
                    << language << " " << name << " at step " << step;
                if (step != WindowLayout::LowestScaleStep) {
                    EXPECT_FALSE(key->IsCaptionElided())
                        << language << " " << name << " \"" << key->text().toStdString()
                        << "\" at step " << step;
                }
            }
        }
    }
}

} // namespace
