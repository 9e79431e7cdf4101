#include "gui/association/rede_termos.h"

#include "core/charts/network.h"
#include "gui/association/associacao.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

Tform_rede_termos::Tform_rede_termos(Windows& windows)
    : PictureWindow(windows, QStringLiteral("Rede de Co-ocorrência de Termos")) {
  usa_rede(QStringLiteral("Co-ocorrência de Termos"));
  build_layout();
  connect(SpinEdit_pares, &QSpinBox::valueChanged, this, [this] { SpinEdit_paresChange(); });
  connect(Cena_rede, &charts::NetworkScene::node_clicked, this, [this](int i) { NoClick(i); });
}

void Tform_rede_termos::desenha() {
  Cena_rede->show_network({}, {});  // nothing of the last picture stays if this one fails
  const std::size_t strongest = static_cast<std::size_t>(SpinEdit_pares->value());
  const charts::Network network =
      charts::cooccurrence_network(windows().form_rel->pares(), strongest, regional());
  mostra_rede(network, charts::cooccurrence_network_legend(strongest));
  StatusBar1->showMessage(network.edges.empty()
                              ? QStringLiteral("Nenhum par para mostrar: calcule as associações antes")
                              : QStringLiteral("%1 palavras, %2 pares").arg(network.nodes.size()).arg(network.edges.size()));
}

void Tform_rede_termos::abre() {
  show();
  raise();
  activateWindow();
  atualiza();
}

void Tform_rede_termos::atualiza() {
  command([this] { desenha(); });
}

void Tform_rede_termos::SpinEdit_paresChange() {
  if (isVisible()) atualiza();
}

void Tform_rede_termos::NoClick(int node) {
  command([this, node] {
    const auto& network = Cena_rede->network();
    if (node < 0 || static_cast<std::size_t>(node) >= network.nodes.size()) return;
    const Ansi word = network.nodes[static_cast<std::size_t>(node)].label;
    // With no list loaded yet, the summaries take the list the pairs were
    // counted on.
    windows().resume_palavra(word, windows().form_rel->lista_docs().trimmed());
  });
}

}  // namespace lumeral::gui
