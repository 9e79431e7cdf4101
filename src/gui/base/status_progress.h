// Progress shown in a window's status bar (or any label): the status text
// replaces the bar's text. Tool windows report their long runs this way.
// Repaints are spaced out (at most one every 40 ms, plus the last), so a
// run that reports every word stays fast while the text stays alive.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QStatusBar>

#include "core/base/progress.h"

class QLabel;

namespace lumeral::gui {

class StatusProgress : public Progress {
 public:
  explicit StatusProgress(QStatusBar* bar);
  explicit StatusProgress(QLabel* label);
  ~StatusProgress() override;
  void status(std::string_view text) override;

 private:
  void repaint();
  QPointer<QStatusBar> bar_;
  QPointer<QLabel> label_;
  QElapsedTimer since_paint_;
};

}  // namespace lumeral::gui
