#include "host/frame_window.h"

#include <QMenuBar>

QString HOST_LcdFrameTitle() {
  return QString::asprintf("LCD #%d %d*%d %dbpp, FixedPalette %d", 0, 240, 160, 24, 888);
}

FrameWindow::FrameWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle("Tavix Simulation");
  area_ = new QMdiArea;
  area_->setBackground(QColor(0x80, 0x80, 0x80));
  setCentralWidget(area_);
  resize(490, 310);
}

QMdiSubWindow* FrameWindow::findFrame(const QString& title) const {
  for (QMdiSubWindow* frame : area_->subWindowList())
    if (frame->windowTitle() == title) return frame;
  return nullptr;
}

QMdiSubWindow* FrameWindow::addFrame(const QString& title, QWidget* content, QPoint at) {
  if (QMdiSubWindow* existing = findFrame(title)) {
    delete content;
    existing->show();
    area_->setActiveSubWindow(existing);
    return existing;
  }
  QMdiSubWindow* frame = area_->addSubWindow(content);
  frame->setWindowTitle(title);
  frame->setAttribute(Qt::WA_DeleteOnClose);
  frame->setWindowFlags(frame->windowFlags() & ~Qt::WindowMaximizeButtonHint);
  frame->adjustSize();
  frame->move(at);
  frame->show();
  return frame;
}

void FrameWindow::fitFrames() {
  QRect used;
  for (QMdiSubWindow* frame : area_->subWindowList()) used |= frame->geometry();
  const int menuHeight = menuBar()->sizeHint().height();
  resize(std::max(width(), used.right() + 10), std::max(height(), used.bottom() + 10 + menuHeight));
}
