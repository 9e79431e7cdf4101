// The layout of Tresult_recsim: its controls, captions, defaults and places.
#include <QVBoxLayout>

#include "gui/retrieval/result_recuperasim.h"

namespace lumeral::gui {

void Tresult_recsim::build_layout() {
  setWindowTitle(QStringLiteral("Arquivo Texto"));
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(4, 4, 4, 4);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  v->addWidget(Memo1);
  resize(600, 440);
}

}  // namespace lumeral::gui
