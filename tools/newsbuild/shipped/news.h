#pragma once
// The news file the game ships with, built from data/news.csv: 200 records of 256 bytes.
// The first start writes it into the data folder as qonews.dat.

#include <cstdint>
#include <span>

namespace quotara {

std::span<const std::uint8_t> shippedNewsFile();

} // namespace quotara
