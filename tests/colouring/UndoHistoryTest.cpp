// The undo history without a window: exact restoration, steps that change
// nothing, the redo branch, and the memory a full history takes.
#include "colouring/UndoHistory.h"

#include "pixels/PixelPatch.h"
#include "pixels/SurfaceFill.h"
#include "tests/support/Facts.h"

#include <gtest/gtest.h>

namespace {

// One gesture on picture: f changes it and returns what it changed.
template <typename F> bool gesture(UndoHistory& history, int page, QImage& picture, F f) {
    history.open(page, picture);
    history.changed(f(picture));
    return history.close(picture);
}

QRect scribble(QImage& picture, int seed) {
    QRect changed;
    for (int i = 0; i < 40; ++i) {
        const int x = (seed * 37 + i * 13) % picture.width();
        const int y = (seed * 11 + i * 29) % picture.height();
        const QRect block(x, y, 1 + i % 9, 1 + i % 5);
        for (int v = block.top(); v <= block.bottom() && v < picture.height(); ++v)
            for (int u = block.left(); u <= block.right() && u < picture.width(); ++u)
                picture.setPixel(u, v, qRgb(seed * 40 % 256, i * 6, 200));
        changed |= block;
    }
    return changed;
}

TEST(PixelPatch, RestoresBothSidesExactlyAndKeepsTightBounds) {
    const QImage before = asciiImage({"....", ".rr.", ".b#.", "...."}, {"r=#ff0000", "b=#0000ff"});
    const QImage after = asciiImage({"....", ".bb.", ".r#.", "...."}, {"r=#ff0000", "b=#0000ff"});
    const PixelPatch patch = diffPixels(before, after, before.rect());
    EXPECT_EQ(patch.rect, QRect(1, 1, 2, 2));
    QImage picture = after.copy();
    EXPECT_EQ(applyPatch(picture, patch, PatchSide::Before), patch.rect);
    EXPECT_EQ(differingPixels(picture, before).count, 0);
    applyPatch(picture, patch, PatchSide::After);
    EXPECT_EQ(differingPixels(picture, after).count, 0);
    EXPECT_TRUE(diffPixels(before, before, before.rect()).isEmpty());
}

TEST(UndoHistory, MixedStepsOnTwoPagesComeBackExactly) {
    UndoHistory history;
    QImage pages[2] = {shippedOutline(1), shippedOutline(1)};
    std::vector<QImage> seen[2] = {{pages[0].copy()}, {pages[1].copy()}};
    for (int k = 0; k < 12; ++k) {
        const int p = k % 3 == 2 ? 1 : 0; // pages interleaved, as with page turns
        QImage& picture = pages[p];
        const bool added =
            k % 2 ? gesture(history, p + 1, picture, [&](QImage& im) { return scribble(im, k); })
                  : gesture(history, p + 1, picture,
                            [&](QImage& im) { return surfaceFill(im, 5, 5, Colour(20 * k + 1)); });
        ASSERT_TRUE(added) << k;
        seen[p].push_back(picture.copy());
    }
    for (int p = 0; p < 2; ++p) {
        for (int i = int(seen[p].size()) - 2; i >= 0; --i) {
            history.undo(p + 1, pages[p]);
            ASSERT_EQ(differingPixels(pages[p], seen[p][i]).count, 0) << "page " << p << " " << i;
        }
        EXPECT_FALSE(history.canUndo(p + 1));
        EXPECT_TRUE(history.undo(p + 1, pages[p]).isEmpty());
        for (std::size_t i = 1; i < seen[p].size(); ++i) {
            history.redo(p + 1, pages[p]);
            ASSERT_EQ(differingPixels(pages[p], seen[p][i]).count, 0) << "page " << p << " " << i;
        }
        EXPECT_FALSE(history.canRedo(p + 1));
    }
}

TEST(UndoHistory, AGestureThatChangesNothingAddsNoStep) {
    UndoHistory history;
    QImage picture = shippedOutline(1);
    EXPECT_FALSE(gesture(history, 1, picture, [](QImage&) { return QRect(); }));
    // A fill with the colour already there, reported over the whole page.
    EXPECT_FALSE(gesture(history, 1, picture, [](QImage& im) {
        surfaceFill(im, 5, 5, 0xffffff);
        return im.rect();
    }));
    EXPECT_EQ(history.steps(1), 0);
    EXPECT_FALSE(history.canUndo(1));
}

TEST(UndoHistory, ANewStepAfterUndoDropsTheRedoBranch) {
    UndoHistory history;
    QImage picture = shippedOutline(1);
    for (Colour c : {0x0000ffu, 0x00ff00u, 0xff0000u})
        gesture(history, 1, picture, [c](QImage& im) { return surfaceFill(im, 5, 5, c); });
    history.undo(1, picture);
    history.undo(1, picture);
    ASSERT_TRUE(history.canRedo(1));
    gesture(history, 1, picture, [](QImage& im) { return surfaceFill(im, 5, 5, 0xffff00); });
    EXPECT_FALSE(history.canRedo(1));
    EXPECT_EQ(history.steps(1), 2);
    history.undo(1, picture);
    EXPECT_EQ(picture.pixel(5, 5), qRgb(255, 0, 0)); // the first fill's colour
}

TEST(UndoHistory, KeepsTheLastHundredStepsOfEachPageInLittleMemory) {
    UndoHistory history;
    QImage picture = shippedOutline(1);
    const QImage first = picture.copy();
    QImage afterFirst;
    for (int k = 0; k < UndoHistory::kDepth + 20; ++k) {
        gesture(history, 1, picture,
                [k](QImage& im) { return surfaceFill(im, 5, 5, k % 2 ? 0x0000ff : 0xff0000); });
        if (k == 19)
            afterFirst = picture.copy();
    }
    EXPECT_EQ(history.steps(1), UndoHistory::kDepth);
    while (history.canUndo(1))
        history.undo(1, picture);
    // The oldest twenty went; what is left starts after them.
    EXPECT_EQ(differingPixels(picture, afterFirst).count, 0);
    EXPECT_GT(differingPixels(picture, first).count, 0);
    // Each whole-page fill is a small fraction of the page's 800 kB.
    EXPECT_LT(history.storedBytes(), qsizetype(UndoHistory::kDepth) * 20 * 1024);
}

} // namespace
