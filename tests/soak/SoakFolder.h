#pragma once

// A fresh temporary folder that is the current directory while it lives, and
// what it holds: the test compares the folder with what it wrote itself.

#include <filesystem>
#include <map>
#include <string>

#include "tests/support/TemporaryCurrentFolder.h"

class SoakFolder {
public:
    SoakFolder() = default;

    SoakFolder(const SoakFolder&) = delete;
    SoakFolder& operator=(const SoakFolder&) = delete;

    const std::filesystem::path& Path() const { return m_folder.Path(); }

    enum class Detail { Names, Bytes };

    // Every entry under the folder by relative name. With Bytes a regular
    // file maps to its bytes, with Names to "<file>"; other entries map to
    // "<folder>" or "<other>".
    std::map<std::string, std::string> Contents(Detail detail) const;

    static void WriteFile(const std::filesystem::path& path, const std::string& bytes);
    static std::string ReadFile(const std::filesystem::path& path);

private:
    TemporaryCurrentFolder m_folder{"wordloom-soak"};
};
