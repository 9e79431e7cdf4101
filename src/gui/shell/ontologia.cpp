#include "gui/shell/ontologia.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "core/base/encoding.h"
#include "core/base/text.h"
#include "core/contexts/ontology.h"
#include "core/records/weighted.h"
#include "gui/base/platform.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace fs = std::filesystem;
namespace ct = lumeral::contexts;

namespace {

const QString kPesoVazio = QStringLiteral(" ,    ");
const QString kPesoUm = QStringLiteral("1,0000");

}  // namespace

TOntologia::TOntologia(TMdi_Frm& wizard) : QWidget(wizard.Panel_ontologia), w_(wizard) {
  build_layout();
  // Keyboard: Enter in "Regra" moves to "Peso" when shown, else inserts;
  // Enter in "Peso" inserts.
  Edit_regra->installEventFilter(this);
  Edit_peso->installEventFilter(this);
  // The step's layers: the choice panel covers the editor, the mining
  // panel covers both; "Voltar" of the step replaces the wizard's.
  w_.Panel3->installEventFilter(this);
  w_.P_Minera->installEventFilter(this);
  w_.bit_mutreta->installEventFilter(this);
  connect(w_.bt_ok_ontologia, &QPushButton::clicked, this, [this] { bt_ok_ontologiaClick(); });
  w_.bt_ok_ontologia->setEnabled(true);
  connect(w_.bit_mutreta, &QPushButton::clicked, this, [this] { bit_mutretaClick(); });
  connect(bt_ok_tipo, &QPushButton::clicked, this, [this] { bt_ok_tipoClick(); });
  connect(bt_ok_tipo2, &QPushButton::clicked, this, [this] { bt_ok_tipo2Click(); });
  connect(bt_novo_conceito, &QPushButton::clicked, this, [this] { bt_novo_conceitoClick(); });
  connect(bt_alterar_conceitos, &QPushButton::clicked, this, [this] { bt_alterar_conceitosClick(); });
  connect(bt_salvar, &QPushButton::clicked, this, [this] { bt_salvarClick(); });
  connect(bt_excluir_conceito, &QPushButton::clicked, this, [this] { bt_excluir_conceitoClick(); });
  connect(bt_ver_centroide, &QPushButton::clicked, this, [this] { bt_ver_centroideClick(); });
  connect(bt_ver_resumos, &QPushButton::clicked, this, [this] { bt_ver_resumosClick(); });
  connect(bt_carregar_contexto, &QPushButton::clicked, this, [this] { bt_carregar_contextoClick(); });
  connect(bt_carrega_lista, &QPushButton::clicked, this, [this] { bt_carrega_listaClick(); });
  connect(bt_modificar_tipo, &QPushButton::clicked, this, [this] { bt_modificar_tipoClick(); });
  connect(bt_nova_regra, &QPushButton::clicked, this, [this] { bt_nova_regraClick(); });
  connect(bt_cancelar, &QPushButton::clicked, this, [this] { bt_cancelarClick(); });
  connect(bt_alterar_conceito, &QPushButton::clicked, this, [this] { bt_alterar_conceitoClick(); });
  connect(bt_alterar_regra, &QPushButton::clicked, this, [this] { bt_alterar_regraClick(); });
  connect(bt_excluir_regra, &QPushButton::clicked, this, [this] { bt_excluir_regraClick(); });
  connect(bt_insere_conceito, &QPushButton::clicked, this, [this] { bt_insere_conceitoClick(); });
  connect(bt_cancela_conceito, &QPushButton::clicked, this, [this] { bt_cancela_conceitoClick(); });
  connect(bt_insere_regra, &QPushButton::clicked, this, [this] { bt_insere_regraClick(); });
  connect(bt_fechar_regra, &QPushButton::clicked, this, [this] { bt_fechar_regraClick(); });
  connect(ComboBox_conceitos, qOverload<int>(&QComboBox::activated), this, [this] { ComboBox_conceitosSelect(); });
  reinicia();
}

bool TOntologia::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == w_.Panel3 || watched == w_.P_Minera) &&
      (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
    arruma_camadas();
  } else if (watched == w_.bit_mutreta &&
             (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
    // The step's own "Voltar" takes the place of the wizard's.
    w_.bit_voltar->setVisible(event->type() == QEvent::HideToParent);
  } else if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      if (watched == Edit_regra) {
        if (!Edit_peso->isHidden()) Edit_peso->setFocus();
        else bt_insere_regraClick();
        return true;
      }
      if (watched == Edit_peso) {
        bt_insere_regraClick();
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TOntologia::arruma_camadas() {
  // The choice panel lies over the editor and the mining panel over both:
  // the editor is seen only when neither covers it.
  const bool coberto = !w_.Panel3->isHidden() || !w_.P_Minera->isHidden();
  setVisible(!coberto);
  if (!w_.P_Minera->isHidden()) w_.P_Minera->raise();
}

fs::path TOntologia::pasta() const { return path_of(w_.pasta_projeto()); }

shell::OntologyKind TOntologia::tipo() const { return w_.estado().ontology; }

void TOntologia::mostra_edicao(QPushButton* button, Edicao& field, Edicao edicao) {
  field = edicao;
  button->setText(edicao == Edicao::Altera ? kAltera : kInsere);
}

QStringList TOntologia::conceitos() const {
  QStringList names;
  for (int i = 0; i < ComboBox_conceitos->count(); ++i) names << ComboBox_conceitos->itemText(i);
  return names;
}

void TOntologia::adiciona_conceito(const QString& name) {
  // The list keeps the locale's case-insensitive order.
  std::vector<Ansi> present;
  for (const QString& n : conceitos()) present.push_back(ansi(n));
  if (std::find(present.begin(), present.end(), ansi(name)) != present.end()) return;
  const auto at = records::alphabetical_position(present, ansi(name), w_.regional());
  const QString text = conceito();
  ComboBox_conceitos->insertItem(static_cast<int>(at), name);
  ComboBox_conceitos->setEditText(text);
}

void TOntologia::salva_lista() {
  std::vector<Ansi> names;
  for (const QString& n : conceitos()) names.push_back(ansi(n));
  ct::write_concept_list(w_.projeto(), names, w_.regional());
}

void TOntologia::habilita_comandos(bool enable) {
  for (QPushButton* b : {bt_novo_conceito, bt_alterar_conceitos, bt_excluir_conceito, bt_ver_centroide, bt_ver_resumos})
    b->setEnabled(enable);
}

void TOntologia::mostra_alteracoes(bool show) {
  for (QPushButton* b : {bt_alterar_conceito, bt_alterar_regra, bt_excluir_regra}) b->setVisible(show);
}

void TOntologia::reinicia() {
  RadioGroup_tipo->show();
  bt_ok_tipo->hide();  // the choice's "OK" applies it
  RadioGroup_tipo2->hide();
  bt_ok_tipo2->hide();
  pn_regra->hide();
  w_.pn_novo_conceito->hide();
  mostra_alteracoes(false);
  bt_nova_regra->setEnabled(false);
  bt_cancelar->setEnabled(false);
  bt_salvar->setEnabled(false);
  renomear_posicao = -1;
  renomear_antigo.clear();
  Edit_peso->setText(kPesoVazio);
  arruma_camadas();
}

// ---------------------------------------------------------------- the choice

void TOntologia::bt_ok_ontologiaClick() { w_.command([this] { escolhe_ontologia(); }); }

void TOntologia::escolhe_ontologia() {
  w_.bit_avancar->setEnabled(true);
  w_.bit_mutreta->show();
  switch (w_.RadioGroup3->item_index()) {
    case 0:  // "Usar uma Ontologia existente"
      w_.set_tipo(shell::OntologyKind::None);
      w_.bit_avancar->setEnabled(false);
      bt_carrega_lista->show();
      bt_carrega_lista->setEnabled(true);
      w_.pn_novo_conceito->hide();
      lb_tipo_metodo->show();
      ComboBox_conceitos->clear();
      ComboBox_conceitos->setEnabled(true);
      ListBox_regras->clear();
      ListBox_regras->setEnabled(true);
      aplica_tipo(RadioGroup_tipo, bt_ok_tipo);
      bt_carregar_contexto->hide();
      habilita_comandos(true);
      w_.Panel_ontologia->show();
      w_.indicadores(3);
      w_.Panel3->hide();
      w_.set_lista_contextos(QString());
      w_.set_nivel(4);
      carrega_lista();
      break;
    case 1:  // "Criar uma nova Ontologia"
      w_.bit_avancar->setEnabled(false);
      aplica_tipo(RadioGroup_tipo, bt_ok_tipo);
      bt_novo_conceitoClick();
      bt_carrega_lista->hide();
      bt_carregar_contexto->hide();
      lb_tipo_metodo->hide();
      bt_novo_conceito->setEnabled(false);
      bt_alterar_conceitos->setEnabled(false);
      bt_excluir_conceito->setEnabled(false);
      bt_salvar->setEnabled(true);
      w_.pn_novo_conceito->show();
      for (QWidget* c : std::initializer_list<QWidget*>{ComboBox_conceitos, ListBox_regras, lb_conceitos, lb_regras})
        c->show();
      ComboBox_conceitos->clear();
      ListBox_regras->clear();
      w_.Panel3->hide();
      w_.set_nivel(4);
      w_.bit_mutreta->setEnabled(true);
      Edit_conceito->setFocus();
      break;
    case 2:  // "Ver uma Ontologia existente"
      w_.bit_avancar->setEnabled(false);
      bt_carrega_lista->show();
      bt_carrega_lista->setEnabled(true);
      lb_tipo_metodo->show();
      aplica_tipo(RadioGroup_tipo, bt_ok_tipo);
      mostra_alteracoes(false);
      bt_carregar_contexto->show();
      w_.Panel_ontologia->show();
      w_.indicadores(3);
      for (QWidget* c : std::initializer_list<QWidget*>{ComboBox_conceitos, ListBox_regras, lb_conceitos, lb_regras}) {
        c->show();
        c->setEnabled(true);
      }
      w_.Panel3->hide();
      ComboBox_conceitos->clear();
      ListBox_regras->clear();
      w_.bit_mutreta->show();
      w_.set_nivel(4);
      carregar_contexto();
      habilita_comandos(false);
      bt_salvar->setEnabled(false);
      break;
    default:
      break;
  }
}

void TOntologia::aplica_tipo(RadioGroup* group, QPushButton* ok) {
  w_.set_tipo(group->item_index() == 1 ? shell::OntologyKind::Deterministic : shell::OntologyKind::Probabilistic);
  lb_tipo->show();
  lb_tipo_metodo->show();
  group->hide();
  ok->hide();
  ComboBox_conceitos->show();
  lb_conceitos->show();
  lb_regras->show();
}

void TOntologia::bt_ok_tipoClick() { w_.command([this] { aplica_tipo(RadioGroup_tipo, bt_ok_tipo); }); }

void TOntologia::bt_modificar_tipoClick() {
  w_.command([this] {
    RadioGroup_tipo2->set_item_index(tipo() == shell::OntologyKind::Probabilistic ? 0 : 1);
    RadioGroup_tipo2->show();
    bt_ok_tipo2->show();
  });
}

void TOntologia::bt_ok_tipo2Click() {
  w_.command([this] {
    aplica_tipo(RadioGroup_tipo2, bt_ok_tipo2);
    ListBox_regras->show();
    pega_ctt_da_pasta();
  });
}

void TOntologia::pega_ctt_da_pasta() {
  ComboBox_conceitos->clear();
  ListBox_regras->clear();
  const auto names = ct::concept_names_in_folder(pasta(), w_.regional());
  if (names.empty()) {
    w_.Panel3->show();
    w_.bit_mutreta->show();
    w_.bit_avancar->setEnabled(false);
    throw Stop("Não foram encontradas Ontologias no diretorio de Textos especificado!");
  }
  for (const Ansi& n : names) adiciona_conceito(qs(n));
  ComboBox_conceitos->setEditText(QString());
  w_.information(QStringLiteral("Pega os arquivos .ctt que tem no diretorio dos textos"));
}

// ---------------------------------------------------------------- concepts

void TOntologia::bt_novo_conceitoClick() {
  w_.command([this] {
    Edit_conceito->clear();
    ComboBox_conceitos->setEditText(QString());
    ListBox_regras->clear();
    mostra_edicao(bt_insere_conceito, edicao_conceito_, Edicao::Insere);
    w_.pn_novo_conceito->show();
    ComboBox_conceitos->setEnabled(true);
    bt_nova_regra->setEnabled(false);
    Edit_conceito->setFocus();
  });
}

void TOntologia::bt_alterar_conceitosClick() {
  w_.command([this] {
    bt_nova_regra->show();
    bt_cancelar->show();
    mostra_alteracoes(true);
    ListBox_regras->clear();
    ListBox_regras->setEnabled(true);
    bt_nova_regra->setEnabled(true);
    bt_cancelar->setEnabled(true);
    ComboBox_conceitos->setEnabled(true);
    ComboBox_conceitos->setFocus();
  });
}

void TOntologia::bt_alterar_conceitoClick() {
  w_.command([this] {
    mostra_edicao(bt_insere_conceito, edicao_conceito_, Edicao::Altera);
    Edit_conceito->setText(conceito());
    w_.pn_novo_conceito->show();
    Edit_conceito->setFocus();
  });
}

void TOntologia::bt_insere_conceitoClick() {
  w_.command([this] {
    const QString typed = Edit_conceito->text().trimmed();
    if (typed.isEmpty()) {
      w_.platform().message(&w_, QStringLiteral("Não é possível adicionar um Conceito em Branco!"), MessageKind::Warning);
      return;
    }
    const QString name = qs(lower_az(ansi(typed)));
    if (edicao_conceito_ == Edicao::Altera) {
      // A rename: the files change at the next save.
      renomear_posicao = ComboBox_conceitos->findText(conceito());
      renomear_antigo = conceito();
      ComboBox_conceitos->setEditText(name);
      w_.pn_novo_conceito->hide();
    } else {
      if (conceitos().contains(name)) {
        ComboBox_conceitos->setEditText(QString());
        Edit_conceito->setFocus();
        throw Stop("Não é possível adicionar um Conceito que já exista!");
      }
      ComboBox_conceitos->setEditText(name);
      w_.pn_novo_conceito->hide();
      bt_nova_regraClick();
      bt_nova_regra->setEnabled(false);
      Edit_regra->setFocus();
    }
    for (QWidget* c : std::initializer_list<QWidget*>{lb_conceitos, lb_regras, ListBox_regras, bt_nova_regra,
                                                      bt_cancelar, bt_alterar_conceito, bt_alterar_regra,
                                                      bt_excluir_regra})
      c->show();
  });
}

void TOntologia::bt_cancela_conceitoClick() {
  w_.command([this] {
    w_.pn_novo_conceito->hide();
    if (bt_alterar_conceito->isHidden()) {
      habilita_comandos(true);
      bt_carrega_lista->setEnabled(true);
      bt_salvar->setEnabled(false);
      bt_nova_regra->setEnabled(false);
      bt_cancelar->setEnabled(false);
      mostra_alteracoes(false);
      ComboBox_conceitos->setEnabled(true);
    }
  });
}

void TOntologia::ComboBox_conceitosSelect() { w_.command([this] { mostra_regras(); }); }

void TOntologia::mostra_regras() {
  ListBox_regras->clear();
  if (conceito().trimmed().isEmpty()) return;
  ListBox_regras->set_lines(ct::concept_rules(pasta(), ansi(conceito()), w_.regional()));
}

void TOntologia::bt_excluir_conceitoClick() {
  w_.command([this] {
    if (conceito().trimmed().isEmpty()) throw Stop("Impossível Excluir um Conceito em Branco!");
    mostra_regras();
    if (w_.platform().confirm(&w_, QStringLiteral("Excluir o Conceito ") + conceito() + QStringLiteral(" ?"))) {
      ct::delete_concept_file(pasta(), ansi(conceito()));
      const int row = ComboBox_conceitos->findText(conceito());
      if (row >= 0) ComboBox_conceitos->removeItem(row);
      ComboBox_conceitos->setEditText(QString());
      salva_lista();
      ListBox_regras->clear();
    } else {
      ComboBox_conceitos->setEditText(QString());
      ListBox_regras->clear();
    }
  });
}

void TOntologia::bt_salvarClick() {
  w_.command([this] {
    const QString name = qs(lower_az(ansi(conceito().trimmed())));
    const auto rules = ListBox_regras->lines();
    if (renomear_posicao >= 0) {
      const QString old_text = renomear_antigo;
      ct::forget_concept(w_.projeto(), ansi(old_text));
      if (renomear_posicao < ComboBox_conceitos->count() && ComboBox_conceitos->itemText(renomear_posicao) == old_text)
        ComboBox_conceitos->removeItem(renomear_posicao);
      renomear_posicao = -1;
      renomear_antigo.clear();
      adiciona_conceito(name);
      ComboBox_conceitos->setEditText(name);
      salva_lista();
      w_.show_messages(ct::save_concept(pasta(), ansi(name), rules, w_.regional()));
    } else if (!name.isEmpty()) {
      if (!conceitos().contains(name)) {
        adiciona_conceito(name);
        ComboBox_conceitos->setEditText(name);
        salva_lista();
      }
      w_.show_messages(ct::save_concept(pasta(), ansi(name), rules, w_.regional()));
    }
    pn_regra->hide();
    bt_nova_regra->setEnabled(false);
    mostra_alteracoes(false);
    bt_cancelar->setEnabled(false);
    bt_salvar->setEnabled(false);
    habilita_comandos(true);
    w_.bit_avancar->setEnabled(true);
  });
}

void TOntologia::bt_cancelarClick() {
  w_.command([this] {
    pn_regra->hide();
    bt_nova_regra->setEnabled(false);
    habilita_comandos(true);
    bt_carrega_lista->setEnabled(true);
    ComboBox_conceitos->setEditText(QString());
    ListBox_regras->clear();
    w_.pn_novo_conceito->hide();
    mostra_alteracoes(false);
    bt_cancelar->setEnabled(false);
    bt_salvar->setEnabled(false);
    renomear_posicao = -1;
    renomear_antigo.clear();
  });
}

// ---------------------------------------------------------------- rules

void TOntologia::bt_nova_regraClick() {
  w_.command([this] {
    lb_regra_titulo->setText(QStringLiteral("Insira as Regras Existentes:"));
    mostra_edicao(bt_insere_regra, edicao_regra_, Edicao::Insere);
    if (tipo() == shell::OntologyKind::None) throw Stop("Você deve escolher o Tipo de Regra primeiro");
    const bool prob = tipo() == shell::OntologyKind::Probabilistic;
    lb_peso->setVisible(prob);
    Edit_peso->setVisible(prob);
    Edit_peso->setText(prob ? kPesoVazio : kPesoUm);
    if (prob) {
      setTabOrder(Edit_regra, Edit_peso);
      setTabOrder(Edit_peso, bt_insere_regra);
    } else {
      setTabOrder(Edit_regra, bt_insere_regra);
    }
    setTabOrder(bt_insere_regra, bt_fechar_regra);
    if (conceito().trimmed().isEmpty()) {
      pn_regra->hide();
      throw Stop("Não pode inserir sem dar um nome ao conceito!", MessageKind::Information);
    }
    pn_regra->show();
    pn_regra->setEnabled(true);
    ListBox_regras->setEnabled(true);
    bt_salvar->setEnabled(true);
    bt_cancelar->setEnabled(true);
    Edit_regra->setFocus();
  });
}

void TOntologia::bt_insere_regraClick() {
  w_.command([this] {
    if (Edit_peso->isHidden()) Edit_peso->setText(kPesoUm);
    const Ansi rule = trim(ansi(Edit_regra->text()));
    if (rule.empty()) {
      // A rule without text would be stored as an empty entry.
      Edit_regra->setFocus();
      return;
    }
    const auto weight = ct::normalize_weight(ansi(Edit_peso->displayText()));
    if (!weight) {
      Edit_regra->clear();
      Edit_peso->setText(kPesoVazio);
      Edit_regra->setFocus();
      throw Stop(ct::kWeightMessage);
    }
    const Ansi line = ct::rule_line(rule, *weight);
    std::vector<Ansi> rules = ListBox_regras->lines();
    std::size_t row;
    if (edicao_regra_ == Edicao::Altera) {
      const auto selected = ListBox_regras->selected_rows();
      row = ct::change_rule(rules, selected.empty() ? rules.size() : static_cast<std::size_t>(selected.front()), line,
                            w_.regional());
      pn_regra->hide();
    } else {
      row = ct::insert_rule(rules, line, w_.regional());
    }
    ListBox_regras->set_lines(rules);
    ListBox_regras->setCurrentRow(static_cast<int>(row));
    Edit_regra->clear();
    Edit_peso->setText(Edit_peso->isHidden() ? kPesoUm : kPesoVazio);
    Edit_regra->setFocus();
  });
}

void TOntologia::bt_fechar_regraClick() { pn_regra->hide(); }

void TOntologia::bt_alterar_regraClick() {
  w_.command([this] {
    const auto selected = ListBox_regras->selected_rows();
    if (selected.empty()) throw Stop("Para alterar uma regra é necessário marca-la primeiramente!");
    const Ansi line = ListBox_regras->line(selected.front());
    lb_regra_titulo->setText(QStringLiteral("Altere a Regra:"));
    mostra_edicao(bt_insere_regra, edicao_regra_, Edicao::Altera);
    const bool prob = tipo() == shell::OntologyKind::Probabilistic;
    lb_peso->setVisible(prob);
    Edit_peso->setVisible(prob);
    Edit_regra->setText(qs(ct::rule_of(line)));
    Edit_peso->setText(qs(ct::weight_of(line)));
    pn_regra->show();
    pn_regra->setEnabled(true);
    Edit_regra->setFocus();
  });
}

void TOntologia::bt_excluir_regraClick() {
  w_.command([this] {
    const auto selected = ListBox_regras->selected_rows();
    if (selected.empty()) return;
    const QString line = ListBox_regras->item(selected.front())->text();
    if (w_.platform().confirm(&w_, QStringLiteral("Deseja Excluir ") + line + QStringLiteral(" ? "))) {
      delete ListBox_regras->takeItem(selected.front());
      w_.information(QStringLiteral("Exclusão Concluida! "));
    } else {
      w_.information(QStringLiteral("Exclusão Não Concluída! "));
    }
  });
}

// ---------------------------------------------------------------- loading

void TOntologia::bt_carregar_contextoClick() { w_.command([this] { carregar_contexto(); }); }

void TOntologia::carregar_contexto() {
  ct::ensure_temp_folder(pasta());
  auto file = w_.platform().open_file(&w_, {QStringLiteral("Escolha o Arquivo de Contextos a Exibir"),
                                            QStringLiteral("Arquivo de Contextos de projetos(*.ctt)|*.ctt"),
                                            QString(), QString()});
  if (!file) return;
  const Ansi name = ct::copy_context(pasta(), path_of(*file));
  adiciona_conceito(qs(name));
  ComboBox_conceitos->setEditText(qs(name));
  ListBox_regras->clear();
  const fs::path copy = ct::temp_folder(pasta()) / to_path(name + Ansi(".ctt"));
  if (!fs::exists(copy)) throw Stop("Não existe arquivo de contexto com este nome!");
  ListBox_regras->set_lines(ct::concept_rules(pasta(), name, w_.regional()));
  if (w_.RadioGroup3->item_index() == 0 || w_.RadioGroup3->item_index() == 1) w_.bit_avancar->setEnabled(true);
}

void TOntologia::bt_carrega_listaClick() { w_.command([this] { carrega_lista(); }); }

void TOntologia::carrega_lista() {
  ct::ensure_temp_folder(pasta());
  ComboBox_conceitos->clear();
  ListBox_regras->clear();
  fs::path list;
  if (!w_.estado().context_list.isEmpty()) {
    list = path_of(w_.estado().context_list);
  } else if (auto own = ct::default_concept_list(w_.projeto())) {
    list = *own;
  } else {
    auto file = w_.platform().open_file(
        &w_, {QString(), QStringLiteral("Arquivo de contexto(*.lct)|*.lct"), QString(), QString()});
    if (!file) {
      w_.Panel3->show();
      w_.bit_mutreta->hide();
      throw Stop("Arquivo não carregado!");
    }
    list = path_of(*file);
  }
  const int choice = w_.RadioGroup3->item_index();
  if (choice == 0) w_.set_lista_contextos(qpath(list));
  for (const Ansi& name : ct::copy_context_list(pasta(), list, choice == 0)) adiciona_conceito(qs(name));
  ComboBox_conceitos->setEditText(QString());
  if (choice == 0 || choice == 1) w_.bit_avancar->setEnabled(true);
}

void TOntologia::bit_mutretaClick() {
  w_.command([this] {
    w_.Panel3->show();
    w_.bit_mutreta->hide();
    w_.bit_avancar->setEnabled(false);
    reinicia();
    w_.show_messages(ct::clear_temp_folder(pasta()));
  });
}

// ---------------------------------------------------------------- viewing

void TOntologia::bt_ver_centroideClick() {
  w_.command([this] { w_.windows().ver_centroide_da_colecao(); });
}

void TOntologia::bt_ver_resumosClick() {
  w_.command([this] { w_.windows().ver_resumos_da_colecao(); });
}

void TOntologia::escolhe_tipo(bool probabilistico) { RadioGroup_tipo->set_item_index(probabilistico ? 0 : 1); }

}  // namespace lumeral::gui
