#include "shell/ui/AppWindows.h"

#include "modes/Edid/ui/TEDID_form.h"
#include "modes/Ite/ui/TITE_FORM.h"
#include "modes/Kb901x_form/ui/TKB901X_forms.h"
#include "modes/Keyboard/ui/TKeyboard_testing.h"
#include "modes/Mec16xx/ui/TMEC16_Form.h"
#include "modes/Npce/ui/TNPCE_FORM.h"
#include "modes/Nuvoton_jtag_form/ui/TForm_NUVOTON_JTAG.h"
#include "modetable/ModeTable.h"
#include "shell/ui/Update.h"

#include <QtGlobal>

#include <string_view>

namespace {
using Api = std::shared_ptr<FtdiApi>;

struct WindowFactory {
    std::string_view mode;
    QWidget* (*make)(ModeWindows&, const Api&, QWidget* main);
};

template <auto Member, class Window> QWidget* Make(ModeWindows& m, const Api& api, QWidget* main) {
    return m.*Member = new Window(api, main);
}

// Each mode's window, under its name in the mode table; the table gives the order.
const WindowFactory kFactories[] = {
    {"EDID lcd", Make<&ModeWindows::edid, TEDID_form>},
    {"ENE KB90XX", Make<&ModeWindows::ene, TKB901X_forms>},
    {"Keyboard testing", Make<&ModeWindows::keyboard, TKeyboard_testing>},
    {"MEC jtag", Make<&ModeWindows::mec, TMEC16_Form>},
    {"ITE", Make<&ModeWindows::ite, TITE_FORM>},
    {"NUVOTON spi", Make<&ModeWindows::npce, TNPCE_FORM>},
    {"NUVOTON jtag", Make<&ModeWindows::nuvotonJtag, TForm_NUVOTON_JTAG>},
};
} // namespace

AppWindows::~AppWindows() {
    delete modes.update;
    for (auto it = modes.byMode.rbegin(); it != modes.byMode.rend(); ++it)
        delete it->second;
}

std::unique_ptr<AppWindows> CreateAppWindows(std::shared_ptr<FtdiApi> api) {
    auto app = std::make_unique<AppWindows>();
    // One choice of JIG for the main window and every mode window.
    auto chosen = std::make_shared<ChosenDeviceApi>(std::move(api));
    api = chosen;
    app->main = std::make_unique<TForm1>(chosen);
    QWidget* main = app->main.get();
    ModeWindows& m = app->modes;
    for (const ModeEntry& mode : Modes())
        for (const WindowFactory& f : kFactories)
            if (f.mode == mode.name)
                m.byMode.emplace_back(mode.name, f.make(m, api, main));
    if (m.byMode.size() != Modes().size())
        qFatal("a mode of the mode table has no window");
    m.update = new TUPDATE_FORM();
    app->main->SetWindows(m);
    return app;
}
