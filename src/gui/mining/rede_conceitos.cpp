#include "gui/mining/rede_conceitos.h"

#include "core/charts/network.h"
#include "gui/base/status_progress.h"
#include "gui/mining/data_mining.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

Tform_rede_conceitos::Tform_rede_conceitos(Windows& windows) : NetworkWindow(windows) {
  build_layout();
  connect(bt_atualizar, &QPushButton::clicked, this, [this] { bt_atualizarClick(); });
  connect(bt_ajustar, &QPushButton::clicked, this, [this] { bt_ajustarClick(); });
  connect(bt_exportar, &QPushButton::clicked, this, [this] { bt_exportarClick(); });
  connect(bt_exportar_rede, &QPushButton::clicked, this, [this] { bt_exportar_redeClick(); });
  connect(Cena_rede, &charts::NetworkScene::node_clicked, this, [this](int i) { NoClick(i); });
  connect(Cena_rede, &charts::NetworkScene::edge_clicked, this, [this](int i) { SetaClick(i); });
}

QString Tform_rede_conceitos::titulo_figura() const { return QStringLiteral("Associações entre Conceitos"); }

void Tform_rede_conceitos::desenha() {
  // The rules as the data-mining window lists them (the mining panel's
  // sentences are made from the same lines, in the same order), the
  // documents of each concept from the matrices of its document list.
  const Tform_dm& dm = *windows().form_dm;
  StatusProgress progress(StatusBar1);
  documentos_.reset();
  Cena_rede->show_network({}, {});  // nothing of the last picture stays if this one fails
  ListBox_docs->clear();
  lb_selecao->setText(QStringLiteral("Clique em um conceito ou em uma seta"));
  documentos_ = charts::ConceptDocuments::read(path_of(dm.Edit_docs->text().trimmed()),
                                               windows().wizard_open_project(), progress);
  const charts::Network network = charts::concept_network(dm.ListBox1->lines(), *documentos_, regional());
  mostra_rede(network, charts::concept_network_legend());
  StatusBar1->showMessage(network.edges.empty()
                              ? QStringLiteral("Nenhuma regra para mostrar")
                              : QStringLiteral("%1 conceitos, %2 regras").arg(network.nodes.size()).arg(network.edges.size()));
}

void Tform_rede_conceitos::abre() {
  show();
  raise();
  activateWindow();
  command([this] { desenha(); });
}

void Tform_rede_conceitos::atualiza_se_visivel() {
  if (isVisible()) command([this] { desenha(); });
}

void Tform_rede_conceitos::bt_atualizarClick() {
  command([this] { desenha(); });
}

void Tform_rede_conceitos::lista(const QString& caption, const std::vector<Ansi>& documents) {
  ListBox_docs->clear();
  for (const Ansi& d : documents) ListBox_docs->addItem(qs(d));
  lb_selecao->setText(caption + QStringLiteral(": %1").arg(documents.size()));
}

void Tform_rede_conceitos::NoClick(int node) {
  command([this, node] {
    const auto& network = Cena_rede->network();
    if (!documentos_ || node < 0 || static_cast<std::size_t>(node) >= network.nodes.size()) return;
    const Ansi& name = network.nodes[static_cast<std::size_t>(node)].label;
    lista(QStringLiteral("Documentos do conceito %1").arg(qs(name)), documentos_->documents_of(name));
  });
}

void Tform_rede_conceitos::SetaClick(int edge) {
  command([this, edge] {
    const auto& network = Cena_rede->network();
    if (!documentos_ || edge < 0 || static_cast<std::size_t>(edge) >= network.edges.size()) return;
    const auto& e = network.edges[static_cast<std::size_t>(edge)];
    const Ansi& a = network.nodes[e.from].label;
    const Ansi& b = network.nodes[e.to].label;
    lista(QStringLiteral("Documentos com %1 e %2").arg(qs(a), qs(b)), documentos_->documents_of_both(a, b));
  });
}

}  // namespace lumeral::gui
