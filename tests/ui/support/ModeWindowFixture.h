#pragma once
// A mode window on a simulated JIG, with scripted dialogs, a fixed clock, the settings' defaults
// and folders of its own for backups and the journal; what the window tests of the modes that
// read and write a chip share.
#include "gui/LogView.h"
#include "gui/ProgramSettings.h"
#include "operation/ChipState.h"
#include "port/TimeText.h"
#include "support/UserData.h"
#include "ui/support/UiTestSupport.h"

#include <QAbstractButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

template <class Window> class ModeWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        SetTimeTextSource(
            {[] { return std::string("10:20:30"); }, [] { return std::string("07.12.2026"); }});
        ProgramSettings().clear();
    }
    void TearDown() override {
        window.reset();
        SetTimeTextSource({});
        ProgramSettings().clear();
    }
    // The window shown on a new JIG; the main window hidden, as when the window opened.
    void Open(const std::string& board, const std::string& json = "{}",
              SimTiming timing = SimTiming::Instant) {
        sim = MakeSim(board, json, timing);
        window = Make(sim);
        mainWindow.hide();
        window->show();
    }
    virtual std::unique_ptr<Window> Make(std::shared_ptr<SimFtdiApi> api) {
        return std::make_unique<Window>(api, &mainWindow);
    }
    OperationRunner& Run() { return window->Engine().Run(); }
    // Clicks `start` and waits for `ended`; while the run is in `state`, `waits` is seen
    // disabled and the window refuses to leave.
    [[nodiscard]] bool ClickWhileBusy(QAbstractButton* start, const std::string& state,
                                      const QWidget* waits, const std::function<bool()>& ended) {
        start->click();
        bool sawBusy = false;
        const bool done = WaitUntil([&] {
            if (Run().State() == state) {
                sawBusy = sawBusy || !waits->isEnabled();
                EXPECT_FALSE(window->CanLeave());
            }
            return ended();
        });
        EXPECT_TRUE(sawBusy) << state;
        return done;
    }
    // A read stopped with `partial` received: the window stays, the dump under its name keeps
    // `old`, the blocks received lie beside it, and the log says why in `line`.
    void ExpectReadStopped(const std::string& dump, const std::string& old,
                           const std::string& partial, const LogView* log,
                           const QString& line = kStoppedLine) {
        EXPECT_EQ(Run().Result(), Outcome::Stopped);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(ReadFileText(dump) == old);
        EXPECT_TRUE(ReadFileText(dump + ".partial") == partial);
        EXPECT_TRUE(log->Lines().contains(line)) << log->toPlainText().toStdString();
    }
    // EXIT of an idle window hands back to the main window.
    void ExpectExitLeaves(QAbstractButton* exit) {
        exit->click();
        EXPECT_FALSE(window->isVisible());
        EXPECT_TRUE(mainWindow.isVisible());
    }

    TempDir dir;
    TestUserData user;
    ScriptedDialogs dialogs;
    QWidget mainWindow;
    std::shared_ptr<SimFtdiApi> sim;
    std::unique_ptr<Window> window;
};
