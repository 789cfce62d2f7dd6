#pragma once
// The fuzz targets, one per reader of outside bytes.

#include "fuzz.h"

namespace quotara::fuzz {

void newsRecord(Bytes input);    // one 256-byte news item
void shareRecord(Bytes input);   // one 2076-byte share record
void cp1252(Bytes input);        // texts to and from Windows-1252
void tradeQuantity(Bytes input); // the trade dialog's quantity text and OK
void priceEngine(Bytes input);   // End Day with decoded news items in force
void newsFile(Bytes input);      // qonews.dat
void shareFile(Bytes input);     // qoshares.dat
void savedGame(Bytes input);     // savegame.sta, .ply and .shr
void tipList(Bytes input);       // the tip list stream

// For the seed corpus: the digests a save writes into a state file for its share image.
void sealStateFile(std::vector<std::uint8_t>& sta, Bytes shareImage);

} // namespace quotara::fuzz
