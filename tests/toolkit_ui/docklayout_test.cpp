// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/docklayout.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace tandem {
namespace {

class DockLayoutTest : public ::testing::Test {
protected:
    DockLayoutTest() {
        layout = DockLayoutOf(&window);
        top = new QWidget(&window);
        left = new QWidget(&window);
        client = new QWidget(&window);
        bottom = new QWidget(&window);
        top->resize(10, 30);
        left->resize(50, 10);
        bottom->resize(10, 20);
        // Added client first: docking order, not creation order, decides the strips.
        layout->AddWidget(client, Dock::Client);
        layout->AddWidget(left, Dock::Left);
        layout->AddWidget(bottom, Dock::Bottom);
        layout->AddWidget(top, Dock::Top);
        window.resize(400, 300);
        window.show();
        layout->activate();
    }

    QWidget window;
    DockLayout* layout;
    QWidget* top;
    QWidget* left;
    QWidget* client;
    QWidget* bottom;
};

TEST_F(DockLayoutTest, SidesTakeTheirStripsAndClientFillsTheRest) {
    EXPECT_EQ(top->geometry(), QRect(0, 0, 400, 30));
    EXPECT_EQ(bottom->geometry(), QRect(0, 280, 400, 20));
    EXPECT_EQ(left->geometry(), QRect(0, 30, 50, 250));
    EXPECT_EQ(client->geometry(), QRect(50, 30, 350, 250));
}

TEST_F(DockLayoutTest, ResizeLaysOutAgain) {
    window.resize(600, 500);
    layout->activate();
    EXPECT_EQ(top->geometry(), QRect(0, 0, 600, 30));
    EXPECT_EQ(bottom->geometry(), QRect(0, 480, 600, 20));
    EXPECT_EQ(client->geometry(), QRect(50, 30, 550, 450));
}

TEST_F(DockLayoutTest, ChangingTheDockLaysOutAtOnce) {
    layout->SetDock(left, Dock::Top);
    EXPECT_EQ(layout->DockOf(left), Dock::Top);
    // Among top children the one added first lies highest.
    EXPECT_EQ(left->geometry(), QRect(0, 0, 400, 250));
    EXPECT_EQ(top->geometry(), QRect(0, 250, 400, 30));
    EXPECT_EQ(client->geometry().top(), 280);
    left->resize(120, 250);
    layout->SetDock(left, Dock::Left);
    EXPECT_EQ(left->geometry(), QRect(0, 30, 120, 250));
}

TEST_F(DockLayoutTest, UndockedAndHiddenChildrenKeepTheirPlace) {
    auto* free = new QWidget(&window);
    free->setGeometry(3, 3, 20, 20);
    layout->AddWidget(free, Dock::None);
    top->hide();
    layout->activate();
    EXPECT_EQ(free->geometry(), QRect(3, 3, 20, 20));
    EXPECT_EQ(left->geometry().top(), 0);
}

TEST_F(DockLayoutTest, ContentsMarginsOfTheWindowAreLeftFree) {
    window.setContentsMargins(5, 6, 7, 8);
    layout->activate();
    EXPECT_EQ(top->geometry(), QRect(5, 6, 388, 30));
    EXPECT_EQ(bottom->geometry().bottom(), 300 - 8 - 1);
}

} // namespace
} // namespace tandem
