// InPage text of any shape converts without failing, never grows, and leaves a text
// without the marker byte as it was.
#include <cstdlib>

#include "FuzzInput.h"
#include "inpage/InpageTable.h"
#include "inpage/InpageToUnicode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const sindhikit::InpageTable table = [] {
        sindhikit::InpageTable t{};
        sindhikit::FillInpageTable(t);
        return t;
    }();
    const std::u16string text = FuzzText(data, size);
    const std::u16string out = sindhikit::InpageToUnicode(text, table);
    if (out.size() > text.size()) std::abort();
    if (text.find(u'\x0004') == std::u16string::npos && out != text) std::abort();
    return 0;
}
