// What the two network windows share: the network view with its scene, the
// buttons that fit the picture to the window, export it (PNG, SVG or PDF)
// and export the network itself (GraphML or GEXF, for other network tools),
// both through the platform's save dialog, and a status bar. Each window
// adds the panel of its own and fills the scene from its source window.
#pragma once

#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>

#include "charts/network_view.h"
#include "gui/base/form.h"

class QBoxLayout;

namespace lumeral::gui {

class NetworkWindow : public QMainWindow, public Form {
  Q_OBJECT
 public:
  template <std::derived_from<WindowServices> Registry>
  explicit NetworkWindow(Registry& windows) : QMainWindow(nullptr), Form(windows) {}

  charts::NetworkScene* Cena_rede;
  charts::NetworkView* View_rede;
  QPushButton* bt_atualizar;  // "Atualizar"
  QPushButton* bt_ajustar;    // "Ajustar à janela"
  QPushButton* bt_exportar;   // "Exportar figura..."
  QPushButton* bt_exportar_rede;  // "Exportar rede..."
  QStatusBar* StatusBar1;

  void bt_ajustarClick();
  void bt_exportarClick();
  // Writes the network shown as GraphML or GEXF, by the extension chosen.
  void bt_exportar_redeClick();

 protected:
  // Builds the shared controls; `side` is where the window puts its own
  // controls, right of the picture. Called by the windows' build_layout().
  void build_network_layout(QBoxLayout*& side);
  // Shows a network and fits it into the view.
  void mostra_rede(const charts::Network& network, const charts::NetworkLegend& legend);
  // The title of the exported picture.
  virtual QString titulo_figura() const = 0;
};

}  // namespace lumeral::gui
