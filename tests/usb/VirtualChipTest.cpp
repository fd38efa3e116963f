// The virtual FT232R as libftdi and libusb see it: enumeration, packets, time-outs, the vendor
// requests taking effect, unplugging.
#include "usb/VirtualUsb.h"
#include "virtualusb/BaudDivisor.h"

#include <libftdi1/ftdi.h>
#include <libusb-1.0/libusb.h>
#include <thread>

namespace {
const std::string kPcb3Answer = "M328_EPM240_v16\r\n";

// libftdi on the first device found, opened as the program opens it.
struct OpenChip {
    ftdi_context* ctx = ftdi_new();
    OpenChip() {
        ftdi_device_list* list = nullptr;
        if (ftdi_usb_find_all(ctx, &list, 0, 0) > 0)
            opened = ftdi_usb_open_dev(ctx, list->dev) == 0;
        ftdi_list_free(&list);
    }
    ~OpenChip() {
        ftdi_usb_close(ctx);
        ftdi_free(ctx);
    }
    // One USB read of the IN endpoint, as the bytes arrive: status bytes and all.
    int Bulk(std::vector<std::uint8_t>* raw, unsigned timeoutMs, int size = 4096) {
        raw->assign(static_cast<std::size_t>(size), 0);
        int got = 0;
        const int r =
            libusb_bulk_transfer(ctx->usb_dev, ctx->out_ep, raw->data(), size, &got, timeoutMs);
        raw->resize(static_cast<std::size_t>(got));
        return r;
    }
    bool opened = false;
};
} // namespace

TEST(VirtualChip, EnumeratesAsFt232rWithItsOwnSerialNumbers) {
    PlugVirtualChips("pcb3", R"({"devices": ["jig", "silent", "jig"]})");
    ftdi_context* ctx = ftdi_new();
    ftdi_device_list* list = nullptr;
    ASSERT_EQ(ftdi_usb_find_all(ctx, &list, 0, 0), 3);
    std::vector<std::string> serials;
    for (ftdi_device_list* d = list; d; d = d->next) {
        char manufacturer[64], description[64], serial[64];
        ASSERT_EQ(ftdi_usb_get_strings(ctx, d->dev, manufacturer, sizeof manufacturer, description,
                                       sizeof description, serial, sizeof serial),
                  0);
        EXPECT_STREQ(manufacturer, "FTDI");
        EXPECT_STREQ(description, "FT232R USB UART");
        serials.push_back(serial);
    }
    EXPECT_EQ(serials, (std::vector<std::string>{"TJV00001", "TJV00002", "TJV00003"}));
    ftdi_list_free(&list);
    // Only one program at a time has the chip.
    OpenChip first;
    ASSERT_TRUE(first.opened) << ftdi_get_error_string(first.ctx);
    EXPECT_EQ(first.ctx->type, TYPE_R);
    EXPECT_EQ(first.ctx->max_packet_size, 64u);
    OpenChip second;
    EXPECT_FALSE(second.opened);
    ftdi_free(ctx);
}

TEST(VirtualChip, PacketsCarryTwoStatusBytesAndAnIdleChipSendsStatusOnly) {
    PlugVirtualChips("pcb3", "{}", "wire");
    OpenChip chip;
    ASSERT_TRUE(chip.opened);
    ASSERT_EQ(ftdi_set_baudrate(chip.ctx, 921600), 0);
    std::vector<std::uint8_t> raw;
    ASSERT_EQ(chip.Bulk(&raw, 1000), LIBUSB_SUCCESS);
    EXPECT_EQ(raw, (std::vector<std::uint8_t>{0x01, 0x60}));

    // Eight answers at once: full packets first, then the short one that ends the transfer
    // when the latency timer (16 ms, as after power-up) runs out.
    const std::vector<std::uint8_t> calls(8, 'B');
    ASSERT_EQ(ftdi_write_data(chip.ctx, calls.data(), 8), 8);
    std::string payload;
    std::vector<std::size_t> packets;
    while (payload.size() < 8 * kPcb3Answer.size()) {
        ASSERT_EQ(chip.Bulk(&raw, 1000), LIBUSB_SUCCESS);
        for (std::size_t at = 0; at < raw.size(); at += 64) {
            const std::size_t size = std::min<std::size_t>(64, raw.size() - at);
            ASSERT_GE(size, 2u);
            EXPECT_EQ(raw[at], 0x01);
            if (size > 2)
                packets.push_back(size);
            payload.append(raw.begin() + static_cast<long>(at) + 2,
                           raw.begin() + static_cast<long>(at + size));
        }
    }
    std::string expected;
    for (int i = 0; i < 8; ++i)
        expected += kPcb3Answer;
    EXPECT_EQ(payload, expected);
    EXPECT_EQ(packets, (std::vector<std::size_t>{64, 64, 14}));
}

TEST(VirtualChip, AskingForLessTimeThanTheLatencyTimerGivesAUsbTimeOut) {
    PlugVirtualChips("pcb3");
    OpenChip chip;
    ASSERT_TRUE(chip.opened);
    ASSERT_EQ(ftdi_set_latency_timer(chip.ctx, 250), 0);
    std::vector<std::uint8_t> raw;
    chip.Bulk(&raw, 1000); // the status packet that was due; the next one is 250 ms away
    EXPECT_EQ(chip.Bulk(&raw, 5), LIBUSB_ERROR_TIMEOUT);
    EXPECT_TRUE(raw.empty());
    // libftdi passes the time-out on as its own return value.
    unsigned char buffer[4096];
    chip.ctx->usb_read_timeout = 5;
    EXPECT_EQ(ftdi_read_data(chip.ctx, buffer, sizeof buffer), LIBUSB_ERROR_TIMEOUT);
    unsigned char latency = 0;
    ASSERT_EQ(ftdi_get_latency_timer(chip.ctx, &latency), 0);
    EXPECT_EQ(latency, 250);
}

// A reply that ends in the event character leaves at the next USB frame and takes what the chip
// held along; any other short reply waits for the latency timer (255 ms here).
TEST(VirtualChip, TheEventCharacterSendsWhatTheChipHoldsAtOnce) {
    PlugVirtualChips("pcb3", "{}", "wire");
    OpenChip chip;
    ASSERT_TRUE(chip.opened);
    ASSERT_EQ(ftdi_set_baudrate(chip.ctx, 921600), 0);
    ASSERT_EQ(ftdi_set_latency_timer(chip.ctx, 255), 0);
    std::vector<std::uint8_t> raw;
    chip.Bulk(&raw, 1000); // the status packet that was due; the next one is 255 ms away
    const unsigned char call = 'B';
    ASSERT_EQ(ftdi_set_event_char(chip.ctx, 'X', 1), 0);
    ASSERT_EQ(ftdi_write_data(chip.ctx, &call, 1), 1);
    EXPECT_EQ(chip.Bulk(&raw, 50), LIBUSB_ERROR_TIMEOUT);
    EXPECT_TRUE(raw.empty());

    ASSERT_EQ(ftdi_set_event_char(chip.ctx, '\n', 1), 0);
    ASSERT_EQ(ftdi_write_data(chip.ctx, &call, 1), 1);
    ASSERT_EQ(chip.Bulk(&raw, 100), LIBUSB_SUCCESS);
    ASSERT_GE(raw.size(), 2u);
    EXPECT_EQ(std::string(raw.begin() + 2, raw.end()), kPcb3Answer + kPcb3Answer);
}

TEST(VirtualChip, BaudDivisorsDecodeToTheRatesLibftdiAimedAt) {
    // Divisors as libftdi encodes them for an FT232R.
    EXPECT_EQ(FtdiBaudFromDivisor(0x8003, 0), 923077u); // 921600
    EXPECT_EQ(FtdiBaudFromDivisor(0x001A, 0), 115385u); // 115200
    EXPECT_EQ(FtdiBaudFromDivisor(0x4138, 0), 9600u);   // 9600
    EXPECT_EQ(FtdiBaudFromDivisor(0x0003, 1), 888889u); // 3 3/8
    EXPECT_EQ(FtdiBaudFromDivisor(0, 0), 3000000u);
    EXPECT_EQ(FtdiBaudFromDivisor(1, 0), 2000000u);
    EXPECT_EQ(FtdiBaudFromDivisor(2, 0), 1500000u);
    EXPECT_EQ(UartRateHeard(923077), 921600u);
    EXPECT_EQ(UartRateHeard(888889), 888889u);

    PlugVirtualChips("pcb3");
    OpenChip chip;
    ASSERT_TRUE(chip.opened);
    for (int rate : {9600, 38400, 57600, 115200, 230400, 460800, 921600, 1000000, 3000000}) {
        ASSERT_EQ(ftdi_set_baudrate(chip.ctx, rate), 0) << rate;
        unsigned baud = 0;
        int latency = 0;
        ASSERT_EQ(tolvane_virtual_usb_settings(0, &baud, &latency), 0);
        EXPECT_NEAR(baud, rate, rate * 0.01) << rate;
    }
    // The application answers at its own rate only: at the bootloader's it hears noise.
    std::vector<std::uint8_t> raw;
    const unsigned char b = 'B';
    ASSERT_EQ(ftdi_set_baudrate(chip.ctx, 115200), 0);
    ASSERT_EQ(ftdi_write_data(chip.ctx, &b, 1), 1);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(chip.Bulk(&raw, 1000), LIBUSB_SUCCESS);
        EXPECT_EQ(raw.size(), 2u);
    }
    ASSERT_EQ(ftdi_set_baudrate(chip.ctx, 921600), 0);
    ASSERT_EQ(ftdi_write_data(chip.ctx, &b, 1), 1);
    unsigned char answer[64];
    chip.ctx->usb_read_timeout = 1000;
    EXPECT_EQ(ftdi_read_data(chip.ctx, answer, 17), 17);
}

TEST(VirtualChip, PurgeDropsWhatTheChipHoldsAndUnpluggingEndsEveryCall) {
    PlugVirtualChips("pcb3", "{}", "wire");
    OpenChip chip;
    ASSERT_TRUE(chip.opened);
    ASSERT_EQ(ftdi_set_baudrate(chip.ctx, 921600), 0);
    const unsigned char b = 'B';
    ASSERT_EQ(ftdi_write_data(chip.ctx, &b, 1), 1);
    std::this_thread::sleep_for(Millis(200)); // the answer waits in the chip
    ASSERT_EQ(ftdi_tciflush(chip.ctx), 0);
    std::vector<std::uint8_t> raw;
    ASSERT_EQ(chip.Bulk(&raw, 1000), LIBUSB_SUCCESS);
    EXPECT_EQ(raw.size(), 2u);

    ASSERT_EQ(tolvane_virtual_usb_unplug(0), 0);
    EXPECT_EQ(chip.Bulk(&raw, 1000), LIBUSB_ERROR_NO_DEVICE);
    EXPECT_LT(ftdi_write_data(chip.ctx, &b, 1), 0);
    EXPECT_LT(ftdi_set_baudrate(chip.ctx, 9600), 0);
    ftdi_device_list* list = nullptr;
    EXPECT_EQ(ftdi_usb_find_all(chip.ctx, &list, 0, 0), 0);
    ftdi_list_free(&list);
}
