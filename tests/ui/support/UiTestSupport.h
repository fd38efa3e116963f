#pragma once
// Shared by window tests: scripted dialogs, a fixed start log, and waiting on the event loop.
#include "gui/Dialogs.h"
#include "support/SimFixture.h"

#include <functional>

class ScriptedDialogs {
  public:
    ScriptedDialogs() { Dialogs::InstallScript(&script); }
    ~ScriptedDialogs() { Dialogs::InstallScript(nullptr); }
    Dialogs::Script script;
};

// Runs the event loop until `done` holds or `ms` pass; returns `done()`.
bool WaitUntil(const std::function<bool()>& done, int ms = 5000);
