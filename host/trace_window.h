// The unit's state machine traces: the newest lines, filterable.
#pragma once

#include <QWidget>
#include <deque>

class QLineEdit;
class QPlainTextEdit;

class TraceWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kMaxLines = 5000;

  explicit TraceWindow(QWidget* parent = nullptr);
  // Text as the unit writes it: lines start with '\n'.
  void addText(const std::string& text);
  QString shownText() const;

 private:
  void refilter();
  bool matches(const QString& line) const;

  QLineEdit* filter_;
  QPlainTextEdit* view_;
  std::deque<QString> lines_;
};
