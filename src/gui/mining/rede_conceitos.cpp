#include "gui/mining/rede_conceitos.h"

#include "core/charts/network.h"
#include "gui/base/status_progress.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

Tform_rede_conceitos::Tform_rede_conceitos(Windows& windows)
    : PictureWindow(windows, QStringLiteral("Rede de Associações entre Conceitos")) {
  usa_rede(QStringLiteral("Associações entre Conceitos"));
  build_layout();
  connect(SpinEdit_regras, &QSpinBox::valueChanged, this, [this] { atualiza_se_visivel(); });
  connect(Cena_rede, &charts::NetworkScene::node_clicked, this, [this](int i) { NoClick(i); });
  connect(Cena_rede, &charts::NetworkScene::edge_clicked, this, [this](int i) { SetaClick(i); });
}

EntradaRede entrada_de_sentencas(const std::vector<Ansi>& sentences, const std::filesystem::path& doc_list) {
  return {charts::rules_of_sentences(sentences), doc_list};
}

void Tform_rede_conceitos::desenha() {
  // The rules as the opener shows them, the documents of each concept from
  // the matrices of its document list.
  StatusProgress progress(StatusBar1);
  documentos_.reset();
  Cena_rede->show_network({}, {});  // nothing of the last picture stays if this one fails
  ListBox_docs->clear();
  lb_selecao->setText(QStringLiteral("Clique em um conceito ou em uma seta"));
  const EntradaRede in = fonte_ ? fonte_() : EntradaRede{};
  documentos_ = charts::ConceptDocuments::read(in.documentos, windows().wizard_open_project(), progress);
  const auto strongest = static_cast<std::size_t>(SpinEdit_regras->value());
  const charts::Network network = charts::concept_network(in.regras, *documentos_, regional(), strongest);
  mostra_rede(network, charts::concept_network_legend());
  const std::size_t all =
      network.edges.size() < strongest ? network.edges.size()
                                       : charts::concept_network(in.regras, *documentos_, regional()).edges.size();
  if (network.edges.empty())
    StatusBar1->showMessage(QStringLiteral("Nenhuma regra para mostrar"));
  else if (all == network.edges.size())
    StatusBar1->showMessage(QStringLiteral("%1 conceitos, %2 regras").arg(network.nodes.size()).arg(all));
  else
    StatusBar1->showMessage(QStringLiteral("%1 conceitos, as %2 regras de maior confiança de %3")
                                .arg(network.nodes.size())
                                .arg(network.edges.size())
                                .arg(all));
}

void Tform_rede_conceitos::abre(FonteRede fonte) {
  fonte_ = std::move(fonte);
  show();
  raise();
  activateWindow();
  atualiza();
}

void Tform_rede_conceitos::atualiza_se_visivel() {
  if (isVisible()) atualiza();
}

void Tform_rede_conceitos::atualiza() {
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
