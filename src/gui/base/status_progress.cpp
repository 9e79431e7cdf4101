#include "gui/base/status_progress.h"

#include <QLabel>

#include "gui/base/form.h"

namespace lumeral::gui {

StatusProgress::StatusProgress(QStatusBar* bar) : bar_(bar) {
  running_.start();
  if (!bar_) return;
  cancel_ = new QPushButton(QStringLiteral("Cancelar"), bar_);
  cancel_->setObjectName(QStringLiteral("bt_cancelar"));
  cancel_->setEnabled(!LongWork::cancel_requested());
  bar_->addPermanentWidget(cancel_);
  cancel_->hide();
  LongWork::allow(cancel_);
  QObject::connect(cancel_.data(), &QPushButton::clicked, cancel_.data(), [button = cancel_.data()] {
    LongWork::request_cancel();
    button->setEnabled(false);
  });
}

StatusProgress::StatusProgress(QLabel* label) : label_(label) { running_.start(); }

StatusProgress::~StatusProgress() {
  if (cancel_) {
    if (bar_) bar_->removeWidget(cancel_);
    delete cancel_.data();
  }
  if (std::uncaught_exceptions() > exceptions_) {
    if (bar_) bar_->clearMessage();
    if (label_) label_->clear();
  }
  // The last text shows even when it came right after the previous pass.
  if (bar_) bar_->repaint();
  if (label_) label_->repaint();
}

void StatusProgress::status(std::string_view text) {
  QString t = qs(std::string(text));
  if (bar_) bar_->showMessage(t);
  if (label_) label_->setText(t);
  // A short run never shows the button.
  if (cancel_ && cancel_->isHidden() && running_.elapsed() >= kCancelAfterMs) cancel_->show();
  work_.pump();
}

bool StatusProgress::cancelled() { return LongWork::cancel_requested(); }

}  // namespace lumeral::gui
