#include "tests/support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

const std::filesystem::path& tempFolder()
{
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / ("vorlund-tests-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

}

std::string tempPath(const std::string& fileName)
{
    return (tempFolder() / fileName).string();
}

std::string writeTempFile(const std::string& fileName, const std::vector<std::uint8_t>& bytes)
{
    std::string path = tempPath(fileName);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}
