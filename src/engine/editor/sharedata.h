#pragma once
// The share data file qoshares.dat: the 20 companies' records (names, sectors, prices,
// history, holdings) as 20 records of 2076 bytes, saved and loaded from the Game Editor page.

namespace quotara {

struct Game;

// "Save current shares data": shares[0..19] to the file. A failure is reported and leaves the
// old file as it was.
void savegamedata(Game& game);

// "Load shares data": the file's 20 records replace shares[0..19] whole; money and the rest of
// the game stay. An empty file changes nothing; a file shorter than 20 records or one that
// cannot be read is reported and changes nothing; bytes after record 20 are ignored.
// True when the share table was replaced.
bool loadgamedata(Game& game);

} // namespace quotara
