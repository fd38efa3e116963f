// The PCB2 M88 bootloader: 115200 baud, greets 'U', erases on "pf", programs Intel HEX
// record lines one by one, and starts the application on 'g'.
#include "sim/Scenario.h"
#include "sim/SimBootloaders.h"
#include "sim/SimContext.h"

#include <optional>

namespace {
using namespace std::chrono_literals;

constexpr std::uint32_t kBaud = 115200;
constexpr std::uint32_t kApplicationBaud = 921600;
constexpr std::size_t kFlashSize = 0x1800;
constexpr std::size_t kLongestLine = 600; // a record of 255 bytes and then some
constexpr std::uint8_t kEnd = 0x11;

const std::uint8_t kGreeting[] = {'B', 'O', 'O', 'T', '_',  'M', '8',
                                  '8', '_', 'V', '2', '\r', kEnd};
const std::uint8_t kRecordOk[] = {'\r', '+', kEnd};
const std::uint8_t kRecordBad[] = {'\r', '-', 'C', 'S', kEnd};

struct Record {
    std::uint8_t type = 0;
    std::size_t address = 0;
    std::vector<std::uint8_t> data;
};

int Digit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The text after ':' up to LF (a CR before it is allowed); nothing when a byte is no hex
// digit, the count does not match or the checksum is wrong.
std::optional<Record> ParseRecord(std::string line) {
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() < 10 || line.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < line.size(); i += 2) {
        const int hi = Digit(line[i]), lo = Digit(line[i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
    }
    if (bytes.size() != bytes[0] + 5u)
        return std::nullopt;
    unsigned sum = 0;
    for (std::uint8_t b : bytes)
        sum += b;
    if ((sum & 0xFF) != 0)
        return std::nullopt;
    Record r;
    r.address = bytes[1] * 256u + bytes[2];
    r.type = bytes[3];
    r.data.assign(bytes.begin() + 4, bytes.end() - 1);
    return r;
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

class M88Bootloader : public SimProgram {
  public:
    bool IsBootloader() const override { return true; }

    void Run(SimContext& ctx) override {
        ctx.SetUartBaud(kBaud);
        for (;;) {
            const std::uint8_t b =
                ctx.Expect("M88 bootloader, waiting for 'U', a record, \"pf\" or 'g'", "U:pg");
            if (b == 'U') {
                ctx.Tx(kGreeting);
            } else if (b == ':') {
                HandleRecord(ctx, ReadLine(ctx));
            } else if (b == 'p') {
                const std::string rest = ReadLine(ctx);
                if (rest == "f")
                    Erase(ctx);
                else
                    ctx.Surprise("M88 bootloader, a line after 'p' other than \"f\"",
                                 Bytes('p' + rest + '\n'));
            } else {
                const std::string rest = ReadLine(ctx);
                if (!rest.empty())
                    ctx.Surprise("M88 bootloader, text between 'g' and its LF", Bytes(rest));
                static const std::uint8_t kRun[] = {'\r', '\n', 'R', 'U', 'N', '\r', '\n'};
                ctx.TxThenBaud(kRun, kApplicationBaud);
                Start(ctx);
            }
        }
    }

  private:
    static std::string ReadLine(SimContext& ctx) {
        std::string line;
        for (;;) {
            const std::uint8_t b = ctx.Rx();
            if (b == '\n' || line.size() >= kLongestLine)
                return line;
            line += static_cast<char>(b);
        }
    }

    void Erase(SimContext& ctx) {
        ctx.ChipBusy(100ms, "erasing the application flash");
        ctx.UpdateBoard([](SimBoardState& b) { b.m88Image.assign(kFlashSize, 0xFF); });
        erased_ = true;
        records_ = 0;
        ctx.Tx("\r\nERASED\r\n");
    }

    void HandleRecord(SimContext& ctx, const std::string& line) {
        const std::optional<Record> r = ParseRecord(line);
        if (r && r->type == 0x01) {
            ctx.Tx("\r\nDONE\r\n");
            return;
        }
        const long index = records_++;
        const bool fits = r && r->type == 0x00 && r->address + r->data.size() <= kFlashSize;
        if (!fits || !erased_ || index == ctx.ScenarioData().bootloader.rejectRecord) {
            ctx.Tx(kRecordBad);
            return;
        }
        ctx.ChipBusy(1200us, "programming a record"); // a quarter of a page write
        ctx.UpdateBoard([&](SimBoardState& b) {
            for (std::size_t i = 0; i < r->data.size(); ++i)
                b.m88Image[r->address + i] &= r->data[i]; // programming only clears bits
        });
        ctx.Tx(kRecordOk);
    }

    void Start(SimContext& ctx) {
        if (!erased_ && ctx.Board().m88Image.empty()) {
            // Nothing was written: the application flashed before runs again.
            std::shared_ptr<SimProgram> app = MakeApplication(ctx.Board());
            ctx.Announce(*app);
            ctx.SwitchTo(std::move(app));
        }
        StartWrittenImage(ctx, ctx.Board().m88Image);
    }

    bool erased_ = false;
    long records_ = 0;
};
} // namespace

std::unique_ptr<SimProgram> MakeM88Bootloader() {
    return std::make_unique<M88Bootloader>();
}
