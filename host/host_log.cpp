#include "host/host_log.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QThread>

HostLog::HostLog(QObject* parent) : QObject(parent) {
  clock_.start();
  sink_ = [](const QString& text, const QString& title) { QMessageBox::warning(nullptr, title, text); };
}

HostLog::~HostLog() { closeErrorFile(); }

std::string HostLog::stamp() const { return "\n" + std::to_string(clock_.elapsed()) + ":   "; }

void HostLog::append(const std::string& text) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    buffer_.append(text);
  }
  emit changed();
}

void HostLog::log(const std::string& text) {
  if (echo_) std::fputs(text.c_str(), stderr);
  append(stamp() + text);
}

void HostLog::warning(const std::string& text) { append(stamp() + kLogHighlight + text); }

void HostLog::error(const std::string& text) {
  append(stamp() + kLogHighlight + text);
  if (messageBoxes_) {
    ++errorCount_;
    message(QString::fromStdString(text));
  }
  writeErrorFile(text);
}

void HostLog::clear() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    buffer_.clear();
  }
  emit changed();
}

std::string HostLog::text() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return buffer_.text();
}

void HostLog::message(const QString& text, const QString& title) {
  if (!messageBoxes_) {
    // Unattended: nobody would see a box, so the text also goes where a
    // script looks.
    std::fprintf(stderr, "kalvero-sim: %s: %s\n", qPrintable(title), qPrintable(text));
    warning(text.toStdString());
    return;
  }
  if (QThread::currentThread() == thread()) {
    showOnGuiThread(text, title);
  } else {
    QMetaObject::invokeMethod(
        this, [this, text, title] { showOnGuiThread(text, title); }, Qt::QueuedConnection);
  }
}

void HostLog::showOnGuiThread(const QString& text, const QString& title) {
  if (sink_) sink_(text, title);
}

void HostLog::writeErrorFile(const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (errorFile_ == nullptr) errorFile_ = std::fopen(errorFilePath_.c_str(), "w");
  if (errorFile_ == nullptr) return;
  std::fprintf(errorFile_, "\r\n%s", text.c_str());
  std::fflush(errorFile_);
}

void HostLog::closeErrorFile() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (errorFile_ != nullptr) std::fclose(errorFile_);
  errorFile_ = nullptr;
}
