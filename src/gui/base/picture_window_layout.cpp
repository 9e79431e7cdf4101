// The layout of the picture windows: the toolbar, the picture with the
// window's panel at its right, the status bar; the network view and its
// actions for the networks.
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/base/picture_window.h"

namespace lumeral::gui {

void PictureWindow::build_layout(const QString& title) {
  setWindowTitle(title);
  barra = addToolBar(QStringLiteral("Figura"));
  barra->setObjectName(QStringLiteral("barra"));
  barra->setMovable(false);
  barra->setToolButtonStyle(Qt::ToolButtonTextOnly);
  bt_exportar = barra->addAction(QStringLiteral("Exportar figura..."));
  bt_exportar->setToolTip(QStringLiteral("Grava a figura como imagem PNG, desenho SVG ou documento PDF"));
  bt_atualizar = barra->addAction(QStringLiteral("Atualizar"));
  bt_atualizar->setToolTip(QStringLiteral("Desenha a figura de novo com os resultados atuais"));
  auto* central = new QWidget(this);
  setCentralWidget(central);
  corpo_ = new QHBoxLayout(central);
  corpo_->setContentsMargins(0, 0, 0, 0);
  lado = new QVBoxLayout;
  lado->setContentsMargins(6, 6, 6, 6);
  corpo_->addLayout(lado);
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
}

void PictureWindow::build_network_layout() {
  Cena_rede = new charts::NetworkScene(this);
  View_rede = new charts::NetworkView(Cena_rede);
  View_rede->setObjectName(QStringLiteral("View_rede"));
  View_rede->setStatusTip(QStringLiteral(
      "Roda do mouse: zoom; arraste o fundo para mover a figura e um nó para mudá-lo de lugar; clique em um nó ou "
      "em uma ligação"));
  set_content(View_rede);
  bt_ajustar = new QAction(QStringLiteral("Ajustar à janela"), barra);
  bt_ajustar->setToolTip(QStringLiteral("Mostra a rede inteira"));
  bt_exportar_rede = new QAction(QStringLiteral("Exportar rede..."), barra);
  bt_exportar_rede->setToolTip(QStringLiteral("Grava a rede como GraphML ou GEXF, para outros programas de redes"));
  barra->insertAction(bt_atualizar, bt_exportar_rede);
  barra->addAction(bt_ajustar);
  resize(1100, 720);
}

}  // namespace lumeral::gui
