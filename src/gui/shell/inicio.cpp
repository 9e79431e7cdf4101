#include "gui/shell/inicio.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/association/associacao.h"
#include "gui/base/memory_setting.h"
#include "gui/classification/classifica2.h"
#include "gui/classification/classifica3.h"
#include "gui/classification/consulta.h"
#include "gui/classification/matriz.h"
#include "gui/clustering/aval1.h"
#include "gui/clustering/clusterizacao.h"
#include "gui/clustering/medidas.h"
#include "gui/comparison/centro_contextual.h"
#include "gui/comparison/centroide.h"
#include "gui/comparison/compara_regras.h"
#include "gui/contexts/criar_contextos.h"
#include "gui/mining/data_mining.h"
#include "gui/preparation/gerencia_docs.h"
#include "gui/retrieval/recup_similar.h"
#include "gui/retrieval/recuperacao_booleana.h"
#include "gui/preparation/lista_docs.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/sobre.h"
#include "gui/shell/unit_splashscreen.h"
#include "gui/shell/windows.h"
#include "gui/summaries/resumo.h"
#include "gui/summaries/resumo_automatico.h"
#include "gui/summaries/resumo_contextual.h"
// ---- STATWIN: the statistics by variable
#include "gui/classification/analise_correspondencia.h"
#include "gui/classification/conceitos_variavel.h"
#include "gui/classification/especificidades.h"

namespace lumeral::gui {

TForm3::TForm3(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  setObjectName(QStringLiteral("Form3"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(main_caption());
  setWindowIcon(QIcon(QStringLiteral(":/shell/lumeral.png")));
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(16, 16, 16, 16);
  auto* groups = new QHBoxLayout;
  outer->addLayout(groups);

  auto add = [&](QGroupBox* group, QPushButton*& field, const QString& caption, void (TForm3::*handler)()) {
    field = new QPushButton(caption, group);
    field->setMinimumHeight(30);
    group->layout()->addWidget(field);
    connect(field, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
  };
  auto group = [&](const QString& title) {
    auto* g = new QGroupBox(title, central);
    auto* v = new QVBoxLayout(g);
    v->setSpacing(6);
    groups->addWidget(g, 1);
    return g;
  };

  gb_suporte = group(QStringLiteral("Funções de Suporte"));
  add(gb_suporte, bt_analise_docs, QStringLiteral("Análise de Documentos"), &TForm3::bt_analise_docsClick);
  add(gb_suporte, bt_rec_contextual, QStringLiteral("Recuperação Contextual"), &TForm3::bt_rec_contextualClick);
  add(gb_suporte, bt_contextos, QStringLiteral("Gerência de Contextos"), &TForm3::bt_contextosClick);
  add(gb_suporte, bt_classificacao, QStringLiteral("Classificação de Documentos"), &TForm3::bt_classificacaoClick);
  add(gb_suporte, bt_resumo, QStringLiteral("Resumo de Documentos "), &TForm3::bt_resumoClick);
  add(gb_suporte, bt_lista_docs, QStringLiteral("Gerencia Lista de Documentos"), &TForm3::bt_lista_docsClick);
  add(gb_suporte, bt_rec_booleana, QStringLiteral("Recuperação Booleana"), &TForm3::bt_rec_booleanaClick);
  add(gb_suporte, bt_clusterizacao, QStringLiteral("Clusterização de Documentos"), &TForm3::bt_clusterizacaoClick);
  add(gb_suporte, bt_comparacao, QStringLiteral("Comparação de Documentos"), &TForm3::bt_comparacaoClick);
  add(gb_suporte, bt_associacao, QStringLiteral("Associação de Características"), &TForm3::bt_associacaoClick);
  gb_suporte->layout()->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));

  gb_ferramentas = group(QStringLiteral("Ferramentas "));
  add(gb_ferramentas, bt_resumo_contextual, QStringLiteral("Resumo Contextual"), &TForm3::bt_resumo_contextualClick);
  add(gb_ferramentas, bt_class_conceitos, QStringLiteral("Classificação por Conceitos"),
      &TForm3::bt_class_conceitosClick);
  add(gb_ferramentas, bt_class_maior_peso, QStringLiteral("Classificação com maior peso"),
      &TForm3::bt_class_maior_pesoClick);
  add(gb_ferramentas, bt_resumo_automatico, QStringLiteral("Resumo Automático"), &TForm3::bt_resumo_automaticoClick);
  add(gb_ferramentas, bt_rec_similaridade, QStringLiteral("Recuperação por Similaridade"),
      &TForm3::bt_rec_similaridadeClick);
  // These two have no action.
  bt_extracao_valores = new QPushButton(QStringLiteral("Extração de Valores"), gb_ferramentas);
  bt_sequencia_tempo = new QPushButton(QStringLiteral("Seqüência de Tempo"), gb_ferramentas);
  for (QPushButton* b : {bt_extracao_valores, bt_sequencia_tempo}) {
    b->setMinimumHeight(30);
    gb_ferramentas->layout()->addWidget(b);
  }
  gb_ferramentas->layout()->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));

  gb_avaliacoes = group(QStringLiteral("Avaliações"));
  add(gb_avaliacoes, bt_similaridade, QStringLiteral("Calcula Similaridade "), &TForm3::bt_similaridadeClick);
  add(gb_avaliacoes, bt_data_mining, QStringLiteral("Data Mining Contextual"), &TForm3::bt_data_miningClick);
  add(gb_avaliacoes, bt_percentual, QStringLiteral("Calcula % no centróide"), &TForm3::bt_percentualClick);
  add(gb_avaliacoes, bt_precision_recall, QStringLiteral("Calcula Precision/Recall"),
      &TForm3::bt_precision_recallClick);
  add(gb_avaliacoes, bt_regras, QStringLiteral("Comparação de Regras"), &TForm3::bt_regrasClick);
  gb_avaliacoes->layout()->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
  add(gb_avaliacoes, bt_inicio, QStringLiteral("Voltar ao início"), &TForm3::bt_inicioClick);

  // ---- VARWIN: the documents' variables and the spreadsheet import
  gb_variaveis = group(QStringLiteral("Variáveis"));
  add(gb_variaveis, bt_variaveis, QStringLiteral("Variáveis dos Documentos"), &TForm3::bt_variaveisClick);
  add(gb_variaveis, bt_importa_planilha, QStringLiteral("Importar planilha"), &TForm3::bt_importa_planilhaClick);
  // ---- STATWIN: the statistics by variable, in the same group, their windows made when first opened
  add(gb_variaveis, bt_conceitos_variavel, QStringLiteral("Conceitos por variável"),
      &TForm3::bt_conceitos_variavelClick);
  add(gb_variaveis, bt_especificidades, QStringLiteral("Especificidades"), &TForm3::bt_especificidadesClick);
  add(gb_variaveis, bt_ac, QStringLiteral("Análise de Correspondência"), &TForm3::bt_acClick);
  gb_variaveis->layout()->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));

  // The memory budget of the analyses that grow with the collection, kept
  // in the per-user settings store.
  auto* memoria = new QHBoxLayout;
  bt_sobre = new QPushButton(QStringLiteral("Sobre o Lumeral"), central);
  bt_sobre->setToolTip(QStringLiteral("Versão, licenças e onde está o guia do usuário"));
  connect(bt_sobre, &QPushButton::clicked, this, [this] { bt_sobreClick(); });
  memoria->addWidget(bt_sobre);
  memoria->addStretch(1);
  memoria->addWidget(new QLabel(QStringLiteral("Memória para as análises (MB):"), central));
  sp_memoria = new QSpinBox(central);
  sp_memoria->setRange(kMinimumMemoryMb, kMaximumMemoryMb);
  sp_memoria->setSingleStep(256);
  sp_memoria->setValue(memory_budget_mb(platform()));
  sp_memoria->setToolTip(QStringLiteral(
      "Acima deste limite, a associação de termos e a matriz de similaridades trabalham em partes gravadas em "
      "arquivos temporários"));
  memoria->addWidget(sp_memoria);
  outer->addLayout(memoria);
  connect(sp_memoria, &QSpinBox::valueChanged, this, [this](int mb) { set_memory_budget_mb(platform(), mb); });

  // A button works once its window is built; until then it is disabled.
  auto enable = [](QPushButton* b, QWidget* window) { b->setEnabled(window != nullptr); };
  enable(bt_analise_docs, windows.form_ger_doc);
  enable(bt_rec_contextual, windows.form_consulta);
  enable(bt_contextos, windows.form_cont);
  enable(bt_classificacao, windows.form_matriz);
  enable(bt_resumo, windows.form_resumo);
  enable(bt_lista_docs, windows.form_ldoc);
  enable(bt_rec_booleana, windows.form_recbool);
  enable(bt_clusterizacao, windows.form_cluster);
  enable(bt_comparacao, windows.form_centro);
  enable(bt_associacao, windows.form_rel);
  enable(bt_resumo_contextual, windows.res_contextual);
  enable(bt_class_conceitos, windows.form_classifica3);
  enable(bt_class_maior_peso, windows.form_classifica2);
  enable(bt_resumo_automatico, windows.res_auto);
  enable(bt_rec_similaridade, windows.form_recsim);
  enable(bt_similaridade, windows.form_aval1);
  enable(bt_data_mining, windows.form_dm);
  enable(bt_percentual, windows.centro_percentual);
  enable(bt_precision_recall, windows.form_medidas);
  enable(bt_regras, windows.form_regras);

  // ---- VIEWWIN: the concordance, last of the tools (its window is made
  // when first opened).
  bt_concordancia = new QPushButton(QStringLiteral("Concordância"), gb_ferramentas);
  bt_concordancia->setMinimumHeight(30);
  static_cast<QVBoxLayout*>(gb_ferramentas->layout())->insertWidget(gb_ferramentas->layout()->count() - 1,
                                                                     bt_concordancia);
  connect(bt_concordancia, &QPushButton::clicked, this, [this] { bt_concordanciaClick(); });

  resize(820, 460);
}

void TForm3::mostra(QWidget* window) {
  if (!window) return;
  window->show();
  window->raise();
  window->activateWindow();
}

void TForm3::bt_analise_docsClick() { mostra(windows().form_ger_doc); }
// The windows of the buttons below are added by their own units: each
// handler then shows its window (and does what the button does first).
void TForm3::bt_rec_contextualClick() { mostra(windows().form_consulta); }
void TForm3::bt_contextosClick() { mostra(windows().form_cont); }
void TForm3::bt_classificacaoClick() { mostra(windows().form_matriz); }
void TForm3::bt_resumoClick() {
  // The wizard's "Ver resumos" may have locked the list's two controls.
  if (windows().form_resumo) windows().form_resumo->habilita_lista(true);
  mostra(windows().form_resumo);
}
void TForm3::bt_lista_docsClick() { mostra(windows().form_ldoc); }
void TForm3::bt_rec_booleanaClick() { mostra(windows().form_recbool); }
void TForm3::bt_clusterizacaoClick() { mostra(windows().form_cluster); }
void TForm3::bt_comparacaoClick() {
  // The wizard's "Ver centróide" may have disabled the option buttons.
  if (windows().form_centro) windows().form_centro->habilita_opcoes(true);
  mostra(windows().form_centro);
}
void TForm3::bt_associacaoClick() { mostra(windows().form_rel); }
void TForm3::bt_resumo_contextualClick() { mostra(windows().res_contextual); }
void TForm3::bt_class_conceitosClick() { mostra(windows().form_classifica3); }
void TForm3::bt_class_maior_pesoClick() { mostra(windows().form_classifica2); }
void TForm3::bt_resumo_automaticoClick() { mostra(windows().res_auto); }
void TForm3::bt_rec_similaridadeClick() { mostra(windows().form_recsim); }
void TForm3::bt_similaridadeClick() { mostra(windows().form_aval1); }
void TForm3::bt_data_miningClick() { mostra(windows().form_dm); }
void TForm3::bt_percentualClick() { mostra(windows().centro_percentual); }
void TForm3::bt_precision_recallClick() { mostra(windows().form_medidas); }
void TForm3::bt_regrasClick() { mostra(windows().form_regras); }

void TForm3::bt_inicioClick() {
  hide();
  windows().Mdi_Frm->mostra_menu_de_entrada();
}

void TForm3::bt_sobreClick() { open_about_box(this, sobre); }

// ---- STATWIN: the statistics by variable
void TForm3::bt_conceitos_variavelClick() { mostra(windows().create_form_crosstab()); }
void TForm3::bt_especificidadesClick() { mostra(windows().create_form_especificidades()); }
void TForm3::bt_acClick() { mostra(windows().create_form_ac()); }
// ---- VIEWWIN: the concordance
void TForm3::bt_concordanciaClick() { windows().open_concordancia({}, {}); }

void TForm3::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  // Closing the tools window ends the program through the main window.
  if (event->isAccepted() && windows().Mdi_Frm) windows().Mdi_Frm->close();
}

// ---- VARWIN
void TForm3::bt_variaveisClick() { windows().open_form_variaveis(); }
void TForm3::bt_importa_planilhaClick() { windows().open_importa_planilha(this, {}, false); }

}  // namespace lumeral::gui
