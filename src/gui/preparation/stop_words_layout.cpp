// The layout of Tform_stop: its controls, captions, defaults and places.
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/preparation/stop_words.h"

namespace lumeral::gui {

void Tform_stop::build_layout() {
  setWindowTitle(QStringLiteral("Gerencia Lista de Stopwords"));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(10, 10, 10, 10);
  grid->setVerticalSpacing(4);
  grid->addWidget(new QLabel(QStringLiteral("Digite letra/palavra para adicionar a lista:"), this), 0, 0, 1, 2);
  Edit1 = new QLineEdit(this);
  grid->addWidget(Edit1, 1, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Nome do Arquivo:"), this), 2, 0, 1, 2);
  Edit_nome = new QLineEdit(this);
  Edit_nome->setReadOnly(true);
  grid->addWidget(Edit_nome, 3, 0, 1, 2);
  auto button = [this](const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setStatusTip(caption);
    return b;
  };
  bt_adiciona = button(QStringLiteral("Adiciona palavra na lista"));
  bt_elimina = button(QStringLiteral("Elimina palavra corrente"));
  bt_mostra = button(QStringLiteral("Mostra lista de stop-words"));
  bt_grava = button(QStringLiteral("Grava lista de stop-words"));
  bt_grava_texto = button(QStringLiteral("Grava como texto"));
  bt_voltar = button(QStringLiteral("Voltar ao Wizard"));
  grid->addWidget(bt_adiciona, 4, 0);
  grid->addWidget(bt_elimina, 4, 1);
  grid->addWidget(bt_mostra, 5, 0);
  grid->addWidget(bt_grava, 5, 1);
  grid->addWidget(bt_grava_texto, 6, 0);
  grid->addWidget(bt_voltar, 6, 1);
  grid->setRowStretch(7, 1);

  ListBox1 = new ListBox(regional(), this);
  ListBox1->set_sorted(true);
  ListBox1->setMinimumWidth(170);
  grid->addWidget(ListBox1, 0, 2, 8, 1);
  grid->setColumnStretch(2, 1);

  resize(620, 320);
}

}  // namespace lumeral::gui
