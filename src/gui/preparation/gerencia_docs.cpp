#include "gui/preparation/gerencia_docs.h"

#include <QVBoxLayout>

#include "gui/preparation/elimina_palavras.h"
#include "gui/preparation/html_txt.h"
#include "gui/preparation/separador.h"
#include "gui/preparation/stop_words.h"
#include "gui/preparation/textos.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {
void mostra(QWidget* window) {
  if (!window) return;
  window->show();
  window->raise();
  window->activateWindow();
}
}  // namespace

Tform_ger_doc::Tform_ger_doc(Windows& windows) : QWidget(nullptr), Form(windows) {
  setWindowTitle(QStringLiteral("Análise de Documentos"));
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(16, 16, 16, 16);
  v->setSpacing(8);
  auto add = [&](QPushButton*& field, const QString& caption, void (Tform_ger_doc::*handler)()) {
    field = new QPushButton(caption, this);
    field->setMinimumHeight(30);
    v->addWidget(field);
    connect(field, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
  };
  add(bt_preprocessamento, QStringLiteral("Pré-processamento e listagem de documentos"),
      &Tform_ger_doc::bt_preprocessamentoClick);
  add(bt_stopwords, QStringLiteral("Gerencia lista de stopwords"), &Tform_ger_doc::bt_stopwordsClick);
  add(bt_eliminacao, QStringLiteral("Eliminação de palavras (de listas)"), &Tform_ger_doc::bt_eliminacaoClick);
  add(bt_separacao, QStringLiteral("Separação de documentos"), &Tform_ger_doc::bt_separacaoClick);
  add(bt_html, QStringLiteral("Transforma HTML para TXT"), &Tform_ger_doc::bt_htmlClick);
  v->addStretch();
  resize(360, 260);
}

void Tform_ger_doc::showEvent(QShowEvent* event) {
  // Windows created after this one are known only once every window exists.
  auto enable = [](QPushButton* b, QWidget* window) { b->setEnabled(window != nullptr); };
  enable(bt_preprocessamento, windows().Form1);
  enable(bt_stopwords, windows().form_stop);
  enable(bt_eliminacao, windows().form_elimina);
  enable(bt_separacao, windows().form_separador);
  enable(bt_html, windows().Form2);
  QWidget::showEvent(event);
}

void Tform_ger_doc::bt_preprocessamentoClick() { mostra(windows().Form1); }

void Tform_ger_doc::bt_stopwordsClick() {
  // Opened from here the manager is the shorter window, without the way
  // back to the wizard.
  Tform_stop* stop = windows().form_stop;
  stop->bt_voltar->hide();
  stop->resize(stop->width(), 269);
  mostra(stop);
}

void Tform_ger_doc::bt_eliminacaoClick() { mostra(windows().form_elimina); }
void Tform_ger_doc::bt_separacaoClick() { mostra(windows().form_separador); }
void Tform_ger_doc::bt_htmlClick() { mostra(windows().Form2); }

}  // namespace lumeral::gui
