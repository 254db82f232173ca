// The button's stored properties and its tooltip.
#include "controls/PropertyBag.h"
#include "tests/controls/ButtonHarness.h"

#include <QHelpEvent>
#include <QToolTip>

namespace {

using ButtonStoredProperties = ButtonHarness;

TEST(PropertyBagKeys, MatchWithoutRegardToCase) {
    PropertyBag bag;
    bag.WriteProperty("acToolTip", QString("Next page"), QString());
    EXPECT_EQ(bag.ReadProperty("ACTOOLTIP").toString(), "Next page");
    EXPECT_EQ(bag.ReadProperty("actooltip", QString()).toString(), "Next page");
    EXPECT_TRUE(bag.contains("AcToolTip"));

    bag.WriteProperty("ACTOOLTIP", QString("Back"), QString()); // the same key
    EXPECT_EQ(bag.keys().size(), 1);
    EXPECT_EQ(bag.ReadProperty("acToolTip").toString(), "Back");

    EXPECT_EQ(bag.ReadProperty("img_NORM", 7).toInt(), 7); // absent: the default
}

TEST_F(ButtonStoredProperties, LoadReadsTheFourKeysInAnyCaseAndLeavesTheFaceAlone) {
    const QPixmap n = solidPicture(Qt::darkRed, {50, 60});
    const QPixmap r = solidPicture(Qt::darkGreen, {50, 60});
    const QPixmap d = solidPicture(Qt::darkBlue, {50, 60});
    PropertyBag bag;
    bag.WriteProperty("IMG_norm", n);
    bag.WriteProperty("Img_Roll", r);
    bag.WriteProperty("img_down", d);
    bag.WriteProperty("ACTOOLTIP", QString("Turn the page"), QString());

    button.ReadProperties(bag);
    EXPECT_EQ(button.img_NORM().cacheKey(), n.cacheKey());
    EXPECT_EQ(button.img_ROLL().cacheKey(), r.cacheKey());
    EXPECT_EQ(button.img_DOWN().cacheKey(), d.cacheKey());
    EXPECT_EQ(button.acToolTip(), "Turn the page");
    // The face and the extent stay until the face changes.
    EXPECT_EQ(button.facePicture().cacheKey(), norm.cacheKey());
    EXPECT_EQ(button.size(), QSize(kWidth, kHeight));

    move(10, 10);
    EXPECT_EQ(button.facePicture().cacheKey(), r.cacheKey());
}

TEST_F(ButtonStoredProperties, AbsentKeysGiveEmptyPicturesAndNoTooltip) {
    button.setAcToolTip("left over");
    button.ReadProperties(PropertyBag());
    EXPECT_TRUE(button.img_NORM().isNull());
    EXPECT_TRUE(button.img_ROLL().isNull());
    EXPECT_TRUE(button.img_DOWN().isNull());
    EXPECT_EQ(button.acToolTip(), "");

    // An empty picture can be shown; the face shrinks to nothing.
    button.Reset();
    EXPECT_TRUE(button.facePicture().isNull());
    EXPECT_EQ(ucButtonA::handleOf(button.facePicture()), 0);
}

TEST(ButtonTooltip, NoTooltipShowsWithoutStoredText) {
    ucButtonA button;
    button.ReadProperties(PropertyBag());
    button.setImg_NORM(solidPicture(Qt::red, {40, 30}));
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    QWidget* face = button.face();
    const QPoint at(10, 10);
    QHelpEvent ask(QEvent::ToolTip, at, face->mapToGlobal(at));

    QApplication::sendEvent(face, &ask);
    EXPECT_FALSE(QToolTip::isVisible());

    button.setAcToolTip("Next page");
    QApplication::sendEvent(face, &ask);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Next page");
    QToolTip::hideText();
}

TEST_F(ButtonStoredProperties, SaveWritesPicturesAndOnlyANonEmptyTooltip) {
    PropertyBag bag;
    button.WriteProperties(bag);
    EXPECT_EQ(bag.ReadProperty("img_norm").value<QPixmap>().cacheKey(), norm.cacheKey());
    EXPECT_EQ(bag.ReadProperty("img_roll").value<QPixmap>().cacheKey(), roll.cacheKey());
    EXPECT_EQ(bag.ReadProperty("img_down").value<QPixmap>().cacheKey(), down.cacheKey());
    EXPECT_FALSE(bag.contains("acToolTip"));

    button.setAcToolTip("Save");
    button.WriteProperties(bag);
    EXPECT_EQ(bag.ReadProperty("ACTOOLTIP").toString(), "Save");

    // What was saved loads back into a new instance.
    ucButtonA copy;
    copy.ReadProperties(bag);
    EXPECT_EQ(copy.img_NORM().cacheKey(), norm.cacheKey());
    EXPECT_EQ(copy.acToolTip(), "Save");
}

} // namespace
