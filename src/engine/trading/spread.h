#pragma once
// The fixed spread around a share's price: bought at price + spread, sold at price - spread.

namespace quotara {

// Round(price * 0.01), halves to even: 49p -> 0, 50p -> 0, 150p -> 2, 250p -> 2, 350p -> 4.
// Price and result in pence; price 0..65535.
int spread(int pricePence);

} // namespace quotara
