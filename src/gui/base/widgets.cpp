#include "gui/base/widgets.h"

namespace lumeral::gui {

QPushButton* command_button(const QString& caption, const QString& hint, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setToolTip(hint);
  b->setStatusTip(hint);
  return b;
}

QLabel* heading(const QString& text, QWidget* parent, int point_delta) {
  auto* l = new QLabel(text, parent);
  QFont f = l->font();
  f.setBold(true);
  f.setPointSize(f.pointSize() + point_delta);
  l->setFont(f);
  return l;
}

QFont monospace_font() {
  QFont mono(QStringLiteral("DejaVu Sans Mono"));
  mono.setStyleHint(QFont::Monospace);
  return mono;
}

void set_bold(QWidget* widget, bool bold) {
  QFont f = widget->font();
  f.setBold(bold);
  widget->setFont(f);
}

}  // namespace lumeral::gui
