// The clustering window `form_cluster` ("Clusterização de Documentos"):
// the document-by-document similarity matrix of a document list, by word
// lists ("Por palavra") or classification matrices ("Por conceitos"), shown
// in the matrix window, saved to and reopened from a .msm file; clusters
// formed by one pass over the list with a threshold, whose members can be
// listed, sorted and saved as a document list.
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>

#include <vector>

#include "core/charts/heatmap.h"
#include "core/clustering/clusters.h"
#include "core/clustering/matrix.h"
#include "gui/base/form.h"
#include "gui/base/list_box.h"
#include "gui/base/radio_group.h"

class QAction;

namespace lumeral::gui {

// The controls of `Tform_cluster`: its own and its tests' (TestAccess).
struct Tform_clusterUi {
  QLineEdit* Edit_lista;              // beside "Nome da lista:" (read-only)
  ListBox* ListBox_docs;              // the documents of the list
  RadioGroup* RadioGroup_metodo;      // "Método de Clusterização": "Por palavra" (at start), "Por conceitos"
  RadioGroup* RadioGroup_agrupamento; // "Mét. de Agrupamento": "Sem limiar", "Por limiar" (at start)
  QLineEdit* Edit_limiar;             // "Limiar:" (empty means 0)
  ListBox* ListBox_clusters;          // "Clusters formados"
  ListBox* ListBox_membros;           // "Docs do cluster"
  QLineEdit* Edit_total;              // beside "Total= " (read-only)
  QStatusBar* StatusBar1;
  QAction* Abrelistadedocs1;                 // "Abre lista de docs"
  QAction* Criamatriz1;                      // "Matriz de similaridades" > "Cria matriz"
  QAction* Mostramatriz1;                    // > "Mostra matriz"
  QAction* Salvamatriz1;                     // > "Salva matriz"
  QAction* Abrematrizgravada1;               // > "Abre matriz gravada"
  QAction* Mostramapa1;                      // > "Mapa de similaridades (gráfico)"
  QAction* Agrupadocumentos1;                // "Agrupa documentos"
  QAction* Mostradocsdeumcluster1;           // "Cluster" > "Mostra docs de um cluster"
  QAction* Gravadocsdeumclustercomolista1;   // > "Grava docs de um cluster como lista"
  QAction* Ordenadocsdocluster1;             // > "Ordena docs do cluster (alfabética)"
  QAction* Nuvemdepalavras1;                 // > "Nuvem de palavras do cluster"
  QAction* Dendrograma1;                     // "Dendrograma"
};

class Tform_cluster : public QMainWindow, public Form, private Tform_clusterUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_clusterUi;
 public:
  explicit Tform_cluster(Windows& windows);

  void Abrelistadedocs1Click();
  void Criamatriz1Click();
  void Mostramatriz1Click();
  void Salvamatriz1Click();
  void Abrematrizgravada1Click();
  // The heatmap of the matrix, ordered by the clusters formed: the
  // registry's `mapa_similaridade`, opened on first use and redrawn while
  // shown.
  void Mostramapa1Click();
  void Agrupadocumentos1Click();
  void Mostradocsdeumcluster1Click();   // also a double click on a cluster
  void Gravadocsdeumclustercomolista1Click();
  void Ordenadocsdocluster1Click();
  // The word cloud of the chosen cluster's documents (the registry's
  // `nuvem_palavras`).
  void Nuvemdepalavras1Click();
  void ListBox_docsDblClick();
  void ListBox_membrosDblClick();
  // The hierarchical clustering's tree of the list (the dendrogram window).
  void Dendrograma1Click();

  // The matrix and the clusters as they stand.
  const clustering::SimilarityMatrix& matriz() const { return matriz_; }
  const clustering::Clusters& clusters() const { return clusters_; }
  // What the heatmap draws: the loaded list's matrix, ordered by the
  // clusters the window lists. Stops when the matrix is not of that list.
  charts::HeatmapModel modelo_mapa() const;
  // The list loaded and its names, as stored.
  const std::filesystem::path& lista() const { return lista_; }
  const std::vector<Ansi>& documentos() const { return docs_; }
  // Lists clusters formed elsewhere (a cut of the dendrogram) as those of
  // "Agrupa documentos".
  void mostra_clusters(clustering::Clusters clusters);

 private:
  void build_layout();
  void limpa_clusters();
  void atualiza_mapa();
  void mostra_documento(AnsiView shown);

  std::filesystem::path lista_;  // the document list loaded
  std::vector<Ansi> docs_;       // its names, as stored
  clustering::SimilarityMatrix matriz_;
  clustering::Clusters clusters_;
};

}  // namespace lumeral::gui
