// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/termination.h"

#include "platform/windows/unit_registry.h"
#include "platform/windows/window_widget.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>
#include <csignal>

namespace {

int signalPipe[2] = {-1, -1};
volatile std::sig_atomic_t requestsPending = 0;

// Only async-signal-safe calls here: the handler runs on whatever thread the
// signal lands on.
extern "C" void NoteRequest(int signal)
{
    if (requestsPending) {
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    requestsPending = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

void OnTerminationRequest(std::function<void()> handler)
{
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [handler = std::move(handler)] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        handler();
        requestsPending = 0;
    });
    struct sigaction action {};
    action.sa_handler = NoteRequest;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

void CloseWindowAsUser(const UnitRef& window)
{
    WindowRecord* record = FindWindow(window.window);
    if (record && record->loaded)
        record->Widget()->close();
}
