#include "trading/pricepages.h"

namespace quotara {

namespace {

constexpr int kLetterPages = 4;

// Pages 1..4: first letters of the names they list.
constexpr std::array<std::pair<char, char>, kLetterPages> kLetterRanges = {
    {{'A', 'E'}, {'F', 'L'}, {'M', 'R'}, {'S', 'Z'}}};

bool onPage(const Tshare& share, int page) {
    if (page == 0) return true;
    if (page <= kLetterPages) {
        const auto name = share.name.view();
        if (name.empty()) return false;
        char c = name.front();
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        const auto [from, to] = kLetterRanges[page - 1];
        return c >= from && c <= to;
    }
    return share.sector == page - kLetterPages;
}

} // namespace

QStringList pricePageNames() {
    return {QStringLiteral("Popular Shares"),
            QStringLiteral("Shares A-E"),
            QStringLiteral("Shares F-L"),
            QStringLiteral("Shares M-R"),
            QStringLiteral("Shares S-Z"),
            QStringLiteral("Banks"),
            QStringLiteral("Electricity"),
            QStringLiteral("Engineering"),
            QStringLiteral("Gas"),
            QStringLiteral("Insurance"),
            QStringLiteral("Leisure & Hotels"),
            QStringLiteral("Media"),
            QStringLiteral("Oils"),
            QStringLiteral("Retailers"),
            QStringLiteral("Telecommunications"),
            QStringLiteral("Transport"),
            QStringLiteral("Water")};
}

int stepPricePage(int page, int delta) {
    return ((page + delta) % kPricePageCount + kPricePageCount) % kPricePageCount;
}

std::array<PriceRow, kPriceRows> priceRows(const GameState& state, int page) {
    std::array<PriceRow, kPriceRows> rows{};
    if (page < 0 || page >= kPricePageCount) return rows;
    int r = 0;
    for (int i = 0; i < kShareCount; ++i) {
        const Tshare& s = state.shares[i];
        if (!onPage(s, page)) continue;
        PriceRow& row = rows[r++];
        row.share = i;
        row.name = s.name.toQString();
        row.price = QString::number(s.price);
        row.change = changeText(s.change);
        row.held = s.owned >= 1;
        row.nameTone = row.held ? Tone::Blue : Tone::Black;
        row.changeTone = toneOf(s.change);
    }
    return rows;
}

bool sellEnabledFor(const GameState& state, int share) {
    return share >= 0 && share < kShareCount && state.shares[share].owned != 0;
}

} // namespace quotara
