#pragma once
// First start: the data folder is set up as an installer would set it up.

#include "state/datafolder.h"

#include <QString>

#include <cstdint>
#include <span>

namespace quotara {

// When the folder does not exist, creates it (with its parents) and writes newsFile into it
// as qonews.dat. In an existing folder only a missing qonews.dat is written again.
// Returns an empty text on success, otherwise a report for the player; a folder this call
// created is removed again when the news file cannot be written, so the next start retries.
QString installDataFolder(const DataFolder& folder, std::span<const std::uint8_t> newsFile);

} // namespace quotara
