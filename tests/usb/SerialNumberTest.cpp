// Several JIGs on one bench: `list` shows them by serial number, and `--device usb:SERIAL`
// keeps every step on the one named, through the real libftdi1 and the virtual FTDI chips.
#include "link/backends/UsbFtdiApi.h"
#include "support/Process.h"
#include "usb/VirtualUsb.h"

namespace {
ProcessResult UsbCli(const std::string& folder, const std::string& scenarioFile,
                     std::vector<std::string> args) {
    return RunProgram("tolvane-jig-cli", args, folder,
                      VirtualUsbEnvironment("pcb3", scenarioFile, "instant"));
}
} // namespace

TEST(SerialNumber, TheBackendListsOnlyTheDeviceItWasGiven) {
    PlugVirtualChips("pcb3", R"({"devices": ["silent", "jig"]})");
    UsbFtdiApi all;
    DWORD n = 0;
    ASSERT_EQ(all.FT_CreateDeviceInfoList(&n), FT_OK);
    ASSERT_EQ(n, 2u);
    FtdiDeviceInfo info;
    ASSERT_EQ(all.FT_GetDeviceInfoDetail(1, &info), FT_OK);
    EXPECT_EQ(info.serialNumber, "TJV00002");
    EXPECT_FALSE(info.description.empty());
    EXPECT_EQ(all.FT_GetDeviceInfoDetail(2, &info), FT_DEVICE_NOT_FOUND);

    UsbFtdiApi second("TJV00002");
    ASSERT_EQ(second.FT_CreateDeviceInfoList(&n), FT_OK);
    EXPECT_EQ(n, 1u);
    ASSERT_EQ(second.FT_GetDeviceInfoDetail(0, &info), FT_OK);
    EXPECT_EQ(info.serialNumber, "TJV00002");
    EXPECT_NE(second.Describe().find("serial number TJV00002"), std::string::npos);
    UsbFtdiApi none("TJV00009");
    ASSERT_EQ(none.FT_CreateDeviceInfoList(&n), FT_OK);
    EXPECT_EQ(n, 0u);
}

TEST(SerialNumber, ListAndEveryCommandKeepToTheNamedJig) {
    TempDir dir;
    WriteFileBytes(dir.File("two.json"), R"({"devices": ["jig", "silent"]})");
    const std::string two = dir.File("two.json");

    ProcessResult r = UsbCli(dir.Path(), two, {"list", "--identify", "--device", "usb"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.out.find("\n0      TJV00001          ") != std::string::npos) << r.out;
    EXPECT_TRUE(r.out.find("\n1      TJV00002          ") != std::string::npos) << r.out;
    EXPECT_TRUE(r.out.find(" M328_EPM240_v16   (PCB3)\n1 ") != std::string::npos) << r.out;
    EXPECT_TRUE(r.out.ends_with(" no answer\n")) << r.out;

    // The shell's completion offers the chips plugged in by serial number.
    r = UsbCli(dir.Path(), two, {"__complete", "identify", "--device"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with("usb\nusb:TJV00001\nusb:TJV00002\ntty:\nsim\n")) << r.out;

    // Without a serial number the program finds the JIG behind whichever chip answers.
    r = UsbCli(dir.Path(), two, {"identify", "--device", "usb"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    r = UsbCli(dir.Path(), two, {"identify", "--device", "usb:TJV00001"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "M328_EPM240_v16  \nPCB3\n");
    // Named, the silent chip is all there is: no stepping over to the other JIG.
    r = UsbCli(dir.Path(), two, {"identify", "--device", "usb:TJV00002"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "FTDI found, ERROR answer\n");
    r = UsbCli(dir.Path(), two, {"identify", "--device", "usb:TJV00003"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "FTDI device not found\n");

    // A whole job on the named JIG, and none on the other.
    r = UsbCli(dir.Path(), two, {"ene", "read", "out.bin", "--device", "usb:TJV00001"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    r = UsbCli(dir.Path(), two, {"ene", "read", "out2.bin", "--device", "usb:TJV00002"});
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err;
    EXPECT_EQ(UsbCli(dir.Path(), two, {"identify", "--device", "usb:"}).exitCode, 2);
}
