// The frame window, used when there is no device window: the menu bar,
// and inside it the LCD frame, the colour frame and the log frame of
// layer 0. Its title tells whether the application runs or is suspended.
#pragma once

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

class LcdWidget;

class FrameWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit FrameWindow(QWidget* parent = nullptr);

  QMdiArea* area() const { return area_; }
  // Adds (or brings forward) the frame titled `title` holding `content`.
  QMdiSubWindow* addFrame(const QString& title, QWidget* content, QPoint at);
  QMdiSubWindow* findFrame(const QString& title) const;
  // Grows the window to hold every frame.
  void fitFrames();

 private:
  QMdiArea* area_;
};

// Title of the LCD frame of layer 0.
QString HOST_LcdFrameTitle();
