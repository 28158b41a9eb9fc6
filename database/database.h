#pragma once

// The word-pair database: line access to the current database file, the
// random generator and the drawing of the five pairs of a question.
//
// A database is a text file: 19 lines of introduction (line 0 is the title),
// then lines alternating between a word and its meaning. Lines are numbered
// from 0 as one line read returns them: CR LF reads as LF, a lone CR is text,
// Ctrl-Z ends the file, and a line longer than 253 bytes is split into pieces
// of 254 bytes, which moves every later line down.
//
// Nothing is cached and no file stays open: every call opens the file named
// by DatabasePath, reads it from its beginning as far as it needs, and closes
// it. A path that is not a readable regular file reads as no file at all.

#include <cstdint>
#include <string>

// The path of the current database file; empty at start. A relative path is
// resolved against the current directory at each access.
extern std::string DatabasePath;

// One word and its meaning, each a NUL-terminated text of at most 254 bytes.
struct WordPair {
    char word[255];
    char meaning[255];
};

// Returns line n of the current database (n from 0), or an empty text when n
// is negative, the file has no line n, or the file cannot be read. The text
// lives in a static buffer that the next ReadDatabaseLine, ReadDatabaseTitle
// or ReadPair call may overwrite; copy it at once.
const char* ReadDatabaseLine(int32_t n);

// Returns the title, line 0 of the current database; exactly ReadDatabaseLine(0).
const char* ReadDatabaseTitle();

// Fills out with pair k: the word on line 19 + 2k and the meaning on line
// 20 + 2k, each empty where the file has no such line. A negative k reads no
// pair and fills out with the pair that the last call with k >= 0 fetched.
// When the file cannot be read, out receives two empty texts.
void ReadPair(int32_t k, WordPair& out);

// Sets the generator's state to the calendar clock, in whole seconds since
// 1970-01-01 00:00:00 UTC, modulo 2^32. The clock is replaceable: see
// database/random_clock.h.
void SeedRandom();

// Sets the generator's state to seed. The same seed yields the same numbers.
void SeedRandom(uint32_t seed);

// Advances the generator and returns its output r (0 to 32767) scaled to n:
// r * n / 32768, truncated toward zero. For n >= 1 the result lies in 0 to
// n - 1, for n = 0 it is 0, for a negative n it lies in n + 1 to 0.
int32_t RandomBelow(int32_t n);

enum class DrawResult {
    Drawn,        // five pairwise different pair indices were stored
    TooFewPairs,  // the database holds fewer than five complete pairs
    Unreadable,   // the database cannot be opened as a regular file
};

// Counts the complete pairs of the current database and stores five pairwise
// different pair indices, each naming a pair that exists in the file; first
// is the pair to be asked. The indices are drawn with RandomBelow in a fixed
// order of calls, so the same seed yields the same questions. Unless the
// result is Drawn, no index is stored and no random number is consumed.
DrawResult DrawPairIndices(int32_t& first, int32_t& second, int32_t& third,
                           int32_t& fourth, int32_t& fifth);
