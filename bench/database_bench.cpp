// Measures one question on generated databases of 1,265 and 100,000 pairs:
// DrawPairIndices and the five ReadPair calls that follow it. Nothing is
// cached, so a question reads the whole file once to count its pairs and then
// the file's beginning once per pair. Each iteration then reads exactly those
// bytes again with plain read() calls of the same block size, counting LF
// bytes with memchr, and the benchmark prints the ratio of the two times.

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "database/DatabaseStream.h"
#include "database/database.h"

namespace {

constexpr uint32_t kSeed = 20240611;
// The benchmark cycles through this many questions of one seed.
constexpr int kQuestionsPerCycle = 64;

using Indices = std::array<int32_t, 5>;

struct Database {
    int pairs;
    std::string path;
    std::size_t size;
    // The offset just past the meaning line of each pair: how far ReadPair reads.
    std::vector<std::size_t> pairEnd;
    // The questions that seeding with kSeed draws, in order.
    std::vector<Indices> questions;
};

std::string RandomText(std::mt19937& random, std::size_t lowest, std::size_t highest, bool spaces)
{
    std::uniform_int_distribution<std::size_t> length(lowest, highest);
    std::uniform_int_distribution<int> letter(0, spaces ? 26 : 25);
    std::string text(length(random), ' ');
    for (char& c : text) {
        const int l = letter(random);
        c = l == 26 ? ' ' : static_cast<char>('a' + l);
    }
    return text;
}

// Writes 19 introduction lines and the given number of word/meaning pairs
// with CR LF line ends, as an editor on the target platform writes them.
Database Generate(const std::filesystem::path& directory, int pairs)
{
    Database db{pairs, (directory / ("db" + std::to_string(pairs) + ".txt")).string(), 0, {}, {}};
    std::mt19937 random(static_cast<uint32_t>(pairs));
    std::string bytes = "Generated database of " + std::to_string(pairs) + " pairs\r\n";
    for (int i = 1; i < 19; ++i)
        bytes += "Introduction line " + std::to_string(i) + "\r\n";
    for (int k = 0; k < pairs; ++k) {
        bytes += RandomText(random, 4, 14, false) + "\r\n";
        bytes += RandomText(random, 15, 80, true) + "\r\n";
        db.pairEnd.push_back(bytes.size());
    }
    std::ofstream(db.path, std::ios::binary) << bytes;
    db.size = bytes.size();

    DatabasePath = db.path;
    SeedRandom(kSeed);
    for (int q = 0; q < kQuestionsPerCycle; ++q) {
        Indices i{};
        DrawPairIndices(i[0], i[1], i[2], i[3], i[4]);
        db.questions.push_back(i);
    }
    return db;
}

// Opens path and reads it in blocks with read() until at least bytes bytes
// (or the whole file) are in, counting LF bytes with memchr; returns the
// number of bytes read.
std::size_t ReadAndCount(const std::string& path, std::size_t bytes, std::vector<char>& block,
                         std::size_t& lines)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    std::size_t total = 0;
    while (total < bytes) {
        const ssize_t count = ::read(fd, block.data(), block.size());
        if (count <= 0)
            break;
        total += static_cast<std::size_t>(count);
        const char* p = block.data();
        const char* end = p + count;
        while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p))))) {
            ++lines;
            ++p;
        }
    }
    ::close(fd);
    return total;
}

// The bytes one question reads, read plainly: the whole file for the count,
// then the file's beginning up to the end of each of the five pairs.
std::size_t PlainReadOfQuestion(const Database& db, const Indices& question, std::vector<char>& block)
{
    std::size_t lines = 0;
    std::size_t bytes = ReadAndCount(db.path, SIZE_MAX, block, lines);
    for (int32_t k : question)
        bytes += ReadAndCount(db.path, db.pairEnd[static_cast<std::size_t>(k)], block, lines);
    benchmark::DoNotOptimize(lines);
    return bytes;
}

using Clock = std::chrono::steady_clock;

// Each iteration times one question and then the plain read of the same
// bytes, so that both meet the same load on a shared machine. The reported
// time is the question's; the counters give the plain read's time and the
// ratio of the two.
void QuestionAgainstPlainRead(benchmark::State& state, const Database* db)
{
    DatabasePath = db->path;
    std::vector<char> block(DatabaseStream::kBlockSize);
    Clock::duration question{};
    Clock::duration plain{};
    std::size_t bytes = 0;
    std::size_t q = 0;
    for (auto _ : state) {
        const std::size_t n = q++ % kQuestionsPerCycle;
        if (n == 0)
            SeedRandom(kSeed);

        const Clock::time_point start = Clock::now();
        Indices i{};
        DrawPairIndices(i[0], i[1], i[2], i[3], i[4]);
        for (int32_t k : i) {
            WordPair pair;
            ReadPair(k, pair);
            benchmark::DoNotOptimize(pair);
        }
        const Clock::time_point asked = Clock::now();
        bytes += PlainReadOfQuestion(*db, db->questions[n], block);
        const Clock::time_point read = Clock::now();

        if (i != db->questions[n]) {
            state.SkipWithError("the draw differs from the planned question");
            break;
        }
        question += asked - start;
        plain += read - asked;
        state.SetIterationTime(std::chrono::duration<double>(asked - start).count());
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["plain_us"] = std::chrono::duration<double, std::micro>(plain).count() / iterations;
    state.counters["ratio"] = std::chrono::duration<double>(question) / std::chrono::duration<double>(plain);
    state.counters["bytes"] = static_cast<double>(bytes) / iterations;
}

// Prints as usual and keeps, for each benchmark, the median question time
// and the median plain read time and ratio of its repetitions.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Figures {
        double questionUs;
        double plainUs;
        double ratio;
    };

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_figures[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.counters.at("plain_us"),
                                                         run.counters.at("ratio")};
        }
    }

    const Figures* Find(const std::string& name) const
    {
        const auto found = m_figures.find(name);
        return found == m_figures.end() ? nullptr : &found->second;
    }

private:
    std::map<std::string, Figures> m_figures;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    std::string pattern = (std::filesystem::temp_directory_path() / "wordloom-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::filesystem::path directory = pattern;

    const std::vector<Database> databases = {Generate(directory, 1265), Generate(directory, 100000)};
    for (const Database& db : databases) {
        benchmark::RegisterBenchmark(("Question/" + std::to_string(db.pairs)).c_str(), QuestionAgainstPlainRead, &db)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(5)
            ->DisplayAggregatesOnly(true);
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nOne question against plain read() of the same bytes (medians of the repetitions):\n");
    for (const Database& db : databases) {
        const RatioReporter::Figures* figures = reporter.Find("Question/" + std::to_string(db.pairs));
        if (figures == nullptr)
            continue;
        std::printf("%7d pairs, %8zu bytes: question %9.1f us, plain read %9.1f us, ratio %.3f\n", db.pairs,
                    db.size, figures->questionUs, figures->plainUs, figures->ratio);
    }
    benchmark::Shutdown();
    std::filesystem::remove_all(directory);
    return 0;
}
