// The shared layout of the network windows: the picture on the left, the
// buttons and the window's own panel on the right, a status bar.
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/base/network_window.h"
#include "gui/base/widgets.h"

namespace lumeral::gui {

void NetworkWindow::build_network_layout(QBoxLayout*& side) {
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* h = new QHBoxLayout(central);
  h->setContentsMargins(6, 6, 6, 6);
  Cena_rede = new charts::NetworkScene(this);
  View_rede = new charts::NetworkView(Cena_rede, central);
  View_rede->setObjectName(QStringLiteral("View_rede"));
  View_rede->setStatusTip(QStringLiteral(
      "Roda do mouse: zoom; arraste o fundo para mover a figura e um nó para mudá-lo de lugar; clique em um nó ou "
      "em uma ligação"));
  h->addWidget(View_rede, 1);
  side = new QVBoxLayout;
  bt_atualizar = command_button(QStringLiteral("Atualizar"), QStringLiteral("Desenha a rede de novo com os resultados atuais"), central);
  bt_ajustar = command_button(QStringLiteral("Ajustar à janela"), QStringLiteral("Mostra a rede inteira"), central);
  bt_exportar = command_button(QStringLiteral("Exportar figura..."),
                               QStringLiteral("Grava a figura como SVG, PNG ou PDF"), central);
  bt_exportar_rede = command_button(QStringLiteral("Exportar rede..."),
                                    QStringLiteral("Grava a rede como GraphML ou GEXF, para outros programas de redes"),
                                    central);
  side->addWidget(bt_atualizar);
  side->addWidget(bt_ajustar);
  side->addWidget(bt_exportar);
  side->addWidget(bt_exportar_rede);
  h->addLayout(side);
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
  resize(1100, 720);
}

}  // namespace lumeral::gui
