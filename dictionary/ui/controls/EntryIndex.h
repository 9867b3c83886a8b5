// The entries of a list kept searchable by their beginning: the first entry (lowest
// index) that begins with a text, or that equals it, without regard to letter case. The
// headword lists hold a few hundred thousand entries and the word box searches on every
// key, so a search is logarithmic instead of a walk over the list.
#pragma once

#include <string>
#include <vector>

namespace dictionary::controls {

class EntryIndex {
 public:
    void Clear();
    // The entry gets the next index (0, 1, 2, ... in the order added).
    void Add(const std::wstring& entry);
    // -1 when no entry begins with `prefix` (or `prefix` is empty).
    int FirstBeginningWith(const std::wstring& prefix);
    // -1 when no entry equals `text`.
    int FirstEqualTo(const std::wstring& text);

 private:
    void Prepare();
    // The lowest entry index among sorted positions [from, to).
    int LowestIndex(size_t from, size_t to) const;

    std::vector<std::wstring> folded_;  // by entry index
    std::vector<int> sorted_;           // entry indexes by folded text, then index
    std::vector<int> lowest_;           // segment tree of the lowest index over sorted_
    size_t prepared_ = 0;               // entries in sorted_
};

// The form entries are compared in: lower case, as the system folds it.
std::wstring FoldCase(const std::wstring& text);

}  // namespace dictionary::controls
