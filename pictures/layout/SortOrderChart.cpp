#include "layout/SortOrderChart.h"

namespace sindhikit::pictures {

namespace {
constexpr PictureSize kChartSize{427, 583};
constexpr PixelRect kContent{6, 6, 405, 545};
constexpr int kTitleHeight = 56;
constexpr int kColumns = 6;
}  // namespace

SortOrderChart BuildSortOrderChart() {
    SortOrderChart chart;
    chart.size = kChartSize;
    chart.contentRect = kContent;
    chart.columns = kColumns;
    chart.titleRect = {kContent.left, kContent.top, kContent.right, kContent.top + kTitleHeight};

    const auto& alphabet = SindhiAlphabet();
    const int rows = static_cast<int>((alphabet.size() + kColumns - 1) / kColumns);
    const int gridTop = chart.titleRect.bottom;
    const double cellWidth = kContent.Width() / static_cast<double>(kColumns);
    const double cellHeight = (kContent.bottom - gridTop) / static_cast<double>(rows);

    for (size_t i = 0; i < alphabet.size(); ++i) {
        const int row = static_cast<int>(i) / kColumns;
        const int fromRight = static_cast<int>(i) % kColumns;  // Sindhi reads right to left
        const double right = kContent.right - fromRight * cellWidth;
        const double top = gridTop + row * cellHeight;
        SortOrderCell cell;
        cell.letter = alphabet[i];
        for (const std::string& k : KeysTypingLetter(alphabet[i].letter)) {
            if (!cell.keys.empty()) cell.keys += '+';
            cell.keys += k.empty() ? std::string("?") : k.substr(0, 1);
        }
        cell.rect = {static_cast<int>(right - cellWidth), static_cast<int>(top), static_cast<int>(right),
                     static_cast<int>(top + cellHeight)};
        chart.cells.push_back(cell);
    }
    return chart;
}

}  // namespace sindhikit::pictures
