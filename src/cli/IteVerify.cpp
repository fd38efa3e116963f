#include "cli/IteVerify.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {
std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

// The image a write programs from `file`: its first 131072 bytes, filled up with 0xFF.
std::optional<std::vector<std::uint8_t>> ExpectedImage(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> image(Ite::kFlashSize, 0xFF);
    in.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(image.size()));
    if (in.bad())
        return std::nullopt;
    return image;
}

std::vector<std::uint8_t> FileBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh temporary file, removed when this goes.
class TempFile {
  public:
    TempFile() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tolvane-ite-verify-XXXXXX").string();
        const int fd = mkstemp(pattern.data());
        if (fd >= 0) {
            close(fd);
            path_ = pattern;
        }
    }
    ~TempFile() {
        if (!path_.empty())
            std::remove(path_.c_str());
    }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};
} // namespace

int VerifyIteWrite(IteEngine& engine, IteCliPort& port, const std::string& file,
                   std::uint64_t* bytes, std::int64_t* workerCpu) {
    const std::optional<std::vector<std::uint8_t>> expected = ExpectedImage(file);
    TempFile readBack;
    if (!expected || readBack.Path().empty()) {
        port.Say({"Проверка невозможна: нет файла для сравнения.",
                  "Verify: no file to compare the flash with."});
        return kExitFailed;
    }
    port.Say({"Проверка: читаем флеш обратно ...", "Verify: reading the flash back ..."});
    port.QueueFile(readBack.Path());
    // The read-back belongs to the write: no record, no second read of its own.
    engine.SetSafety({});
    engine.ReadClick();
    engine.WaitForWorker();
    *bytes += engine.FileBytes();
    *workerCpu += engine.WorkerCpuNanos();
    const int status = IteExitCode(engine.Outcome());
    if (status != kExitOk)
        return status;
    const std::vector<std::uint8_t> flash = FileBytes(readBack.Path());
    for (std::size_t at = 0; at < expected->size(); ++at) {
        if (at >= flash.size() || flash[at] != (*expected)[at]) {
            const std::string where = "0x" + Hex(static_cast<unsigned>(at), 5);
            const std::string what =
                at < flash.size() ? " (" + Hex(flash[at], 2) + " / " + Hex((*expected)[at], 2) + ")"
                                  : "";
            port.Say({"Проверка: флеш отличается от файла, первое отличие по адресу " + where +
                          what + " (флеш / файл)",
                      "Verify: the flash differs from the file at offset " + where + what +
                          " (flash / file)"});
            return kExitFailed;
        }
    }
    port.Say({"Проверка: флеш совпадает с файлом.", "Verify: the flash matches the file."});
    return kExitOk;
}
