// Counts a GL program's frames from outside it: preloaded into the program
// (LD_PRELOAD), it wraps glXSwapBuffers and writes to the file named by
// VORLUND_SWAP_LOG the time from the process's start to its first swap, in
// seconds, then the length of every later frame, a line each as it happens
// (so a program ended by a signal still leaves its whole log).
//   LD_PRELOAD=libvorlund_swapcounter.so VORLUND_SWAP_LOG=frames.txt vorlund
#include <GL/glx.h>
#include <dlfcn.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Seconds the process ran before the library was loaded, from /proc: the
// process start time in clock ticks since boot against the system's uptime.
double secondsSinceProcessStart()
{
    std::ifstream statFile("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    std::size_t afterName = stat.rfind(')');
    unsigned long long startTicks = 0;
    if (afterName != std::string::npos) {
        // Field 22 (starttime); fields 3 onwards follow the parenthesised name.
        const char* field = stat.c_str() + afterName + 2;
        for (int skipped = 3; skipped < 22 && field != nullptr; ++skipped) {
            field = std::strchr(field, ' ');
            if (field != nullptr)
                ++field;
        }
        if (field != nullptr)
            startTicks = std::strtoull(field, nullptr, 10);
    }
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    return uptime - static_cast<double>(startTicks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

class SwapLog {
public:
    SwapLog() : loaded_(Clock::now()), beforeLoad_(secondsSinceProcessStart())
    {
        const char* name = std::getenv("VORLUND_SWAP_LOG");
        out_ = name != nullptr ? std::fopen(name, "w") : nullptr;
        if (out_ != nullptr)
            std::setvbuf(out_, nullptr, _IOLBF, 0);
    }

    void swapped()
    {
        Clock::time_point now = Clock::now();
        if (out_ == nullptr)
            return;
        if (swaps_++ == 0)
            std::fprintf(out_, "first %.6f\n", beforeLoad_ + std::chrono::duration<double>(now - loaded_).count());
        else
            std::fprintf(out_, "%.6f\n", std::chrono::duration<double>(now - last_).count());
        last_ = now;
    }

private:
    Clock::time_point loaded_;
    double beforeLoad_;
    std::FILE* out_;
    long swaps_ = 0;
    Clock::time_point last_;
};

SwapLog& swapLog()
{
    static SwapLog log;
    return log;
}

[[maybe_unused]] const SwapLog& startsWithTheProgram = swapLog();

}

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable)
{
    using Swap = void (*)(Display*, GLXDrawable);
    static auto realSwap = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    realSwap(display, drawable);
    swapLog().swapped();
}
