#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "database/DatabaseFile.h"

// The lines of a database file, read once from its beginning.
//
// The bytes are read in text mode: CR LF becomes LF, a CR not followed by LF
// is an ordinary byte, and Ctrl-Z (0x1A) ends the file. A line ends at LF, at
// the end of the file, or after its 254th byte: a longer line is split into
// pieces of 254 bytes, and a line of exactly 254 bytes followed by its LF
// reads as that line and then an empty one. A NUL byte is stored like any
// other, so callers, who see texts up to the first NUL, see the line only up
// to it.
//
// The file is read in large blocks and scanned with memchr; no byte passes
// through a per-byte stream call.
class DatabaseStream {
public:
    static constexpr std::size_t kMaxLineLength = 254;
    static constexpr std::size_t kBlockSize = 64 * 1024;

    // Room for one line: its text and the terminating NUL.
    using LineText = char[kMaxLineLength + 1];

    enum class LineRead {
        Line,      // a line ended by LF or by its 254th byte
        LastLine,  // a line of at least one byte ended by the end of the file
        NoLine,    // the end of the file, with no byte left to read
    };

    explicit DatabaseStream(const std::string& path);

    // False when the path does not name a regular file that can be read; such
    // a stream reads as an empty file.
    bool IsReadable() const { return m_file.IsOpen(); }

    // Reads the next line into text. After LastLine or NoLine every further
    // read returns NoLine and an empty text.
    LineRead ReadLine(LineText& text);

    // Reads over up to count lines; stops early at the end of the file.
    void SkipLines(std::int64_t count);

    // Reads to the end of the file and returns how many lines it held. The
    // read that finds the end with no byte left is not a line, so a final
    // line break does not begin one more line.
    std::int64_t CountLines();

private:
    // The line reader behind every read: takes the next line, storing its
    // text and a NUL into text, or only passing over it when text is null.
    LineRead TakeLine(char* text);
    LineRead ScanLine(char* text, std::size_t& stored);
    // A shortcut of TakeLine for passing over the common short lines.
    std::int64_t PassShortLines(std::int64_t count);
    bool Refill();

    DatabaseFile m_file;
    // One block and room for a CR carried over from the block before.
    std::unique_ptr<char[]> m_block;
    std::size_t m_pos = 0;    // next unread byte
    std::size_t m_limit = 0;  // end of the bytes the scan may take
    std::size_t m_end = 0;    // end of the bytes in the block
    bool m_fileEnded = false;    // the file has no bytes beyond m_end
    bool m_streamEnded = false;  // a read has run into the end of the file
};
