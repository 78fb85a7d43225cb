#include "commands/InputBoxLayout.h"

#include <gtest/gtest.h>

using commands::InputBoxLayout;
using commands::LayOutInputBox;
using commands::Rect;

namespace {
const commands::InputBoxMetrics metrics{2, 2, 19};
}

TEST(InputBoxLayout, BoxGrowsTwentyPixelsAndTheEditFillsUnderThePrompt) {
    const Rect box{100, 200, 400, 320};
    const InputBoxLayout layout = LayOutInputBox({59, 23, 232, 36}, box, metrics, 96);
    EXPECT_EQ(layout.boxX, 98);
    EXPECT_EQ(layout.boxY, 166);
    EXPECT_EQ(layout.boxWidth, box.Width());
    EXPECT_EQ(layout.boxHeight, box.Height() + 20);
    // Box height after the cuts: 120 - 7 - 21 = 92; the edit ends at 92 - 92 / 8 = 81
    // (the remainder of 92 / 8 is dropped), 2 under the prompt, across its width.
    EXPECT_EQ(layout.edit, (Rect{59, 38, 232, 81}));
    EXPECT_EQ(layout.buttonTop, 86);
    EXPECT_EQ(layout.buttonShift, 0);
}

TEST(InputBoxLayout, TallPromptKeepsTheEditBottomAtThePromptBottom) {
    // 100 - 7 - 21 = 72; 72 - 9 = 63 is above the prompt's bottom of 80.
    const InputBoxLayout layout = LayOutInputBox({10, 10, 190, 80}, {0, 0, 200, 100}, metrics, 96);
    EXPECT_EQ(layout.edit.top, 82);
    EXPECT_EQ(layout.edit.bottom, 80);
    EXPECT_EQ(layout.buttonTop, 85);
}

TEST(InputBoxLayout, NarrowBoxMovesTheButtonsRightByHalfTheMissingWidth) {
    // Edit height 151 - 22 = 129; needed 129 + 2 * 2 + 34 = 167; the box is 60
    // wide, so the buttons move (167 - 60) / 2 = 53 pixels.
    const InputBoxLayout layout = LayOutInputBox({10, 10, 50, 20}, {0, 0, 60, 200}, metrics, 96);
    EXPECT_EQ(layout.edit.top, 22);
    EXPECT_EQ(layout.edit.bottom, 151);
    EXPECT_EQ(layout.buttonShift, 53);
    EXPECT_EQ(layout.boxWidth, 60);
    EXPECT_EQ(layout.buttonTop, 156);
}

TEST(InputBoxLayout, WidthEqualToTheNeededWidthMovesNothing) {
    // No caption: a box 52 tall leaves H = 52 - 7 - 2 = 43 and an edit bottom of
    // 43 - 5 = 38, so the edit is 38 - 22 = 16 tall and needs 16 + 4 + 34 = 54.
    const commands::InputBoxMetrics flat{2, 2, 0};
    const InputBoxLayout layout = LayOutInputBox({10, 10, 40, 20}, {0, 0, 54, 52}, flat, 96);
    ASSERT_EQ(layout.edit.Height(), 16);
    EXPECT_EQ(layout.buttonShift, 0);
    const InputBoxLayout narrower = LayOutInputBox({10, 10, 40, 20}, {0, 0, 53, 52}, flat, 96);
    EXPECT_EQ(narrower.buttonShift, 0); // (54 - 53) / 2 drops the remainder
    const InputBoxLayout narrowest = LayOutInputBox({10, 10, 40, 20}, {0, 0, 52, 52}, flat, 96);
    EXPECT_EQ(narrowest.buttonShift, 1);
}
