#pragma once
// Ends the test program with a message when one step runs past its time
// budget, so that a hang names the step that hung instead of running until
// the test runner gives up on the whole binary.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace quilto::test {

class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds budget) : budget_(budget) {
        thread_ = std::thread([this] { Watch(); });
    }
    ~Watchdog() {
        {
            const std::lock_guard lock(mutex_);
            quit_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // A step begins; `what` names it if it hangs.
    void Arm(std::string what) {
        const std::lock_guard lock(mutex_);
        what_ = std::move(what);
        armed_ = true;
        ++generation_;
        wake_.notify_all();
    }
    void Disarm() {
        const std::lock_guard lock(mutex_);
        armed_ = false;
        ++generation_;
        wake_.notify_all();
    }

private:
    void Watch() {
        std::unique_lock lock(mutex_);
        while (!quit_) {
            if (!armed_) {
                wake_.wait(lock);
                continue;
            }
            const std::uint64_t step = generation_;
            if (wake_.wait_for(lock, budget_, [&] { return quit_ || generation_ != step; })) continue;
            std::fprintf(stderr, "\nHANG: %s did not finish within %lld s\n", what_.c_str(),
                         static_cast<long long>(budget_.count()));
            std::fflush(stderr);
            std::abort();
        }
    }

    const std::chrono::seconds budget_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::string what_;
    bool armed_ = false;
    bool quit_ = false;
    std::uint64_t generation_ = 0;
    std::thread thread_;
};

}  // namespace quilto::test
