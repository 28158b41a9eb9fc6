#pragma once

#include <stdlib.h>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "database/database.h"

// A fresh temporary directory for each test, and helpers that write database
// files into it. The current database is reset after every test.
class DatabaseTest : public ::testing::Test {
public:
    // The 19 introduction lines "Title", "intro 1" ... "intro 18", each ended by eol.
    static std::string Introduction(const std::string& eol = "\n")
    {
        std::string text = "Title" + eol;
        for (int i = 1; i < 19; ++i)
            text += "intro " + std::to_string(i) + eol;
        return text;
    }

    // count pairs "w0", "m0", "w1", "m1", ..., each line ended by eol.
    static std::string Pairs(int count, const std::string& eol = "\n")
    {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += "w" + std::to_string(i) + eol + "m" + std::to_string(i) + eol;
        return text;
    }

    // The same text without its final LF or CR LF.
    static std::string WithoutFinalBreak(std::string text)
    {
        if (!text.empty() && text.back() == '\n')
            text.pop_back();
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        return text;
    }

protected:
    void SetUp() override
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "wordloom-database-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_directory = pattern;
    }

    void TearDown() override
    {
        DatabasePath.clear();
        std::error_code ignored;
        std::filesystem::remove_all(m_directory, ignored);
    }

    const std::filesystem::path& Directory() const { return m_directory; }

    // Writes bytes to name in the test's directory and returns its path.
    std::string WriteFile(const std::string& bytes, const std::string& name = "database.txt") const
    {
        const std::filesystem::path path = m_directory / name;
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return path.string();
    }

    // Writes bytes to a file and makes it the current database.
    void UseDatabase(const std::string& bytes, const std::string& name = "database.txt")
    {
        DatabasePath = WriteFile(bytes, name);
    }

private:
    std::filesystem::path m_directory;
};
