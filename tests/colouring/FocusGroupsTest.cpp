#include "colouring/FocusGroups.h"

#include <QWidget>
#include <gtest/gtest.h>

// Three groups; the second's middle control and the whole third are hidden.
TEST(FocusGroups, TabSkipsHiddenAndArrowsGoRound) {
    QWidget window;
    QWidget a(&window), b(&window), c(&window), d(&window), e(&window);
    c.hide();
    e.hide();
    const FocusGroups groups({{&a}, {&b, &c, &d}, {&e}});
    EXPECT_EQ(groups.nextGroup(nullptr, 1), &a);
    EXPECT_EQ(groups.nextGroup(&a, 1), &b);
    EXPECT_EQ(groups.nextGroup(&d, 1), &a) << "past the hidden group, round the end";
    EXPECT_EQ(groups.nextGroup(&a, -1), &b);
    EXPECT_EQ(groups.nextGroup(nullptr, -1), &b);
    EXPECT_EQ(groups.withinGroup(&b, 1), &d);
    EXPECT_EQ(groups.withinGroup(&d, 1), &b);
    EXPECT_EQ(groups.withinGroup(&b, -1), &d);
}
