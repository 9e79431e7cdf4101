#include "gui/base/status_progress.h"

#include <QCoreApplication>
#include <QLabel>

#include "gui/base/form.h"

namespace lumeral::gui {

StatusProgress::StatusProgress(QStatusBar* bar) : bar_(bar) { since_paint_.start(); }
StatusProgress::StatusProgress(QLabel* label) : label_(label) { since_paint_.start(); }

StatusProgress::~StatusProgress() {
  // The last text shows even when it came right after the previous repaint.
  if (bar_) bar_->repaint();
  if (label_) label_->repaint();
}

void StatusProgress::status(std::string_view text) {
  QString t = qs(std::string(text));
  if (bar_) bar_->showMessage(t);
  if (label_) label_->setText(t);
  if (since_paint_.elapsed() >= 40) repaint();
}

void StatusProgress::repaint() {
  if (bar_) bar_->repaint();
  if (label_) label_->repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  since_paint_.restart();
}

}  // namespace lumeral::gui
