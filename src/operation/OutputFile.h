#pragma once
// A file the technician asked for (a dump, an EDID): written into a new file beside NAME and put
// in place by rename only once the operation knows it succeeded. Otherwise what arrived is kept
// as NAME.partial and NAME stays exactly as it was: a cut dump under the chosen name looks like a
// real one, and writing it back would "succeed".
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

class OutputFile {
  public:
    OutputFile() = default;
    // One that was neither committed nor abandoned is abandoned.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates the new file beside `target`; false with Error() when `target` is no place for a
    // file (a device, a folder, a folder that does not exist or cannot be written).
    bool Create(const std::filesystem::path& target);
    bool IsOpen() const { return fd_ >= 0; }
    // False with Error() when not every byte went.
    bool Write(const void* data, std::size_t size);
    std::uint64_t Bytes() const { return bytes_; }
    // Synced, then renamed onto the target. False with Error(): the bytes are then abandoned.
    bool Commit();
    // Keeps what was written as the target's .partial (replacing an older one) and returns the
    // log line that names it; a file nothing was written to is removed and the line is empty.
    std::string Abandon();

    const std::string& Error() const { return error_; }
    const std::filesystem::path& Target() const { return target_; }

  private:
    void CloseFd();

    int fd_ = -1;
    std::filesystem::path target_;
    std::filesystem::path temp_;
    std::uint64_t bytes_ = 0;
    std::string error_;
};

// "NAME.partial"
std::filesystem::path PartialPath(const std::filesystem::path& target);
