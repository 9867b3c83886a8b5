// The maker's contact details shown in the About windows and opened by its web label.
#pragma once

namespace sindhikit::pictures {

inline constexpr const char* kMakerEmail = "tavrocodes@example.org";
inline constexpr const char* kMakerWebsite = "http://www.tavrocodes.example.org";
inline constexpr const char16_t* kProductName = u"TavroCodes";

}  // namespace sindhikit::pictures
