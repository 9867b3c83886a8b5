// The commands of sindhikit. Each returns the exit status: 0 found or done, 1 not found,
// 2 usage or store error. They write their result to out only once it is complete, so a
// failure never leaves half a result on standard output.
#pragma once

#include <istream>
#include <ostream>

#include "CommandLine.h"
#include "Context.h"

namespace sindhikit::cli {

inline constexpr int ExitFound = 0;
inline constexpr int ExitNotFound = 1;
inline constexpr int ExitError = 2;

int RunEnglishLookup(const Invocation& inv, const Context& context, std::ostream& out, std::ostream& err);
int RunSindhiLookup(const Invocation& inv, const Context& context, std::ostream& out, std::ostream& err);
int RunAlphabet(const Invocation& inv, const Context& context, std::ostream& out, std::ostream& err);
int RunKeys(const Invocation& inv, const Context& context, std::ostream& out, std::ostream& err);
int RunInpage(const Invocation& inv, const Context& context, std::istream& in, std::ostream& out, std::ostream& err);
int RunStoreBuild(const Invocation& inv, const Context& context, std::ostream& out, std::ostream& err);
int RunStoreCheck(const Invocation& inv, const Context& context, std::ostream& out, std::ostream& err);

}  // namespace sindhikit::cli
