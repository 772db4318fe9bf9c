// The about box: opened by the popup menu's "Version" entry as a fresh modal dialog each time,
// closed by Escape or by its button.
#include "MainWinFixture.h"

#include "ui/AboutWin.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>

namespace {

using AboutBoxTest = MainWinFixture;

struct TSeenBox {
    QString Title;
    QStringList Texts;
    bool IsModal = false;
};

// Chooses "Version" and, once the box is up, records it and closes it with AKey.
TSeenBox OpenAndClose(TMainForm* AForm, Qt::Key AKey) {
    TSeenBox seen;
    QTimer::singleShot(0, [&seen, AKey] {
        auto* box = qobject_cast<TAboutForm*>(QApplication::activeModalWidget());
        if (!box) return;
        seen.Title = box->windowTitle();
        seen.IsModal = box->isModal();
        for (const char* name : {"Label1", "Label2"})
            seen.Texts << box->findChild<QLabel*>(name)->text();
        seen.Texts << box->findChild<QPushButton*>(u"Button1"_qs)->text();
        QTest::keyClick(box, AKey);
    });
    AForm->findChild<QAction*>(u"About"_qs)->trigger(); // returns when the box is closed
    return seen;
}

TEST_F(AboutBoxTest, VersionOpensAFreshModalBoxThatEscapeOrEnterCloses) {
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        const TSeenBox seen = OpenAndClose(Form.get(), key);
        EXPECT_TRUE(seen.IsModal);
        EXPECT_EQ(seen.Title, u"バージョン情報"_qs);
        EXPECT_EQ(seen.Texts, QStringList({u"Zemtrix"_qs, u"Ver.2"_qs, u"閉じる"_qs}));
        EXPECT_TRUE(Form->findChildren<TAboutForm*>().isEmpty()) << "the box is freed when it closes";
    }
}

} // namespace
