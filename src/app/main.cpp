// tolvane-jig: the program's windows.
#include "link/FtdiApi.h"
#include "shell/ui/AppWindows.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstring>
#include <exception>

namespace {
// An exception that reaches the event loop is shown, not fatal.
class Application : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            QMessageBox::critical(nullptr, applicationName(), QString::fromUtf8(e.what()));
        }
        return false;
    }
};

bool ParseDevice(int argc, char** argv, DeviceChoice* choice) {
    for (int i = 1; i < argc; ++i) {
        auto value = [&](std::string* into) {
            if (i + 1 >= argc)
                return false;
            *into = argv[++i];
            return true;
        };
        if (!std::strcmp(argv[i], "--device")) {
            if (!value(&choice->device))
                return false;
        } else if (!std::strcmp(argv[i], "--scenario")) {
            if (!value(&choice->scenarioFile))
                return false;
        } else if (!std::strcmp(argv[i], "--timing")) {
            if (!value(&choice->timing))
                return false;
        } else {
            return false;
        }
    }
    return true;
}
} // namespace

int main(int argc, char** argv) {
    Application app(argc, argv);
    QApplication::setApplicationName("Tolvane_JIG");
    DeviceChoice choice;
    if (!ParseDevice(argc, argv, &choice)) {
        std::fprintf(stderr, "Usage: tolvane-jig [--device usb|tty:PATH|sim[:BOARD]] "
                             "[--scenario FILE.json] [--timing wire|instant]\n");
        return 64;
    }
    std::string error;
    std::shared_ptr<FtdiApi> api = MakeFtdiApi(choice, &error);
    if (!api) {
        std::fprintf(stderr, "%s\n", error.c_str());
        QMessageBox::critical(nullptr, "Tolvane_JIG", QString::fromStdString(error));
        return 2;
    }
    std::unique_ptr<AppWindows> windows = CreateAppWindows(api);
    windows->main->show();
    return app.exec();
}
