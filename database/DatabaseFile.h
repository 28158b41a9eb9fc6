#pragma once

#include <cstddef>
#include <string>

// A database file opened for reading: the one place that touches the
// operating system's file access, so that a port replaces only
// DatabaseFile.cpp.
//
// Opening never creates a file and never waits: a path that does not name a
// regular file the process may read (missing, a directory, a FIFO, a device,
// no permission, an empty path) leaves the file closed. Other programs may
// read and write the file while it is open.
class DatabaseFile {
public:
    explicit DatabaseFile(const std::string& path);
    ~DatabaseFile();

    DatabaseFile(const DatabaseFile&) = delete;
    DatabaseFile& operator=(const DatabaseFile&) = delete;

    // True when the open succeeded.
    bool IsOpen() const { return m_fd >= 0; }

    // Reads up to size bytes into buffer and returns how many it read. Returns
    // 0 at the end of the file, and also on a read error, which ends the file
    // at that point; a closed file reads as empty.
    std::size_t Read(char* buffer, std::size_t size);

private:
    int m_fd = -1;
};
