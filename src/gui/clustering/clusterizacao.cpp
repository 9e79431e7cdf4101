#include "gui/clustering/clusterizacao.h"

#include <QAction>

#include "core/base/files.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/base/table_export.h"
#include "gui/clustering/apresenta_matriz.h"
#include "gui/clustering/dendrograma.h"
#include "gui/shell/windows.h"
#include "gui/base/memory_setting.h"
#include "core/records/document_list.h"

namespace lumeral::gui {

namespace {
const QString kFiltroDocs = QStringLiteral("listas de documentos (*.ldc)|*.ldc");
const QString kFiltroMatriz = QStringLiteral("matrizes de similaridade (*.msm)|*.msm");
}  // namespace

Tform_cluster::Tform_cluster(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  connect(Abrelistadedocs1, &QAction::triggered, this, [this] { Abrelistadedocs1Click(); });
  connect(Criamatriz1, &QAction::triggered, this, [this] { Criamatriz1Click(); });
  connect(Mostramatriz1, &QAction::triggered, this, [this] { Mostramatriz1Click(); });
  connect(Salvamatriz1, &QAction::triggered, this, [this] { Salvamatriz1Click(); });
  connect(Abrematrizgravada1, &QAction::triggered, this, [this] { Abrematrizgravada1Click(); });
  connect(Mostramapa1, &QAction::triggered, this, [this] { Mostramapa1Click(); });
  connect(Agrupadocumentos1, &QAction::triggered, this, [this] { Agrupadocumentos1Click(); });
  connect(Mostradocsdeumcluster1, &QAction::triggered, this, [this] { Mostradocsdeumcluster1Click(); });
  connect(Gravadocsdeumclustercomolista1, &QAction::triggered, this,
          [this] { Gravadocsdeumclustercomolista1Click(); });
  connect(Ordenadocsdocluster1, &QAction::triggered, this, [this] { Ordenadocsdocluster1Click(); });
  connect(Nuvemdepalavras1, &QAction::triggered, this, [this] { Nuvemdepalavras1Click(); });
  connect(Dendrograma1, &QAction::triggered, this, [this] { Dendrograma1Click(); });
  connect(ListBox_clusters, &QListWidget::itemDoubleClicked, this, [this] { Mostradocsdeumcluster1Click(); });
  connect(ListBox_docs, &QListWidget::itemDoubleClicked, this, [this] { ListBox_docsDblClick(); });
  connect(ListBox_membros, &QListWidget::itemDoubleClicked, this, [this] { ListBox_membrosDblClick(); });
  add_export_action(*this, Gravadocsdeumclustercomolista1, [this] { return exporting::cluster_table(clusters_); });
}

void Tform_cluster::limpa_clusters() {
  ListBox_clusters->clear();
  ListBox_membros->clear();
  Edit_total->clear();
}

void Tform_cluster::Abrelistadedocs1Click() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroDocs, QString(), QString()});
    if (!file) return;
    ListBox_docs->clear();
    docs_.clear();
    const fs::path list = path_of(*file);
    docs_ = records::read_document_names(list);
    lista_ = list;
    Edit_lista->setText(qs(path_name(list)));
    ListBox_docs->add_all(docs_);
  });
}

void Tform_cluster::Criamatriz1Click() {
  command([this] {
    limpa_clusters();
    StatusProgress status(StatusBar1);
    const auto method =
        RadioGroup_metodo->item_index() == 1 ? clustering::Method::Concepts : clustering::Method::Words;
    clustering::MatrixOptions options;
    options.memory_budget = memory_budget(platform());
    // The matrix computed now is released (and its scratch file removed) first.
    matriz_ = {};
    matriz_ = clustering::create_matrix(lista_.parent_path(), docs_, method, status, options);
    atualiza_mapa();
  });
}

void Tform_cluster::Mostramatriz1Click() {
  command([this] {
    Tform_show_matriz& janela = *windows().form_show_matriz;
    janela.abre_vazia();
    janela.mostra(clustering::show_matrix(docs_, matriz_, regional()), exporting::matrix_table(docs_, matriz_));
  });
}

void Tform_cluster::Salvamatriz1Click() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroMatriz, QStringLiteral("msm"), QString()});
    if (!file) throw Stop("Não gravou a matriz de similaridades", MessageKind::Information);
    clustering::save_matrix(path_of(*file), docs_, matriz_);
  });
}

void Tform_cluster::Abrematrizgravada1Click() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroMatriz, QString(), QString()});
    if (file) matriz_ = clustering::open_matrix(path_of(*file), docs_);
    atualiza_mapa();
  });
}

void Tform_cluster::Agrupadocumentos1Click() {
  command([this] {
    limpa_clusters();
    clusters_ = {};
    StatusProgress status(StatusBar1);
    clusters_ = clustering::form_clusters(docs_, matriz_, RadioGroup_agrupamento->item_index() == 1,
                                          ansi(Edit_limiar->text()), regional(), status);
    ListBox_clusters->add_all(clustering::cluster_lines(clusters_));
    atualiza_mapa();
  });
}

void Tform_cluster::mostra_clusters(clustering::Clusters clusters) {
  limpa_clusters();
  clusters_ = std::move(clusters);
  ListBox_clusters->add_all(clustering::cluster_lines(clusters_));
  atualiza_mapa();
}

void Tform_cluster::Dendrograma1Click() { windows().create_dendrograma()->abre(); }

void Tform_cluster::Mostramapa1Click() {
  command([this] { windows().open_mapa_similaridade(); });
}

void Tform_cluster::atualiza_mapa() { windows().refresh_mapa_similaridade(); }

charts::HeatmapModel Tform_cluster::modelo_mapa() const {
  std::optional<clustering::Clusters> formed;
  // The clusters the window lists: creating a matrix empties that list, so
  // clusters of an earlier matrix never order a new one.
  if (ListBox_clusters->count() > 0 && !clusters_.members.empty()) formed = clusters_;
  return charts::heatmap_model(ListBox_docs->lines(), matriz_, formed);
}

void Tform_cluster::Mostradocsdeumcluster1Click() {
  command([this] {
    const int row = ListBox_clusters->currentRow();
    auto members = clustering::cluster_members(clusters_, row < 0 ? clusters_.members.size() : std::size_t(row),
                                               docs_.size());
    ListBox_membros->clear();
    ListBox_membros->add_all(members);
    Edit_total->setText(QString::number(ListBox_membros->count()));
  });
}

void Tform_cluster::Gravadocsdeumclustercomolista1Click() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroDocs, QStringLiteral("ldc"), QString()});
    if (file) clustering::save_cluster_as_list(path_of(*file), ListBox_membros->lines());
  });
}

void Tform_cluster::Ordenadocsdocluster1Click() {
  // Sorted once; members shown later come in cluster order again.
  ListBox_membros->set_sorted(true);
  ListBox_membros->set_sorted(false);
}

void Tform_cluster::mostra_documento(AnsiView shown) {
  const fs::path folder = lista_.empty() ? fs::current_path() : lista_.parent_path();
  windows().show_text_file(qpath(lookup(folder, clustering::text_name_for_list(shown))));
}

void Tform_cluster::ListBox_docsDblClick() {
  const int row = ListBox_docs->currentRow();
  if (row >= 0) mostra_documento(ListBox_docs->line(row));
}

void Tform_cluster::ListBox_membrosDblClick() {
  const int row = ListBox_membros->currentRow();
  if (row >= 0) mostra_documento(ListBox_membros->line(row));
}

void Tform_cluster::Nuvemdepalavras1Click() {
  command([this] {
    const int row = ListBox_clusters->currentRow();
    const std::size_t index = row < 0 ? clusters_.members.size() : std::size_t(row);
    std::vector<Ansi> membros = clustering::cluster_members(clusters_, index, docs_.size());
    const fs::path pasta = lista_.parent_path();
    windows().open_nuvem_palavras({qs(ListBox_clusters->line(row)), [membros, pasta] {
                                     return charts::cloud_of_documents(membros, pasta);
                                   }});
  });
}

}  // namespace lumeral::gui
