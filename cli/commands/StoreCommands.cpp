// store build and store check: the store engineer's builder and checker on the command line.
#include <filesystem>
#include <vector>

#include "Commands.h"
#include "Context.h"
#include "builder/StoreBuilder.h"
#include "builder/StoreChecker.h"

namespace sindhikit::cli {

int RunStoreBuild(const Invocation& inv, const Context& context, std::ostream& out, std::ostream& err) {
    std::vector<std::filesystem::path> sources;
    for (const std::u16string& s : inv.operands) sources.emplace_back(s);
    std::filesystem::path target(*inv.output);
    try {
        storebuild::BuildSummary s = storebuild::BuildStore(sources, target);
        const std::string& nl = context.newline;
        out << "built " << DisplayPath(std::filesystem::absolute(target)) << nl
            << "English headwords: " << s.englishHeadwords << nl << "Sindhi headwords: " << s.sindhiHeadwords << nl
            << "meanings: " << s.meanings << nl << "definitions: " << s.definitions << nl
            << "duplicates skipped: " << s.duplicatesSkipped << nl;
        return ExitFound;
    } catch (const storebuild::StoreBuildError& e) {
        err << "sindhikit: store build: " << e.what() << '\n';
    } catch (const std::exception& e) {
        err << "sindhikit: store build: " << e.what() << '\n';
    }
    return ExitError;
}

int RunStoreCheck(const Invocation& inv, const Context& context, std::ostream& out, std::ostream& err) {
    std::optional<std::u16string> named = inv.store;
    if (!inv.operands.empty()) named = inv.operands.front();
    std::filesystem::path store = StoreFor(named, context);
    try {
        storebuild::StoreReport report = storebuild::CheckStore(store);
        for (char c : storebuild::DescribeReport(report)) {
            if (c == '\n')
                out << context.newline;
            else
                out << c;
        }
        return ExitFound;
    } catch (const storebuild::StoreCheckError& e) {
        err << "sindhikit: store check: " << e.what() << '\n';
    } catch (const std::exception& e) {
        err << "sindhikit: store check: " << DisplayPath(std::filesystem::absolute(store)) << ": " << e.what() << '\n';
    }
    return ExitError;
}

}  // namespace sindhikit::cli
