// inpage: InPage 8-bit text (a file or standard input) to UTF-8. Each byte is first the
// character it denotes in the system's ANSI code page, as the automation server receives the
// text, and the conversion then reads it through the same code page as Inpage2UniCode does.
#include <fstream>
#include <iterator>
#include <system_error>
#include <string>

#include "Commands.h"
#include "Context.h"
#include "Utf8.h"
#include "inpage/AnsiCodePage.h"
#include "inpage/InpageTable.h"
#include "inpage/InpageToUnicode.h"

namespace sindhikit::cli {

int RunInpage(const Invocation& inv, const Context&, std::istream& in, std::ostream& out, std::ostream& err) {
    std::string bytes;
    if (inv.operands.empty()) {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
        std::filesystem::path file(inv.operands.front());
        std::error_code ec;
        std::ifstream f;
        if (std::filesystem::is_regular_file(file, ec)) f.open(file, std::ios::binary);
        if (!f.is_open()) {
            err << "sindhikit: inpage: cannot read " << DisplayPath(file) << '\n';
            return ExitError;
        }
        bytes.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
        if (f.bad()) {
            err << "sindhikit: inpage: reading " << DisplayPath(file) << " failed\n";
            return ExitError;
        }
    }

    const AnsiCodePage& codePage = SystemAnsiCodePage();
    std::u16string text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        const char32_t c = codePage.CharacterOf(static_cast<std::uint8_t>(b));
        // A lead byte of a multi-byte code page denotes no character on its own.
        text += c < 0x10000 ? static_cast<char16_t>(c) : u'\uFFFD';
    }
    InpageTable table;
    FillInpageTable(table);
    out << Utf16ToUtf8(InpageToUnicode(text, table, codePage));
    return ExitFound;
}

}  // namespace sindhikit::cli
