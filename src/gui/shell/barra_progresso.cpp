#include "gui/shell/barra_progresso.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

#include "gui/base/form.h"
#include "gui/base/platform.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

TFrm_process::TFrm_process(Windows&)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("Frm_process"));
  setWindowTitle(QStringLiteral("Progresso..."));
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(18, 14, 18, 14);
  Label1 = new QLabel(this);
  Label2 = new QLabel(this);
  for (QLabel* l : {Label1, Label2}) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    v->addWidget(l);
  }
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setRange(0, 0);
  v->addWidget(ProgressBar1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  bt_cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
  bt_cancelar->setObjectName(QStringLiteral("bt_cancelar"));
  bt_cancelar->setAutoDefault(false);
  buttons->addWidget(bt_cancelar);
  v->addLayout(buttons);
  setFixedSize(460, 170);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  connect(bt_cancelar, &QPushButton::clicked, this, [this] { bt_cancelarClick(); });
}

void TFrm_process::bt_cancelarClick() {
  LongWork::request_cancel();
  // Pressed once is enough: the operation stops at its next document.
  bt_cancelar->setEnabled(false);
}

void TFrm_process::reject() {
  if (bt_cancelar->isEnabled()) bt_cancelarClick();
}

void TFrm_process::closeEvent(QCloseEvent* event) {
  event->ignore();
  reject();
}

ProgressScope::ProgressScope(Windows& windows, const QString& caption, Lines lines)
    : windows_(windows),
      window_(std::make_unique<TFrm_process>(windows)),
      previous_(windows.Frm_process),
      lines_(lines) {
  windows_.Frm_process = window_.get();
  if (!caption.isEmpty()) window_->setWindowTitle(caption);
  LongWork::allow(window_.get());
  // A cancel asked for earlier in the same command shows at once.
  window_->bt_cancelar->setEnabled(!LongWork::cancel_requested());
  window_->show();
  work_.pump();
}

ProgressScope::~ProgressScope() {
  if (mirror_) mirror_->clear();
  window_->hide();
  windows_.Frm_process = previous_;
}

bool ProgressScope::cancelled() { return LongWork::cancel_requested(); }

long long ProgressPace::item(long long maximum) {
  ++items_done_;
  const long long items = std::max<long long>(1, maximum + 1);
  const long long total = std::min<long long>(kPauseMs * items, kTotalPauseMs);
  const long long due = total * std::min(items_done_, items) / items;
  const long long wait = due - paused_ms_;
  if (wait >= kPauseMs || (wait > 0 && items_done_ >= items)) {
    paused_ms_ += wait;
    return wait;
  }
  return 0;
}

void ProgressScope::show_status(const std::string& text) {
  const QString t = qs(text);
  QLabel* line = lines_ == Lines::StatusFirst ? window_->Label1 : window_->Label2;
  line->setText(t);
  line->setVisible(!t.isEmpty());
  if (mirror_) mirror_->setText(t);
}

void ProgressScope::show_detail(const std::string& text) {
  const QString t = qs(text);
  QLabel* line = lines_ == Lines::StatusFirst ? window_->Label2 : window_->Label1;
  line->setText(t);
  line->setVisible(!t.isEmpty());
}

void ProgressScope::show_bar(long long position, long long maximum) {
  // QProgressBar holds ints; collections never come near that bound.
  window_->ProgressBar1->setRange(0, static_cast<int>(std::min<long long>(maximum, INT32_MAX)));
  window_->ProgressBar1->setValue(static_cast<int>(std::min<long long>(position, INT32_MAX)));
}

void ProgressScope::show(const Shown& shown) {
  if (shown.status) show_status(*shown.status);
  if (shown.detail) show_detail(*shown.detail);
  if (shown.has_bar) show_bar(shown.position, shown.maximum);
}

void ProgressScope::status(std::string_view text) {
  show_status(std::string(text));
  work_.pump();
}

void ProgressScope::mirror_status_to_wizard() { mirror_ = windows_.Mdi_Frm ? windows_.Mdi_Frm->linha_de_dicas() : nullptr; }

void ProgressScope::detail(std::string_view text) {
  show_detail(std::string(text));
  work_.pump();
}

void ProgressScope::bar(long long position, long long maximum) {
  show_bar(position, maximum);
  // The pause runs the event loop, so the windows stay painted and
  // "Cancelar" answers; without one, events are let through at most every
  // 50 ms.
  if (const long long wait = pace_.item(maximum))
    windows_.platform().pause(static_cast<int>(wait));
  else
    work_.pump();
}

namespace {

// The Progress a run()'s work reports to from its own thread: it keeps what
// the window is to show and, for each pause the pace asks for, what was
// shown then, for the window's thread to show and wait on in order.
class Relay : public Progress {
 public:
  using Shown = ProgressScope::Shown;
  struct Step {
    Shown shown;
    long long wait = 0;     // the pause owed after showing it
    bool finished = false;  // the work ended and nothing is owed
  };

  void status(std::string_view text) override {
    std::lock_guard lock(mutex_);
    shown_.status = std::string(text);
  }
  void detail(std::string_view text) override {
    std::lock_guard lock(mutex_);
    shown_.detail = std::string(text);
  }
  void bar(long long position, long long maximum) override {
    std::lock_guard lock(mutex_);
    shown_.has_bar = true;
    shown_.position = position;
    shown_.maximum = maximum;
    if (const long long wait = pace_.item(maximum)) {
      owed_.push_back({shown_, wait, false});
      ready_.notify_one();
    }
  }
  bool cancelled() override { return abandoned_ || LongWork::cancel_requested(); }

  void finish(std::exception_ptr error) {
    std::lock_guard lock(mutex_);
    finished_ = true;
    error_ = error;
    ready_.notify_one();
  }
  // The window's thread leaves early: the work stops at its next checkpoint.
  void abandon() { abandoned_ = true; }

  // The next pause owed, oldest first; else, after waiting at most
  // `timeout_ms` for one, what the work reported last. A work that stopped
  // or was cancelled owes nothing more.
  Step next(int timeout_ms) {
    std::unique_lock lock(mutex_);
    ready_.wait_for(lock, std::chrono::milliseconds(timeout_ms), [this] { return !owed_.empty() || finished_; });
    if (error_ || LongWork::cancel_requested()) owed_.clear();
    if (!owed_.empty()) {
      Step step = std::move(owed_.front());
      owed_.pop_front();
      return step;
    }
    return {shown_, 0, finished_};
  }

  std::exception_ptr error() {
    std::lock_guard lock(mutex_);
    return error_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  Shown shown_;
  ProgressPace pace_;
  std::deque<Step> owed_;
  bool finished_ = false;
  std::exception_ptr error_;
  std::atomic<bool> abandoned_{false};
};

}  // namespace

void ProgressScope::run(const std::function<void(Progress&)>& work) {
  Relay relay;
  std::thread worker([&] {
    std::exception_ptr error;
    try {
      work(relay);
    } catch (...) {
      error = std::current_exception();
    }
    relay.finish(error);
  });
  // Whatever ends this function, the work ends before its relay does.
  struct Join {
    Relay& relay;
    std::thread& worker;
    ~Join() {
      relay.abandon();
      if (worker.joinable()) worker.join();
    }
  } join{relay, worker};
  for (;;) {
    const Relay::Step step = relay.next(LongWork::kEventIntervalMs);
    show(step.shown);
    if (step.wait > 0) {
      windows_.platform().pause(static_cast<int>(step.wait));
    } else if (step.finished) {
      break;
    } else {
      work_.pump();
    }
  }
  worker.join();
  if (std::exception_ptr error = relay.error()) std::rethrow_exception(error);
  checkpoint();
}

}  // namespace lumeral::gui
