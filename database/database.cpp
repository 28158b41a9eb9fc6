#include "database/database.h"

#include <cstring>

#include "database/DatabaseStream.h"
#include "database/layout.h"

std::string DatabasePath;

namespace {

// The texts handed out by ReadDatabaseLine, and the pair last fetched by ReadPair.
DatabaseStream::LineText LineBuffer;
DatabaseStream::LineText WordBuffer;
DatabaseStream::LineText MeaningBuffer;

void CopyText(char (&destination)[255], const char* text)
{
    std::memset(destination, 0, sizeof destination);
    std::memcpy(destination, text, std::strlen(text));
}

} // namespace

const char* ReadDatabaseLine(int32_t n)
{
    LineBuffer[0] = '\0';
    if (n < 0)
        return LineBuffer;
    DatabaseStream stream(DatabasePath);
    stream.SkipLines(n);
    stream.ReadLine(LineBuffer);
    return LineBuffer;
}

const char* ReadDatabaseTitle()
{
    return ReadDatabaseLine(0);
}

void ReadPair(int32_t k, WordPair& out)
{
    DatabaseStream stream(DatabasePath);
    if (k >= 0) {
        stream.SkipLines(kIntroductionLines + 2 * static_cast<std::int64_t>(k));
        stream.ReadLine(WordBuffer);
        stream.ReadLine(MeaningBuffer);
    }
    const bool readable = stream.IsReadable();
    CopyText(out.word, readable ? WordBuffer : "");
    CopyText(out.meaning, readable ? MeaningBuffer : "");
}
