#include "gui/base/picture_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTimer>

#include "charts/picture_export.h"
#include "core/base/message.h"
#include "core/charts/network_files.h"
#include "gui/base/picture_dialog.h"
#include "gui/base/platform.h"

namespace lumeral::gui {

void PictureWindow::inicia(const QString& title) {
  build_layout(title);
  connect(bt_exportar, &QAction::triggered, this, [this] { bt_exportarClick(); });
  connect(bt_atualizar, &QAction::triggered, this, [this] { bt_atualizarClick(); });
  redesenho_ = new QTimer(this);
  redesenho_->setSingleShot(true);
  redesenho_->setInterval(0);
  connect(redesenho_, &QTimer::timeout, this, [this] { command([this] { atualiza(); }); });
  exporter_ = [this](const QString& path) {
    return content_ ? charts::save_widget(path, *content_, windowTitle())
                    : QStringLiteral("Não há figura para exportar");
  };
}

QSpinBox* PictureWindow::add_strongest_box(const QString& caption, const QString& name, int maximum, int value) {
  barra->addSeparator();
  barra->addWidget(new QLabel(caption, barra));
  auto* box = new QSpinBox(barra);
  box->setObjectName(name);
  box->setRange(1, maximum);
  box->setValue(value);
  box->setKeyboardTracking(false);
  barra->addWidget(box);
  return box;
}

void PictureWindow::set_content(QWidget* content) {
  if (content_) {
    corpo_->removeWidget(content_);
    content_->deleteLater();
  }
  content_ = content;
  content_->setParent(centralWidget());
  corpo_->insertWidget(0, content_, 1);
}

void PictureWindow::agenda_atualizacao() { redesenho_->start(); }

void PictureWindow::bt_atualizarClick() {
  command([this] { atualiza(); });
}

void PictureWindow::bt_exportarClick() {
  command([this] {
    auto file = export_picture(*this, this, QStringLiteral("Exportar figura"), exporter_);
    if (!file) return;
    ultima_imagem = *file;
    StatusBar1->showMessage(QStringLiteral("Figura gravada em %1").arg(QFileInfo(*file).fileName()));
  });
}

void PictureWindow::usa_rede(const QString& titulo) {
  build_network_layout();
  connect(bt_ajustar, &QAction::triggered, this, [this] { bt_ajustarClick(); });
  connect(bt_exportar_rede, &QAction::triggered, this, [this] { bt_exportar_redeClick(); });
  set_exporter([this, titulo](const QString& path) { return charts::save_scene(path, *Cena_rede, titulo); });
}

void PictureWindow::mostra_rede(const charts::Network& network, const charts::NetworkLegend& legend) {
  Cena_rede->show_network(network, legend);
  View_rede->fit();
  // The view knows its final size only once shown.
  QTimer::singleShot(0, View_rede, [v = View_rede] { v->fit(); });
}

void PictureWindow::bt_ajustarClick() { View_rede->fit(); }

void PictureWindow::bt_exportar_redeClick() {
  command([this] {
    const charts::Network& network = Cena_rede->network();
    if (network.nodes.empty())
      throw Stop("Nenhuma rede para exportar: a rede mostrada está vazia.", MessageKind::Information);
    static const QString kFilter = QStringLiteral("Rede GraphML (*.graphml)|*.graphml|Rede GEXF (*.gexf)|*.gexf");
    auto file =
        platform().save_file(this, {QStringLiteral("Exportar rede"), kFilter, QStringLiteral("graphml"), QString(), true});
    if (!file) return;
    charts::write_network_file(path_of(*file), network);
    StatusBar1->showMessage(QStringLiteral("Rede gravada em %1").arg(QFileInfo(*file).fileName()));
  });
}

}  // namespace lumeral::gui
