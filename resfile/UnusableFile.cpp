#include "resfile/UnusableFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

std::string describeUnusableFile(const char* kind, const char* path, const std::string& reason)
{
    std::filesystem::path given = path != nullptr ? path : "";
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(given, error);
    std::filesystem::path file = (error ? given : absolute).lexically_normal();
    return std::string("cannot use the ") + kind + " " + file.filename().string() + " in "
        + file.parent_path().string() + ": " + reason;
}

void reportUnusableFile(const char* kind, const char* path, const std::string& reason)
{
    std::fprintf(stderr, "Vorlund!: %s\n", describeUnusableFile(kind, path, reason).c_str());
}
