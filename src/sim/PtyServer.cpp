#include "sim/PtyServer.h"

#include "sim/Scenario.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {
std::uint32_t BaudOf(speed_t s) {
    switch (s) {
    case B9600:
        return 9600;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B57600:
        return 57600;
    case B115200:
        return 115200;
    case B230400:
        return 230400;
    case B460800:
        return 460800;
    case B921600:
        return 921600;
    default:
        return 0;
    }
}
} // namespace

PtyServer::PtyServer(const Scenario& scenario) {
    Scenario one = scenario;
    one.devices = {"jig"};
    jig_ = std::make_unique<SimJig>(one, false);
}

PtyServer::~PtyServer() {
    Stop();
    if (slaveKeeper_ >= 0)
        ::close(slaveKeeper_);
    if (master_ >= 0)
        ::close(master_);
    if (stopFd_ >= 0)
        ::close(stopFd_);
}

bool PtyServer::Open(std::string* error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        *error = "cannot create a pseudo-terminal";
        return false;
    }
    char name[128];
    if (ptsname_r(master_, name, sizeof name) != 0) {
        *error = "cannot name the pseudo-terminal";
        return false;
    }
    path_ = name;
    slaveKeeper_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveKeeper_ < 0) {
        *error = "cannot open " + path_;
        return false;
    }
    termios t{};
    tcgetattr(slaveKeeper_, &t);
    cfmakeraw(&t);
    cfsetspeed(&t, B921600);
    tcsetattr(slaveKeeper_, TCSANOW, &t);
    stopFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    return stopFd_ >= 0;
}

void PtyServer::Stop() {
    stop_.store(true);
    if (stopFd_ >= 0) {
        std::uint64_t one = 1;
        [[maybe_unused]] ssize_t n = ::write(stopFd_, &one, sizeof one);
    }
    if (jig_)
        jig_->WakeWaiters();
}

void PtyServer::Run() {
    std::thread toHost([this] { PumpToHost(); });
    PumpToJig();
    toHost.join();
}

void PtyServer::PumpToJig() {
    std::uint8_t chunk[4096];
    std::uint32_t baud = 921600;
    while (!stop_.load()) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {stopFd_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR)
            break;
        if (fds[1].revents)
            break;
        if (!(fds[0].revents & POLLIN))
            continue;
        ssize_t n = ::read(master_, chunk, sizeof chunk);
        if (n <= 0)
            continue;
        // The host's baud rate decides whether the JIG's UART understands the bytes.
        termios t{};
        if (tcgetattr(master_, &t) == 0)
            if (std::uint32_t b = BaudOf(cfgetospeed(&t)); b && b != baud) {
                baud = b;
                jig_->SetHostBaud(b);
            }
        jig_->HostWrite(chunk, static_cast<std::size_t>(n));
    }
}

void PtyServer::PumpToHost() {
    std::uint8_t chunk[4096];
    while (!stop_.load()) {
        WaitOutcome w = jig_->HostWaitReceived(1, Deadline::max(), &stop_);
        if (w != WaitOutcome::Ready)
            break;
        std::size_t n = jig_->HostRead(chunk, sizeof chunk);
        for (std::size_t off = 0; off < n && !stop_.load();) {
            ssize_t w2 = ::write(master_, chunk + off, n - off);
            if (w2 > 0)
                off += static_cast<std::size_t>(w2);
            else if (errno != EINTR && errno != EAGAIN)
                return;
        }
    }
}
