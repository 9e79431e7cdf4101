// The layout of Tform_rede_conceitos: the network with the frame's actions,
// the number of rules drawn, and the list of documents of the concept or
// rule clicked.
#include <QBoxLayout>

#include "core/charts/network.h"
#include "gui/mining/rede_conceitos.h"

namespace lumeral::gui {

void Tform_rede_conceitos::build_layout() {
  barra->addSeparator();
  lb_regras = new QLabel(QStringLiteral(" Regras mais fortes: "), barra);
  SpinEdit_regras = new QSpinBox(barra);
  SpinEdit_regras->setObjectName(QStringLiteral("SpinEdit_regras"));
  SpinEdit_regras->setRange(1, 100000);
  SpinEdit_regras->setValue(static_cast<int>(charts::kDefaultStrongestRules));
  SpinEdit_regras->setKeyboardTracking(false);
  SpinEdit_regras->setToolTip(QStringLiteral("Desenha só as regras de maior confiança"));
  barra->addWidget(lb_regras);
  barra->addWidget(SpinEdit_regras);
  lb_selecao = new QLabel(QStringLiteral("Clique em um conceito ou em uma seta"), centralWidget());
  lb_selecao->setWordWrap(true);
  lb_selecao->setMaximumWidth(260);
  ListBox_docs = new QListWidget(centralWidget());
  ListBox_docs->setObjectName(QStringLiteral("ListBox_docs"));
  ListBox_docs->setMaximumWidth(260);
  lado->addWidget(lb_selecao);
  lado->addWidget(ListBox_docs, 1);
}

}  // namespace lumeral::gui
