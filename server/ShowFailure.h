// The modal message box a method shows for a failure it absorbs: the failure's
// description as text, an OK button, the application's title.
#pragma once

#include <exception>

namespace tavrocodes {

void ShowFailureMessage(const wchar_t* description) noexcept;
void ShowFailureMessage(const std::exception& failure) noexcept;

}  // namespace tavrocodes
