// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/SimilarNames.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <tuple>

#include "text/WideText.h"

namespace {

// Edits (insert, delete, replace) between two texts, counted in characters, not bytes.
std::size_t EditDistance(std::wstring_view a, std::wstring_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t replaced = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, replaced});
        }
    }
    return row[b.size()];
}

}  // namespace

std::vector<std::string> SimilarNames(std::string_view query,
                                      const std::vector<std::string_view>& names,
                                      std::size_t count) {
    const std::wstring wideQuery = wtext::Utf8ToWide(query);
    // A name more than half its length away from the query is no useful suggestion.
    const std::size_t limit = std::max<std::size_t>(1, wideQuery.size() / 2);
    std::set<std::tuple<bool, std::size_t, std::string_view>> ranked;
    for (const std::string_view name : std::set<std::string_view>(names.begin(), names.end())) {
        const std::wstring wide = wtext::Utf8ToWide(name);
        const bool contains = !wide.empty() && !wideQuery.empty() &&
                              (wide.find(wideQuery) != std::wstring::npos ||
                               wideQuery.find(wide) != std::wstring::npos);
        const std::size_t distance = EditDistance(wideQuery, wide);
        if (contains || distance <= limit) {
            ranked.emplace(!contains, distance, name);
        }
    }
    std::vector<std::string> similar;
    for (const auto& [notContained, distance, name] : ranked) {
        if (similar.size() == count) {
            break;
        }
        similar.emplace_back(name);
    }
    return similar;
}
