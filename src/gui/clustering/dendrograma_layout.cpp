// The layout of Tdendrograma: the tree in a scroll area, the panel of the
// linkage, the file and the cut at its right.
#include <QLabel>
#include <QVBoxLayout>

#include "gui/clustering/dendrograma.h"

namespace lumeral::gui {

void Tdendrograma::build_layout() {
  arvore = new charts::DendrogramView;
  arvore->setObjectName(QStringLiteral("arvore"));
  arvore->setStatusTip(QStringLiteral("Roda do mouse: zoom; clique ou arraste na figura para mover a linha de corte"));
  rolagem = new QScrollArea;
  rolagem->setWidgetResizable(true);
  rolagem->setWidget(arvore);
  set_content(rolagem);

  auto* panel = new QWidget;
  panel->setMaximumWidth(200);
  auto* v = new QVBoxLayout(panel);
  v->setContentsMargins(0, 0, 0, 0);
  v->addWidget(new QLabel(QStringLiteral("Ligação:"), panel));
  Combo_ligacao = new QComboBox(panel);
  Combo_ligacao->setObjectName(QStringLiteral("Combo_ligacao"));
  Combo_ligacao->addItems({QStringLiteral("média (average)"), QStringLiteral("completa (complete)"),
                           QStringLiteral("simples (single)"), QStringLiteral("Ward")});
  v->addWidget(Combo_ligacao);
  bt_calcula = new QPushButton(QStringLiteral("Calcula árvore"), panel);
  bt_calcula->setObjectName(QStringLiteral("bt_calcula"));
  bt_calcula->setToolTip(QStringLiteral(
      "Agrupa a lista da janela de clusterização pela sua matriz de similaridades e grava as junções (.dnd)"));
  v->addWidget(bt_calcula);
  bt_abre = new QPushButton(QStringLiteral("Abre dendrograma..."), panel);
  bt_abre->setObjectName(QStringLiteral("bt_abre"));
  v->addWidget(bt_abre);
  v->addSpacing(16);
  v->addWidget(new QLabel(QStringLiteral("k grupos:"), panel));
  SpinEdit_k = new QSpinBox(panel);
  SpinEdit_k->setObjectName(QStringLiteral("SpinEdit_k"));
  SpinEdit_k->setRange(1, 1);
  SpinEdit_k->setKeyboardTracking(false);
  v->addWidget(SpinEdit_k);
  v->addWidget(new QLabel(QStringLiteral("altura:"), panel));
  Edit_altura = new QLineEdit(panel);
  Edit_altura->setObjectName(QStringLiteral("Edit_altura"));
  v->addWidget(Edit_altura);
  bt_corte = new QPushButton(QStringLiteral("Aplica corte"), panel);
  bt_corte->setObjectName(QStringLiteral("bt_corte"));
  bt_corte->setToolTip(QStringLiteral("Mostra os grupos do corte na janela de clusterização"));
  v->addWidget(bt_corte);
  v->addStretch(1);
  lado->addWidget(panel);
  resize(1100, 720);
}

}  // namespace lumeral::gui
