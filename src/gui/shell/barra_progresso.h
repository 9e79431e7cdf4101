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
//
// An operation that reports to the scope directly waits for each pause.
// run() instead hands the core function a relay on a thread of its own:
// the work goes on while this thread shows the reports with the same
// pauses, so the pacing costs the operation nothing beyond the time the
// work itself takes.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <functional>
#include <memory>
#include <optional>
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

// How long the display owes after each item: 50 ms per item, at most 2 s
// per operation, spread evenly over the items; what is due is paid once it
// reaches 50 ms, and in full with the last item.
class ProgressPace {
 public:
  static constexpr int kPauseMs = 50;         // per item
  static constexpr int kTotalPauseMs = 2000;  // per operation

  // One more item of `maximum` + 1 shown: the wait due now (0: none yet).
  long long item(long long maximum);

 private:
  long long items_done_ = 0;
  long long paused_ms_ = 0;
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

  // Runs `work` on a thread of its own, reporting to a relay, while this
  // thread shows what it reported with the window's pauses (and lets the
  // events through), in the order reported. Returns once the work ended
  // and every pause due was made. A stop thrown by the work is rethrown
  // here; "Cancelar" stops the work at its next checkpoint, and pressed
  // after the work ended but before its last items were shown it cancels
  // the operation all the same (Cancelled). `work` must not touch widgets.
  void run(const std::function<void(Progress&)>& work);

  static constexpr int kPauseMs = ProgressPace::kPauseMs;
  static constexpr int kTotalPauseMs = ProgressPace::kTotalPauseMs;

  // What a report leaves in the window: each part as last reported.
  struct Shown {
    std::optional<std::string> status, detail;
    bool has_bar = false;
    long long position = 0, maximum = 0;
  };

 private:
  void show_status(const std::string& text);
  void show_detail(const std::string& text);
  void show_bar(long long position, long long maximum);
  void show(const Shown& shown);
  LongWork work_;
  Windows& windows_;
  std::unique_ptr<TFrm_process> window_;
  TFrm_process* previous_;
  QLabel* mirror_ = nullptr;
  Lines lines_;
  ProgressPace pace_;
};

}  // namespace lumeral::gui
