#include "gui/base/network_window.h"

#include <QTimer>

#include "charts/picture_export.h"
#include "core/base/message.h"
#include "gui/base/platform.h"

namespace lumeral::gui {

namespace {
const QString kFiltroFigura =
    QStringLiteral("Desenho vetorial SVG (*.svg)|*.svg|Imagem PNG (*.png)|*.png|Documento PDF (*.pdf)|*.pdf");
}

NetworkWindow::NetworkWindow(Windows& windows) : QMainWindow(nullptr), Form(windows) {}

void NetworkWindow::mostra_rede(const charts::Network& network, const charts::NetworkLegend& legend) {
  Cena_rede->show_network(network, legend);
  View_rede->fit();
  // The view knows its final size only once shown.
  QTimer::singleShot(0, View_rede, [v = View_rede] { v->fit(); });
}

void NetworkWindow::bt_ajustarClick() { View_rede->fit(); }

void NetworkWindow::bt_exportarClick() {
  command([this] {
    auto file = platform().save_file(this, {QStringLiteral("Exportar figura"), kFiltroFigura, QStringLiteral("svg"), {}});
    if (!file) return;
    charts::PictureFormat format;
    if (!charts::picture_format(*file, format))
      throw Stop("O arquivo da figura deve terminar em .svg, .png ou .pdf.");
    const QString failure = charts::save_scene(*file, *Cena_rede, titulo_figura());
    if (!failure.isEmpty()) throw Stop(failure.toStdString());
    StatusBar1->showMessage(QStringLiteral("Figura gravada em %1").arg(*file));
  });
}

}  // namespace lumeral::gui
