#pragma once
// The main window's list of the JIGs plugged in, shown when there is a choice to make (or a
// remembered JIG is missing). The pick is remembered by serial number and handed to the links.
#include "link/ChosenDevice.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace JigMemory {
std::string Remembered();
// An empty serial forgets the choice.
void Remember(const std::string& serial);
} // namespace JigMemory

class JigPicker : public QWidget {
    Q_OBJECT
  public:
    JigPicker(std::shared_ptr<ChosenDeviceApi> api, QWidget* parent);

    QComboBox* Selector;
    QLabel* Notice;

    // Lists the devices anew and chooses the remembered JIG, or the first one.
    void Refresh();
    // The chosen JIG answered with `version`.
    void Identified(const std::string& version);
    // Empty when no device or no serial number is known.
    QString ChosenSerial() const;
    std::optional<std::string> Chosen() const { return api_->Chosen(); }

  signals:
    // The picker was shown or hidden, or its notice changed: the main window's height follows.
    void LayoutChanged();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Retranslate();
    void Picked(int index);
    void ShowNotice(const std::string& text);

    std::shared_ptr<ChosenDeviceApi> api_;
    std::vector<FtdiDeviceInfo> plugged_;
    // Picked in this run; until then the remembered one, if any.
    std::optional<std::string> wanted_;
    bool picked_ = false;
    std::map<std::string, std::string> versions_; // by serial number
};
