// The layout of Tform_rede_conceitos: the network with the frame's actions,
// the number of rules drawn, and the list of documents of the concept or
// rule clicked.
#include <QBoxLayout>

#include "core/charts/network.h"
#include "gui/mining/rede_conceitos.h"

namespace lumeral::gui {

void Tform_rede_conceitos::build_layout() {
  SpinEdit_regras = add_strongest_box(QStringLiteral(" Regras mais fortes: "), QStringLiteral("SpinEdit_regras"), 100000,
                                      static_cast<int>(charts::kDefaultStrongestRules));
  SpinEdit_regras->setToolTip(QStringLiteral("Desenha só as regras de maior confiança"));
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
