#include <gtest/gtest.h>

#include <set>

#include "layout/SortOrderChart.h"

using namespace sindhikit;
using namespace sindhikit::pictures;

TEST(SortOrderChart, CellsReadRightToLeftInsideTheVisiblePartOfThePicture) {
    const SortOrderChart chart = BuildSortOrderChart();
    EXPECT_EQ(chart.size.width, 427);
    EXPECT_EQ(chart.size.height, 583);
    ASSERT_EQ(chart.cells.size(), 52u);
    const PixelRect& c = chart.contentRect;
    // The sort-order window shows 421 x 584 pixels of the picture at 96 dpi.
    EXPECT_LE(c.right, 421 - 6);
    EXPECT_LE(c.bottom, 583 - 6);
    for (size_t i = 0; i < chart.cells.size(); ++i) {
        const SortOrderCell& cell = chart.cells[i];
        EXPECT_GE(cell.rect.left, c.left);
        EXPECT_LE(cell.rect.right, c.right);
        EXPECT_GE(cell.rect.top, chart.titleRect.bottom);
        EXPECT_LE(cell.rect.bottom, c.bottom);
        EXPECT_GE(cell.rect.Height(), 40);
        if (i % chart.columns != 0) {
            EXPECT_LT(cell.rect.left, chart.cells[i - 1].rect.left) << "cell " << i + 1;
            EXPECT_EQ(cell.rect.top, chart.cells[i - 1].rect.top);
        } else if (i > 0) {
            EXPECT_GT(cell.rect.top, chart.cells[i - 1].rect.top);
        }
    }
    EXPECT_EQ(chart.cells[12].keys, "j+h");
    EXPECT_EQ(chart.cells[0].keys, "a");
}
