// The LCD window: the panel memory, painted in the panel's two shades,
// magnified by the zoom; repainted by a 20 ms timer when the panel's
// modification counter moved.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <cstdint>

struct PanelMemory;

// The panel in its two shades, unmagnified.
QImage HOST_PanelImage(const PanelMemory& panel);

class LcdWidget : public QWidget {
  Q_OBJECT
 public:
  LcdWidget(PanelMemory& panel, int zoom, QWidget* parent = nullptr);

  void setZoom(int zoom);
  int zoom() const { return zoom_; }
  // The display as shown now, at the current zoom.
  QImage picture() const;
  // Number of repaints that showed a new panel state.
  uint64_t freshPaints() const { return freshPaints_; }

 signals:
  void contextMenuRequested(const QPoint& globalPos);
  void repainted(uint32_t modificationCount);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void poll();

  PanelMemory& panel_;
  int zoom_;
  QTimer timer_;
  uint32_t lastPainted_ = ~0u;
  uint64_t freshPaints_ = 0;
};
