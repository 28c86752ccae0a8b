#include "PseudoTerminal.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::~PseudoTerminal() {
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
}

bool PseudoTerminal::open(std::string* error) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    const char* name = master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0
                           ? ::ptsname(master_)
                           : nullptr;
    if (name)
        slavePath_ = name;
    if (name)
        slave_ = ::open(name, O_RDWR | O_NOCTTY);
    termios settings{};
    // Raw: no echo of what the handheld writes, no line editing, all 8 bits.
    if (slave_ < 0 || ::tcgetattr(slave_, &settings) != 0) {
        *error = std::strerror(errno);
        return false;
    }
    ::cfmakeraw(&settings);
    ::cfsetspeed(&settings, B9600);
    if (::tcsetattr(slave_, TCSANOW, &settings) != 0) {
        *error = std::strerror(errno);
        return false;
    }
    return true;
}

bool PseudoTerminal::writeAll(const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}
