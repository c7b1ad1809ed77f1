#include "host/trace_window.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TraceWindow::TraceWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle("Trace");
  resize(520, 420);
  filter_ = new QLineEdit;
  filter_->setPlaceholderText("Filter (text contained in the line)");
  filter_->setClearButtonEnabled(true);
  view_ = new QPlainTextEdit;
  view_->setReadOnly(true);
  view_->setMaximumBlockCount(kMaxLines);
  view_->setFont(QFont("DejaVu Sans Mono", 9));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(filter_);
  layout->addWidget(view_);
  connect(filter_, &QLineEdit::textChanged, this, &TraceWindow::refilter);
}

bool TraceWindow::matches(const QString& line) const {
  return filter_->text().isEmpty() || line.contains(filter_->text(), Qt::CaseInsensitive);
}

void TraceWindow::addText(const std::string& text) {
  // Traces start with a line break and are written whole.
  for (const QString& piece : QString::fromUtf8(text).split('\n')) {
    const QString line = piece.trimmed();
    if (line.isEmpty()) continue;
    lines_.push_back(line);
    if (lines_.size() > kMaxLines) lines_.pop_front();
    if (matches(line)) view_->appendPlainText(line);
  }
}

void TraceWindow::refilter() {
  view_->clear();
  QStringList shown;
  for (const QString& line : lines_)
    if (matches(line)) shown << line;
  view_->setPlainText(shown.join('\n'));
  view_->moveCursor(QTextCursor::End);
}

QString TraceWindow::shownText() const { return view_->toPlainText(); }
