// The layout of Tform_concordancia: its controls, captions, defaults and places.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "gui/base/widgets.h"
#include "gui/retrieval/concordancia.h"

namespace lumeral::gui {

void Tform_concordancia::build_layout() {
  setWindowTitle(QStringLiteral("Concordância"));

  QMenuBar* menu = menuBar();
  Abrelistadedocs1 = menu->addAction(QStringLiteral("Abre lista de docs"));
  Procura1 = menu->addAction(QStringLiteral("Procura"));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* v = new QVBoxLayout(central);
  v->setContentsMargins(10, 10, 10, 10);

  auto* campos = new QGridLayout;
  campos->setHorizontalSpacing(8);
  campos->addWidget(new QLabel(QStringLiteral("Lista de documentos:"), central), 0, 0);
  Edit_lista = new QLineEdit(central);
  Edit_lista->setObjectName(QStringLiteral("Edit_lista"));
  Edit_lista->setReadOnly(true);
  campos->addWidget(Edit_lista, 0, 1, 1, 3);
  campos->addWidget(new QLabel(QStringLiteral("Palavras:"), central), 1, 0);
  Edit_palavras = new QLineEdit(central);
  Edit_palavras->setObjectName(QStringLiteral("Edit_palavras"));
  Edit_palavras->setToolTip(QStringLiteral("Uma ou mais palavras, separadas por espaços"));
  campos->addWidget(Edit_palavras, 1, 1, 1, 3);

  campos->addWidget(new QLabel(QStringLiteral("Ordem:"), central), 2, 0);
  Combo_ordem = new QComboBox(central);
  Combo_ordem->setObjectName(QStringLiteral("Combo_ordem"));
  Combo_ordem->addItems({QStringLiteral("Ordem dos documentos"), QStringLiteral("Palavra procurada"),
                         QStringLiteral("1ª palavra à esquerda"), QStringLiteral("2ª palavra à esquerda"),
                         QStringLiteral("1ª palavra à direita"), QStringLiteral("2ª palavra à direita")});
  campos->addWidget(Combo_ordem, 2, 1);
  campos->addWidget(new QLabel(QStringLiteral("Contexto (caracteres):"), central), 2, 2);
  SpinEdit_largura = new QSpinBox(central);
  SpinEdit_largura->setObjectName(QStringLiteral("SpinEdit_largura"));
  SpinEdit_largura->setRange(1, 1000);
  SpinEdit_largura->setValue(40);
  campos->addWidget(SpinEdit_largura, 2, 3);

  campos->addWidget(new QLabel(QStringLiteral("Radicais:"), central), 3, 0);
  Combo_radicais = new QComboBox(central);
  Combo_radicais->setObjectName(QStringLiteral("Combo_radicais"));
  Combo_radicais->addItems({QStringLiteral("Não agrupar variantes"), QStringLiteral("Português"),
                            QStringLiteral("Inglês"), QStringLiteral("Espanhol")});
  Combo_radicais->setToolTip(QStringLiteral("Acha também as variantes das palavras (mesmo radical) neste idioma"));
  campos->addWidget(Combo_radicais, 3, 1);
  campos->addWidget(new QLabel(QStringLiteral("Mostrar no máximo:"), central), 3, 2);
  SpinEdit_limite = new QSpinBox(central);
  SpinEdit_limite->setObjectName(QStringLiteral("SpinEdit_limite"));
  SpinEdit_limite->setRange(0, 1000000);
  SpinEdit_limite->setSpecialValueText(QStringLiteral("todas"));
  SpinEdit_limite->setToolTip(QStringLiteral("Linhas mostradas; o total de ocorrências é sempre contado"));
  campos->addWidget(SpinEdit_limite, 3, 3);
  bt_procura = new QPushButton(QStringLiteral("Procura"), central);
  bt_procura->setObjectName(QStringLiteral("bt_procura"));
  bt_procura->setDefault(true);
  campos->addWidget(bt_procura, 3, 4);
  campos->setColumnStretch(1, 1);
  v->addLayout(campos);

  ListBox_linhas = new ListBox(regional(), central);
  ListBox_linhas->setObjectName(QStringLiteral("ListBox_linhas"));
  ListBox_linhas->setFont(monospace_font());
  ListBox_linhas->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  ListBox_linhas->setStatusTip(QStringLiteral("Duplo clique: abre o documento na linha da ocorrência"));
  v->addWidget(ListBox_linhas, 1);
  Label_total = new QLabel(central);
  Label_total->setObjectName(QStringLiteral("Label_total"));
  v->addWidget(Label_total);

  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
  resize(1040, 600);
}

}  // namespace lumeral::gui
