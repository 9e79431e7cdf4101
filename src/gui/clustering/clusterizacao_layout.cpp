#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "gui/clustering/clusterizacao.h"

namespace lumeral::gui {

void Tform_cluster::build_layout() {
  setWindowTitle(QStringLiteral("Clusterização de Documentos"));

  QMenuBar* menu = menuBar();
  Abrelistadedocs1 = menu->addAction(QStringLiteral("Abre lista de docs"));
  QMenu* matriz = menu->addMenu(QStringLiteral("Matriz de similaridades"));
  Criamatriz1 = matriz->addAction(QStringLiteral("Cria matriz"));
  Mostramatriz1 = matriz->addAction(QStringLiteral("Mostra matriz"));
  Salvamatriz1 = matriz->addAction(QStringLiteral("Salva matriz"));
  Abrematrizgravada1 = matriz->addAction(QStringLiteral("Abre matriz gravada"));
  Mostramapa1 = matriz->addAction(QStringLiteral("Mapa de similaridades (gráfico)"));
  Agrupadocumentos1 = menu->addAction(QStringLiteral("Agrupa documentos"));
  QMenu* cluster = menu->addMenu(QStringLiteral("Cluster"));
  Mostradocsdeumcluster1 = cluster->addAction(QStringLiteral("Mostra docs de um cluster"));
  Gravadocsdeumclustercomolista1 = cluster->addAction(QStringLiteral("Grava docs de um cluster como lista"));
  Ordenadocsdocluster1 = cluster->addAction(QStringLiteral("Ordena docs do cluster (alfabética)"));
  Nuvemdepalavras1 = cluster->addAction(QStringLiteral("Nuvem de palavras do cluster"));
  Dendrograma1 = menu->addAction(QStringLiteral("Dendrograma"));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(10, 10, 10, 10);
  grid->setHorizontalSpacing(14);

  // Column 0: the list and its documents.
  auto* docs = new QVBoxLayout;
  auto* nome = new QHBoxLayout;
  nome->addWidget(new QLabel(QStringLiteral("Nome da lista:"), central));
  Edit_lista = new QLineEdit(central);
  Edit_lista->setObjectName(QStringLiteral("Edit_lista"));
  Edit_lista->setReadOnly(true);
  nome->addWidget(Edit_lista, 1);
  docs->addLayout(nome);
  ListBox_docs = new ListBox(regional(), central);
  ListBox_docs->setObjectName(QStringLiteral("ListBox_docs"));
  docs->addWidget(ListBox_docs, 1);
  grid->addLayout(docs, 0, 0);

  // Column 1: the options.
  auto* options = new QVBoxLayout;
  RadioGroup_metodo = new RadioGroup(QStringLiteral("Método de Clusterização"),
                                     {QStringLiteral("Por palavra"), QStringLiteral("Por conceitos")}, 0, central);
  RadioGroup_metodo->setObjectName(QStringLiteral("RadioGroup_metodo"));
  RadioGroup_metodo->setToolTip(QStringLiteral("Por palavra: compara as listas de palavras (mesmo vocabulário); Por "
      "conceitos: compara as matrizes da classificação (mesmos assuntos)"));
  options->addWidget(RadioGroup_metodo);
  RadioGroup_agrupamento = new RadioGroup(QStringLiteral("Mét. de Agrupamento"),
                                          {QStringLiteral("Sem limiar"), QStringLiteral("Por limiar")}, 1, central);
  RadioGroup_agrupamento->setObjectName(QStringLiteral("RadioGroup_agrupamento"));
  RadioGroup_agrupamento->setToolTip(QStringLiteral("Por limiar: ficam juntos os documentos mais parecidos que o "
      "limiar (Sem limiar ainda não está disponível)"));
  options->addWidget(RadioGroup_agrupamento);
  auto* limiar = new QHBoxLayout;
  limiar->addWidget(new QLabel(QStringLiteral("Limiar:"), central));
  Edit_limiar = new QLineEdit(central);
  Edit_limiar->setObjectName(QStringLiteral("Edit_limiar"));
  Edit_limiar->setMaximumWidth(90);
  Edit_limiar->setToolTip(QStringLiteral("Similaridade acima da qual dois documentos ficam no mesmo cluster, com "
      "vírgula decimal: por palavra os valores são baixos (0,04), por conceitos mais altos (0,5)"));
  limiar->addWidget(Edit_limiar);
  limiar->addStretch();
  options->addLayout(limiar);
  options->addStretch();
  grid->addLayout(options, 0, 1);

  // Column 2: the clusters and the members of the chosen one.
  auto* clusters = new QVBoxLayout;
  clusters->addWidget(new QLabel(QStringLiteral("Clusters formados"), central));
  ListBox_clusters = new ListBox(regional(), central);
  ListBox_clusters->setObjectName(QStringLiteral("ListBox_clusters"));
  clusters->addWidget(ListBox_clusters, 1);
  grid->addLayout(clusters, 0, 2);
  auto* membros = new QVBoxLayout;
  membros->addWidget(new QLabel(QStringLiteral("Docs do cluster"), central));
  ListBox_membros = new ListBox(regional(), central);
  ListBox_membros->setObjectName(QStringLiteral("ListBox_membros"));
  membros->addWidget(ListBox_membros, 1);
  auto* total = new QHBoxLayout;
  total->addWidget(new QLabel(QStringLiteral("Total= "), central));
  Edit_total = new QLineEdit(central);
  Edit_total->setObjectName(QStringLiteral("Edit_total"));
  Edit_total->setReadOnly(true);
  Edit_total->setMaximumWidth(80);
  total->addWidget(Edit_total);
  total->addStretch();
  membros->addLayout(total);
  grid->addLayout(membros, 0, 3);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(2, 2);
  grid->setColumnStretch(3, 3);

  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
  resize(1040, 520);
}

}  // namespace lumeral::gui
