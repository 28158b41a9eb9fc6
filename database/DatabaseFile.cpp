// POSIX implementation of DatabaseFile.
#include "database/DatabaseFile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

DatabaseFile::DatabaseFile(const std::string& path)
{
    // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; the file
    // type check below rejects such a file anyway. POSIX has no share modes:
    // nothing here keeps other programs from reading or writing the file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return;
    }
    m_fd = fd;
}

DatabaseFile::~DatabaseFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::size_t DatabaseFile::Read(char* buffer, std::size_t size)
{
    if (m_fd < 0)
        return 0;
    for (;;) {
        const ssize_t count = ::read(m_fd, buffer, size);
        if (count >= 0)
            return static_cast<std::size_t>(count);
        if (errno != EINTR)
            return 0;
    }
}
