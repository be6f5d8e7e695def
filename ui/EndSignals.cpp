// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/EndSignals.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>
#endif

namespace quilto {

#ifdef Q_OS_UNIX
namespace {

// A handler may do little more than write: it wakes the event loop through
// a socket, and the loop quits.
int endSocket[2] = {-1, -1};

void OnEndSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(endSocket[0], &byte, 1);
}

}  // namespace

void QuitOnEndSignals() {
    if (endSocket[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, endSocket) != 0) return;
    auto* notifier = new QSocketNotifier(endSocket[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(endSocket[1], &byte, 1);
        QCoreApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(signal, &action, nullptr);
}
#else
void QuitOnEndSignals() {}
#endif

}  // namespace quilto
