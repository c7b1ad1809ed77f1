// The desktop program's windows and commands around the running unit.
#include "host/sim_host.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "gui/core/gui_alloc.h"
#include "host/device_window.h"
#include "host/frame_window.h"
#include "host/hardkey_widget.h"
#include "host/host_log.h"
#include "host/pool_statistics.h"
#include "platform/key_port.h"

namespace {

constexpr int kWaitMs = 5000;
constexpr uint8_t kOkPattern = 0x20;

class SimHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    log_.setMessageSink([this](const QString& text, const QString& title) {
      messages_.push_back((title + ": " + text).toStdString());
    });
    log_.setErrorFilePath(QDir(dir_.path()).filePath("SimError.log").toStdString());
  }

  void build(bool deviceMode = true, bool messageBoxes = true, bool controller = false) {
    SimHost::Config config;
    SIM_ConfigureApplication(config.settings);
    if (!deviceMode) config.settings.lcdX = config.settings.lcdY = -1;
    config.settings.messageBoxes = messageBoxes;
    config.singleInstance = false;
    config.servicePort = "none";
    config.pictures = HOST_BuiltInDevicePictures();
    config.controller = controller;
    host_ = std::make_unique<SimHost>(config, log_);
    host_->mainWindow()->show();
  }

  void startAndWaitForKeyScan() {
    host_->restart();
    // Keys count once the unit has registered its hardkey callback and
    // the key scan runs.
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return host_->app().host().keyScanStatistics().count > 0; }, kWaitMs));
  }

  static bool portBecomes(uint8_t value) {
    return QTest::qWaitFor([value] { return KEY_ReadPort() == value; }, kWaitMs);
  }

  // One entry per start of the link task, as the trace window shows them:
  // whether that start reached the run state.
  std::vector<bool> linkStarts() const {
    std::vector<bool> starts;
    for (const QString& line : host_->traceWindow()->shownText().split('\n')) {
      if (line == "DIS_StartCommunication Entry") starts.push_back(false);
      if (line == "DIS_Run Entry" && !starts.empty()) starts.back() = true;
    }
    return starts;
  }

  // Only the link task's lines, so the window's line limit never cuts them.
  void showLinkTracesOnly() { host_->traceWindow()->findChild<QLineEdit*>()->setText("DIS_"); }

  bool linkRunsAfterStart(size_t earlierStarts) const {
    return QTest::qWaitFor(
        [&] {
          const std::vector<bool> starts = linkStarts();
          return starts.size() > earlierStarts && starts.back();
        },
        kWaitMs);
  }

  uint64_t busFrames() const {
    const simctl::Statistics stats = host_->app().controller().statistics();
    return stats.framesRead + stats.framesWritten;
  }

  QTemporaryDir dir_;
  HostLog log_;
  std::vector<std::string> messages_;
  std::unique_ptr<SimHost> host_;
};

TEST_F(SimHostTest, AClickOnTheOkKeyReachesTheKeyPortAndADragOffStillReleasesIt) {
  build();
  startAndWaitForKeyScan();
  HardkeyWidget* ok = host_->deviceWindow()->hardkeyWidget(kHardkeyOk);
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->geometry(), QRect(346, 90, 47, 45));
  const QPoint centre = ok->rect().center();
  QTest::mousePress(ok, Qt::LeftButton, {}, centre);
  EXPECT_EQ(host_->hardkeys().state(kHardkeyOk), 1);
  EXPECT_TRUE(portBecomes(kOkPattern));
  // The pointer leaves the key before the button goes up.
  QTest::mouseMove(ok, centre + QPoint(200, 120));
  QTest::mouseRelease(ok, Qt::LeftButton, {}, centre + QPoint(200, 120));
  EXPECT_EQ(host_->hardkeys().state(kHardkeyOk), 0);
  EXPECT_TRUE(portBecomes(0));
}

TEST_F(SimHostTest, ThePcKeyboardHoldsDeviceKeysAndIgnoresAutoRepeat) {
  build();
  startAndWaitForKeyScan();
  QWidget* window = host_->mainWindow();
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(window, &press);
  EXPECT_TRUE(portBecomes(kOkPattern));
  EXPECT_EQ(host_->hardkeys().state(kHardkeyOk), 1) << "the key window shows the key down";
  QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(window, &repeatRelease);
  EXPECT_EQ(host_->hardkeys().state(kHardkeyOk), 1) << "an auto-repeat release is not a release";
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(window, &release);
  EXPECT_TRUE(portBecomes(0));
}

TEST_F(SimHostTest, PauseResumeAndRestartTellAboutMisuseAndShowInTheTitle) {
  build(false);
  FrameWindow* frame = host_->frameWindow();
  ASSERT_NE(frame, nullptr);
  host_->pause();  // nothing started yet
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], "TavixSim: Application is not running...");

  host_->restart();
  EXPECT_EQ(log_.text().rfind("\n", 0), 0u);
  EXPECT_NE(log_.text().find("Application started"), std::string::npos);
  ASSERT_TRUE(
      QTest::qWaitFor([frame] { return frame->windowTitle() == "Tavix Simulation(Executing)"; }, kWaitMs));

  host_->actions().pause->trigger();
  ASSERT_TRUE(
      QTest::qWaitFor([frame] { return frame->windowTitle() == "Tavix Simulation(Suspended)"; }, kWaitMs));
  host_->actions().pause->trigger();
  host_->actions().resume->trigger();
  host_->actions().resume->trigger();
  const std::vector<std::string> expected = {"TavixSim: Application is not running...",
                                             "TavixSim: Application paused already ...",
                                             "TavixSim: Application is not stopped..."};
  EXPECT_EQ(messages_, expected);
  EXPECT_TRUE(
      QTest::qWaitFor([frame] { return frame->windowTitle() == "Tavix Simulation(Executing)"; }, kWaitMs));

  // F3 while running and paused: the old thread ends, a fresh log begins.
  host_->pause();
  host_->actions().restart->trigger();
  EXPECT_TRUE(host_->app().running());
  EXPECT_FALSE(host_->app().paused());
  EXPECT_EQ(log_.text().find("Application started"), log_.text().find_first_not_of("\n0123456789: "));
  EXPECT_EQ(log_.text().find("Application suspended"), std::string::npos);
}

TEST_F(SimHostTest, AControllerConnectedAtStartBringsTheLinkUpIsSilentWhilePausedAndSurvivesRestart) {
  build(false, true, true);
  showLinkTracesOnly();
  host_->setSpeed(60);
  EXPECT_TRUE(host_->actions().controller->isChecked());
  host_->restart();
  ASSERT_TRUE(linkRunsAfterStart(0));

  host_->pause();
  QTest::qWait(50);
  const uint64_t framesWhenPaused = busFrames();
  QTest::qWait(300);
  EXPECT_EQ(busFrames(), framesWhenPaused);
  host_->resume();
  EXPECT_TRUE(QTest::qWaitFor([&] { return busFrames() > framesWhenPaused; }, kWaitMs));

  // F3, also from a pause: the controller leaves the old life's bus and
  // comes back to the new one.
  host_->pause();
  const size_t startsBefore = linkStarts().size();
  host_->actions().restart->trigger();
  EXPECT_TRUE(host_->app().running());
  EXPECT_TRUE(host_->app().controllerConnected());
  EXPECT_TRUE(linkRunsAfterStart(startsBefore));
}

TEST_F(SimHostTest, TheControllerEntryConnectsOnlyARunningUnitAndDisconnectsIt) {
  build(false);
  showLinkTracesOnly();
  host_->setSpeed(60);
  QMenu* simulation = nullptr;
  for (QMenu* menu : host_->contextMenu()->findChildren<QMenu*>())
    if (menu->title() == "&Simulation") simulation = menu;
  ASSERT_NE(simulation, nullptr);
  EXPECT_TRUE(simulation->actions().contains(host_->actions().controller));

  // Checked while stopped: nothing drives the bus until the unit runs.
  host_->actions().controller->trigger();
  EXPECT_TRUE(host_->app().controllerConnected());
  QTest::qWait(200);
  EXPECT_EQ(busFrames(), 0u);
  host_->restart();
  ASSERT_TRUE(linkRunsAfterStart(0));

  // Unplugged, the link supervision starts the link anew, which then
  // waits for a controller in vain.
  host_->actions().controller->trigger();
  EXPECT_FALSE(host_->app().controllerConnected());
  const size_t connectedStarts = linkStarts().size();
  ASSERT_TRUE(QTest::qWaitFor([&] { return linkStarts().size() > connectedStarts; }, kWaitMs));
  QTest::qWait(500);
  const std::vector<bool> starts = linkStarts();
  for (size_t i = connectedStarts; i < starts.size(); ++i) EXPECT_FALSE(starts[i]) << "link start " << i;

  host_->actions().controller->trigger();
  EXPECT_TRUE(linkRunsAfterStart(starts.size() - 1));
}

TEST_F(SimHostTest, WithoutMessageBoxesErrorsStillReachTheLogAndSimErrorLog) {
  build(true, false);
  log_.error("_AddHardkeyRegion: - Too many hardkeys defined in bitmap");
  host_->resume();
  EXPECT_TRUE(messages_.empty());
  EXPECT_NE(log_.text().find(std::string(1, kLogHighlight) + "_AddHardkeyRegion"), std::string::npos);
  EXPECT_NE(log_.text().find(std::string(1, kLogHighlight) + "Application is not stopped..."),
            std::string::npos);
  log_.closeErrorFile();
  QFile file(QDir(dir_.path()).filePath("SimError.log"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), "\r\n_AddHardkeyRegion: - Too many hardkeys defined in bitmap");
}

TEST_F(SimHostTest, TheMenusOfferOnlyWhatMakesSenseNow) {
  build(false);
  host_->restart();
  QMenu* context = host_->contextMenu();
  emit context->aboutToShow();
  EXPECT_TRUE(host_->actions().pause->isEnabled());
  EXPECT_FALSE(host_->actions().resume->isEnabled());
  EXPECT_TRUE(host_->actions().layers[0]->isEnabled());
  EXPECT_FALSE(host_->actions().layers[1]->isEnabled());
  emit context->aboutToHide();
  // Outside the menus F5 must still be able to say that nothing is paused.
  EXPECT_TRUE(host_->actions().resume->isEnabled());
}

TEST_F(SimHostTest, ScreenshotsFollowTheZoom) {
  build(false);
  host_->setZoom(3);
  const QString path = QDir(dir_.path()).filePath("lcd.png");
  host_->saveScreenshot(path);
  EXPECT_EQ(QImage(path).size(), QSize(720, 480));
}

TEST_F(SimHostTest, TheSystemInformationShowsThePoolFiguresTheUnitPublished) {
  build();
  startAndWaitForKeyScan();
  ASSERT_TRUE(QTest::qWaitFor([] { return HOST_ReadPoolStatistics().available; }, kWaitMs));
  const PoolStatistics stats = HOST_ReadPoolStatistics();
  EXPECT_GT(stats.freeBytes, 0);
  EXPECT_LE(stats.freeBytes + stats.usedBytes, kGuiAllocPoolBytes);
  EXPECT_GT(stats.freeBlocks, 0);
}

}  // namespace
