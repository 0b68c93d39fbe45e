#include "resfile/ResourceFile.h"

#include <fcntl.h>

#include <cerrno>
#include <filesystem>
#include <iterator>
#include <system_error>
#include <utility>

// Where the system has them, the file is opened without waiting (a FIFO's
// open blocks until a writer comes) and its type checked again once open, in
// case something else was put in its place in between. Elsewhere the check
// before opening is all there is.
#if defined(O_NONBLOCK)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr std::uint64_t kibibyte = 1024;

std::string systemError(int number)
{
    return std::generic_category().message(number);
}

std::string notRegular(std::filesystem::file_type type)
{
    switch (type) {
    case std::filesystem::file_type::fifo:
        return "a FIFO, not a regular file";
    case std::filesystem::file_type::directory:
        return "a folder, not a regular file";
    case std::filesystem::file_type::block:
    case std::filesystem::file_type::character:
        return "a device, not a regular file";
    case std::filesystem::file_type::socket:
        return "a socket, not a regular file";
    default:
        return "not a regular file";
    }
}

#if defined(O_NONBLOCK)
std::FILE* openRegular(const char* path, std::uint64_t& size, std::string& problem)
{
    int descriptor = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        problem = systemError(errno);
        return nullptr;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        problem = "not a regular file";
        ::close(descriptor);
        return nullptr;
    }
    std::FILE* file = ::fdopen(descriptor, "rb");
    if (file == nullptr) {
        problem = systemError(errno);
        ::close(descriptor);
        return nullptr;
    }
    size = static_cast<std::uint64_t>(status.st_size);
    return file;
}
#else
std::FILE* openRegular(const char* path, std::uint64_t& size, std::string& problem)
{
    std::error_code error;
    size = std::filesystem::file_size(path, error);
    std::FILE* file = error ? nullptr : std::fopen(path, "rb");
    if (file == nullptr)
        problem = error ? error.message() : systemError(errno);
    return file;
}
#endif

}

ResourceFile::ResourceFile(const char* path)
{
    if (path == nullptr || *path == '\0') {
        fail("no file name");
        return;
    }
    std::error_code error;
    std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error) {
        fail(error.message());
        return;
    }
    if (!std::filesystem::is_regular_file(status)) {
        fail(notRegular(status.type()));
        return;
    }
    file_ = openRegular(path, size_, problem_);
}

ResourceFile::~ResourceFile()
{
    if (file_ != nullptr)
        std::fclose(file_);
}

bool ResourceFile::read(std::uint8_t* into, std::size_t count)
{
    if (file_ == nullptr)
        return false;
    if (std::fread(into, 1, count, file_) == count)
        return true;
    return fail(std::ferror(file_) ? systemError(errno) : "truncated");
}

bool ResourceFile::readAll(std::vector<std::uint8_t>& bytes, std::uint64_t largest)
{
    if (file_ == nullptr)
        return false;
    if (size_ > largest)
        return fail("too large: " + describeSize(size_) + ", over the " + describeSize(largest) + " it may be");
    std::rewind(file_);
    bytes.resize(static_cast<std::size_t>(size_));
    return read(bytes.data(), bytes.size());
}

std::FILE* ResourceFile::release()
{
    std::FILE* file = file_;
    file_ = nullptr;
    if (file != nullptr)
        std::rewind(file);
    return file;
}

bool ResourceFile::fail(std::string reason)
{
    problem_ = std::move(reason);
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    return false;
}

std::string describeSize(std::uint64_t bytes)
{
    const char* units[] = {"bytes", "KiB", "MiB", "GiB", "TiB"};
    std::size_t unit = 0;
    while (unit + 1 < std::size(units) && bytes >= kibibyte && bytes % kibibyte == 0) {
        bytes /= kibibyte;
        ++unit;
    }
    return std::to_string(bytes) + " " + units[unit];
}
