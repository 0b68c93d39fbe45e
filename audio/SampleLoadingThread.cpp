#include "audio/SampleLoading.h"

void SampleLoading::start(std::function<void()> work)
{
    finish();
    thread_ = std::thread(std::move(work));
}

void SampleLoading::finish()
{
    if (thread_.joinable())
        thread_.join();
}
