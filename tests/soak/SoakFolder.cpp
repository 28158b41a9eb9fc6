#include "tests/soak/SoakFolder.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

std::map<std::string, std::string> SoakFolder::Contents(Detail detail) const
{
    std::map<std::string, std::string> contents;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Path())) {
        const std::string name = entry.path().lexically_relative(Path()).string();
        if (entry.is_symlink())
            contents[name] = "<other>";
        else if (entry.is_directory())
            contents[name] = "<folder>";
        else if (entry.is_regular_file())
            contents[name] = detail == Detail::Bytes ? ReadFile(entry.path()) : "<file>";
        else
            contents[name] = "<other>";
    }
    return contents;
}

void SoakFolder::WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + path.string());
}

std::string SoakFolder::ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
