#include "Headwords.h"

#include "EncDec.h"
#include "StoreSchema.h"
#include "access/DataError.h"

namespace sindhikit {

namespace {

std::u16string_view ColumnOf(HeadwordList list) {
    return list == HeadwordList::English ? schema::EnglishHeadwordsColumn : schema::SindhiHeadwordsColumn;
}

}  // namespace

std::u16string_view HeadwordQueryText(HeadwordList list) {
    return list == HeadwordList::English ? schema::EnglishHeadwordsQueryText : schema::SindhiHeadwordsQueryText;
}

HeadwordRows::HeadwordRows(const dataaccess::Connection& connection, HeadwordList list) : list_(list) {
    if (list == HeadwordList::English) RequireCipherKey();
    rows_.Open(HeadwordQueryText(list), connection);
}

bool HeadwordRows::KnownEmpty() const {
    return rows_.RecordCount() == 0;
}

void HeadwordRows::MoveFirst() {
    ended_ = false;
    rows_.MoveFirst();
}

bool HeadwordRows::Eof() const {
    return ended_ || rows_.Eof();
}

dataaccess::FieldValue HeadwordRows::StoredValue() const {
    return rows_.Fields(ColumnOf(list_));
}

std::optional<std::u16string> HeadwordRows::Headword() const {
    dataaccess::FieldValue value = StoredValue();
    if (value && list_ == HeadwordList::English) return DecryptText(*value, RequireCipherKey());
    return value;
}

void HeadwordRows::MoveNext() {
    try {
        rows_.MoveNext();
    } catch (const dataaccess::DataError&) {
        ended_ = true;
        throw;
    }
}

void HeadwordRows::Close() {
    if (rows_.IsOpen()) rows_.Close();
    ended_ = true;
}

std::vector<std::u16string> LoadHeadwords(const dataaccess::Connection& connection, HeadwordList list) {
    HeadwordRows rows(connection, list);
    std::vector<std::u16string> headwords;
    if (rows.KnownEmpty()) return headwords;
    for (rows.MoveFirst(); !rows.Eof();) {
        if (auto word = rows.Headword()) headwords.push_back(std::move(*word));
        try {
            rows.MoveNext();
        } catch (const dataaccess::DataError&) {
        }
    }
    rows.Close();
    return headwords;
}

}  // namespace sindhikit
