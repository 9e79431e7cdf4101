// The frame of every picture window, chart or network: a toolbar whose
// actions are "Atualizar" (redraws from the window it shows) and "Exportar
// figura..." (the save dialog, PNG, SVG or PDF, then the window's writer),
// the picture in the middle, an optional panel of the window's own at the
// right and a status bar that says where a picture was written. A chart
// sets its widget as the content (`set_content`); a network asks for the
// network view (`usa_rede`), which adds "Ajustar à janela" and "Exportar
// rede..." (GraphML or GEXF of the network shown). A window redraws in
// `atualiza()`; `agenda_atualizacao()` asks for one redraw once the running
// command is over, so a list that changes line by line is drawn once.
//
//   class MyChart : public PictureWindow { ... };
//   MyChart::MyChart(Windows& w) : PictureWindow(w, "Título") {
//     set_content(view);
//     set_exporter([view](const QString& path) { return save_scene(path, *view->scene()); });
//   }
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>

#include <functional>

#include "charts/network_view.h"
#include "gui/base/form.h"

class QBoxLayout;
class QSpinBox;
class QHBoxLayout;
class QTimer;

namespace lumeral::gui {

// The controls of `PictureWindow`: its own and its tests' (TestAccess).
struct PictureWindowUi {
  QToolBar* barra;          // the window's controls follow the frame's actions
  QAction* bt_atualizar;    // "Atualizar"
  QAction* bt_exportar;     // "Exportar figura..."
  QStatusBar* StatusBar1;
  QBoxLayout* lado;         // the window's own panel, right of the picture (empty for most)
  QAction* bt_ajustar = nullptr;        // "Ajustar à janela"
  QAction* bt_exportar_rede = nullptr;  // "Exportar rede..."
};

class PictureWindow : public QMainWindow, public Form, protected PictureWindowUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = PictureWindowUi;
 public:
  template <std::derived_from<WindowServices> Registry>
  PictureWindow(Registry& windows, const QString& title) : QMainWindow(nullptr), Form(windows) {
    inicia(title);
  }

  // The network view (after usa_rede()).
  charts::NetworkScene* Cena_rede = nullptr;
  charts::NetworkView* View_rede = nullptr;

  // The picture (owned by the window; replaces any before).
  void set_content(QWidget* content);
  // A "the N strongest" box after a separator in the toolbar: `caption`
  // before it, values 1 to `maximum`, starting at `value`; it reports a
  // change once the number is typed whole.
  QSpinBox* add_strongest_box(const QString& caption, const QString& name, int maximum, int value);
  QWidget* content() const { return content_; }

  // Writes the picture to `path`; returns "" or the Portuguese reason. By
  // default the content widget as drawn now.
  using Exporter = std::function<QString(const QString& path)>;
  void set_exporter(Exporter exporter) { exporter_ = std::move(exporter); }

  // "Exportar figura...": the save dialog, then the exporter. A failure
  // shows its reason and leaves no file behind.
  void bt_exportarClick();
  // "Atualizar".
  void bt_atualizarClick();
  // Redraws the picture from the window it shows.
  virtual void atualiza() {}
  // One redraw once the running command is over.
  void agenda_atualizacao();

  void bt_ajustarClick();
  // Writes the network shown as GraphML or GEXF, by the extension chosen.
  void bt_exportar_redeClick();

  // The file the last export wrote (empty until one succeeded).
  QString ultima_imagem;

 protected:
  // Makes the network view the content, adds its actions and exports the
  // scene under `titulo` (the picture's title).
  void usa_rede(const QString& titulo);
  // Shows a network and fits it into the view.
  void mostra_rede(const charts::Network& network, const charts::NetworkLegend& legend);

 private:
  void inicia(const QString& title);
  void build_layout(const QString& title);  // picture_window_layout.cpp
  void build_network_layout();              // picture_window_layout.cpp
  QHBoxLayout* corpo_;
  QWidget* content_ = nullptr;
  Exporter exporter_;
  QTimer* redesenho_;
};

}  // namespace lumeral::gui
