// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Ends the test program, naming the step, when one step runs past its time
// budget, so that a hang says where it hung.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace quilto::test {

class Watchdog {
public:
    explicit Watchdog(unsigned seconds) : seconds_(seconds) { std::signal(SIGALRM, Bark); }
    ~Watchdog() { Disarm(); }
    void Arm(const std::string& what) {
        std::snprintf(message_, sizeof message_, "\nHANG: %s did not finish within %u s\n", what.c_str(), seconds_);
        alarm(seconds_);
    }
    void Disarm() { alarm(0); }

private:
    static void Bark(int) {
        (void)!write(STDERR_FILENO, message_, std::strlen(message_));
        std::abort();
    }
    inline static char message_[512];
    const unsigned seconds_;
};

}  // namespace quilto::test
