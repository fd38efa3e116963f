#include "link/FtdiApi.h"
#include "link/backends/TtyFtdiApi.h"
#include "link/backends/UsbFtdiApi.h"
#include "port/Tr.h"
#include "sim/Scenario.h"
#include "sim/SimFtdiApi.h"

std::shared_ptr<FtdiApi> MakeFtdiApi(const DeviceChoice& choice, std::string* error) {
    const std::string& d = choice.device;
    if (d == "usb")
        return std::make_shared<UsbFtdiApi>();
    if (d.rfind("usb:", 0) == 0) {
        if (d.size() == 4) {
            *error = Tr("Link", "usb: needs a serial number, for example usb:FT1ABCDE "
                                "(tolvane-jig-cli list shows them)");
            return nullptr;
        }
        return std::make_shared<UsbFtdiApi>(d.substr(4));
    }
    if (d.rfind("tty:", 0) == 0) {
        if (d.size() == 4) {
            *error = Tr("Link", "tty: needs a path, for example tty:/dev/ttyUSB0");
            return nullptr;
        }
        return std::make_shared<TtyFtdiApi>(d.substr(4));
    }
    if (d == "sim" || d.rfind("sim:", 0) == 0) {
        const std::optional<SimTiming> timing = ParseSimTiming(choice.timing);
        if (!timing) {
            *error = Fill(Tr("Link", "--timing is instant or wire, not %1"), choice.timing);
            return nullptr;
        }
        Scenario scenario;
        if (!LoadScenario(choice.scenarioFile, d.size() > 4 ? d.substr(4) : "", *timing, &scenario,
                          error))
            return nullptr;
        return std::make_shared<SimFtdiApi>(scenario);
    }
    *error =
        Fill(Tr("Link", "unknown device \"%1\" (usb, usb:SERIAL, tty:PATH or sim[:BOARD])"), d);
    return nullptr;
}
