#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

// A fresh folder per test program for the files tests write, removed at its end so that runs do not fill the disk.
inline std::string tempPath(const std::string& fileName)
{
    static const struct Folder {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("vorlund-tests-" + std::to_string(getpid()));
        Folder() { std::filesystem::create_directories(path); }
        ~Folder()
        {
            std::error_code ignored; // left behind rather than stop the program at its end
            std::filesystem::remove_all(path, ignored);
        }
    } folder;
    return (folder.path / fileName).string();
}

// Writes the bytes to tempPath(fileName) and returns that path.
inline std::string writeTempFile(const std::string& fileName, const std::vector<std::uint8_t>& bytes)
{
    std::string path = tempPath(fileName);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
}
