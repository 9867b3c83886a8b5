#include "access/CoarseClock.h"

#include <windows.h>

namespace sindhikit::dataaccess::detail {

std::chrono::milliseconds CoarseNow() {
    return std::chrono::milliseconds(static_cast<std::chrono::milliseconds::rep>(GetTickCount64()));
}

}  // namespace sindhikit::dataaccess::detail
