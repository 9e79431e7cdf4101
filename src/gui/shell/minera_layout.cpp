// The mining panel's layout: the method caption, the frequency table with
// its outputs, the association text and table, the filters and sorts, and
// the threshold panel.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "gui/base/widgets.h"
#include "gui/shell/minera.h"
#include "gui/shell/mdi_form.h"

namespace lumeral::gui {

namespace {

// The width of a table's captions side by side, with room for its frame.
int captions_width(const QTreeWidget* t) {
  int w = 0;
  for (int c = 0; c < t->columnCount(); ++c) w += t->header()->sectionSizeHint(c);
  return w + 2 * t->frameWidth() + 8;
}

}  // namespace

void TMinera::build_layout() {
  auto* outer = new QVBoxLayout(w_.P_Minera);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(this);
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);

  auto* head = new QHBoxLayout;
  head->addWidget(heading(QStringLiteral("Mineração de Textos"), this, 2));
  head->addStretch();
  lb_metodo_titulo = new QLabel(QStringLiteral("Método de Mineração:"), this);
  lb_metodo = new QLabel(this);
  set_bold(lb_metodo);
  head->addWidget(lb_metodo_titulo);
  head->addWidget(lb_metodo);
  v->addLayout(head);

  auto* tuning = new QHBoxLayout;
  lb_grau_minimo = new QLabel(QStringLiteral("Grau mínimo:"), this);
  Edit_grau_minimo = new QLineEdit(QStringLiteral("0"), this);
  Edit_grau_minimo->setMaximumWidth(70);
  Edit_grau_minimo->setToolTip(
      QStringLiteral("Um documento conta para um conceito, nas freqüências e nas regras, a partir deste grau (0: "
                     "qualquer grau)"));
  lb_grau_minimo->setBuddy(Edit_grau_minimo);
  CheckBox_duas_direcoes = new QCheckBox(QStringLiteral("Mostrar as duas direções"), this);
  CheckBox_duas_direcoes->setToolTip(QStringLiteral("Mostra também B => A, com a sua confiança"));
  bt_recalcular = command_button(QStringLiteral("Recalcular"),
                                 QStringLiteral("Calcula de novo as freqüências e as associações com estas opções"),
                                 this);
  tuning->addWidget(lb_grau_minimo);
  tuning->addWidget(Edit_grau_minimo);
  tuning->addSpacing(12);
  tuning->addWidget(CheckBox_duas_direcoes);
  tuning->addSpacing(12);
  tuning->addWidget(bt_recalcular);
  tuning->addStretch();
  v->addLayout(tuning);

  auto* body = new QHBoxLayout;
  // Left: the frequency table.
  auto* left = new QVBoxLayout;
  lb_frequencias = heading(QStringLiteral("Freqüência de Conceitos"), this, 2);
  left->addWidget(lb_frequencias);
  ListView_contexto = new QTreeWidget(this);
  ListView_contexto->setObjectName(QStringLiteral("ListView_contexto"));
  ListView_contexto->setRootIsDecorated(false);
  ListView_contexto->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListView_contexto->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView_contexto->setAllColumnsShowFocus(true);
  ListView_contexto->setStyleSheet(QStringLiteral("QTreeView::item { border: 1px solid #d8d8d8; }"));
  ListView_contexto->header()->setSectionsClickable(true);
  ListView_contexto->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  ListView_contexto->header()->setStretchLastSection(false);
  ListView_contexto->setStatusTip(QStringLiteral("Clique no título de uma coluna para ordenar"));
  colunas_frequencia();
  left->addWidget(ListView_contexto, 1);
  // Two buttons a row, so that the panel fits a 1280-pixel screen with
  // every caption whole ("Exportar..." goes under "Impressão de Resultados").
  auto* outputs = new QGridLayout;
  bt_grava_resultados = command_button(QStringLiteral("Grava Resultados para Portal"),
                                       QStringLiteral("Grava o arquivo resultados.wiz para o portal"), this);
  bt_impressao = command_button(QStringLiteral("Impressão de Resultados"),
                                QStringLiteral("Mostra o relatório para impressão"), this);
  bt_grafico_frequencias = command_button(QStringLiteral("Gráfico de Freqüências"),
                                          QStringLiteral("Mostra a tabela de freqüências em um gráfico de barras"), this);
  outputs->addWidget(bt_grava_resultados, 0, 0);
  outputs->addWidget(bt_impressao, 0, 1);
  outputs->addWidget(bt_grafico_frequencias, 1, 0);
  bt_nuvem = command_button(QStringLiteral("Nuvem de Palavras"),
                            QStringLiteral("As palavras dos documentos do conceito escolhido na tabela"), this);
  outputs->addWidget(bt_nuvem, 2, 0);  // "Exportar..." takes the place under "Impressão de Resultados"
  left->addLayout(outputs);
  body->addLayout(left, 2);

  // Right: the associations.
  auto* right = new QVBoxLayout;
  lb_associacoes = heading(QStringLiteral("Associações entre Conceitos"), this, 2);
  right->addWidget(lb_associacoes);
  Rich = new QTextEdit(this);
  Rich->setObjectName(QStringLiteral("Rich"));
  Rich->setReadOnly(true);
  Rich->setMinimumHeight(160);
  right->addWidget(Rich, 3);
  ListView_associa = new QTreeWidget(this);
  ListView_associa->setObjectName(QStringLiteral("ListView_associa"));
  ListView_associa->setRootIsDecorated(false);
  ListView_associa->setHeaderLabels({QStringLiteral("Associação"), QStringLiteral("Confiança(Probabilidade Condicional)"),
                                     QStringLiteral("Suporte % (Absoluto)")});
  ListView_associa->headerItem()->setTextAlignment(0, Qt::AlignCenter);
  ListView_associa->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  ListView_associa->header()->setStretchLastSection(false);
  right->addWidget(ListView_associa, 2);
  ListView_associa->setMinimumWidth(captions_width(ListView_associa));

  auto* total = new QHBoxLayout;
  lb_total_regras = new QLabel(QStringLiteral("Total de Regras: "), this);
  Edit_total_regras = new QLineEdit(this);
  Edit_total_regras->setReadOnly(true);
  Edit_total_regras->setMaximumWidth(70);
  total->addWidget(lb_total_regras);
  total->addWidget(Edit_total_regras);
  total->addStretch();
  right->addLayout(total);

  auto* filters = new QGridLayout;
  bt_filtro_confianca = command_button(QStringLiteral("Filtro por Confiança"),
                                       QStringLiteral("Mostra as regras com confiança a partir de um limiar"), this);
  bt_filtro_suporte = command_button(QStringLiteral("Filtro por Suporte"),
                                     QStringLiteral("Mostra as regras presentes em um mínimo de textos"), this);
  bt_ordena_confianca = command_button(QStringLiteral("Ordenar Desc. por Confiança"),
                                       QStringLiteral("Ordena as regras da maior para a menor confiança"), this);
  bt_ordena_alfa = command_button(QStringLiteral("Ordenar Alfabeticamente"),
                                  QStringLiteral("Ordena as regras em ordem alfabética"), this);
  filters->addWidget(bt_filtro_confianca, 0, 0);
  filters->addWidget(bt_filtro_suporte, 0, 1);
  filters->addWidget(bt_ordena_confianca, 1, 0);
  filters->addWidget(bt_ordena_alfa, 1, 1);
  bt_rede = command_button(QStringLiteral("Rede de Associações"),
                           QStringLiteral("Mostra as regras como uma rede de conceitos"), this);
  filters->addWidget(bt_rede, 2, 0);
  right->addLayout(filters);

  pn_limiar = new QWidget(this);
  auto* th = new QHBoxLayout(pn_limiar);
  th->setContentsMargins(0, 0, 0, 0);
  lb_limiar = new QLabel(QStringLiteral("Limiar para mostrar:"), pn_limiar);
  Edit_limiar = new QLineEdit(QStringLiteral("0"), pn_limiar);
  Edit_limiar->setMaxLength(5);
  Edit_limiar->setToolTip(QStringLiteral("Filtro por Confiança: a confiança mínima, em % (por exemplo 30); Filtro por "
      "Suporte: o número mínimo de textos (por exemplo 5). Só algarismos, \",\" e \".\""));
  Edit_limiar->setMaximumWidth(70);
  bt_calcular = command_button(QStringLiteral("Calcular"), QStringLiteral("Aplica o limiar às regras"), pn_limiar);
  bt_fechar_limiar = command_button(QStringLiteral("Fechar"), QStringLiteral("Fecha o limiar"), pn_limiar);
  th->addWidget(lb_limiar);
  th->addWidget(Edit_limiar);
  th->addWidget(bt_calcular);
  th->addWidget(bt_fechar_limiar);
  th->addStretch();
  pn_limiar->hide();
  right->addWidget(pn_limiar);
  body->addLayout(right, 3);
  v->addLayout(body, 1);

}

void TMinera::colunas_frequencia() {
  // The columns size themselves to their captions and values; the table is
  // never narrower than its three captions.
  ListView_contexto->setHeaderLabels({QStringLiteral("Conceito"), QStringLiteral("Frequencia Absoluta"),
                                      QStringLiteral("Frequencia Relativa(em %)")});
  ListView_contexto->setMinimumWidth(captions_width(ListView_contexto));
}

}  // namespace lumeral::gui
