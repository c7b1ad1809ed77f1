// The host's log window text, its error file "SimError.log" and the
// host's message boxes. log/warning/error may be called from any thread.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>

#include "host/log_buffer.h"

class HostLog : public QObject {
  Q_OBJECT
 public:
  // Shows a message box (text, title); replaced in tests.
  using MessageSink = std::function<void(const QString&, const QString&)>;

  explicit HostLog(QObject* parent = nullptr);
  ~HostLog() override;

  void log(const std::string& text);
  void warning(const std::string& text);
  void error(const std::string& text);
  void clear();
  std::string text() const;

  // A message box with the host's title "TavixSim". With message boxes
  // off the text goes to the log as a warning instead.
  void message(const QString& text, const QString& title = QStringLiteral("TavixSim"));

  void setMessageBoxes(bool on) { messageBoxes_ = on; }
  bool messageBoxes() const { return messageBoxes_; }
  void setMessageSink(MessageSink sink) { sink_ = std::move(sink); }
  void setEcho(bool on) { echo_ = on; }
  void setErrorFilePath(const std::string& path) { errorFilePath_ = path; }
  int errorCount() const { return errorCount_; }
  // Ends the error file (at exit).
  void closeErrorFile();

 signals:
  void changed();

 private:
  void append(const std::string& text);
  std::string stamp() const;
  void writeErrorFile(const std::string& text);
  void showOnGuiThread(const QString& text, const QString& title);

  mutable std::mutex mutex_;
  LogBuffer buffer_;
  QElapsedTimer clock_;
  std::FILE* errorFile_ = nullptr;
  std::string errorFilePath_ = "SimError.log";
  bool messageBoxes_ = true;
  bool echo_ = false;
  int errorCount_ = 0;
  MessageSink sink_;
};
