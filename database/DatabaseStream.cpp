#include "database/DatabaseStream.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr char kCtrlZ = '\x1A';

} // namespace

DatabaseStream::DatabaseStream(const std::string& path)
    : m_file(path), m_block(new char[kBlockSize + 1])
{
}

// Makes more bytes available to the scan; false once the file has none left.
bool DatabaseStream::Refill()
{
    while (m_pos == m_limit) {
        if (m_fileEnded)
            return false;
        // At most one byte is left: a CR held back from the scan.
        const std::size_t kept = m_end - m_pos;
        std::memmove(m_block.get(), m_block.get() + m_pos, kept);
        m_pos = 0;
        const std::size_t count = m_file.Read(m_block.get() + kept, kBlockSize);
        m_end = kept + count;
        if (count == 0)
            m_fileEnded = true;
        // Ctrl-Z ends the file: neither it nor anything after it is read.
        if (const void* stop = std::memchr(m_block.get() + kept, kCtrlZ, count)) {
            m_end = static_cast<std::size_t>(static_cast<const char*>(stop) - m_block.get());
            m_fileEnded = true;
        }
        // A CR at the end of the block may be the first half of a CR LF that
        // the next block completes; hold it back until that byte is known.
        const bool holdCr = !m_fileEnded && m_end > 0 && m_block[m_end - 1] == '\r';
        m_limit = holdCr ? m_end - 1 : m_end;
    }
    return true;
}

DatabaseStream::LineRead DatabaseStream::ScanLine(char* text, std::size_t& stored)
{
    const auto take = [&](const char* bytes, std::size_t count) {
        if (text != nullptr)
            std::memcpy(text + stored, bytes, count);
        stored += count;
        m_pos += count;
    };

    for (;;) {
        if (m_pos == m_limit && !Refill()) {
            m_streamEnded = true;
            return stored > 0 ? LineRead::LastLine : LineRead::NoLine;
        }
        const char* start = m_block.get() + m_pos;
        const std::size_t room = kMaxLineLength - stored;
        const std::size_t available = m_limit - m_pos;
        // One byte past the room tells whether a CR in the last place of the
        // room is the first half of a CR LF, and so not part of the text.
        const std::size_t window = std::min(available, room + 1);
        const char* lf = static_cast<const char*>(std::memchr(start, '\n', window));
        if (lf != nullptr) {
            std::size_t length = static_cast<std::size_t>(lf - start);
            if (length > 0 && lf[-1] == '\r')
                --length;
            if (length < room) {
                take(start, length);
                m_pos = static_cast<std::size_t>(lf - m_block.get()) + 1;
                return LineRead::Line;
            }
            // The line is full; its LF stays and ends the next read.
            take(start, room);
            return LineRead::Line;
        }
        if (window > room) {
            take(start, room);
            return LineRead::Line;
        }
        take(start, available);
        if (stored == kMaxLineLength)
            return LineRead::Line;
    }
}

DatabaseStream::LineRead DatabaseStream::TakeLine(char* text)
{
    std::size_t stored = 0;
    const LineRead read = m_streamEnded ? LineRead::NoLine : ScanLine(text, stored);
    if (text != nullptr)
        text[stored] = '\0';
    return read;
}

DatabaseStream::LineRead DatabaseStream::ReadLine(LineText& text)
{
    return TakeLine(text);
}

// A shortcut for passing over lines: most lines end with an LF inside the
// bytes at hand, fewer than 254 bytes on, and for such a line TakeLine only
// steps past that LF, whether or not a CR comes before it. This loop does just
// that, with its state in locals, for up to count lines, and returns how many
// it passed. It stops before any other line, which TakeLine then takes.
std::int64_t DatabaseStream::PassShortLines(std::int64_t count)
{
    const char* const block = m_block.get();
    const char* const limit = block + m_limit;
    const char* p = block + m_pos;
    std::int64_t passed = 0;
    while (passed < count) {
        const std::size_t window = std::min(static_cast<std::size_t>(limit - p), kMaxLineLength);
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', window));
        if (lf == nullptr)
            break;
        p = lf + 1;
        ++passed;
    }
    m_pos = static_cast<std::size_t>(p - block);
    return passed;
}

void DatabaseStream::SkipLines(std::int64_t count)
{
    while (count > 0) {
        count -= PassShortLines(count);
        if (count == 0 || TakeLine(nullptr) != LineRead::Line)
            return;
        --count;
    }
}

std::int64_t DatabaseStream::CountLines()
{
    std::int64_t lines = 0;
    for (;;) {
        lines += PassShortLines(std::numeric_limits<std::int64_t>::max());
        const LineRead read = TakeLine(nullptr);
        if (read == LineRead::NoLine)
            return lines;
        ++lines;
        if (read == LineRead::LastLine)
            return lines;
    }
}
