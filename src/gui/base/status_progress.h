// Progress shown in a window's status bar (or any label): the status text
// replaces the bar's text. Tool windows report their long runs this way.
// The run is long work (LongWork): events are let through at most every
// 50 ms, so the text stays alive and the window painted, and other input
// is refused. A status bar gets a "Cancelar" button once the run has gone
// on for half a second; it stops the run at its next document. A run that
// ends in an error or a cancel leaves no status text behind (it would tell
// of work that did not finish).
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>

#include <exception>

#include "core/base/progress.h"
#include "gui/base/long_work.h"

class QLabel;

namespace lumeral::gui {

class StatusProgress : public Progress {
 public:
  explicit StatusProgress(QStatusBar* bar);
  explicit StatusProgress(QLabel* label);
  ~StatusProgress() override;
  void status(std::string_view text) override;
  bool cancelled() override;

  // The status bar's "Cancelar" (null for a label, or once the run ended).
  QPushButton* cancel_button() const { return cancel_; }

  static constexpr int kCancelAfterMs = 500;

 private:
  LongWork work_;
  QPointer<QStatusBar> bar_;
  QPointer<QLabel> label_;
  QPointer<QPushButton> cancel_;
  QElapsedTimer running_;
  // Exceptions in flight when the run began: one more at the end means
  // the run stopped on an error or a cancel.
  int exceptions_ = std::uncaught_exceptions();
};

}  // namespace lumeral::gui
