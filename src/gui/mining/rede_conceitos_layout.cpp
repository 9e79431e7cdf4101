// The layout of Tform_rede_conceitos: the network, the shared buttons and
// the list of documents of the concept or rule clicked.
#include <QBoxLayout>

#include "gui/mining/rede_conceitos.h"

namespace lumeral::gui {

void Tform_rede_conceitos::build_layout() {
  setWindowTitle(QStringLiteral("Rede de Associações entre Conceitos"));
  QBoxLayout* side = nullptr;
  build_network_layout(side);
  lb_selecao = new QLabel(QStringLiteral("Clique em um conceito ou em uma seta"), centralWidget());
  lb_selecao->setWordWrap(true);
  lb_selecao->setMaximumWidth(260);
  ListBox_docs = new QListWidget(centralWidget());
  ListBox_docs->setObjectName(QStringLiteral("ListBox_docs"));
  ListBox_docs->setMaximumWidth(260);
  side->addSpacing(12);
  side->addWidget(lb_selecao);
  side->addWidget(ListBox_docs, 1);
}

}  // namespace lumeral::gui
