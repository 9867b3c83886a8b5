// The maker's contact details shown in the About windows and opened by their web labels, and
// the names the artwork carries.
#pragma once

namespace sindhikit::pictures {

inline constexpr const char* kMakerEmail = "tavrocodes@example.org";
inline constexpr const char* kMakerWebsite = "http://www.tavrocodes.example.org";
inline constexpr const char16_t* kProductName = u"TavroCodes";
// The maker, as the lookup windows' label and the Dictionary's registry key name it.
inline constexpr const char16_t* kMakerName = u"Darvel";
inline constexpr const char16_t* kDictionaryName = u"Dictionary";

}  // namespace sindhikit::pictures
