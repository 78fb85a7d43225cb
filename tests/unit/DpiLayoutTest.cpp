// Pixel quantities at other DPIs: the scaling rule, and every layout function
// at 120, 144 and 192 DPI against its result at 96 DPI scaled.
#include "base/Dpi.h"
#include "commands/InputBoxLayout.h"
#include "controls/BalloonShape.h"
#include "controls/ButtonLayout.h"
#include "controls/MenuXPLayout.h"

#include <cstdlib>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

using base::Scale;
using namespace controls;

TEST(Dpi, ScaleRoundsHalvesAwayFromZero) {
    const struct {
        int value, dpi, scaled;
    } cases[] = {
        {22, 120, 28}, {12, 144, 18},   {16, 120, 20}, {1, 144, 2},   {1, 120, 1},  {3, 144, 5},
        {7, 144, 11},  {-22, 120, -28}, {-1, 144, -2}, {13, 192, 26}, {13, 96, 13}, {13, 0, 13},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Scale(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi;
    }
#ifdef _WIN32
    for (int dpi : {72, 120, 144, 168, 192, 240, 288}) {
        for (int value = -100; value <= 100; ++value) {
            ASSERT_EQ(Scale(value, dpi), MulDiv(value, dpi, 96)) << value << " at " << dpi;
        }
    }
#endif
}

namespace {

std::vector<int> Flat(std::initializer_list<PixelRect> rects) {
    std::vector<int> values;
    for (const PixelRect& r : rects) {
        values.insert(values.end(), {r.left, r.top, r.right, r.bottom});
    }
    return values;
}

std::vector<int> Flat(std::initializer_list<PixelPoint> points) {
    std::vector<int> values;
    for (const PixelPoint& p : points) {
        values.insert(values.end(), {p.x, p.y});
    }
    return values;
}

} // namespace

// Each layout takes its inputs (sizes measured by the system) at the DPI too.
// Every scaled term may round by under a pixel; at 192 DPI scaling is exact, so
// only halvings and unscaled platform pixels may differ there (`at192`).
TEST(Dpi, EveryLayoutIsItsLayoutAt96DpiScaled) {
    const struct {
        const char* name;
        int terms;
        int at192;
        std::function<std::vector<int>(int)> layout;
    } cases[] = {
        {"menu item", 5, 1, // the width takes the check mark's width less 1
         [](int dpi) {
             const MenuItemSize size =
                 MeasureMenuItem(Scale(60, dpi), Scale(13, dpi), Scale(13, dpi), dpi);
             return std::vector<int>{size.width, size.height};
         }},
        {"menu item layout", 4, 0,
         [](int dpi) {
             const MenuRect item{Scale(3, dpi), Scale(20, dpi), Scale(200, dpi), Scale(40, dpi)};
             const MenuItemLayout l = LayoutMenuItem(item, dpi);
             return Flat({l.iconBox, l.iconRect, l.textRect, SeparatorIconArea(item, dpi)});
         }},
        {"check mark", 5, 1,
         [](int dpi) {
             MenuPoint p[3];
             CheckMarkPoints({Scale(2, dpi), Scale(2, dpi), Scale(18, dpi), Scale(18, dpi)}, dpi,
                             p);
             return std::vector<int>{
                 p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, Scale(CheckMarkStrokes, dpi)};
         }},
        {"image button", 3, 1,
         [](int dpi) {
             const PixelRect item{0, 0, Scale(72, dpi), Scale(31, dpi)};
             const PixelSize icon{Scale(16, dpi), Scale(16, dpi)};
             std::vector<int> all;
             for (int placement : {1, 2}) {
                 for (bool caption : {true, false}) {
                     for (bool sunken : {false, true}) {
                         const ButtonLayout l =
                             LayOutImageButton(item, icon, true, caption, placement, sunken, dpi);
                         const std::vector<int> v = Flat({l.iconBox, l.textBox});
                         all.insert(all.end(), v.begin(), v.end());
                     }
                 }
             }
             const std::vector<int> focus = Flat({FocusRect(item, dpi)});
             all.insert(all.end(), focus.begin(), focus.end());
             return all;
         }},
        {"balloon", 4, 0,
         [](int dpi) {
             const PixelSize icon{Scale(32, dpi), Scale(32, dpi)};
             const BalloonShape plain =
                 ComputeBalloonShape({Scale(150, dpi), Scale(13, dpi)}, false, {}, dpi);
             const BalloonShape withIcon =
                 ComputeBalloonShape({Scale(100, dpi), Scale(13, dpi)}, true, icon, dpi);
             const BalloonMetrics m = BalloonMetricsAt(dpi);
             std::vector<int> all =
                 Flat({plain.body, withIcon.body,
                       BalloonTextRect({0, 0, Scale(161, dpi), Scale(65, dpi)}, true, icon, dpi)});
             const std::vector<int> stem = Flat({plain.stem[0],
                                                 plain.stem[1],
                                                 plain.stem[2],
                                                 {plain.window.width, plain.window.height}});
             all.insert(all.end(), stem.begin(), stem.end());
             all.insert(all.end(), {m.marginX, m.marginY, m.cornerWidth, m.cornerHeight,
                                    m.stemHeight, m.iconGap, m.frameWidth, m.outlineWidth});
             return all;
         }},
        {"input box", 6, 1,
         [](int dpi) {
             const commands::InputBoxMetrics metrics{Scale(2, dpi), Scale(2, dpi), Scale(19, dpi)};
             std::vector<int> all;
             for (const PixelRect& box :
                  {PixelRect{100, 200, 400, 320}, PixelRect{0, 0, 60, 200}}) {
                 const commands::InputBoxLayout l = commands::LayOutInputBox(
                     {Scale(10, dpi), Scale(10, dpi), Scale(50, dpi), Scale(36, dpi)},
                     {Scale(box.left, dpi), Scale(box.top, dpi), Scale(box.right, dpi),
                      Scale(box.bottom, dpi)},
                     metrics, dpi);
                 const std::vector<int> v = Flat({l.edit});
                 all.insert(all.end(), v.begin(), v.end());
                 all.insert(all.end(),
                            {l.boxX, l.boxY, l.boxWidth, l.boxHeight, l.buttonShift, l.buttonTop});
             }
             return all;
         }},
    };
    for (const auto& c : cases) {
        const std::vector<int> at96 = c.layout(96);
        for (int dpi : {120, 144, 192}) {
            const std::vector<int> scaled = c.layout(dpi);
            ASSERT_EQ(scaled.size(), at96.size());
            const int tolerance = dpi == 192 ? c.at192 : c.terms;
            for (std::size_t i = 0; i < at96.size(); ++i) {
                EXPECT_LE(std::abs(Scale(at96[i], dpi) - scaled[i]), tolerance)
                    << c.name << " value " << i << " at " << dpi << " DPI: " << at96[i] << " -> "
                    << scaled[i];
            }
        }
    }
    // The menu's rows are 1.5 times as tall at 144 DPI: 30 instead of 20 pixels.
    EXPECT_EQ(MeasureMenuItem(18, 18, 21, 144).height, 30);
    EXPECT_EQ(MenuIconSizeAt(144), 24);
    // At 96 DPI, the pixels of old.
    const BalloonMetrics m = BalloonMetricsAt(96);
    EXPECT_EQ((std::vector<int>{m.marginX, m.marginY, m.cornerWidth, m.cornerHeight, m.stemHeight,
                                m.iconGap, m.frameWidth, m.outlineWidth}),
              (std::vector<int>{12, 10, 12, 10, 25, 5, 3, 1}));
    EXPECT_EQ(FocusRect({0, 0, 72, 31}, 96), (PixelRect{3, 3, 69, 28}));
}
