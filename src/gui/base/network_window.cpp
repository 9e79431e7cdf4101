#include "gui/base/network_window.h"

#include <QTimer>

#include "charts/picture_export.h"
#include "core/base/message.h"
#include "core/charts/network_files.h"
#include "gui/base/picture_dialog.h"
#include "gui/base/platform.h"

namespace lumeral::gui {

void NetworkWindow::mostra_rede(const charts::Network& network, const charts::NetworkLegend& legend) {
  Cena_rede->show_network(network, legend);
  View_rede->fit();
  // The view knows its final size only once shown.
  QTimer::singleShot(0, View_rede, [v = View_rede] { v->fit(); });
}

void NetworkWindow::bt_ajustarClick() { View_rede->fit(); }

void NetworkWindow::bt_exportarClick() {
  command([this] {
    auto file = export_picture(*this, this, QStringLiteral("Exportar figura"), QStringLiteral("svg"),
                               [this](const QString& path) { return charts::save_scene(path, *Cena_rede, titulo_figura()); });
    if (!file) return;
    StatusBar1->showMessage(QStringLiteral("Figura gravada em %1").arg(*file));
  });
}

void NetworkWindow::bt_exportar_redeClick() {
  command([this] {
    const charts::Network& network = Cena_rede->network();
    if (network.nodes.empty())
      throw Stop("Nenhuma rede para exportar: a rede mostrada está vazia.", MessageKind::Information);
    static const QString kFilter = QStringLiteral("Rede GraphML (*.graphml)|*.graphml|Rede GEXF (*.gexf)|*.gexf");
    auto file =
        platform().save_file(this, {QStringLiteral("Exportar rede"), kFilter, QStringLiteral("graphml"), QString()});
    if (!file) return;
    charts::write_network_file(path_of(*file), network);
    StatusBar1->showMessage(QStringLiteral("Rede gravada em %1").arg(*file));
  });
}

}  // namespace lumeral::gui
