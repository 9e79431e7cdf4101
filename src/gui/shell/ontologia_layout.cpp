// The ontology editor's layout: the kind choices, the concept and rule
// lists, the new-concept box (in the wizard's place for it), the rule box
// and the command column.
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/shell/project.h"
#include "gui/base/form.h"
#include "gui/base/widgets.h"
#include "gui/shell/ontologia.h"
#include "gui/shell/mdi_form.h"

namespace lumeral::gui {

void TOntologia::build_layout() {
  setObjectName(QStringLiteral("editor_ontologia"));
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);

  v->addWidget(heading(QStringLiteral("Ontologia"), this));

  // Kind: caption, the first choice (shown on the choice panel, where the
  // analyst picks it before "OK") and the second one of "Modificar Tipo".
  auto* kind = new QHBoxLayout;
  lb_tipo_metodo = new QLabel(QStringLiteral("Tipo de Método:"), this);
  lb_tipo = new QLabel(this);
  lb_tipo->setObjectName(QStringLiteral("lb_tipo"));
  set_bold(lb_tipo);
  kind->addWidget(lb_tipo_metodo);
  kind->addWidget(lb_tipo);
  kind->addStretch();
  v->addLayout(kind);
  // The kinds as the project file stores them, in the choices' order.
  const QStringList kinds{qs(shell::stored_text(shell::OntologyKind::Probabilistic)),
                          qs(shell::stored_text(shell::OntologyKind::Deterministic))};
  // The first kind choice sits on the choice panel, in the wizard's place
  // for it under the options.
  QWidget* choice = w_.pn_tipo_ontologia;
  RadioGroup_tipo = new RadioGroup(QStringLiteral("Escolha o Tipo de Ontologia:"), kinds, 1, choice);
  RadioGroup_tipo->setToolTip(QStringLiteral("Probabilístico: cada regra é uma palavra com peso de 0 a 1 e o grau "
      "soma os pesos; Determinístico: cada regra é uma condição sobre uma frase e o grau conta as frases"));
  bt_ok_tipo = command_button(QStringLiteral("OK"), QStringLiteral("Aplica o tipo de ontologia escolhido"), choice);
  auto* row = new QHBoxLayout(choice);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(RadioGroup_tipo);
  row->addWidget(bt_ok_tipo, 0, Qt::AlignBottom);
  row->addStretch();
  auto* kind2 = new QHBoxLayout;
  RadioGroup_tipo2 = new RadioGroup(QStringLiteral("Escolha o Tipo de Ontologia:"), kinds, 1, this);
  RadioGroup_tipo2->setToolTip(QStringLiteral("Probabilístico: cada regra é uma palavra com peso de 0 a 1 e o grau "
      "soma os pesos; Determinístico: cada regra é uma condição sobre uma frase e o grau conta as frases"));
  bt_ok_tipo2 = command_button(QStringLiteral("OK"), QStringLiteral("Aplica o novo tipo de ontologia"), this);
  kind2->addWidget(RadioGroup_tipo2);
  kind2->addWidget(bt_ok_tipo2, 0, Qt::AlignBottom);
  kind2->addStretch();
  v->addLayout(kind2);

  // Lists on the left, commands on the right.
  auto* body = new QHBoxLayout;
  auto* lists = new QVBoxLayout;
  lb_conceitos = new QLabel(QStringLiteral("Conceitos Existentes:"), this);
  ComboBox_conceitos = new QComboBox(this);
  ComboBox_conceitos->setEditable(true);
  ComboBox_conceitos->setInsertPolicy(QComboBox::NoInsert);
  ComboBox_conceitos->lineEdit()->setMaxLength(15);
  ComboBox_conceitos->setMinimumWidth(200);
  ComboBox_conceitos->setStatusTip(QStringLiteral("Conceitos da ontologia: escolha um para ver suas regras"));
  lb_regras = new QLabel(QStringLiteral("Regras do Conceito:"), this);
  ListBox_regras = new ListBox(w_.regional(), this);
  ListBox_regras->set_sorted(true);
  ListBox_regras->setMinimumHeight(150);
  lists->addWidget(lb_conceitos);
  lists->addWidget(ComboBox_conceitos);
  lists->addWidget(lb_regras);
  lists->addWidget(ListBox_regras, 1);

  // New-concept box: in the wizard's place for it.
  QWidget* box = w_.pn_novo_conceito;
  auto* nb = new QHBoxLayout(box);
  nb->setContentsMargins(0, 4, 0, 4);
  lb_novo_conceito = new QLabel(QStringLiteral("Digite o Novo Conceito:"), box);
  Edit_conceito = new QLineEdit(box);
  Edit_conceito->setMaxLength(15);
  bt_insere_conceito = command_button(kInsere, QStringLiteral("Insere o conceito digitado"), box);
  bt_cancela_conceito = command_button(QStringLiteral("Cancela"), QStringLiteral("Fecha sem inserir"), box);
  nb->addWidget(lb_novo_conceito);
  nb->addWidget(Edit_conceito, 1);
  nb->addWidget(bt_insere_conceito);
  nb->addWidget(bt_cancela_conceito);
  lists->addWidget(box);

  // Rule box.
  pn_regra = new QWidget(this);
  auto* rb = new QVBoxLayout(pn_regra);
  rb->setContentsMargins(0, 4, 0, 4);
  lb_regra_titulo = new QLabel(QStringLiteral("Insira as Regras Existentes:"), pn_regra);
  set_bold(lb_regra_titulo);
  lb_regra = new QLabel(QStringLiteral("Regra"), pn_regra);
  Edit_regra = new QLineEdit(pn_regra);
  Edit_regra->setMaxLength(30);
  lb_peso = new QLabel(QStringLiteral("Peso"), pn_regra);
  Edit_peso = new QLineEdit(pn_regra);
  Edit_peso->setInputMask(QStringLiteral("9,9999; "));
  Edit_peso->setFixedWidth(80);
  Edit_peso->setToolTip(QStringLiteral("De 0 a 1, com vírgula (0,9; 0,75; 1): o quanto a palavra indica o conceito; "
      "em branco vale 0"));
  bt_insere_regra = command_button(kInsere, QStringLiteral("Insere a regra na lista"), pn_regra);
  bt_fechar_regra = command_button(QStringLiteral("Fechar"), QStringLiteral("Fecha a caixa de regras"), pn_regra);
  lb_regra->setFixedWidth(50);
  lb_peso->setFixedWidth(50);
  rb->addWidget(lb_regra_titulo);
  auto* rule_row = new QHBoxLayout;
  rule_row->addWidget(lb_regra);
  rule_row->addWidget(Edit_regra, 1);
  rb->addLayout(rule_row);
  auto* weight_row = new QHBoxLayout;
  weight_row->addWidget(lb_peso);
  weight_row->addWidget(Edit_peso);
  weight_row->addStretch();
  weight_row->addWidget(bt_insere_regra);
  weight_row->addWidget(bt_fechar_regra);
  rb->addLayout(weight_row);
  lists->addWidget(pn_regra);
  body->addLayout(lists, 1);

  auto* cmds = new QVBoxLayout;
  bt_novo_conceito = command_button(QStringLiteral("Iniciar Novo Conceito"), QStringLiteral("Cria um novo conceito"), this);
  bt_alterar_conceitos = command_button(QStringLiteral("Alterar Regras de um Conceito"),
                                        QStringLiteral("Escolha na lista o conceito a alterar"), this);
  bt_salvar = command_button(QStringLiteral("Salvar Conceitos/Regras"),
                             QStringLiteral("Grava o conceito e suas regras no projeto"), this);
  bt_excluir_conceito = command_button(QStringLiteral("Excluir Conceito"), QStringLiteral("Exclui o conceito do projeto"), this);
  bt_ver_centroide = command_button(QStringLiteral("Ver centróide (palavras na coleção)"),
                                    QStringLiteral("Mostra as palavras da coleção"), this);
  bt_ver_resumos = command_button(QStringLiteral("Ver resumos (frases/partes dos textos)"),
                                  QStringLiteral("Mostra frases dos textos"), this);
  bt_carregar_contexto = command_button(QStringLiteral("Carregar Contexto"),
                                        QStringLiteral("Carrega um arquivo de contexto"), this);
  bt_carrega_lista = command_button(QStringLiteral("Carrega Lista de Conceitos"),
                                    QStringLiteral("Carrega uma lista de contextos"), this);
  bt_modificar_tipo = command_button(QStringLiteral("Modificar Tipo de Ontologia"),
                                     QStringLiteral("Escolhe outro tipo de ontologia"), this);
  bt_nova_regra = command_button(QStringLiteral("Nova Regra"), QStringLiteral("Insere uma regra no conceito"), this);
  bt_cancelar = command_button(QStringLiteral("Cancelar"), QStringLiteral("Abandona o conceito em edição"), this);
  bt_alterar_conceito = command_button(QStringLiteral("Alterar Conceito"), QStringLiteral("Muda o nome do conceito"), this);
  bt_alterar_regra = command_button(QStringLiteral("Alterar Regras do Conceito"),
                                    QStringLiteral("Altera a regra marcada"), this);
  bt_excluir_regra = command_button(QStringLiteral("Excluir Regra"), QStringLiteral("Exclui a regra marcada"), this);
  for (QPushButton* b : {bt_novo_conceito, bt_alterar_conceitos, bt_salvar, bt_excluir_conceito, bt_ver_centroide,
                         bt_ver_resumos, bt_carregar_contexto, bt_carrega_lista, bt_modificar_tipo})
    cmds->addWidget(b);
  cmds->addSpacing(8);
  for (QPushButton* b : {bt_nova_regra, bt_cancelar, bt_alterar_conceito, bt_alterar_regra, bt_excluir_regra})
    cmds->addWidget(b);
  cmds->addStretch();
  body->addLayout(cmds);
  v->addLayout(body, 1);


}

}  // namespace lumeral::gui
