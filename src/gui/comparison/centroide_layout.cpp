// The layout of Tform_centro: its controls, captions, defaults and places.
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "gui/comparison/centroide.h"
#include "gui/base/widgets.h"

namespace lumeral::gui {

void Tform_centro::build_layout() {
  setWindowTitle(QStringLiteral("Comparação de Documentos"));

  QMenuBar* menu = menuBar();
  QMenu* lista = menu->addMenu(QStringLiteral("Lista de documentos"));
  Abrelistadedocumentos1 = lista->addAction(QStringLiteral("Abre lista de documentos"));
  Ordenacaoalfabetica1 = lista->addAction(QStringLiteral("Ordenação alfabética"));
  QMenu* centro = menu->addMenu(QStringLiteral("Centróide"));
  Novo1 = centro->addAction(QStringLiteral("Novo"));
  Abrecentroide1 = centro->addAction(QStringLiteral("Abre centróide"));
  Salvacomolista1 = centro->addAction(QStringLiteral("Salva como lista"));
  Salvacomotexto1 = centro->addAction(QStringLiteral("Salva como texto"));
  Ordenacaoporpeso1 = centro->addAction(QStringLiteral("Ordenação por peso"));
  Ordenacaoalfabetica2 = centro->addAction(QStringLiteral("Ordenação alfabética"));
  centro->addSeparator();
  Graficodebarras1 = centro->addAction(QStringLiteral("Gráfico de barras"));
  Nuvemdepalavras1 = centro->addAction(QStringLiteral("Nuvem de palavras"));
  Concordancia1 = centro->addAction(QStringLiteral("Concordância da palavra"));
  QMenu* dif = menu->addMenu(QStringLiteral("Diferenças"));
  Calculadiferencasparatodos1 = dif->addAction(QStringLiteral("Calcula diferenças para todos"));
  Mostradiferencasdodocselecionado1 = dif->addAction(QStringLiteral("Mostra diferenças do doc selecionado"));
  Salvacomolista2 = dif->addAction(QStringLiteral("Salva como lista"));
  Salvacomotexto2 = dif->addAction(QStringLiteral("Salva como texto"));
  Somatodasasdiferencas1 = dif->addAction(QStringLiteral("Soma todas as diferenças"));
  Ordenacaoporpeso2 = dif->addAction(QStringLiteral("Ordenação por peso"));
  Ordenacaoalfabetica3 = dif->addAction(QStringLiteral("Ordenação alfabética"));
  Nuvemdepalavras2 = dif->addAction(QStringLiteral("Nuvem de palavras"));
  Concordancia2 = dif->addAction(QStringLiteral("Concordância da palavra"));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* v = new QVBoxLayout(central);
  v->setContentsMargins(10, 8, 10, 8);
  auto* options = new QHBoxLayout;
  RadioGroup_metodo = new RadioGroup(QStringLiteral("Método"),
                                     {QStringLiteral("Por palavra"), QStringLiteral("Contextual")}, 0, central);
  RadioGroup_tipo = new RadioGroup(QStringLiteral("Tipo de Centróide"),
                                   {QStringLiteral("Todas as palavras + freq"), QStringLiteral("Basta aparecer em 2 docs"),
                                    QStringLiteral("Precisa aparecer em todos")},
                                   0, central);
  RadioGroup_modo = new RadioGroup(QStringLiteral("Modo"),
                                   {QStringLiteral("Por freqüência"), QStringLiteral("Por peso")}, 0, central);
  options->addWidget(RadioGroup_metodo);
  RadioGroup_metodo->setToolTip(QStringLiteral("Por palavra: usa as listas de palavras (.lpl); Contextual: usa as "
      "matrizes da classificação (.mtz), que precisam existir"));
  options->addWidget(RadioGroup_tipo);
  RadioGroup_tipo->setToolTip(QStringLiteral("Que palavras entram: todas (com o número de documentos que as têm), só "
      "as que estão em 2 documentos ou mais, ou só as que estão em todos"));
  options->addWidget(RadioGroup_modo);
  RadioGroup_modo->setToolTip(QStringLiteral("O peso de cada palavra: o número de documentos que a têm (Por "
      "freqüência) ou a média do seu peso em todos os documentos (Por peso)"));
  auto* limiar = new QVBoxLayout;
  limiar->addWidget(new QLabel(QStringLiteral("Limiar para mostrar="), central));
  Edit_limiar = new QLineEdit(central);
  Edit_limiar->setMaximumWidth(120);
  Edit_limiar->setToolTip(QStringLiteral("Ao abrir um centróide gravado, mostra só as palavras de peso maior ou igual "
      "a este número"));
  limiar->addWidget(Edit_limiar);
  limiar->addStretch();
  options->addLayout(limiar);
  options->addStretch();
  v->addLayout(options);

  const QFont mono = monospace_font();
  auto* lists = new QGridLayout;
  auto column = [&](int col, const QString& caption, ListBox*& list, QLineEdit*& total) {
    lists->addWidget(new QLabel(caption, central), 0, col);
    list = new ListBox(regional(), central);
    list->setFont(mono);
    lists->addWidget(list, 1, col);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Total= "), central));
    total = new QLineEdit(central);
    total->setReadOnly(true);
    total->setMaximumWidth(80);
    row->addWidget(total);
    row->addStretch();
    lists->addLayout(row, 2, col);
  };
  column(0, QStringLiteral("Documentos"), ListBox_docs, Edit_total_docs);
  column(1, QStringLiteral("Centróide"), ListBox_centro, Edit_total_centro);
  column(2, QStringLiteral("Diferenças"), ListBox_dif, Edit_total_dif);
  lists->setRowStretch(1, 1);
  v->addLayout(lists, 1);

  Button_abre = new QPushButton(QStringLiteral("Abre lista de documentos"), central);
  Button_novo = new QPushButton(QStringLiteral("Novo"), central);
  Button_abre->hide();
  Button_novo->hide();
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);

  resize(900, 560);
}

}  // namespace lumeral::gui
