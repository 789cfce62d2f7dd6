#pragma once
// The fuzz targets: each takes bytes from outside (a file's content, a typed text) through one
// of the game's readers and checks what it can beyond "no crash". A broken rule aborts with its
// text, so libFuzzer keeps the input and the replay test fails on it.

#include "state/gamestate.h"

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace quotara::fuzz {

using Bytes = std::span<const std::uint8_t>;

struct Target {
    const char* name; // also the folder of its seeds and regression cases
    void (*run)(Bytes input);
};

// Every target, in a fixed order.
std::span<const Target> targets();
const Target* findTarget(const char* name);

[[noreturn]] void fail(const char* what, const char* file, int line);
// The input a replay is running, named when a check fails.
void setInputName(const QString& name);

// A folder on tmpfs where there is one, made once per process and removed at exit.
const QString& scratchFolder();
// Makes `bytes` the whole content of the file (plain write: the fuzzed reader is under test,
// not the writer).
void putFile(const QString& path, Bytes bytes);
std::vector<std::uint8_t> fileBytes(const QString& path);

// Everything of a game state that a load could change, as bytes, to compare before and after.
std::vector<std::uint8_t> snapshot(const GameState& state);

// Splits the input into a head of at most n bytes and the rest.
inline Bytes take(Bytes& input, std::size_t n) {
    n = std::min(n, input.size());
    const Bytes head = input.first(n);
    input = input.subspan(n);
    return head;
}

} // namespace quotara::fuzz

#define FUZZ_CHECK(cond) ((cond) ? void(0) : ::quotara::fuzz::fail(#cond, __FILE__, __LINE__))
