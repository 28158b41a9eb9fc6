// A libFuzzer target over the bytes of a database file.
//
// Each input is written to a file that becomes the current database, and
// every read operation and a draw run on it. Their results are compared with
// a byte-at-a-time model of the reader, so the target finds wrong answers as
// well as crashes, sanitizer reports and hangs. The input is read twice: as
// it is, and behind a filler that puts the middle of the input on the
// reader's first block boundary, where a CR LF may be cut in two.

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "database/DatabaseStream.h"
#include "database/database.h"

namespace {

constexpr std::size_t kMaxLine = DatabaseStream::kMaxLineLength;
constexpr std::int64_t kIntroduction = 19;
constexpr uint32_t kSeed = 20240611;

std::string g_path;
// The pair the last ReadPair with an index of 0 or more fetched, which a
// negative index returns again; it survives from one input to the next.
std::string g_lastWord;
std::string g_lastMeaning;

[[noreturn]] void Fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "database_fuzzer: %s: %s\n", what, detail.c_str());
    std::abort();
}

// The file as one line read after another sees it: text-mode translation
// first, then lines ended by LF or by their 254th byte. The read that finds
// the end with nothing stored is not a line.
std::vector<std::string> ModelLines(const std::string& bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size() && bytes[i] != '\x1A'; ++i) {
        const bool crBeforeLf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        if (!crBeforeLf)
            text.push_back(bytes[i]);
    }
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = std::min(kMaxLine, text.size() - pos);
        const char* start = text.data() + pos;
        if (const auto* lf = static_cast<const char*>(std::memchr(start, '\n', length))) {
            lines.emplace_back(start, lf);
            pos += static_cast<std::size_t>(lf - start) + 1;
        } else {
            // Full at 254 bytes, or ended by the end of the file.
            lines.push_back(text.substr(pos, length));
            pos += length;
        }
    }
    return lines;
}

// A line as callers see it: up to its first NUL, empty past the end.
std::string Visible(const std::vector<std::string>& lines, std::int64_t n)
{
    if (n < 0 || n >= static_cast<std::int64_t>(lines.size()))
        return {};
    const std::string& line = lines[static_cast<std::size_t>(n)];
    return line.substr(0, line.find('\0'));
}

// A text for a message, with control bytes and bytes above 0x7E as \xNN.
std::string Printable(const std::string& text)
{
    std::string shown;
    for (const unsigned char byte : text) {
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            shown += static_cast<char>(byte);
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        }
    }
    return shown;
}

void ExpectText(const char* what, std::int64_t n, const char* text, const std::string& expected)
{
    const std::size_t length = strnlen(text, 255);
    if (length > kMaxLine)
        Fail(what, "a text of more than 254 bytes at " + std::to_string(n));
    if (expected != text)
        Fail(what, "at " + std::to_string(n) + ": got \"" + Printable(text) + "\", expected \"" +
                       Printable(expected) + "\"");
}

void CheckLine(const std::vector<std::string>& lines, int32_t n)
{
    ExpectText("ReadDatabaseLine", n, ReadDatabaseLine(n), Visible(lines, n));
}

void CheckPair(const std::vector<std::string>& lines, int32_t k)
{
    WordPair pair;
    std::memset(&pair, 'X', sizeof pair);
    ReadPair(k, pair);
    if (k >= 0) {
        g_lastWord = Visible(lines, kIntroduction + 2 * std::int64_t{k});
        g_lastMeaning = Visible(lines, kIntroduction + 2 * std::int64_t{k} + 1);
    }
    ExpectText("ReadPair word", k, pair.word, g_lastWord);
    ExpectText("ReadPair meaning", k, pair.meaning, g_lastMeaning);
}

// The generator and the draw as they must behave, for the comparison.
struct ModelRandom {
    uint32_t state;
    int32_t Below(int32_t n)
    {
        state = state * 214013u + 2531011u;
        return static_cast<int32_t>(static_cast<int64_t>((state >> 16) & 0x7FFF) * n / 32768);
    }
};

void CheckDraw(const std::vector<std::string>& lines)
{
    const std::int64_t lineCount = static_cast<std::int64_t>(lines.size());
    const std::int64_t pairs = lineCount > kIntroduction ? (lineCount - kIntroduction) / 2 : 0;

    SeedRandom(kSeed);
    ModelRandom model{kSeed};
    int32_t drawn[5] = {-7, -7, -7, -7, -7};
    const DrawResult result = DrawPairIndices(drawn[0], drawn[1], drawn[2], drawn[3], drawn[4]);
    if (pairs < 5) {
        if (result != DrawResult::TooFewPairs)
            Fail("DrawPairIndices", "did not report too few pairs for " + std::to_string(pairs));
        for (int32_t index : drawn)
            if (index != -7)
                Fail("DrawPairIndices", "stored an index without drawing");
        // Nothing was consumed: the generator goes on from the seed.
        if (RandomBelow(32768) != model.Below(32768))
            Fail("DrawPairIndices", "consumed a random number without drawing");
        return;
    }
    if (result != DrawResult::Drawn)
        Fail("DrawPairIndices", "no draw from " + std::to_string(pairs) + " pairs");

    const int32_t a = static_cast<int32_t>(std::min<std::int64_t>(pairs, std::numeric_limits<int32_t>::max()));
    int32_t expected[5];
    expected[0] = model.Below(a);
    do expected[1] = model.Below(a); while (expected[1] == expected[0]);
    do expected[2] = model.Below(a); while (expected[2] == expected[0] || expected[2] == expected[1]);
    expected[3] = model.Below(a);
    expected[4] = model.Below(a);
    while (expected[3] == expected[0] || expected[3] == expected[1] || expected[3] == expected[2])
        expected[3] = model.Below(a);
    while (expected[4] == expected[0] || expected[4] == expected[1] || expected[4] == expected[2] ||
           expected[4] == expected[3])
        expected[4] = model.Below(a);

    for (int i = 0; i < 5; ++i) {
        if (drawn[i] < 0 || drawn[i] >= pairs)
            Fail("DrawPairIndices", "index " + std::to_string(drawn[i]) + " outside " + std::to_string(pairs) + " pairs");
        for (int j = 0; j < i; ++j)
            if (drawn[i] == drawn[j])
                Fail("DrawPairIndices", "the same index twice");
        if (drawn[i] != expected[i])
            Fail("DrawPairIndices", "not the draw of the seed");
    }
    // Every drawn pair exists in the file: both its lines are there.
    for (int32_t k : drawn) {
        if (kIntroduction + 2 * std::int64_t{k} + 1 >= lineCount)
            Fail("DrawPairIndices", "a pair past the end of the file");
        CheckPair(lines, k);
    }
}

void WriteDatabase(const std::string& bytes)
{
    std::ofstream out(g_path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        Fail("setup", "cannot write " + g_path);
}

// The reads leave the file as it was.
void ExpectFileUnchanged(const std::string& bytes)
{
    std::ifstream in(g_path, std::ios::binary);
    const std::string now{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (now != bytes)
        Fail("file", "the database changed while it was read");
}

void ReadAsIs(const std::string& bytes)
{
    WriteDatabase(bytes);
    const std::vector<std::string> lines = ModelLines(bytes);
    const int32_t lineCount = static_cast<int32_t>(lines.size());

    ExpectText("ReadDatabaseTitle", 0, ReadDatabaseTitle(), Visible(lines, 0));
    for (int32_t n = 0; n <= 25; ++n)
        CheckLine(lines, n);
    for (int32_t n : {-1, std::numeric_limits<int32_t>::min(), lineCount - 1, lineCount, 1000, 1 << 20,
                      std::numeric_limits<int32_t>::max()})
        CheckLine(lines, n);

    const int32_t pairs = std::max(0, (lineCount - 19) / 2);
    for (int32_t k : {0, 1, 2, 5, -1, std::numeric_limits<int32_t>::min(), pairs - 1, pairs, pairs + 1, 100000,
                      std::numeric_limits<int32_t>::max()})
        CheckPair(lines, k);

    CheckDraw(lines);
    ExpectFileUnchanged(bytes);
}

// The same bytes with the middle of the input on the first block boundary.
void ReadAcrossBlocks(const std::string& bytes)
{
    const std::size_t half = bytes.size() / 2;
    const std::size_t filler = half < DatabaseStream::kBlockSize ? DatabaseStream::kBlockSize - half : 0;
    std::string file(filler, 'x');
    for (std::size_t i = 99; i < filler; i += 100)
        file[i] = '\n';
    file += bytes;
    WriteDatabase(file);
    const std::vector<std::string> lines = ModelLines(file);
    const int32_t lineCount = static_cast<int32_t>(lines.size());

    // The lines around the boundary, each read once.
    const int32_t boundary = static_cast<int32_t>(filler / 100);
    for (int32_t n = boundary; n < std::min(lineCount + 1, boundary + 4); ++n)
        CheckLine(lines, n);
    CheckLine(lines, lineCount - 1);
    CheckDraw(lines);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char pattern[] = "/tmp/wordloom-fuzz-XXXXXX";
    if (::mkdtemp(pattern) == nullptr)
        Fail("setup", "no temporary folder");
    g_path = std::string(pattern) + "/database.txt";
    DatabasePath = g_path;
    // The folder and its file go when the run ends.
    static const std::string folder = pattern;
    std::atexit([] {
        ::unlink(g_path.c_str());
        ::rmdir(folder.c_str());
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ReadAsIs(bytes);
    ReadAcrossBlocks(bytes);
    return 0;
}
