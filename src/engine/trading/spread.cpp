#include "trading/spread.h"

#include "state/money.h"

namespace quotara {

int spread(int pricePence) {
    return static_cast<int>(roundDiv(pricePence, 100));
}

} // namespace quotara
