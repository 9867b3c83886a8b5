#include "inpage/AnsiCodePage.h"

namespace sindhikit {

// Without a Windows system to ask, the code page of the systems the kit serves.
const AnsiCodePage& SystemAnsiCodePage() {
    return AnsiCodePage::Windows1252();
}

}  // namespace sindhikit
