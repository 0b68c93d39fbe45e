#include "tests/support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

std::string tempPath(const std::string& fileName)
{
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vorlund-tests-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    return (folder / fileName).string();
}

std::string writeTempFile(const std::string& fileName, const std::vector<std::uint8_t>& bytes)
{
    std::string path = tempPath(fileName);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
}
