#include "shell/ui/AppWindows.h"

#include "modes/Edid/ui/TEDID_form.h"
#include "modes/Ite/ui/TITE_FORM.h"
#include "modes/Kb901x_form/ui/TKB901X_forms.h"
#include "modes/Keyboard/ui/TKeyboard_testing.h"
#include "modes/Mec16xx/ui/TMEC16_Form.h"
#include "modes/Npce/ui/TNPCE_FORM.h"
#include "modes/Nuvoton_jtag_form/ui/TForm_NUVOTON_JTAG.h"
#include "shell/ui/Update.h"

AppWindows::~AppWindows() {
    delete modes.nuvotonJtag;
    delete modes.update;
    delete modes.npce;
    delete modes.ite;
    delete modes.mec;
    delete modes.keyboard;
    delete modes.ene;
    delete modes.edid;
}

std::unique_ptr<AppWindows> CreateAppWindows(std::shared_ptr<FtdiApi> api) {
    auto app = std::make_unique<AppWindows>();
    app->main = std::make_unique<TForm1>(api);
    QWidget* main = app->main.get();
    ModeWindows& m = app->modes;
    m.edid = new TEDID_form(api, main);
    m.ene = new TKB901X_forms(api, main);
    m.keyboard = new TKeyboard_testing(api, main);
    m.mec = new TMEC16_Form(api, main);
    m.ite = new TITE_FORM(api, main);
    m.npce = new TNPCE_FORM(api, main);
    m.update = new TUPDATE_FORM();
    m.nuvotonJtag = new TForm_NUVOTON_JTAG(api, main);
    app->main->SetWindows(m);
    return app;
}
