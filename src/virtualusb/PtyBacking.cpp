#include "virtualusb/PtyBacking.h"

#include "virtualusb/BaudDivisor.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {
int RemainingMs(Deadline until) {
    const auto left = std::chrono::ceil<Millis>(until - SteadyClock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 60'000));
}

speed_t TermiosSpeed(std::uint32_t baud) {
    switch (baud) {
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    case 230400:
        return B230400;
    case 460800:
        return B460800;
    case 921600:
        return B921600;
    default:
        return B50; // a speed the simulator does not take: nothing it receives makes sense
    }
}
} // namespace

std::unique_ptr<PtyBacking> PtyBacking::Open(const std::string& path, std::string* error) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios t{};
    if (fd < 0 || tcgetattr(fd, &t) != 0) {
        if (fd >= 0)
            ::close(fd);
        *error = "cannot open the simulator's terminal " + path;
        return nullptr;
    }
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    cfsetspeed(&t, B9600);
    tcsetattr(fd, TCSANOW, &t);
    return std::unique_ptr<PtyBacking>(new PtyBacking(fd));
}

PtyBacking::~PtyBacking() {
    ::close(fd_);
}

void PtyBacking::Send(const std::uint8_t* data, std::size_t count) {
    const Deadline until = DeadlineIn(Millis(1000));
    std::size_t done = 0;
    while (done < count && !gone_.load()) {
        const ssize_t n = ::write(fd_, data + done, count - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            gone_.store(true);
            return;
        }
        pollfd p{fd_, POLLOUT, 0};
        if (SteadyClock::now() >= until || ::poll(&p, 1, RemainingMs(until)) < 0)
            return; // the simulator stopped reading: what is left is lost, as on a stuck line
    }
}

std::size_t PtyBacking::Take(std::uint8_t* out, std::size_t count) {
    if (gone_.load() || count == 0)
        return 0;
    const ssize_t n = ::read(fd_, out, count);
    if (n > 0)
        return static_cast<std::size_t>(n);
    if (n == 0 || (errno != EAGAIN && errno != EINTR))
        gone_.store(true); // the simulator process ended: the chip is unplugged
    return 0;
}

void PtyBacking::Await(Deadline until) {
    pollfd p{fd_, POLLIN, 0};
    if (!gone_.load() && ::poll(&p, 1, RemainingMs(until)) > 0 && !(p.revents & POLLIN) &&
        (p.revents & (POLLHUP | POLLERR | POLLNVAL)))
        gone_.store(true);
}

void PtyBacking::Purge(bool fromJig, bool /*toJig*/) {
    // What the chip wrote to the terminal is already on the wire (the chip holds nothing back),
    // so a purge towards the JIG has nothing left to drop; flushing the terminal's output would
    // discard bytes the simulator simply has not read yet.
    if (fromJig)
        tcflush(fd_, TCIFLUSH);
}

void PtyBacking::SetBaud(std::uint32_t baud) {
    termios t{};
    if (tcgetattr(fd_, &t) != 0)
        return;
    cfsetspeed(&t, TermiosSpeed(baud));
    tcsetattr(fd_, TCSANOW, &t);
}

std::size_t PtyBacking::Sending() {
    int out = 0;
    return ioctl(fd_, TIOCOUTQ, &out) == 0 && out > 0 ? static_cast<std::size_t>(out) : 0;
}
