#include "gui/clustering/dendrograma.h"

#include <QSignalBlocker>

#include <algorithm>

#include "charts/picture_export.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "gui/base/memory_setting.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/clustering/clusterizacao.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {

const QString kFiltroArvore = QStringLiteral("dendrogramas (*.dnd)|*.dnd");
// The linkages in the order of the "Ligação:" combo.
constexpr clustering::Linkage kLigacoes[] = {clustering::Linkage::Average, clustering::Linkage::Complete,
                                             clustering::Linkage::Single, clustering::Linkage::Ward};

}  // namespace

Tdendrograma::Tdendrograma(Windows& windows) : PictureWindow(windows, QStringLiteral("Dendrograma")) {
  build_layout();
  connect(bt_calcula, &QPushButton::clicked, this, [this] { bt_calculaClick(); });
  connect(bt_abre, &QPushButton::clicked, this, [this] { bt_abreClick(); });
  connect(SpinEdit_k, &QSpinBox::valueChanged, this, [this] { SpinEdit_kChange(); });
  connect(Edit_altura, &QLineEdit::editingFinished, this, [this] { Edit_alturaChange(); });
  connect(arvore, &charts::DendrogramView::cut_dragged, this, [this](double h) { arvoreArrasto(h); });
  connect(bt_corte, &QPushButton::clicked, this, [this] { bt_corteClick(); });
  // The picture is the whole tree at its own size, whatever part of it the
  // window shows.
  set_exporter([this](const QString& path) {
    return charts::save_picture(
        path, arvore->picture_size(), [this](QPainter& p, const QRectF& area) { arvore->paint(p, area); },
        windowTitle());
  });
}

void Tdendrograma::abre() {
  show();
  raise();
  command([this] {
    const Tform_cluster& cluster = *windows().form_cluster;
    const std::size_t n = cluster.documentos().size();
    if (cluster.lista().empty() || n == 0) return;
    const fs::path file = fs::path(cluster.lista()).replace_extension(".dnd");
    std::error_code ec;
    if (fs::is_regular_file(file, ec)) {
      clustering::Dendrogram tree = clustering::read_dendrogram(file);
      if (tree.n == n) {
        Combo_ligacao->setCurrentIndex(static_cast<int>(
            std::find(std::begin(kLigacoes), std::end(kLigacoes), tree.linkage) - std::begin(kLigacoes)));
        mostra(std::move(tree));
        return;
      }
    }
    if (cluster.matriz().n() == n) bt_calculaClick();
  });
}

void Tdendrograma::bt_calculaClick() {
  command([this] {
    const Tform_cluster& cluster = *windows().form_cluster;
    const auto& docs = cluster.documentos();
    if (docs.empty()) throw Stop("Você deve selecionar antes uma lista de docs");
    const std::size_t budget = memory_budget(platform());
    clustering::check_hierarchical_memory(docs.size(), budget);
    StatusProgress status(StatusBar1);
    auto tree = clustering::hierarchical(cluster.matriz(), docs.size(),
                                         kLigacoes[std::max(0, Combo_ligacao->currentIndex())], budget, status);
    // Kept beside the list, as the command line keeps it.
    clustering::save_dendrogram(fs::path(cluster.lista()).replace_extension(".dnd"), tree);
    mostra(std::move(tree));
  });
}

void Tdendrograma::bt_abreClick() {
  command([this] {
    const std::size_t n = windows().form_cluster->documentos().size();
    if (n == 0) throw Stop("Você deve selecionar antes uma lista de docs");
    auto file = platform().open_file(this, {QString(), kFiltroArvore, QString(), QString()});
    if (!file) return;
    clustering::Dendrogram tree = clustering::read_dendrogram(path_of(*file));
    if (tree.n != n)
      throw Stop("O dendrograma é de uma lista de " + std::to_string(tree.n) + " documentos; a lista carregada tem " +
                 std::to_string(n));
    mostra(std::move(tree));
  });
}

void Tdendrograma::mostra(clustering::Dendrogram tree) {
  arvore_ = std::move(tree);
  const std::size_t n = arvore_->n;
  {
    const QSignalBlocker block(SpinEdit_k);
    SpinEdit_k->setRange(1, static_cast<int>(std::max<std::size_t>(n, 1)));
    SpinEdit_k->setValue(static_cast<int>(std::min<std::size_t>(n, 2)));
  }
  atualiza();
  SpinEdit_kChange();
}

void Tdendrograma::atualiza() {
  if (!arvore_) return;
  QStringList names;
  for (const Ansi& d : windows().form_cluster->documentos()) names << qs(trim(d));
  arvore->set_model({*arvore_, names}, [this](double v) { return qs(regional().format(v, "0.0000")); });
  arvore->set_cut(altura_);
}

void Tdendrograma::poe_linha(double height) {
  altura_ = height;
  Edit_altura->setText(qs(regional().format(height, "0.0000")));
  arvore->set_cut(height);
}

void Tdendrograma::SpinEdit_kChange() {
  if (!arvore_) return;
  por_k_ = true;
  poe_linha(charts::DendrogramView::height_for(*arvore_, static_cast<std::size_t>(SpinEdit_k->value())));
}

void Tdendrograma::Edit_alturaChange() {
  command([this] {
    if (!arvore_ || Edit_altura->text().trimmed().isEmpty()) return;
    const double h = regional().parse(ansi(Edit_altura->text().trimmed()));
    arvoreArrasto(h);
    arvore->set_cut(h);
  });
}

void Tdendrograma::arvoreArrasto(double height) {
  if (!arvore_) return;
  por_k_ = false;
  altura_ = height;
  Edit_altura->setText(qs(regional().format(height, "0.0000")));
  const QSignalBlocker block(SpinEdit_k);
  SpinEdit_k->setValue(static_cast<int>(charts::DendrogramView::clusters_at(*arvore_, height)));
}

void Tdendrograma::bt_corteClick() {
  command([this] {
    if (!arvore_) throw Stop("Calcule ou abra antes um dendrograma");
    Tform_cluster& cluster = *windows().form_cluster;
    const auto& docs = cluster.documentos();
    if (docs.size() != arvore_->n)
      throw Stop("O dendrograma é de uma lista de " + std::to_string(arvore_->n) +
                 " documentos; a lista carregada tem " + std::to_string(docs.size()));
    const auto labels = por_k_ ? clustering::cut_into(*arvore_, static_cast<std::size_t>(SpinEdit_k->value()))
                               : clustering::cut_at(*arvore_, altura_);
    cluster.mostra_clusters(clustering::clusters_of(docs, labels));
    StatusBar1->showMessage(QStringLiteral("%1 grupos mostrados em \"Clusterização de Documentos\"")
                                .arg(cluster.clusters().members.size()));
  });
}

}  // namespace lumeral::gui
