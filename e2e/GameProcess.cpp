#include "e2e/GameProcess.h"

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr auto pollPeriod = std::chrono::milliseconds(10);
constexpr auto terminateLimit = std::chrono::seconds(10);

}

GameProcess::GameProcess(const std::filesystem::path& folder, const std::filesystem::path& errorFile)
    : errorFile_(errorFile)
{
    // The child may only exec, so everything it needs is made before the fork.
    std::string folderName = folder.string();
    int errorFd = open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_ = fork();
    if (pid_ == 0) {
        if (chdir(folderName.c_str()) == 0 && dup2(errorFd, STDERR_FILENO) >= 0)
            execl(VORLUND_BINARY, "vorlund", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(errorFd);
}

GameProcess::~GameProcess()
{
    if (running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status_, 0);
    }
}

bool GameProcess::running()
{
    if (pid_ > 0 && waitpid(pid_, &status_, WNOHANG) != 0)
        pid_ = -1;
    return pid_ > 0;
}

bool GameProcess::exitsWithin(std::chrono::milliseconds limit)
{
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(pollPeriod);
    return !running();
}

void GameProcess::terminate()
{
    if (running())
        kill(pid_, SIGTERM);
    exitsWithin(terminateLimit);
}

long GameProcess::residentKilobytes() const
{
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string field;
    long kilobytes = -1;
    while (status >> field)
        if (field == "VmRSS:" && status >> kilobytes)
            break;
    return kilobytes;
}

std::string GameProcess::errors() const
{
    std::ifstream in(errorFile_);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
