#include "host/about_dialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

QString HOST_GraphicsVersion() {
  QString version = "X.XX";
  version[0] = '4';
  version[2] = '0';
  version[3] = '6';
  return version;
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString("About %1").arg("Tavix Simulation"));
  auto* icon = new QLabel;
  icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32));
  auto* frame = new QFrame;
  frame->setFrameShape(QFrame::StyledPanel);
  auto* texts = new QVBoxLayout(frame);
  texts->addWidget(new QLabel("TavixSim"));                                          // 1002
  texts->addWidget(new QLabel(QString("Version: %1").arg(HOST_GraphicsVersion())));  // 1001
  texts->addWidget(new QLabel("Kalvero 200 KM3D operating unit on the desktop"));    // 1000
  auto* row = new QHBoxLayout;
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addWidget(frame, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
}
