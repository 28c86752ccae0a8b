// The handheld simulator: plays the handheld printer on a pseudo-terminal so
// that the designer's serial code can be run against a real tty.
#include "HandheldDevice.h"
#include "PseudoTerminal.h"
#include "SimOptions.h"
#include "StoreDirectory.h"
#include "platform/Version.h"

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <deque>
#include <iostream>

namespace {

volatile sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

void installSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    // No restart: the wait in the main loop must return to see the request.
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
}

void traceLine(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// Feeds what the designer sent to the device; false when the line failed.
bool pumpLine(PseudoTerminal& terminal, HandheldDevice& device) {
    std::uint8_t buffer[512];
    const ssize_t n = ::read(terminal.masterFd(), buffer, sizeof buffer);
    if (n < 0)
        return errno == EINTR || errno == EAGAIN;
    for (ssize_t i = 0; i < n; ++i)
        device.receive(buffer[i]);
    return true;
}

// False when standard input has closed: the one who started us is gone.
bool inputStillOpen() {
    char buffer[256];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    return n > 0 || (n < 0 && errno == EINTR);
}

using Clock = std::chrono::steady_clock;

// Output held back to be sent late; what follows it waits behind it, so the
// order on the line stays the order of sending.
struct DelayedOutput {
    struct Entry {
        Clock::time_point due;
        std::vector<std::uint8_t> bytes;
    };
    std::deque<Entry> entries;

    void send(PseudoTerminal& terminal, const std::vector<std::uint8_t>& bytes, int delayMs) {
        if (delayMs <= 0 && entries.empty()) {
            terminal.writeAll(bytes);
            return;
        }
        Clock::time_point due = Clock::now() + std::chrono::milliseconds(std::max(0, delayMs));
        if (!entries.empty())
            due = std::max(due, entries.back().due);
        entries.push_back({due, bytes});
    }
    // Sends what is due; the milliseconds until the next entry is, or limit.
    int flush(PseudoTerminal& terminal, int limit) {
        while (!entries.empty() && entries.front().due <= Clock::now()) {
            terminal.writeAll(entries.front().bytes);
            entries.pop_front();
        }
        if (entries.empty())
            return limit;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            entries.front().due - Clock::now());
        return std::clamp(int(left.count()) + 1, 0, limit);
    }
};

DelayedOutput delayed;

int run(PseudoTerminal& terminal, HandheldDevice& device) {
    // A packet comes in one burst; a pause this long inside one means the
    // sender gave it up.
    constexpr int idleMs = 500;
    pollfd fds[2] = {{terminal.masterFd(), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    while (!stopRequested) {
        const int wait = delayed.flush(terminal, idleMs);
        const int ready = ::poll(fds, 2, wait);
        if (ready == 0 && wait < idleMs)
            continue; // woken for held-back output, not by a quiet line
        if (ready < 0 && errno != EINTR)
            return 1;
        if (ready == 0)
            device.lineIdle();
        if (ready > 0 && (fds[0].revents & (POLLIN | POLLERR)) && !pumpLine(terminal, device))
            return 1;
        if (ready > 0 && (fds[1].revents & (POLLIN | POLLHUP | POLLERR)) && !inputStillOpen()) {
            std::cerr << "tolvane-handheld-sim: standard input closed, stopping\n";
            return 0;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = parseSimOptions(std::vector<std::string>(argv + 1, argv + argc), &error);
    if (!options) {
        std::cerr << "tolvane-handheld-sim: " << error << "\n" << simUsage;
        return 2;
    }
    if (options->help || options->version) {
        std::cout << (options->help ? std::string(simUsage)
                                    : std::string("tolvane-handheld-sim " TOLVANE_VERSION "\n"));
        return 0;
    }
    installSignals();
    PseudoTerminal terminal;
    if (!terminal.open(&error)) {
        std::cerr << "tolvane-handheld-sim: no pseudo-terminal: " << error << "\n";
        return 1;
    }
    HandheldDevice device(
        *options,
        [&terminal, &device, lateMs = options->lateMs](const std::vector<std::uint8_t>& bytes) {
            delayed.send(terminal, bytes, device.answeringLate() ? lateMs : 0);
        },
        traceLine);
    StoreDirectory store(options->storeDir);
    if (!options->storeDir.empty()) {
        device.imagesChanged = [&] { store.write(device.images()); };
        store.write(device.images());
    }
    traceLine(terminal.slavePath());
    return run(terminal, device);
}
