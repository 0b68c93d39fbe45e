#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <sys/types.h>

// The real game as a child process, started in a folder of our choosing (it
// reads ./res from there) with its error output kept in a file. Whatever still
// runs at the end is killed and reaped, so no test leaves a game behind.
class GameProcess {
public:
    GameProcess(const std::filesystem::path& folder, const std::filesystem::path& errorFile);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    bool running();
    // True once the game has ended within the time; status() then tells how.
    bool exitsWithin(std::chrono::milliseconds limit);
    // SIGTERM, as a session ends it. The game leaves the signal at its default
    // and dies at once: no exit handlers run, so neither does a leak check.
    void terminate();
    int status() const { return status_; }
    long residentKilobytes() const;
    std::string errors() const;

private:
    pid_t pid_ = -1;
    int status_ = 0;
    std::filesystem::path errorFile_;
};
