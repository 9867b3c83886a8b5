// The word store's schema: the tables the program reads (Xlist, YList) and the tables of
// our own behind the stored queries (StoredQueries.h holds the queries themselves).
#pragma once

#include <cstdint>
#include <string_view>

namespace sindhikit::schema {

// Read by the program.
inline constexpr std::u16string_view EnglishHeadwordsTable = u"Xlist";  // ID, x (cipher text)
inline constexpr std::u16string_view SindhiHeadwordsTable = u"YList";   // Y (plain text)

// The exact query texts of the headword loaders, and the column each reads back.
inline constexpr std::u16string_view EnglishHeadwordsQueryText = u" SELECT x From Xlist ORDER BY ID";
inline constexpr std::u16string_view EnglishHeadwordsColumn = u"X";
inline constexpr std::u16string_view SindhiHeadwordsQueryText = u"SELECT Y From YList ";
inline constexpr std::u16string_view SindhiHeadwordsColumn = u"Y";

// Behind the stored queries.
//   Pairs(Seq, xKey, X, Y): one English word and one Sindhi meaning, in source order;
//     xKey = EncryptText(CapitalizeFirst(word)), X = EncryptText(word), Y plain.
//   Definitions(Seq, xKey, y, z): both parts enciphered.
//   StoreInfo(Name, Value): the format marker and the counts the checker verifies.
inline constexpr std::u16string_view PairsTable = u"Pairs";
inline constexpr std::u16string_view DefinitionsTable = u"Definitions";
inline constexpr std::u16string_view StoreInfoTable = u"StoreInfo";

// The format marker: StoreInfo('Format') and the SQLite header's application_id.
inline constexpr std::u16string_view FormatName = u"sindhikit word store";
inline constexpr std::int32_t FormatVersion = 1;
inline constexpr std::int32_t ApplicationId = 0x53444B57;  // "SDKW"

}  // namespace sindhikit::schema
