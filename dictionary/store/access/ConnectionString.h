// Parsing of an OLE DB connection string ("Key=Value;Key=Value"), the grammar the
// store's connection is opened with.
#pragma once

#include <string>
#include <string_view>

namespace sindhikit::dataaccess {

// The provider name the system writes; it is served by SQLite.
inline constexpr std::u16string_view JetProvider = u"Microsoft.Jet.OLEDB.4.0";

struct ConnectionSettings {
    std::u16string dataSource;  // the store file, as written
    bool readOnly = true;       // Mode=Read (the only mode this layer offers)
    bool persistSecurityInfo = false;
};

// Keys are matched without regard to case and surrounding spaces; a value may be quoted
// with " or ' (a doubled quote inside stands for itself), which lets a path hold ';'.
// Accepted keys: Provider (must be the Jet 4.0 provider), Data Source (required),
// Mode (Read), Persist Security Info (True/False), User ID and Password (empty).
// Anything else raises a DataError naming the offending piece.
ConnectionSettings ParseConnectionString(std::u16string_view text);

// A value written so that ParseConnectionString reads it back as it is: quoted only when
// it holds ';', a quote, or leading or trailing spaces.
std::u16string QuoteConnectionValue(std::u16string_view value);

}  // namespace sindhikit::dataaccess
