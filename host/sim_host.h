// The desktop program's windows and commands around the running unit:
// builds the device window (or the frame window), the hardkeys and the
// menus, and carries out the commands of menus, accelerators and keys.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>

#include "host/app_control.h"
#include "host/device_pictures.h"
#include "host/hardkey_table.h"
#include "host/host_actions.h"
#include "host/lcd_widget.h"
#include "host/sim_settings.h"
#include "host/simulation_panel.h"
#include "host/sysinfo_window.h"
#include "host/trace_sink.h"
#include "host/trace_window.h"

class DeviceWindow;
class FrameWindow;
class HostLog;
class QMenu;

class SimHost : public QObject {
  Q_OBJECT
 public:
  struct Config {
    SimSettings settings;
    int speed = 1;
    bool traceToStderr = false;
    bool singleInstance = true;
    std::string servicePort = "pty";
    bool controller = false;  // simulated controller on the bus from the start
    // Unset: "Device.bmp"/"Device1.bmp" of the working directory, else built in.
    std::optional<DevicePictures> pictures;
  };

  SimHost(Config config, HostLog& log, QObject* parent = nullptr);
  ~SimHost() override;

  QWidget* mainWindow() const;
  DeviceWindow* deviceWindow() const { return device_.get(); }
  FrameWindow* frameWindow() const { return frame_.get(); }
  // The LCD window of the main window.
  LcdWidget* lcd() const { return lcd_; }
  HardkeyTable& hardkeys() { return hardkeys_; }
  AppControl& app() { return *app_; }
  const HostActions& actions() const { return *actions_; }
  QMenu* contextMenu() const { return contextMenu_.get(); }
  TraceWindow* traceWindow() const { return traceWindow_; }

  void restart();
  void pause();
  void resume();
  void copyToClipboard();
  void saveScreenshot(const QString& path = {});
  void setZoom(int zoom);
  void setSpeed(int factor);
  void setControllerConnected(bool connected);
  // A device key from the keyboard or the simulation panel.
  void deviceKey(int hardkey, bool pressed);
  // The LCD as shown, at the current zoom.
  QImage lcdPicture() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildDeviceWindow(const DevicePictures& pictures);
  void buildFrameWindow();
  void connectActions();
  void watchMenu(QMenu* menu);
  void enableForMenu(bool menuOpen);
  void openLayer(int layer);
  void openColours(int layer);
  void openLog();
  void showSystemInfo();
  void showAbout();
  void showSimulationPanel();
  void showTraceWindow();
  void showKeyboardHelp();
  void updateTitle();
  void popupContextMenu(const QPoint& globalPos);
  void showOrRaise(QWidget* window);

  Config config_;
  HostLog& log_;
  TraceSink traces_;
  std::unique_ptr<AppControl> app_;
  HardkeyTable hardkeys_;
  std::unique_ptr<HostActions> actions_;
  std::unique_ptr<QMenu> contextMenu_;
  std::unique_ptr<DeviceWindow> device_;
  std::unique_ptr<FrameWindow> frame_;
  QPointer<LcdWidget> lcd_;
  int zoom_ = 1;
  QPointer<QWidget> lcdFrame_;
  QPointer<QWidget> coloursFrame_;
  QPointer<QWidget> logFrame_;
  QPointer<SysInfoWindow> sysInfo_;
  QPointer<SimulationPanel> simulationPanel_;
  QPointer<TraceWindow> traceWindow_;
  QTimer titleTimer_;
  QTimer traceTimer_;
};
