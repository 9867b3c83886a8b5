#include "EntryIndex.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace dictionary::controls {

std::wstring FoldCase(const std::wstring& text) {
    std::wstring folded = text;
    if (!folded.empty()) CharLowerBuffW(folded.data(), static_cast<DWORD>(folded.size()));
    return folded;
}

void EntryIndex::Clear() {
    folded_.clear();
    sorted_.clear();
    lowest_.clear();
    prepared_ = 0;
}

void EntryIndex::Add(const std::wstring& entry) {
    folded_.push_back(FoldCase(entry));
}

// Sorting waits for the first search after entries were added: the lists are filled
// whole at start-up and searched afterwards.
void EntryIndex::Prepare() {
    if (prepared_ == folded_.size()) return;
    sorted_.resize(folded_.size());
    for (size_t i = 0; i < sorted_.size(); ++i) sorted_[i] = static_cast<int>(i);
    std::sort(sorted_.begin(), sorted_.end(), [this](int a, int b) {
        const int order = folded_[static_cast<size_t>(a)].compare(folded_[static_cast<size_t>(b)]);
        return order != 0 ? order < 0 : a < b;
    });
    const size_t n = sorted_.size();
    lowest_.assign(2 * n, INT_MAX);
    for (size_t i = 0; i < n; ++i) lowest_[n + i] = sorted_[i];
    for (size_t i = n - 1; i > 0; --i) lowest_[i] = std::min(lowest_[2 * i], lowest_[2 * i + 1]);
    prepared_ = folded_.size();
}

int EntryIndex::LowestIndex(size_t from, size_t to) const {
    const size_t n = sorted_.size();
    int lowest = INT_MAX;
    for (size_t l = from + n, r = to + n; l < r; l /= 2, r /= 2) {
        if (l & 1) lowest = std::min(lowest, lowest_[l++]);
        if (r & 1) lowest = std::min(lowest, lowest_[--r]);
    }
    return lowest == INT_MAX ? -1 : lowest;
}

int EntryIndex::FirstBeginningWith(const std::wstring& prefix) {
    if (prefix.empty()) return -1;
    Prepare();
    const std::wstring key = FoldCase(prefix);
    const auto text = [this](int i) -> const std::wstring& { return folded_[static_cast<size_t>(i)]; };
    const auto from = std::lower_bound(sorted_.begin(), sorted_.end(), key,
                                       [&](int i, const std::wstring& k) { return text(i) < k; });
    const auto to = std::partition_point(from, sorted_.end(), [&](int i) { return text(i).starts_with(key); });
    return LowestIndex(static_cast<size_t>(from - sorted_.begin()), static_cast<size_t>(to - sorted_.begin()));
}

int EntryIndex::FirstEqualTo(const std::wstring& text) {
    if (text.empty()) return -1;
    Prepare();
    const std::wstring key = FoldCase(text);
    const auto from = std::lower_bound(sorted_.begin(), sorted_.end(), key, [&](int i, const std::wstring& k) {
        return folded_[static_cast<size_t>(i)] < k;
    });
    // Equal keys sort by index: the first of them is the lowest.
    return from != sorted_.end() && folded_[static_cast<size_t>(*from)] == key ? *from : -1;
}

}  // namespace dictionary::controls
