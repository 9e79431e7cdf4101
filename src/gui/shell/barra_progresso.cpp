#include "gui/shell/barra_progresso.h"

#include <QApplication>
#include <QGuiApplication>
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
  setFixedSize(460, 130);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
}

ProgressScope::ProgressScope(Windows& windows, const QString& caption, Lines lines)
    : windows_(windows),
      window_(std::make_unique<TFrm_process>(windows)),
      previous_(windows.Frm_process),
      lines_(lines) {
  windows_.Frm_process = window_.get();
  if (!caption.isEmpty()) window_->setWindowTitle(caption);
  window_->show();
  since_paint_.start();
}

ProgressScope::~ProgressScope() {
  if (mirror_) mirror_->clear();
  window_->close();
  windows_.Frm_process = previous_;
}

void ProgressScope::status(std::string_view text) {
  QString t = qs(std::string(text));
  QLabel* line = lines_ == Lines::StatusFirst ? window_->Label1 : window_->Label2;
  line->setText(t);
  line->setVisible(!t.isEmpty());
  if (mirror_) mirror_->setText(t);
}

void ProgressScope::mirror_status_to_wizard() { mirror_ = windows_.Mdi_Frm ? windows_.Mdi_Frm->panel_hint : nullptr; }

void ProgressScope::detail(std::string_view text) {
  QString t = qs(std::string(text));
  QLabel* line = lines_ == Lines::StatusFirst ? window_->Label2 : window_->Label1;
  line->setText(t);
  line->setVisible(!t.isEmpty());
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
  // the pause is spread evenly over the items (large runs pause a
  // millisecond now and then), and repaints are spaced out in between.
  ++items_done_;
  const long long items = std::max<long long>(1, maximum_ + 1);
  const long long total = std::min<long long>(kPauseMs * items, kTotalPauseMs);
  const long long due = total * std::min(items_done_, items) / items;
  const long long wait = due - paused_ms_;
  if (wait > 0) {
    paused_ms_ += wait;
    if (QWidget* main = windows_.Mdi_Frm) main->repaint();
    window_->repaint();
    windows_.platform().pause(static_cast<int>(wait));
    since_paint_.restart();
  } else if (since_paint_.elapsed() >= 40) {
    window_->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    since_paint_.restart();
  }
}

}  // namespace lumeral::gui
