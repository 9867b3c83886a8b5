// A Windows code page in the form the InPage conversion reads it, asked of the system.
#pragma once

#include "inpage/AnsiCodePage.h"

namespace sindhikit {

// The character each byte denotes in codePage (MultiByteToWideChar); lead bytes of a
// multi-byte code page, and bytes the code page leaves undefined, denote none alone.
AnsiCodePage AnsiCodePageOf(unsigned codePage);

}  // namespace sindhikit
