#include "editor/newsfile.h"

#include <algorithm>

namespace quotara {

FileError loadNewsFile(GameState& state, const QString& path) {
    return readRecords(path, Tnewsitem::kSize, kNewsCount,
                       [&state](std::size_t index, std::span<const std::uint8_t> record) {
                           state.newsitems[index + 1] =
                               decodeNewsItem(record.first<Tnewsitem::kSize>());
                       });
}

FileError loadWholeNewsFile(GameState& state, const QString& path) {
    std::vector<Tnewsitem> items;
    items.reserve(kNewsCount);
    const FileError error =
        readRecords(path, Tnewsitem::kSize, kNewsCount,
                    [&items](std::size_t, std::span<const std::uint8_t> record) {
                        items.push_back(decodeNewsItem(record.first<Tnewsitem::kSize>()));
                    });
    // An empty file reads no item and changes nothing; readRecords fails on any shorter one.
    if (error.isError() || items.size() != kNewsCount) return error;
    std::copy(items.begin(), items.end(), state.newsitems.begin() + 1);
    return {};
}

FileError saveNewsFile(const GameState& state, const QString& path) {
    return writeFileAtomically(path, encodeNewsTable(state.newsitems));
}

std::vector<std::uint8_t> encodeNewsTable(std::span<const Tnewsitem, kNewsCount + 1> items) {
    std::vector<std::uint8_t> bytes(kNewsFileSize);
    for (int n = 1; n <= kNewsCount; ++n) {
        const auto at = static_cast<std::size_t>(n - 1) * Tnewsitem::kSize;
        encodeNewsItem(items[n], std::span<std::uint8_t, Tnewsitem::kSize>(bytes.data() + at,
                                                                           Tnewsitem::kSize));
    }
    return bytes;
}

} // namespace quotara
