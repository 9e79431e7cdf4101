#include "gui/association/rede_termos.h"

#include "core/charts/network.h"
#include "gui/association/associacao.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

Tform_rede_termos::Tform_rede_termos(Windows& windows) : NetworkWindow(windows) {
  build_layout();
  connect(bt_atualizar, &QPushButton::clicked, this, [this] { bt_atualizarClick(); });
  connect(bt_ajustar, &QPushButton::clicked, this, [this] { bt_ajustarClick(); });
  connect(bt_exportar, &QPushButton::clicked, this, [this] { bt_exportarClick(); });
  connect(bt_exportar_rede, &QPushButton::clicked, this, [this] { bt_exportar_redeClick(); });
  connect(SpinEdit_pares, &QSpinBox::valueChanged, this, [this] { SpinEdit_paresChange(); });
  connect(Cena_rede, &charts::NetworkScene::node_clicked, this, [this](int i) { NoClick(i); });
}

QString Tform_rede_termos::titulo_figura() const { return QStringLiteral("Co-ocorrência de Termos"); }

void Tform_rede_termos::desenha() {
  Cena_rede->show_network({}, {});  // nothing of the last picture stays if this one fails
  const std::size_t strongest = static_cast<std::size_t>(SpinEdit_pares->value());
  const charts::Network network =
      charts::cooccurrence_network(windows().form_rel->ListBox1->lines(), strongest, regional());
  mostra_rede(network, charts::cooccurrence_network_legend(strongest));
  StatusBar1->showMessage(network.edges.empty()
                              ? QStringLiteral("Nenhum par para mostrar: calcule as associações antes")
                              : QStringLiteral("%1 palavras, %2 pares").arg(network.nodes.size()).arg(network.edges.size()));
}

void Tform_rede_termos::abre() {
  show();
  raise();
  activateWindow();
  command([this] { desenha(); });
}

void Tform_rede_termos::bt_atualizarClick() {
  command([this] { desenha(); });
}

void Tform_rede_termos::SpinEdit_paresChange() {
  if (isVisible()) command([this] { desenha(); });
}

void Tform_rede_termos::NoClick(int node) {
  command([this, node] {
    const auto& network = Cena_rede->network();
    if (node < 0 || static_cast<std::size_t>(node) >= network.nodes.size()) return;
    const Ansi word = network.nodes[static_cast<std::size_t>(node)].label;
    // With no list loaded yet, the summaries take the list the pairs were
    // counted on.
    windows().resume_palavra(word, windows().form_rel->Edit_docs->text().trimmed());
  });
}

}  // namespace lumeral::gui
