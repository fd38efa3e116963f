#pragma once
// The "Keyboard_testing 02_03_2017" window: the grid of 496 pin-pair indicators, START SCAN /
// STOP, Clear, "Buzzer off", "Hide current" and the status label. The scan runs in the
// engine's worker; what it reports reaches the widgets on this window's thread, the grid at
// most 25 times a second.
#include "gui/ModeWindow.h"
#include "modes/Keyboard/KeyboardListener.h"
#include "modes/Keyboard/KeyboardScanner.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <atomic>
#include <memory>

class IndicatorShape;

class TKeyboard_testing : public ModeWindow, private Keyboard::KeyboardListener {
    Q_OBJECT
  public:
    static constexpr int kRepaintMs = 40;

    TKeyboard_testing(std::shared_ptr<FtdiApi> api, QWidget* mainWindow);
    ~TKeyboard_testing() override;

    QPushButton* START_SCAN;
    QPushButton* EXIT_KB_TEST;
    QPushButton* Clear;
    QCheckBox* Buzzer_box;
    QCheckBox* CheckBox_HIDE;
    QLabel* Label_keyb_con;
    QLabel* Label_pairs; // the red and yellow pairs as text

    // Indicator n (pins a < b), named "Shape" + n; nullptr for numbers without one.
    IndicatorShape* Shape(int pairNumber) const;
    Keyboard::KeyboardScanner& Scanner() { return *scanner_; }
    bool CanLeave() const override;

    void START_SCANClick();
    void ClearClick();
    void CheckBox_HIDEClick();
    void EXIT_KB_TESTClick();

  protected:
  private:
    // KeyboardListener, called from the worker too.
    void IndicatorChanged(int pairNumber, Keyboard::Colour colour) override;
    void StatusWordChanged(const std::string& word) override;
    void ScanRunning(bool running) override;

    void Retranslate() override;
    void ShowStatusWord(const std::string& word);
    void ShowScanRunning(bool running);
    void FlushIndicators();

    std::array<IndicatorShape*, Keyboard::kMaxPairNumber + 1> shapes_{};
    std::array<std::atomic<std::uint8_t>, Keyboard::kMaxPairNumber + 1> pending_{};
    std::atomic<bool> flushPosted_{false};
    std::string statusWord_ = "NO"; // what the status label shows, for a change of language
    bool scanRunning_ = false;
    QTimer* repaintTimer_;
    QElapsedTimer sinceRepaint_;
    std::unique_ptr<Keyboard::KeyboardScanner> scanner_;
};
