#include "utility/model/result_list.h"

#include <algorithm>

void AddResult(ResultList& list, std::string name, std::string path, std::string date) {
    list.entries.push_back({std::move(name), std::move(path), std::move(date)});
}

bool IsFolderEntry(const ResultEntry& entry) {
    return !entry.path.empty() && entry.path.back() == '*';
}

namespace {

// Strictly before: the ordering ResultLess allows, without the ties.
bool Before(const ResultEntry& a, const ResultEntry& b) {
    bool folderA = IsFolderEntry(a), folderB = IsFolderEntry(b);
    if (folderA != folderB) return folderA;
    int byPath = a.path.compare(b.path);
    if (byPath != 0) return byPath > 0;
    return a.name.compare(b.name) > 0;
}

}  // namespace

bool ResultLess(const ResultEntry& a, const ResultEntry& b) {
    return !Before(b, a);
}

void SortResults(ResultList& list) {
    std::stable_sort(list.entries.begin(), list.entries.end(), Before);
}
