// The default text form of a floating number, as OLE Automation writes it (VarBstrFromR8,
// VarBstrFromR4): up to 15 (7 for single) significant digits, no trailing zeros, fixed
// notation while the digits fit, otherwise "1.5E+20" / "3.33333333333333E-02".
#pragma once

#include <string>

#include "variant/NumberFormat.h"

namespace sindhikit {

std::u16string DoubleToText(double value, const NumberFormat& format);
std::u16string SingleToText(float value, const NumberFormat& format);

}  // namespace sindhikit
