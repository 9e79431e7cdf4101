#include "gui/shell/barra_progresso.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

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

void ProgressScope::status(std::string_view text) {
  QString t = qs(std::string(text));
  QLabel* line = lines_ == Lines::StatusFirst ? window_->Label1 : window_->Label2;
  line->setText(t);
  line->setVisible(!t.isEmpty());
  if (mirror_) mirror_->setText(t);
  work_.pump();
}

void ProgressScope::mirror_status_to_wizard() { mirror_ = windows_.Mdi_Frm ? windows_.Mdi_Frm->linha_de_dicas() : nullptr; }

void ProgressScope::detail(std::string_view text) {
  QString t = qs(std::string(text));
  QLabel* line = lines_ == Lines::StatusFirst ? window_->Label2 : window_->Label1;
  line->setText(t);
  line->setVisible(!t.isEmpty());
  work_.pump();
}

void ProgressScope::bar(long long position, long long maximum) {
  maximum_ = maximum;
  // QProgressBar holds ints; collections never come near that bound.
  window_->ProgressBar1->setRange(0, static_cast<int>(std::min<long long>(maximum, INT32_MAX)));
  window_->ProgressBar1->setValue(static_cast<int>(std::min<long long>(position, INT32_MAX)));
  repaint_and_pace();
}

void ProgressScope::repaint_and_pace() {
  // Each item is due its 50 ms, but the operation as a whole at most 2 s:
  // the pause is spread evenly over the items. What is due is paid once it
  // reaches 50 ms (and in full with the last item), so a large run pauses
  // 20 times a second rather than a millisecond per document; in between,
  // events are let through at most every 50 ms. The pause itself runs the
  // event loop, so the windows stay painted and "Cancelar" answers.
  ++items_done_;
  const long long items = std::max<long long>(1, maximum_ + 1);
  const long long total = std::min<long long>(kPauseMs * items, kTotalPauseMs);
  const long long due = total * std::min(items_done_, items) / items;
  const long long wait = due - paused_ms_;
  if (wait >= kPauseMs || (wait > 0 && items_done_ >= items)) {
    paused_ms_ += wait;
    windows_.platform().pause(static_cast<int>(wait));
  } else {
    work_.pump();
  }
}

}  // namespace lumeral::gui
