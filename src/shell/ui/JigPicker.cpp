#include "shell/ui/JigPicker.h"

#include "gui/ProgramSettings.h"
#include "gui/TrText.h"

#include <QEvent>

#include <QGridLayout>

namespace {
constexpr const char* kJigKey = "bench/jigSerial";
} // namespace

namespace JigMemory {
std::string Remembered() {
    return ProgramSettings().value(kJigKey).toString().toStdString();
}

void Remember(const std::string& serial) {
    if (serial.empty())
        ProgramSettings().remove(kJigKey);
    else
        ProgramSettings().setValue(kJigKey, QString::fromStdString(serial));
}
} // namespace JigMemory

JigPicker::JigPicker(std::shared_ptr<ChosenDeviceApi> api, QWidget* parent)
    : QWidget(parent), api_(std::move(api)) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* prompt = new QLabel("JIG", this);
    Selector = new QComboBox(this);
    Retranslate();
    Notice = new QLabel(this);
    Notice->setWordWrap(true);
    Notice->setStyleSheet("color: rgb(200, 0, 0)");
    Notice->hide();
    prompt->setBuddy(Selector);
    layout->addWidget(prompt, 0, 0);
    layout->addWidget(Selector, 0, 1);
    layout->addWidget(Notice, 1, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    connect(Selector, &QComboBox::activated, this, &JigPicker::Picked);
}

void JigPicker::Retranslate() {
    Selector->setToolTip(TrQ("Shell", "Every mode window works on the JIG chosen here "
                                      "(remembered by its serial number)"));
}

void JigPicker::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}

void JigPicker::Refresh() {
    plugged_ = api_->Plugged();
    if (!picked_) {
        const std::string remembered = JigMemory::Remembered();
        wanted_ = remembered.empty() ? std::nullopt : std::optional(remembered);
    }
    const JigPick pick = PickJig(plugged_, wanted_);
    const QSignalBlocker quiet(Selector);
    Selector->clear();
    for (const FtdiDeviceInfo& device : plugged_) {
        const auto version = versions_.find(device.serialNumber);
        Selector->addItem(QString::fromStdString(
            JigLine(device, version == versions_.end() ? "" : version->second)));
    }
    if (pick.index < 0) {
        api_->Choose(std::nullopt); // none to choose from: the links say so as they always did
    } else {
        Selector->setCurrentIndex(pick.index);
        api_->Choose(plugged_[static_cast<std::size_t>(pick.index)].serialNumber);
    }
    ShowNotice(pick.notice);
}

void JigPicker::Picked(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= plugged_.size())
        return;
    const std::string& serial = plugged_[static_cast<std::size_t>(index)].serialNumber;
    // One without a serial number is forgotten: a later run could not find it again.
    JigMemory::Remember(serial);
    wanted_ = serial;
    picked_ = true;
    api_->Choose(serial);
    ShowNotice("");
}

void JigPicker::Identified(const std::string& version) {
    const int index = Selector->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= plugged_.size())
        return;
    const FtdiDeviceInfo& device = plugged_[static_cast<std::size_t>(index)];
    versions_[device.serialNumber] = version;
    Selector->setItemText(index, QString::fromStdString(JigLine(device, version)));
}

QString JigPicker::ChosenSerial() const {
    return QString::fromStdString(api_->Chosen().value_or(""));
}

void JigPicker::ShowNotice(const std::string& text) {
    Notice->setText(QString::fromStdString(text));
    Notice->setVisible(!text.empty());
    setVisible(plugged_.size() > 1 || !text.empty());
    emit LayoutChanged();
}
