// "About Tavix Simulation".
#pragma once

#include <QDialog>

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

// The graphics layer's version text "X.XX" with its digits filled in.
QString HOST_GraphicsVersion();
