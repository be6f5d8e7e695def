#pragma once
// Ends the test program with a message when one step runs past its time
// budget, so that a hang names the step that hung instead of running until
// the test runner gives up on the whole binary.
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>

namespace quilto::test {

class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds budget)
        : budget_(budget), thread_([this](std::stop_token s) { Watch(s); }) {}

    // A step begins; `what` names it if it hangs.
    void Arm(std::string what) { Set(std::move(what), Clock::now() + budget_); }
    void Disarm() { Set({}, Clock::time_point{}); }

private:
    using Clock = std::chrono::steady_clock;

    void Set(std::string what, Clock::time_point deadline) {
        const std::lock_guard lock(mutex_);
        what_ = std::move(what);
        deadline_ = deadline;
        ++step_;
        wake_.notify_all();
    }
    void Watch(std::stop_token stop) {
        std::unique_lock lock(mutex_);
        while (!stop.stop_requested()) {
            const unsigned step = step_;
            const auto changed = [&] { return step_ != step; };
            if (deadline_ == Clock::time_point{}) {
                wake_.wait(lock, stop, changed);
            } else if (!wake_.wait_until(lock, stop, deadline_, changed) && !stop.stop_requested()) {
                std::fprintf(stderr, "\nHANG: %s did not finish within %lld s\n", what_.c_str(),
                             static_cast<long long>(budget_.count()));
                std::abort();
            }
        }
    }

    const std::chrono::seconds budget_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::string what_;
    Clock::time_point deadline_{};  // none while disarmed
    unsigned step_ = 0;
    std::jthread thread_;  // last: it starts once everything it reads is there
};

}  // namespace quilto::test
