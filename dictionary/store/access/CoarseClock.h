// Internal to the data-access layer: the clock of the stored queries' time budget.
#pragma once

#include <chrono>

namespace sindhikit::dataaccess::detail {

// A monotonic time that is cheap to read but coarse: a few milliseconds on Linux
// (CLOCK_MONOTONIC_COARSE), about 16 on Windows (GetTickCount64). The budget reads it at the
// start and end of every step of a stored query; the precise clock costs 150 ns a read on
// some machines, more than a whole lookup's guard should. Summed over many steps its ticks
// are an unbiased measure of the time spent, and against a budget of hundreds of
// milliseconds one tick is small.
std::chrono::milliseconds CoarseNow();

}  // namespace sindhikit::dataaccess::detail
