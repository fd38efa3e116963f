#pragma once
// What every mode window shares: a fixed caption, minimise and maximise buttons (the log grows
// with the window), the link backend, the way back to the main window, and Esc to leave.
#include "link/FtdiApi.h"

#include <QWidget>

#include <memory>

class ModeWindow : public QWidget {
    Q_OBJECT
  public:
    // The caption comes from the window's Retranslate(), which its constructor calls.
    ModeWindow(std::shared_ptr<FtdiApi> api, QWidget* mainWindow);

    // The caption names the JIG the window works on; an empty serial names none.
    void ShowJig(const QString& serial);
    // The caption in another language; the JIG it names stays.
    void SetCaption(const QString& caption);
    // Shows the main window and hides this one.
    void BackToMain();
    // Whether EXIT may leave now (no operation running); windows with workers override it.
    virtual bool CanLeave() const { return true; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Opens centred over the main window, which is still shown when a mode window opens.
    void showEvent(QShowEvent* event) override;
    // Esc leaves an idle window as EXIT does; during an operation it does nothing.
    void keyPressEvent(QKeyEvent* event) override;
    // The language chosen in the main window: Retranslate().
    void changeEvent(QEvent* event) override;
    // Every caption in the chosen language again.
    virtual void Retranslate() {}

    std::shared_ptr<FtdiApi> api_;
    QWidget* mainWindow_;

  private:
    QString caption_;
    QString serial_;
};

// Resizable, single border, minimise and maximise buttons.
void MakeResizableToolWindow(QWidget* window);
// Fixed size, single border, minimise button only.
void MakeFixedToolWindow(QWidget* window);
// Moves `window` so that its centre is the centre of `over`, kept on `over`'s screen.
void CentreOver(QWidget* window, const QWidget* over);
