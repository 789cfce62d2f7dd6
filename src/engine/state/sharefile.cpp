#include "state/sharefile.h"

#include <algorithm>
#include <cassert>

namespace quotara {

ShareFileContent readShareFile(const QString& path, EmptyShareFile empty) {
    ShareFileContent content;
    std::vector<std::uint8_t> bytes;
    content.error = readWholeRecords(path, Tshare::kSize, kShareCount, bytes);
    if (content.error.isError()) return content;
    if (bytes.empty()) {
        if (empty == EmptyShareFile::IsShort) content.error = FileError::readBeyondEnd();
        return content;
    }
    content.records.reserve(kShareCount);
    for (std::size_t i = 0; i < kShareCount; ++i)
        content.records.push_back(safeShare(decodeShare(std::span<const std::uint8_t>(bytes)
                                                            .subspan(i * Tshare::kSize)
                                                            .first<Tshare::kSize>())));
    content.image = std::move(bytes);
    return content;
}

Tshare safeShare(const Tshare& share) {
    Tshare safe = share;
    safe.name.len = std::min<std::uint8_t>(safe.name.len, 40);
    return safe;
}

std::vector<std::uint8_t> shareFileImage(std::span<const Tshare> shares) {
    assert(shares.size() >= kShareCount);
    std::vector<std::uint8_t> bytes(kShareFileSize);
    for (std::size_t i = 0; i < kShareCount; ++i)
        encodeShare(shares[i], std::span<std::uint8_t, Tshare::kSize>(
                                   bytes.data() + i * Tshare::kSize, Tshare::kSize));
    return bytes;
}

FileError writeShareFile(const QString& path, std::span<const Tshare> shares) {
    return writeFileAtomically(path, shareFileImage(shares));
}

void applyShares(GameState& state, const std::vector<Tshare>& records) {
    assert(records.size() == kShareCount);
    std::copy_n(records.begin(), kShareCount, state.shares.begin());
}

} // namespace quotara
