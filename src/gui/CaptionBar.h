#pragma once
// A window's title drawn inside it, for a window the window manager shows without a frame
// (window managers differ in which title-bar buttons they let a window refuse; a frameless
// window has none under all of them). Dragging it moves the window.
#include <QLabel>
#include <QPoint>

class CaptionBar : public QLabel {
    Q_OBJECT
  public:
    CaptionBar(const QString& caption, QWidget* window);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QPoint grab_; // where in the window the drag took hold
};
