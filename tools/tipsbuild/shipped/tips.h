#pragma once
// The main window's tip list as the "TheTipList" stream, built from data/tips.txt.

#include <cstdint>
#include <span>

namespace quotara {

std::span<const std::uint8_t> shippedTipList();

} // namespace quotara
