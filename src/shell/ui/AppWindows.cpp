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

// Each mode's window, under its name in the mode table; the table gives the order.
const WindowFactory kFactories[] = {
    {"EDID lcd",
     [](ModeWindows& m, const Api& api, QWidget* main) -> QWidget* {
         return m.edid = new TEDID_form(api, main);
     }},
    {"ENE KB90XX",
     [](ModeWindows& m, const Api& api, QWidget* main) -> QWidget* {
         return m.ene = new TKB901X_forms(api, main);
     }},
    {"Keyboard testing",
     [](ModeWindows& m, const Api& api, QWidget* main) -> QWidget* {
         return m.keyboard = new TKeyboard_testing(api, main);
     }},
    {"MEC jtag",
     [](ModeWindows& m, const Api& api, QWidget* main) -> QWidget* {
         return m.mec = new TMEC16_Form(api, main);
     }},
    {"ITE",
     [](ModeWindows& m, const Api& api, QWidget* main) -> QWidget* {
         return m.ite = new TITE_FORM(api, main);
     }},
    {"NUVOTON spi",
     [](ModeWindows& m, const Api& api, QWidget* main) -> QWidget* {
         return m.npce = new TNPCE_FORM(api, main);
     }},
    {"NUVOTON jtag",
     [](ModeWindows& m, const Api& api, QWidget* main) -> QWidget* {
         return m.nuvotonJtag = new TForm_NUVOTON_JTAG(api, main);
     }},
};
} // namespace

AppWindows::~AppWindows() {
    delete modes.update;
    for (auto it = modes.byMode.rbegin(); it != modes.byMode.rend(); ++it)
        delete it->second;
}

std::unique_ptr<AppWindows> CreateAppWindows(std::shared_ptr<FtdiApi> api) {
    auto app = std::make_unique<AppWindows>();
    app->main = std::make_unique<TForm1>(api);
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
