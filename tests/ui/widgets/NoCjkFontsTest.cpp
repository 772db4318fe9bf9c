// On a machine without CJK fonts the window's non-ASCII captions are drawn, not shown as empty
// boxes. The test process sees no system font but DejaVu (Debian's folder, where installed): its
// own fontconfig configuration names that folder and an empty one.
#include "QtPrinters.h"
#include "ui/window/AboutWin.h"
#include "ui/window/MainWin.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextLayout>

namespace {

QString NonAscii(const QString& AText) {
    QString result;
    for (QChar c : AText)
        if (c.unicode() > 0x7F) result += c;
    return result;
}

struct TCaption {
    QString Owner;
    QString Text;
    QFont Font;
};

QList<TCaption> NonAsciiCaptions(const QWidget* AWindow) {
    QList<TCaption> captions;
    for (const QWidget* widget : AWindow->findChildren<QWidget*>()) {
        QString text;
        if (auto* button = qobject_cast<const QAbstractButton*>(widget)) text = button->text();
        if (auto* label = qobject_cast<const QLabel*>(widget)) text = label->text();
        if (!NonAscii(text).isEmpty())
            captions.append({widget->objectName(), NonAscii(text), widget->font()});
    }
    return captions;
}

TEST(NoCjkFonts, NonAsciiCaptionsHaveNoEmptyBoxes) {
    QTemporaryDir settings; // the window reads and writes its settings here, not beside the test
    TSettingsLocation location;
    location.ProgramFolder = settings.path();
    TMainForm form(location);
    TAboutForm about(&form);
    const QList<TCaption> captions = NonAsciiCaptions(&form) + NonAsciiCaptions(&about);
    ASSERT_GE(captions.size(), 3) << "the operators, the option buttons and the about box";
    for (const TCaption& caption : captions) {
        QTextLayout layout(caption.Text, caption.Font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns()) {
            for (quint32 glyph : run.glyphIndexes())
                EXPECT_NE(glyph, 0u) << caption.Owner.toStdString() << ": an empty box in "
                                     << caption.Text.toStdString();
        }
    }
}

// Typed through an input method, full-width digits and operators show in the line and the
// variable fields as drawn glyphs; so do the full-width letters of names and the ideographic space.
TEST(NoCjkFonts, FullWidthTextTypedIntoTheFieldsHasNoEmptyBoxes) {
    QTemporaryDir settings;
    TSettingsLocation location;
    location.ProgramFolder = settings.path();
    TMainForm form(location);
    QString typed;
    for (char32_t c = U'！'; c <= U'～'; ++c) typed += QString::fromUcs4(&c, 1);
    typed += QChar(0x3000);
    for (const char* name : {"ExpressionEdit", "VariableData1Edit"}) {
        auto* edit = form.findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(edit, nullptr) << name;
        QTextLayout layout(typed, edit->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            for (quint32 glyph : run.glyphIndexes())
                EXPECT_NE(glyph, 0u) << name << ": an empty box in " << typed.toStdString();
    }
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir folder;
    const QString configuration = folder.filePath(QStringLiteral("fonts.conf"));
    QDir(folder.path()).mkdir(QStringLiteral("fonts"));
    QFile file(configuration);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig><dir>%1</dir><dir>%2</dir>"
                              "<cachedir>%3</cachedir></fontconfig>\n")
                   .arg(QStringLiteral("/usr/share/fonts/truetype/dejavu"),
                        folder.filePath(QStringLiteral("fonts")),
                        folder.filePath(QStringLiteral("cache")))
                   .toUtf8());
    file.close();
    qputenv("FONTCONFIG_FILE", configuration.toLocal8Bit());
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
