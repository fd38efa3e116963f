#pragma once
// The map of a dump beside its mode window, after a read or a write's verify: the strip of
// blocks, a legend, the image's size, CRC-32 and SHA-256, and the hex of the block clicked.
#include "gui/DumpStrip.h"

#include <QWidget>

#include <memory>

class QHBoxLayout;
class QLabel;
class QPlainTextEdit;

class DumpMapView : public QWidget {
    Q_OBJECT
  public:
    explicit DumpMapView(QWidget* owner);

    // The owner's map window, made on first use, showing `picture`.
    static DumpMapView* ShowFor(QWidget* owner, std::shared_ptr<const DumpPicture> picture);

    void SetPicture(std::shared_ptr<const DumpPicture> picture);
    // The hex of one block (and, where a verify read it back different, the chip's bytes).
    void ShowBlock(int block);
    const DumpPicture* Picture() const { return picture_.get(); }
    DumpStrip* Strip() const { return strip_; }
    QPlainTextEdit* Hex() const { return hex_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override; // the picture again, in the chosen language

  private:
    std::shared_ptr<const DumpPicture> picture_;
    QLabel* heading_;
    DumpStrip* strip_;
    QHBoxLayout* legend_;
    QLabel* figures_;
    QLabel* blockTitle_;
    QPlainTextEdit* hex_;
};
