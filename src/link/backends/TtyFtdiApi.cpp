#include "link/backends/TtyFtdiApi.h"

#include "link/InUse.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {
speed_t SpeedFor(DWORD baud) {
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
        return 0;
    }
}

int RemainingMs(Deadline deadline) {
    auto left = std::chrono::ceil<Millis>(deadline - SteadyClock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 60'000));
}
} // namespace

FT_STATUS TtyFtdiApi::FT_CreateDeviceInfoList(DWORD* numDevs) {
    std::error_code ec;
    *numDevs = std::filesystem::exists(path_, ec) ? 1 : 0;
    return FT_OK;
}

FT_STATUS TtyFtdiApi::FT_Open(int index, FT_HANDLE* handle) {
    *handle = nullptr;
    if (index != 0)
        return FT_DEVICE_NOT_FOUND;
    FT_STATUS status = FT_OK;
    TtyDevice* d = TtyDevice::Open(path_, &status);
    if (!d)
        return status;
    *handle = d;
    return FT_OK;
}

TtyDevice* TtyDevice::Open(const std::string& path, FT_STATUS* status) {
    *status = FT_DEVICE_NOT_OPENED;
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == EBUSY) // TIOCEXCL of another program
            *status = FT_DEVICE_IN_USE;
        return nullptr;
    }
    // The lock before anything else: the terminal's settings are shared with the program that
    // holds it. Root ignores TIOCEXCL, so the lock is what keeps two programs apart.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            *status = FT_DEVICE_IN_USE;
        ::close(fd);
        return nullptr;
    }
    termios t{};
    if (tcgetattr(fd, &t) != 0) {
        ::close(fd);
        return nullptr;
    }
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
    cfsetspeed(&t, B921600);
    tcsetattr(fd, TCSANOW, &t);
    int wake = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wake < 0) {
        ::close(fd);
        return nullptr;
    }
    // Other programs that do not lock (a terminal program) are kept out too, unless root.
    ::ioctl(fd, TIOCEXCL);
    *status = FT_OK;
    return new TtyDevice(fd, wake, path);
}

TtyDevice::TtyDevice(int fd, int wakeFd, std::string path)
    : fd_(fd), wakeFd_(wakeFd), path_(std::move(path)) {}

TtyDevice::~TtyDevice() {
    // The simulator keeps its terminal open between clients: the flag would outlive us.
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    ::close(wakeFd_);
}

bool TtyDevice::Drain() {
    if (failed_)
        return false;
    std::uint8_t chunk[4096];
    for (;;) {
        ssize_t n = ::read(fd_, chunk, sizeof chunk);
        if (n > 0) {
            rx_.insert(rx_.end(), chunk, chunk + n);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return true;
        // 0 or EIO: the other end hung up or the adapter was pulled.
        failed_ = true;
        return false;
    }
}

WaitOutcome TtyDevice::Sleep(Deadline deadline) {
    pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    int r = ::poll(fds, 2, RemainingMs(deadline));
    if (r < 0 && errno != EINTR)
        return WaitOutcome::DeviceError;
    if (fds[0].revents & (POLLERR | POLLNVAL))
        return WaitOutcome::DeviceError;
    if (fds[0].revents & POLLHUP && !(fds[0].revents & POLLIN)) {
        failed_ = true;
        return WaitOutcome::DeviceError;
    }
    return WaitOutcome::Ready;
}

FT_STATUS TtyDevice::GetDriverVersion(DWORD* version) {
    *version = 0;
    return FT_OK;
}

FT_STATUS TtyDevice::ResetDevice() {
    // Only what the JIG sent before we came: a fresh open has written nothing, and on a
    // pseudo-terminal an output flush would throw away the last bytes the previous program
    // wrote and the far side has not read yet.
    tcflush(fd_, TCIFLUSH);
    rx_.clear();
    return failed_ ? FT_IO_ERROR : FT_OK;
}

FT_STATUS TtyDevice::SetBaudRate(DWORD baud) {
    speed_t s = SpeedFor(baud);
    termios t{};
    if (!s)
        return FT_INVALID_BAUD_RATE;
    if (tcgetattr(fd_, &t) != 0)
        return FT_IO_ERROR;
    cfsetspeed(&t, s);
    return tcsetattr(fd_, TCSANOW, &t) == 0 ? FT_OK : FT_IO_ERROR;
}

FT_STATUS TtyDevice::SetDataCharacteristics(UCHAR bits, UCHAR stop, UCHAR parity) {
    if (bits != FT_BITS_8 || stop != FT_STOP_BITS_1 || parity != FT_PARITY_NONE)
        return FT_INVALID_PARAMETER;
    termios t{};
    if (tcgetattr(fd_, &t) != 0)
        return FT_IO_ERROR;
    t.c_cflag = (t.c_cflag & ~(CSIZE | CSTOPB | PARENB)) | CS8;
    return tcsetattr(fd_, TCSANOW, &t) == 0 ? FT_OK : FT_IO_ERROR;
}

FT_STATUS TtyDevice::SetTimeouts(DWORD readMs, DWORD writeMs) {
    readTimeout_ = Millis(readMs);
    writeTimeout_ = Millis(writeMs);
    return FT_OK;
}

FT_STATUS TtyDevice::SetLatencyTimer(UCHAR ms) {
    // The kernel's FTDI driver keeps the latency timer in sysfs; without it, ask for low latency.
    std::string name = std::filesystem::path(path_).filename().string();
    std::ofstream sysfs("/sys/bus/usb-serial/devices/" + name + "/latency_timer");
    if (sysfs && (sysfs << static_cast<int>(ms) << std::flush))
        return FT_OK;
    serial_struct ss{};
    if (ioctl(fd_, TIOCGSERIAL, &ss) == 0) {
        ss.flags |= ASYNC_LOW_LATENCY;
        return ioctl(fd_, TIOCSSERIAL, &ss) == 0 ? FT_OK : FT_OTHER_ERROR;
    }
    return FT_OK; // a pseudo-terminal has no latency timer to set
}

FT_STATUS TtyDevice::Purge(DWORD mask) {
    if (mask & FT_PURGE_RX) {
        tcflush(fd_, TCIFLUSH);
        rx_.clear();
    }
    if (mask & FT_PURGE_TX)
        tcflush(fd_, TCOFLUSH);
    return failed_ ? FT_IO_ERROR : FT_OK;
}

FT_STATUS TtyDevice::Write(const void* data, DWORD count, DWORD* written) {
    *written = 0;
    const auto* p = static_cast<const std::uint8_t*>(data);
    const Deadline deadline = DeadlineIn(writeTimeout_);
    while (*written < count) {
        ssize_t n = ::write(fd_, p + *written, count - *written);
        if (n > 0) {
            *written += static_cast<DWORD>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return FT_IO_ERROR;
        pollfd fd{fd_, POLLOUT, 0};
        if (SteadyClock::now() >= deadline || ::poll(&fd, 1, RemainingMs(deadline)) <= 0)
            return FT_OK; // the write time-out passed: report what went out
    }
    return FT_OK;
}

FT_STATUS TtyDevice::Read(void* data, DWORD count, DWORD* got) {
    *got = 0;
    const Deadline deadline = DeadlineIn(readTimeout_);
    for (;;) {
        if (!Drain() && rx_.empty())
            return FT_IO_ERROR;
        if (rx_.size() >= count || SteadyClock::now() >= deadline || interrupt_.load())
            break;
        if (Sleep(deadline) == WaitOutcome::DeviceError)
            break;
    }
    const std::size_t n = std::min<std::size_t>(count, rx_.size());
    std::memcpy(data, rx_.data(), n);
    rx_.erase(rx_.begin(), rx_.begin() + static_cast<std::ptrdiff_t>(n));
    *got = static_cast<DWORD>(n);
    return FT_OK;
}

FT_STATUS TtyDevice::GetStatus(DWORD* rxQueue, DWORD* txQueue, DWORD* events) {
    *rxQueue = *txQueue = *events = 0;
    if (!Drain() && rx_.empty())
        return FT_IO_ERROR;
    int out = 0;
    if (ioctl(fd_, TIOCOUTQ, &out) == 0)
        *txQueue = static_cast<DWORD>(out);
    *rxQueue = static_cast<DWORD>(rx_.size());
    return FT_OK;
}

WaitOutcome TtyDevice::WaitReceived(std::size_t count, Deadline deadline) {
    for (;;) {
        if (interrupt_.load())
            return WaitOutcome::Cancelled;
        const bool alive = Drain();
        if (rx_.size() >= count)
            return WaitOutcome::Ready;
        if (!alive)
            return WaitOutcome::DeviceError;
        if (SteadyClock::now() >= deadline)
            return WaitOutcome::TimedOut;
        if (Sleep(deadline) == WaitOutcome::DeviceError)
            return WaitOutcome::DeviceError;
    }
}

WaitOutcome TtyDevice::WaitSent(Deadline deadline) {
    // The kernel offers no wake-up for an emptied output queue; look again each millisecond.
    for (;;) {
        if (interrupt_.load())
            return WaitOutcome::Cancelled;
        int out = 0;
        if (ioctl(fd_, TIOCOUTQ, &out) != 0)
            return WaitOutcome::DeviceError;
        if (out == 0)
            return WaitOutcome::Ready;
        if (SteadyClock::now() >= deadline)
            return WaitOutcome::TimedOut;
        std::this_thread::sleep_for(Millis(1));
    }
}

void TtyDevice::Interrupt() {
    interrupt_.store(true);
    std::uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(wakeFd_, &one, sizeof one);
}

void TtyDevice::ClearInterrupt() {
    interrupt_.store(false);
    std::uint64_t value = 0;
    [[maybe_unused]] ssize_t n = ::read(wakeFd_, &value, sizeof value);
}
