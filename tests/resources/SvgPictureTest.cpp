#include "resources/SvgPicture.h"

#include "pixels/FileError.h"

#include <future>
#include <gtest/gtest.h>

namespace {

// Pictures are drawn on two threads at once (the window's desk on its own):
// each drawing is refused for its own source's faults and no other's.
TEST(SvgPicture, DrawingsOnTwoThreadsEachHearOnlyOfTheirOwnFaults) {
    const QByteArray good = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"40\">"
                            "<rect width=\"40\" height=\"40\" fill=\"#ff0000\"/></svg>";
    const QByteArray broken =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"40\">"
        "<rect width=\"40\" height=\"40\" fill=\"url(#missing)\"/></svg>";
    for (int round = 0; round < 50; ++round) {
        auto other = std::async(std::launch::async, [&broken] {
            try {
                renderSvg(broken, QStringLiteral("broken"), true);
                return false;
            } catch (const FileError&) {
                return true;
            }
        });
        EXPECT_EQ(renderSvg(good, QStringLiteral("good"), true).pixel(20, 20), qRgb(255, 0, 0));
        EXPECT_TRUE(other.get()) << "round " << round;
    }
}

} // namespace
