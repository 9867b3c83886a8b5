// The sindhikit program without its platform entry point: arguments in (UTF-16), UTF-8 out.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "Context.h"

namespace sindhikit::cli {

// Runs one command line (args without the program name) and returns the exit status:
// 0 found or done, 1 not found, 2 usage or store error.
int RunSindhikit(const std::vector<std::u16string>& args, const Context& context, std::istream& in, std::ostream& out,
                 std::ostream& err);

}  // namespace sindhikit::cli
