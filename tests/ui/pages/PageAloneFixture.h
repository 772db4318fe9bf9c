#pragma once

// A page on its own in a plain host window, without the calculator window around it: the page's
// own controls drive it, and QSignalSpy hears what it asks the window for.

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

template <class TPage> class PageAloneFixture : public testing::Test {
protected:
    // Shows APage (a child of Host) with its host, exposed, as the window would.
    void Show(TPage* APage) {
        Page = APage;
        Host.resize(344, 209);
        Page->show();
        Host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Host));
    }
    template <class T = QAbstractButton> T* Find(const char* AName) const {
        T* child = Page->template findChild<T*>(QString::fromLatin1(AName));
        EXPECT_NE(child, nullptr) << AName;
        return child;
    }
    void Click(const char* AName) { QTest::mouseClick(Find(AName), Qt::LeftButton); }

    QWidget Host;
    TPage* Page = nullptr;
};
