#pragma once
// Ends the test program, naming the step, when one step runs past its time
// budget, so that a hang says where it hung.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace quilto::test {

class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds budget) : budget_(budget) {}
    void Arm(std::string what) { Set(std::move(what), Clock::now() + budget_); }
    void Disarm() { Set({}, {}); }

private:
    using Clock = std::chrono::steady_clock;
    void Set(std::string what, Clock::time_point deadline) {
        const std::lock_guard lock(mutex_);
        what_ = std::move(what);
        deadline_ = deadline;
    }
    void Watch(const std::stop_token& stop) {
        for (; !stop.stop_requested(); std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
            const std::lock_guard lock(mutex_);
            if (deadline_ == Clock::time_point{} || Clock::now() < deadline_) continue;
            std::fprintf(stderr, "\nHANG: %s did not finish within %lld s\n", what_.c_str(),
                         (long long)budget_.count());
            std::abort();
        }
    }

    const std::chrono::seconds budget_;
    std::mutex mutex_;
    std::string what_;
    Clock::time_point deadline_{};                                  // none while disarmed
    std::jthread thread_{[this](std::stop_token s) { Watch(s); }};  // last: it reads the rest
};

}  // namespace quilto::test
