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
  build_layout();
  connect(bt_preprocessamento, &QPushButton::clicked, this, [this] { bt_preprocessamentoClick(); });
  connect(bt_stopwords, &QPushButton::clicked, this, [this] { bt_stopwordsClick(); });
  connect(bt_eliminacao, &QPushButton::clicked, this, [this] { bt_eliminacaoClick(); });
  connect(bt_separacao, &QPushButton::clicked, this, [this] { bt_separacaoClick(); });
  connect(bt_html, &QPushButton::clicked, this, [this] { bt_htmlClick(); });
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
  stop->mostra_voltar(false);
  stop->resize(stop->width(), 269);
  mostra(stop);
}

void Tform_ger_doc::bt_eliminacaoClick() { mostra(windows().form_elimina); }
void Tform_ger_doc::bt_separacaoClick() { mostra(windows().form_separador); }
void Tform_ger_doc::bt_htmlClick() { mostra(windows().Form2); }

}  // namespace lumeral::gui
