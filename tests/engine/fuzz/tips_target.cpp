// The tip list stream, as stored with the main window's definition.

#include "fuzz.h"
#include "targets.h"

#include "components/tiplist.h"

namespace quotara::fuzz {

void tipList(Bytes input) {
    TTipList list;
    list.types.emplace_back();
    list.types.back().setName(QStringLiteral("tip"));
    list.tips.emplace_back();
    list.tips.back().setTipType(QStringLiteral("tip"));
    list.tips.back().Tip = QStringLiteral("Press End Day to close the market.");
    const auto before = list.WriteTipList();
    try {
        list.ReadTipList(input);
    } catch (const ETipListRead&) {
        FUZZ_CHECK(list.WriteTipList() == before); // a damaged stream changed nothing
        return;
    }

    // Written out and read back, the lists are the same.
    const auto once = list.WriteTipList();
    TTipList again;
    again.ReadTipList(once);
    FUZZ_CHECK(again.WriteTipList() == once);
    FUZZ_CHECK(again.types.size() == list.types.size() && again.tips.size() == list.tips.size());

    // Every tip is picked exactly once, then the list is used up.
    Random random;
    std::vector<bool> picked(list.tips.size());
    for (std::size_t k = 0; k < list.tips.size(); ++k) {
        const std::size_t i = list.PickTip(random);
        FUZZ_CHECK(i < picked.size() && !picked[i]);
        picked[i] = true;
        try {
            const TTipType& type = list.typeOf(list.tips[i]);
            FUZZ_CHECK(type.Name() == list.tips[i].TipType());
        } catch (const ETipOfTheDay&) {
        }
    }
    try {
        list.PickTip(random);
        FUZZ_CHECK(!"a used-up list gave another tip");
    } catch (const ETipOfTheDay&) {
    }
}

} // namespace quotara::fuzz
