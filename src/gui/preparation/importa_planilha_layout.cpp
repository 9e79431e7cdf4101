#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/base/widgets.h"
#include "gui/preparation/importa_planilha.h"

namespace lumeral::gui {

void Tform_importa_planilha::build_layout() {
  setWindowTitle(QStringLiteral("Importar planilha"));
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(12, 12, 12, 4);
  auto* form = new QFormLayout;

  auto linha = [&](QLineEdit*& edit, QPushButton*& button, const QString& hint) {
    auto* h = new QHBoxLayout;
    edit = new QLineEdit(this);
    h->addWidget(edit, 1);
    button = command_button(QStringLiteral("Escolher..."), hint, this);
    h->addWidget(button);
    return h;
  };
  form->addRow(QStringLiteral("Planilha (CSV, XLSX, ODS):"),
               linha(Edit_arquivo, bt_arquivo, QStringLiteral("Escolhe o arquivo da tabela")));
  Edit_arquivo->setReadOnly(true);
  ComboBox_planilha = new QComboBox(this);
  ComboBox_planilha->setEnabled(false);
  form->addRow(QStringLiteral("Folha:"), ComboBox_planilha);
  ListBox_texto = new QListWidget(this);
  ListBox_texto->setMinimumHeight(120);
  ListBox_texto->setStatusTip(QStringLiteral("Marque a coluna do texto (ou várias, juntadas na ordem do cabeçalho)"));
  form->addRow(QStringLiteral("Colunas do texto:"), ListBox_texto);
  ComboBox_id = new QComboBox(this);
  form->addRow(QStringLiteral("Nome dos documentos:"), ComboBox_id);
  form->addRow(QStringLiteral("Pasta a criar:"),
               linha(Edit_pasta, bt_pasta, QStringLiteral("Escolhe a pasta nova (ou vazia) dos documentos")));
  v->addLayout(form);
  auto* nota = new QLabel(QStringLiteral("Cada linha vira um documento; as outras colunas viram as variáveis dos "
                                         "documentos, gravadas na pasta como <nome da pasta>.var."),
                          this);
  nota->setWordWrap(true);
  v->addWidget(nota);

  auto* botoes = new QHBoxLayout;
  botoes->addStretch(1);
  bt_importa = command_button(QStringLiteral("Importar"), QStringLiteral("Cria a pasta com os documentos"), this);
  bt_importa->setDefault(true);
  bt_fechar = new QPushButton(QStringLiteral("Fechar"), this);
  botoes->addWidget(bt_importa);
  botoes->addWidget(bt_fechar);
  v->addLayout(botoes);
  Memo_resultado = new QPlainTextEdit(this);
  Memo_resultado->setReadOnly(true);
  Memo_resultado->setMaximumHeight(110);
  v->addWidget(Memo_resultado);
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(false);
  v->addWidget(StatusBar1);
  resize(620, 520);
}

}  // namespace lumeral::gui
