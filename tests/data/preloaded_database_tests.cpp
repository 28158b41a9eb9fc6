// The databases behind the "SAT100" and "GRE1265" buttons, checked as the
// program reads them and as raw bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "database/database.h"

namespace {

namespace fs = std::filesystem;

constexpr int32_t kIntroductionLines = 19;
constexpr std::size_t kMaxMeaningLength = 60;
constexpr std::size_t kMaxLineLength = 253;

struct PreloadedDatabase {
    const char* fileName;
    int32_t pairCount;
};

std::ostream& operator<<(std::ostream& out, const PreloadedDatabase& database)
{
    return out << database.fileName;
}

struct Pair {
    std::string word;
    std::string meaning;
};

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The file's physical lines, split at CR LF; a final CR LF ends the last line
// rather than starting an empty one.
std::vector<std::string> SplitCrLfLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A word as the lists write it: one word of lower-case letters.
bool IsSingleLowerCaseWord(const std::string& word)
{
    return !word.empty()
        && std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

class PreloadedDatabaseTest : public ::testing::TestWithParam<PreloadedDatabase> {
protected:
    void SetUp() override
    {
        m_path = fs::path(WORDLOOM_DATA_DIR) / GetParam().fileName;
        ASSERT_TRUE(fs::is_regular_file(m_path)) << m_path << " is missing";
        DatabasePath = m_path.string();
    }

    void TearDown() override { DatabasePath.clear(); }

    // Every pair the layer returns, from index 0 up to the first index that
    // yields two empty texts. Stops one index past the expected count so that
    // a file with too many pairs shows as a wrong count, not as a hang.
    std::vector<Pair> ReadPairsUntilEmpty() const
    {
        std::vector<Pair> pairs;
        for (int32_t k = 0; k <= GetParam().pairCount; ++k) {
            WordPair pair{};
            ReadPair(k, pair);
            if (pair.word[0] == '\0' && pair.meaning[0] == '\0')
                break;
            pairs.push_back({pair.word, pair.meaning});
        }
        return pairs;
    }

    fs::path m_path;
};

TEST_P(PreloadedDatabaseTest, BytesArePlainAsciiWithCrLfAfterEveryLine)
{
    const std::string bytes = ReadBytes(m_path);
    ASSERT_FALSE(bytes.empty());

    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        ASSERT_LT(byte, 0x80) << "byte " << i;
        ASSERT_NE(byte, 0x00) << "byte " << i;
        ASSERT_NE(byte, 0x1A) << "byte " << i << ": Ctrl-Z would end the file here";
        if (byte == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
        }
        if (byte == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at byte " << i;
        }
    }
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << "the last line has no line break";

    const std::vector<std::string> lines = SplitCrLfLines(bytes);
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(kIntroductionLines + 2 * GetParam().pairCount));
    for (std::size_t n = 0; n < lines.size(); ++n) {
        // A longer line would be split and shift every pair after it.
        EXPECT_LE(lines[n].size(), kMaxLineLength) << "line " << n;
        EXPECT_TRUE(lines[n].empty() || lines[n].back() != ' ') << "trailing space on line " << n;
    }
}

TEST_P(PreloadedDatabaseTest, HoldsExactlyTheAdvertisedNumberOfPairs)
{
    const int32_t pairCount = GetParam().pairCount;
    EXPECT_EQ(ReadPairsUntilEmpty().size(), static_cast<std::size_t>(pairCount));

    // The same count seen from the lines: the last meaning ends the file.
    const int32_t lastLine = kIntroductionLines + 2 * pairCount - 1;
    EXPECT_STRNE(ReadDatabaseLine(lastLine), "");
    EXPECT_STREQ(ReadDatabaseLine(lastLine + 1), "");
}

TEST_P(PreloadedDatabaseTest, EveryPairIsAWordWithAShortMeaningAndNoWordRepeats)
{
    EXPECT_STRNE(ReadDatabaseTitle(), "");

    const std::vector<Pair> pairs = ReadPairsUntilEmpty();
    std::set<std::string> seen;
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        const Pair& pair = pairs[k];
        // A word that is not a single word means the introduction is not
        // exactly 19 lines and words and meanings have changed places.
        EXPECT_TRUE(IsSingleLowerCaseWord(pair.word)) << "pair " << k << ": \"" << pair.word << "\"";
        EXPECT_FALSE(pair.meaning.empty()) << "pair " << k << " (" << pair.word << ")";
        EXPECT_LE(pair.meaning.size(), kMaxMeaningLength) << "pair " << k << " (" << pair.word << ")";
        EXPECT_TRUE(seen.insert(pair.word).second) << "\"" << pair.word << "\" appears twice";
        if (k > 0) {
            EXPECT_LT(pairs[k - 1].word, pair.word) << "pair " << k << " is out of alphabetical order";
        }
    }
}

TEST_P(PreloadedDatabaseTest, FirstAndLastPairsAreTheFilesOwn)
{
    const std::vector<std::string> lines = SplitCrLfLines(ReadBytes(m_path));
    ASSERT_GE(lines.size(), static_cast<std::size_t>(kIntroductionLines + 2));
    const int32_t last = GetParam().pairCount - 1;

    WordPair pair{};
    ReadPair(0, pair);
    EXPECT_EQ(pair.word, lines[kIntroductionLines]);
    EXPECT_EQ(pair.meaning, lines[kIntroductionLines + 1]);

    ReadPair(last, pair);
    EXPECT_EQ(pair.word, lines[lines.size() - 2]);
    EXPECT_EQ(pair.meaning, lines[lines.size() - 1]);
}

TEST_P(PreloadedDatabaseTest, QuestionsDrawFiveDifferentPairsOfTheFile)
{
    SeedRandom(1);
    for (int question = 0; question < 50; ++question) {
        int32_t indices[5] = {-1, -1, -1, -1, -1};
        ASSERT_EQ(DrawPairIndices(indices[0], indices[1], indices[2], indices[3], indices[4]),
                  DrawResult::Drawn);
        for (int32_t index : indices) {
            EXPECT_GE(index, 0);
            EXPECT_LT(index, GetParam().pairCount);
        }
        EXPECT_EQ(std::set<int32_t>(std::begin(indices), std::end(indices)).size(), 5u);
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedDatabases, PreloadedDatabaseTest,
                         ::testing::Values(PreloadedDatabase{"SAT100.TXT", 100},
                                           PreloadedDatabase{"GRE.TXT", 1265}),
                         [](const ::testing::TestParamInfo<PreloadedDatabase>& param) {
                             std::string name = param.param.fileName;
                             return name.substr(0, name.find('.'));
                         });

} // namespace
