// The layout of Tform_ger_doc: its controls, captions, defaults and places.
#include <QVBoxLayout>

#include "gui/preparation/gerencia_docs.h"

namespace lumeral::gui {

void Tform_ger_doc::build_layout() {
  setWindowTitle(QStringLiteral("Análise de Documentos"));
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(16, 16, 16, 16);
  v->setSpacing(8);
  auto add = [&](QPushButton*& field, const QString& caption) {
    field = new QPushButton(caption, this);
    field->setMinimumHeight(30);
    v->addWidget(field);
  };
  add(bt_preprocessamento, QStringLiteral("Pré-processamento e listagem de documentos"));
  add(bt_stopwords, QStringLiteral("Gerencia lista de stopwords"));
  add(bt_eliminacao, QStringLiteral("Eliminação de palavras (de listas)"));
  add(bt_separacao, QStringLiteral("Separação de documentos"));
  add(bt_html, QStringLiteral("Transforma HTML para TXT"));
  v->addStretch();
  resize(360, 260);
}

}  // namespace lumeral::gui
