// Connection strings of any shape parse or raise the data-access error, nothing else;
// a data source written with QuoteConnectionValue reads back as it was.
#include <cstdlib>

#include "FuzzInput.h"
#include "access/ConnectionString.h"
#include "access/DataError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sindhikit::dataaccess;
    const std::u16string text = FuzzText(data, size);
    try {
        (void)ParseConnectionString(text);
    } catch (const DataError&) {
    }
    // Any data source written with QuoteConnectionValue must parse, and give the path back whole.
    if (!text.empty() && text.find(u'\0') == std::u16string::npos) {
        const std::u16string written =
            u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + QuoteConnectionValue(text) + u";Mode=Read";
        std::u16string readBack;
        try {
            readBack = ParseConnectionString(written).dataSource;
        } catch (const DataError&) {
            std::abort();  // a path the program wrote itself was refused
        }
        if (readBack != text) std::abort();
    }
    return 0;
}
