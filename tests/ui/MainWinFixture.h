#pragma once

// A fresh main window per test, shown and active on the offscreen platform, with its settings
// file in a temporary folder of its own, and helpers that drive its real widgets by name.

#include "QtPrinters.h"
#include "ui/motion/MotionStage.h"
#include "ui/motion/PanelTransition.h"
#include "ui/window/MainWin.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class MainWinFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SettingsDir.isValid());
        StartForm();
    }
    void TearDown() override { Form.reset(); }

    // Where the window reads and writes its settings: the program's folder is the test's own.
    TSettingsLocation Location() const {
        TSettingsLocation location;
        location.Arguments = Arguments;
        location.ProgramFolder = SettingsDir.path();
        location.UserConfigFolder = SettingsDir.filePath(QStringLiteral("config"));
        return location;
    }
    QString SettingsPath() const { return SettingsDir.filePath(QStringLiteral("Zemtrix.ini")); }

    // Ends the current window (which writes its settings), then starts a new one, shown and
    // active: on the settings text AIni when one is given, else on the file as it stands.
    void StartForm(const QByteArray& AIni = {}) {
        Form.reset();
        if (!AIni.isEmpty()) WriteSettings(AIni);
        Form = std::make_unique<TMainForm>(Location());
        Form->Transitions().Stage().SetTimeFactor(TransitionTimeFactor);
        Form->show();
        Form->activateWindow(); // on a real X server without a window manager
        QApplication::setActiveWindow(Form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        Edit = Find<QLineEdit>("ExpressionEdit");
        Result = Find<QLabel>("ResultLabel");
    }
    void WriteSettings(const QByteArray& AIni) const {
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(AIni);
    }
    QByteArray ReadSettings() const {
        QFile file(SettingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    template <typename T> T* Find(const char* AName) const {
        T* widget = Form->findChild<T*>(QString::fromLatin1(AName));
        EXPECT_NE(widget, nullptr) << AName;
        return widget;
    }

    void Click(const char* AName, Qt::KeyboardModifiers AModifiers = {}) {
        QTest::mouseClick(Find<QAbstractButton>(AName), Qt::LeftButton, AModifiers);
    }
    void Press(const char* AName, Qt::KeyboardModifiers AModifiers = {}) {
        QTest::mousePress(Find<QAbstractButton>(AName), Qt::LeftButton, AModifiers);
        QTest::mouseRelease(Find<QAbstractButton>(AName), Qt::LeftButton, AModifiers);
    }
    // Types into the expression line as the keyboard would.
    void Type(const QString& AText) { QTest::keyClicks(Edit, AText); }
    void Key(Qt::Key AKey, Qt::KeyboardModifiers AModifiers = {}) {
        QTest::keyClick(Edit, AKey, AModifiers);
    }
    void Enter(Qt::KeyboardModifiers AModifiers = {}) { Key(Qt::Key_Return, AModifiers); }

    // A line with the caret (and optionally a selection) placed in it by the user.
    void SetLine(const QString& AText, int ACaret = -1, int ASelectionLength = 0) {
        Edit->setFocus();
        Edit->setText(AText);
        if (ASelectionLength > 0)
            Edit->setSelection(ACaret, ASelectionLength);
        else
            Edit->setCursorPosition(ACaret < 0 ? int(AText.size()) : ACaret);
    }
    QString Line() const { return Edit->text(); }
    QString ResultText() const { return Result->text(); }
    int Caret() const { return Edit->cursorPosition(); }

    QTemporaryDir SettingsDir;
    // Transitions run this much of their real time, so that the tests need not wait for them.
    double TransitionTimeFactor = 0.05;
    QStringList Arguments; // the command line the next StartForm passes
    std::unique_ptr<TMainForm> Form;
    QLineEdit* Edit = nullptr;
    QLabel* Result = nullptr;
};
