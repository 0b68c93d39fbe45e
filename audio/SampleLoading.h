#pragma once

#include <functional>
#include <thread>

// Where the sound effects are decoded: on a thread of their own where the
// platform has threads, so that the title shows without waiting for them, and
// at once on the only thread where it has none (a page without shared memory).
// Each platform has its file (SampleLoadingThread.cpp).
class SampleLoading {
public:
    void start(std::function<void()> work);
    // Returns once the work is done; at once if there is none.
    void finish();

private:
    std::thread thread_;
};
