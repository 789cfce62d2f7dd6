#include "editor/newsfile.h"

namespace quotara {

FileError loadNewsFile(GameState& state, const QString& path) {
    return readRecords(path, Tnewsitem::kSize, kNewsCount,
                       [&state](std::size_t index, std::span<const std::uint8_t> record) {
                           state.newsitems[index + 1] =
                               decodeNewsItem(record.first<Tnewsitem::kSize>());
                       });
}

FileError loadWholeNewsFile(GameState& state, const QString& path) {
    std::vector<std::uint8_t> bytes;
    const FileError error = readWholeRecords(path, Tnewsitem::kSize, kNewsCount, bytes);
    // An empty file gives no bytes and changes nothing.
    if (error.isError() || bytes.empty()) return error;
    const std::span<const std::uint8_t> all(bytes);
    for (int n = 1; n <= kNewsCount; ++n)
        state.newsitems[n] = decodeNewsItem(
            all.subspan(std::size_t(n - 1) * Tnewsitem::kSize).first<Tnewsitem::kSize>());
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
