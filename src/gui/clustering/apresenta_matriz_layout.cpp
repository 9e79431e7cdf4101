#include <QFontDatabase>
#include <QVBoxLayout>

#include "gui/clustering/apresenta_matriz.h"

namespace lumeral::gui {

void Tform_show_matriz::build_layout() {
  setWindowTitle(QStringLiteral("Matriz de Similaridades"));
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(4, 4, 4, 4);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  v->addWidget(Memo1);
  resize(900, 420);
}

}  // namespace lumeral::gui
