// The progress window `Frm_process` ("Progresso..."): two bold lines, a
// bar and "Cancelar", created anew for each long operation of the wizard
// and released at its end.
//
// ProgressScope is how an operation uses it: it opens the window, is the
// lumeral::Progress the core function reports to (status() is the first
// line, detail() the second, bar() the bar, cancelled() the "Cancelar"
// button), and paces the display with the fixed 50 ms wait per item (one
// bar() call is one item). The pause only paces what the user sees, so an
// operation never pauses more than 2 seconds in all: with more than 40
// items the 2 seconds are spread evenly over them. Pauses shorter than 50 ms
// are gathered into one, and between pauses events are let through at most
// every 50 ms (LongWork), so the windows repaint at most 20 times a second
// however many documents the operation has.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <memory>
#include <string>

#include "core/base/progress.h"
#include "gui/base/long_work.h"

namespace lumeral::gui {

class Windows;

// The controls of `TFrm_process`: its own and its tests' (TestAccess).
struct TFrm_processUi {
  QLabel* Label1;  // first bold line
  QLabel* Label2;  // second bold line
  QProgressBar* ProgressBar1;
  QPushButton* bt_cancelar;  // "Cancelar": asks the operation to stop at its next document
};

class TFrm_process : public QDialog, private TFrm_processUi {
  Q_OBJECT
  friend struct TestAccess;
  friend class ProgressScope;  // the one operation that shows it
  using Ui = TFrm_processUi;
 public:
  explicit TFrm_process(Windows& windows);

  void bt_cancelarClick();

 protected:
  // Escape and the window manager's close ask to cancel too; the window
  // itself closes only when its operation ends.
  void reject() override;
  void closeEvent(QCloseEvent* event) override;
};

class ProgressScope : public Progress {
 public:
  // Which line status() writes; detail() writes the other one.
  enum class Lines { StatusFirst, StatusSecond };
  // Opens a new progress window captioned `caption` ("Progresso..." when empty).
  explicit ProgressScope(Windows& windows, const QString& caption = QString(), Lines lines = Lines::StatusFirst);
  ~ProgressScope() override;
  ProgressScope(const ProgressScope&) = delete;
  ProgressScope& operator=(const ProgressScope&) = delete;

  void status(std::string_view text) override;
  void detail(std::string_view text) override;
  void bar(long long position, long long maximum) override;
  bool cancelled() override;

  // A status-bar panel that also shows the status() text (the wizard's
  // first panel); emptied at the end.
  void mirror_status_to(QLabel* label) { mirror_ = label; }
  // The same with the wizard's first status-bar panel.
  void mirror_status_to_wizard();

  static constexpr int kPauseMs = 50;        // per item
  static constexpr int kTotalPauseMs = 2000;  // per operation

 private:
  void repaint_and_pace();
  LongWork work_;
  Windows& windows_;
  std::unique_ptr<TFrm_process> window_;
  TFrm_process* previous_;
  QLabel* mirror_ = nullptr;
  Lines lines_;
  long long maximum_ = 0;
  long long paused_ms_ = 0;
  long long items_done_ = 0;
};

}  // namespace lumeral::gui
