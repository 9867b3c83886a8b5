// sindhikit on Linux: arguments and output in UTF-8.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "Sindhikit.h"
#include "StoreLocation.h"
#include "Utf8.h"
#include "commands/Commands.h"

int main(int argc, char** argv) {
    using namespace sindhikit;
    std::vector<std::u16string> args;
    for (int i = 1; i < argc; ++i) {
        std::optional<std::u16string> arg = Utf8ToUtf16(argv[i]);
        if (!arg) {
            std::cerr << "sindhikit: argument " << i << " is not valid UTF-8\n";
            return cli::ExitError;
        }
        args.push_back(std::move(*arg));
    }

    cli::Context context;
    context.newline = "\n";
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(argv[0], ec);
    context.executableDir = self.parent_path();
    if (const char* store = std::getenv(std::string(StoreVariableName).c_str()); store && *store)
        context.storeVariable = Utf8ToUtf16(store);
    return cli::RunSindhikit(args, context, std::cin, std::cout, std::cerr);
}
