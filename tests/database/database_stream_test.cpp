#include <random>
#include <string>
#include <vector>

#include "database/DatabaseStream.h"
#include "tests/database/DatabaseTest.h"

namespace {

using LineRead = DatabaseStream::LineRead;
constexpr std::size_t kBlock = DatabaseStream::kBlockSize;

struct ModelLine {
    LineRead read;
    std::string text;  // every stored byte, NULs included
};

// A byte-at-a-time model of the reader: translate the whole file first, then
// split it into line reads, until the read that finds nothing left.
std::vector<ModelLine> ModelLines(const std::string& bytes)
{
    std::string text;
    for (std::size_t i = 0; i < bytes.size() && bytes[i] != '\x1A'; ++i) {
        const bool crBeforeLf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        if (!crBeforeLf)
            text += bytes[i];
    }
    std::vector<ModelLine> lines;
    std::size_t pos = 0;
    for (;;) {
        ModelLine line{LineRead::Line, {}};
        for (;;) {
            if (pos == text.size()) {
                line.read = line.text.empty() ? LineRead::NoLine : LineRead::LastLine;
                break;
            }
            const char byte = text[pos++];
            if (byte == '\n')
                break;
            line.text += byte;
            if (line.text.size() == DatabaseStream::kMaxLineLength)
                break;
        }
        lines.push_back(line);
        if (line.read != LineRead::Line)
            return lines;
    }
}

class DatabaseStreamTest : public DatabaseTest {
protected:
    // Reads the file through a stream and compares every read with the model,
    // then counts its lines and skips to a few of them through fresh streams.
    void ExpectReadsLikeTheModel(const std::string& bytes)
    {
        const std::string path = WriteFile(bytes);
        const std::vector<ModelLine> model = ModelLines(bytes);

        DatabaseStream stream(path);
        ASSERT_TRUE(stream.IsReadable());
        for (std::size_t n = 0; n < model.size(); ++n) {
            DatabaseStream::LineText text;
            const LineRead read = stream.ReadLine(text);
            const std::string& expected = model[n].text;
            ASSERT_EQ(read, model[n].read) << "read " << n;
            ASSERT_EQ(std::string(text, expected.size()), expected) << "read " << n;
            ASSERT_EQ(text[expected.size()], '\0') << "read " << n;
        }
        DatabaseStream::LineText text;
        EXPECT_EQ(stream.ReadLine(text), LineRead::NoLine);
        EXPECT_STREQ(text, "");

        const auto lines = static_cast<std::int64_t>(model.size()) -
                           (model.back().read == LineRead::NoLine ? 1 : 0);
        EXPECT_EQ(DatabaseStream(path).CountLines(), lines);

        for (std::size_t n : {model.size() / 3, model.size() / 2, model.size() - 1}) {
            DatabaseStream skipping(path);
            skipping.SkipLines(static_cast<std::int64_t>(n));
            DatabaseStream::LineText line;
            EXPECT_EQ(skipping.ReadLine(line), model[n].read) << "read " << n << " after skipping";
            EXPECT_EQ(std::string(line, model[n].text.size()), model[n].text) << "read " << n << " after skipping";
        }
    }
};

// Puts pattern at offset of the file, after lines of lineLength bytes, so that
// the pattern meets a block boundary or a 254-byte split there.
std::string PatternAt(std::size_t offset, const std::string& pattern, std::size_t lineLength)
{
    std::string bytes;
    while (bytes.size() < offset)
        bytes += std::string(lineLength, 'a') + "\r\n";
    bytes.resize(offset);
    return bytes + pattern + "tail\r\nmore";
}

TEST_F(DatabaseStreamTest, PatternsAcrossABlockBoundary)
{
    const std::vector<std::string> patterns = {"\r\n", "\r\r\n", "\r", "\rX", "\n", "\n\n", "\x1A", "\r\x1A"};
    for (const std::string& pattern : patterns) {
        for (std::size_t lineLength : {99u, 253u, 254u, 300u}) {
            for (std::size_t offset = kBlock - 3; offset <= kBlock + 2; ++offset) {
                SCOPED_TRACE(::testing::Message() << "pattern " << ::testing::PrintToString(pattern)
                                                  << " lines of " << lineLength << " at " << offset);
                ExpectReadsLikeTheModel(PatternAt(offset, pattern, lineLength));
            }
        }
    }
}

TEST_F(DatabaseStreamTest, ALongRunWithoutBreaksAcrossBlocks)
{
    ExpectReadsLikeTheModel(std::string(3 * kBlock + 17, 'x'));
    ExpectReadsLikeTheModel(std::string(kBlock - 1, 'x') + "\r");
    ExpectReadsLikeTheModel(std::string(2 * kBlock, '\r'));
}

TEST_F(DatabaseStreamTest, RandomFilesReadLikeTheModel)
{
    std::mt19937 random(20240611);
    const char alphabet[] = {'a', 'b', '\r', '\n', '\0', '\xFF'};
    for (int file = 0; file < 120; ++file) {
        // Files from dense line breaks to lines far longer than 254 bytes.
        const double breaks = std::vector<double>{0.002, 0.02, 0.15, 0.4}[file % 4];
        std::discrete_distribution<int> pick({1.0, 1.0, breaks, breaks, 0.01, 0.01});
        std::string bytes(std::uniform_int_distribution<std::size_t>(0, 2 * kBlock + 600)(random), 'a');
        for (char& byte : bytes)
            byte = alphabet[pick(random)];
        if (file % 5 == 0 && !bytes.empty())
            bytes[std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(random)] = '\x1A';
        SCOPED_TRACE(::testing::Message() << "file " << file << " of " << bytes.size() << " bytes");
        ExpectReadsLikeTheModel(bytes);
        if (HasFatalFailure())
            return;
    }
}

TEST_F(DatabaseStreamTest, SkippingStopsAtTheEnd)
{
    DatabaseStream stream(WriteFile("a\nb\nc\n"));
    stream.SkipLines(2);
    DatabaseStream::LineText text;
    EXPECT_EQ(stream.ReadLine(text), LineRead::Line);
    EXPECT_STREQ(text, "c");
    stream.SkipLines(INT64_MAX);
    EXPECT_EQ(stream.ReadLine(text), LineRead::NoLine);
}

} // namespace
