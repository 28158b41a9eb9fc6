#pragma once

// A fresh temporary folder that is the current directory while this object
// lives; the previous directory comes back and the folder goes afterwards.
// Tests work here, so they never touch the learner's files or the repository.

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

class TemporaryCurrentFolder {
public:
    explicit TemporaryCurrentFolder(const std::string& prefix) : m_previous(std::filesystem::current_path())
    {
        std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a temporary folder");
        m_path = pattern;
        std::filesystem::current_path(m_path);
    }
    ~TemporaryCurrentFolder()
    {
        std::error_code ignored;
        std::filesystem::current_path(m_previous, ignored);
        // A test may have taken rights away from its folder.
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryCurrentFolder(const TemporaryCurrentFolder&) = delete;
    TemporaryCurrentFolder& operator=(const TemporaryCurrentFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};
