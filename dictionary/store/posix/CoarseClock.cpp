#include "access/CoarseClock.h"

#include <time.h>

namespace sindhikit::dataaccess::detail {

std::chrono::milliseconds CoarseNow() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::duration_cast<std::chrono::milliseconds>(
                                                  std::chrono::nanoseconds(now.tv_nsec));
}

}  // namespace sindhikit::dataaccess::detail
