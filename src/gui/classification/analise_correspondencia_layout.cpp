#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "gui/classification/analise_correspondencia.h"

namespace lumeral::gui {

void Tform_ac::build_layout() {
  Cena = new charts::BiplotScene(this);
  Vista = new charts::BiplotView(Cena);
  Vista->setObjectName(QStringLiteral("Vista"));
  Vista->setStatusTip(QStringLiteral(
      "Roda do mouse: zoom; arraste o fundo para mover o mapa; clique em um ponto para ver os seus documentos"));
  set_content(Vista);
  bt_ajustar_mapa = barra->addAction(QStringLiteral("Ajustar à janela"));
  bt_ajustar_mapa->setToolTip(QStringLiteral("Mostra o mapa inteiro"));

  auto* painel = new QWidget(this);
  painel->setFixedWidth(330);
  auto* v = new QVBoxLayout(painel);
  v->setContentsMargins(0, 0, 0, 0);
  auto* campos = new QFormLayout;
  const auto escolha = [&](QLineEdit*& edit, QPushButton*& button, const QString& caption) {
    auto* h = new QHBoxLayout;
    edit = new QLineEdit(painel);
    edit->setReadOnly(true);
    button = new QPushButton(QStringLiteral("..."), painel);
    button->setMaximumWidth(36);
    h->addWidget(edit, 1);
    h->addWidget(button);
    campos->addRow(caption, h);
  };
  escolha(Edit_docs, bt_docs, QStringLiteral("Documentos"));
  bt_docs->setToolTip(QStringLiteral("Escolhe a lista; as variáveis vêm do seu arquivo de variáveis (.var)"));
  ComboBox_variavel = new QComboBox(painel);
  campos->addRow(QStringLiteral("Variável"), ComboBox_variavel);
  v->addLayout(campos);

  RadioGroup_linhas = new RadioGroup(QStringLiteral("Analisar"),
                                     {QStringLiteral("Conceitos"), QStringLiteral("Palavras mais freqüentes")}, 0,
                                     painel);
  v->addWidget(RadioGroup_linhas);
  auto* opcoes = new QFormLayout;
  campos = opcoes;
  escolha(Edit_contextos, bt_contextos, QStringLiteral("Contextos"));
  Edit_grau = new QLineEdit(painel);
  Edit_grau->setToolTip(QStringLiteral("Vazio: basta o grau passar de 0"));
  opcoes->addRow(QStringLiteral("Grau mínimo"), Edit_grau);
  SpinEdit_palavras = new QSpinBox(painel);
  SpinEdit_palavras->setRange(2, 10000);
  SpinEdit_palavras->setValue(30);
  opcoes->addRow(QStringLiteral("Palavras"), SpinEdit_palavras);
  v->addLayout(opcoes);
  bt_calcula = new QPushButton(QStringLiteral("Calcula"), painel);
  v->addWidget(bt_calcula);

  Tabela_inercia = new QTableWidget(painel);
  Tabela_inercia->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Tabela_inercia->verticalHeader()->setVisible(false);
  Tabela_inercia->setMaximumHeight(150);
  v->addWidget(Tabela_inercia);
  Label_ponto = new QLabel(QStringLiteral("Clique em um ponto para ver os seus documentos"), painel);
  Label_ponto->setWordWrap(true);
  v->addWidget(Label_ponto);
  ListBox_docs = new ListBox(regional(), painel);
  v->addWidget(ListBox_docs, 1);
  lado->addWidget(painel);
  resize(1200, 760);
}

}  // namespace lumeral::gui
