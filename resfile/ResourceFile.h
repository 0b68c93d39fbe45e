#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// A file the game reads at run time, opened only if it is a regular file: a
// FIFO, a folder or a device in its place is refused at once rather than left
// to block start-up or to pour out bytes for ever. Every failure keeps its
// reason in words for the player: the system's error text, or what is wrong.
class ResourceFile {
public:
    explicit ResourceFile(const char* path);
    ~ResourceFile();
    ResourceFile(const ResourceFile&) = delete;
    ResourceFile& operator=(const ResourceFile&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // The size the file had when it was opened, in bytes.
    std::uint64_t size() const { return size_; }
    // Why the file cannot be used; empty while nothing has gone wrong.
    const std::string& problem() const { return problem_; }

    // Reads exactly count more bytes; a file that ends first is "truncated".
    bool read(std::uint8_t* into, std::size_t count);
    // Reads the whole file from its start, if it is no larger than largest bytes:
    // a larger one is refused before a byte of it is read.
    bool readAll(std::vector<std::uint8_t>& bytes, std::uint64_t largest);
    // Hands the open file, at its start, to a reader that streams it and will
    // close it; this object no longer owns it.
    std::FILE* release();

private:
    bool fail(std::string reason);

    std::FILE* file_ = nullptr;
    std::uint64_t size_ = 0;
    std::string problem_;
};

// A size as a player reads it: "900 bytes", "64 KiB", "1 GiB".
std::string describeSize(std::uint64_t bytes);
