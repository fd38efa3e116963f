#pragma once
// Every window of the program, created at start in their fixed order; only the main window
// is shown.
#include "link/FtdiApi.h"
#include "shell/ui/Main_88m_kb9012.h"

#include <memory>

struct AppWindows {
    std::unique_ptr<TForm1> main;
    ModeWindows modes;
    // Destroys the mode windows (stopping their workers) before the main window.
    ~AppWindows();
};

std::unique_ptr<AppWindows> CreateAppWindows(std::shared_ptr<FtdiApi> api);
