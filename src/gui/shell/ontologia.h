// The mining wizard's ontology step inside the main window: the handlers of
// the ontology-choice panel (`Panel3`, its "OK") and the editor panel of
// `Panel_ontologia`: the ontology kind, the concept list, the rule list of
// the current concept, the new-concept box, the rule box and the commands
// that write the project's context list and context files (core functions
// of core/contexts/ontology.h). The main window owns one TOntologia,
// reached as `Mdi_Frm->ontologia`.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <filesystem>

#include "core/shell/project.h"
#include "gui/base/list_box.h"
#include "gui/base/radio_group.h"

namespace lumeral::gui {

class TMdi_Frm;

// The controls of `TOntologia`: its own and its tests' (TestAccess).
struct TOntologiaUi {
  // ---- kind
  QLabel* lb_tipo_metodo;  // "Tipo de Método:"
  QLabel* lb_tipo;         // the kind caption: "Probabilístico" / "Determinístico"
  RadioGroup* RadioGroup_tipo;   // "Escolha o Tipo de Ontologia:"
  QPushButton* bt_ok_tipo;
  RadioGroup* RadioGroup_tipo2;  // the second kind choice ("Modificar Tipo de Ontologia")
  QPushButton* bt_ok_tipo2;
  // ---- lists
  QLabel* lb_conceitos;          // "Conceitos Existentes:"
  QComboBox* ComboBox_conceitos;  // sorted, typing limited to 15 characters; its text is the current concept
  QLabel* lb_regras;             // "Regras do Conceito:"
  ListBox* ListBox_regras;       // rule + " | " + weight, kept in order
  // ---- commands
  QPushButton* bt_novo_conceito;        // "Iniciar Novo Conceito"
  QPushButton* bt_alterar_conceitos;    // "Alterar Regras de um Conceito"
  QPushButton* bt_salvar;               // "Salvar Conceitos/Regras"
  QPushButton* bt_excluir_conceito;     // "Excluir Conceito"
  QPushButton* bt_ver_centroide;        // "Ver centróide (palavras na coleção)"
  QPushButton* bt_ver_resumos;          // "Ver resumos (frases/partes dos textos)"
  QPushButton* bt_carregar_contexto;    // "Carregar Contexto"
  QPushButton* bt_carrega_lista;        // "Carrega Lista de Conceitos"
  QPushButton* bt_modificar_tipo;       // "Modificar Tipo de Ontologia"
  QPushButton* bt_nova_regra;           // "Nova Regra"
  QPushButton* bt_cancelar;             // "Cancelar"
  QPushButton* bt_alterar_conceito;     // "Alterar Conceito"
  QPushButton* bt_alterar_regra;        // "Alterar Regras do Conceito"
  QPushButton* bt_excluir_regra;        // "Excluir Regra"
  // ---- new-concept box (inside the wizard's pn_novo_conceito)
  QLabel* lb_novo_conceito;  // "Digite o Novo Conceito:"
  QLineEdit* Edit_conceito;
  QPushButton* bt_insere_conceito;  // "Insere" or "Altera"
  QPushButton* bt_cancela_conceito;  // "Cancela"
  // ---- rule box
  QWidget* pn_regra;
  QLabel* lb_regra_titulo;  // "Insira as Regras Existentes:" / "Altere a Regra:"
  QLabel* lb_regra;         // "Regra"
  QLineEdit* Edit_regra;
  QLabel* lb_peso;          // "Peso"
  QLineEdit* Edit_peso;     // mask: a digit, a comma, four digits
  QPushButton* bt_insere_regra;  // "Insere" or "Altera"
  QPushButton* bt_fechar_regra;  // "Fechar"
};

class TOntologia : public QWidget, private TOntologiaUi {
  Q_OBJECT
  friend struct TestAccess;
  friend class TMdi_Frm;  // a part of the same wizard
  using Ui = TOntologiaUi;
 public:
  // The kind choice: probabilistic or deterministic (a saved project's).
  void escolhe_tipo(bool probabilistico);
  // Builds the editor into `Panel_ontologia` (the new-concept box goes into
  // the wizard's `pn_novo_conceito`) and connects the choice's "OK".
  explicit TOntologia(TMdi_Frm& wizard);

  // Editor memory of a pending rename: the row and old text of the
  // concept being renamed (-1 and empty when none).
  int renomear_posicao = -1;
  QString renomear_antigo;

  // ---- handlers
  void bt_ok_ontologiaClick();  // the ontology choice's "OK"
  void bt_ok_tipoClick();
  void bt_ok_tipo2Click();
  void bt_novo_conceitoClick();
  void bt_alterar_conceitosClick();
  void bt_salvarClick();
  void bt_excluir_conceitoClick();
  void bt_ver_centroideClick();
  void bt_ver_resumosClick();
  void bt_carregar_contextoClick();
  void bt_carrega_listaClick();
  void bt_modificar_tipoClick();
  void bt_nova_regraClick();
  void bt_cancelarClick();
  void bt_alterar_conceitoClick();
  void bt_alterar_regraClick();
  void bt_excluir_regraClick();
  void bt_insere_conceitoClick();
  void bt_cancela_conceitoClick();
  void bt_insere_regraClick();
  void bt_fechar_regraClick();
  void ComboBox_conceitosSelect();  // a concept chosen in the list
  void bit_mutretaClick();          // the step's own "Voltar"

  // The current concept (the concept list's text) and the list's entries.
  QString conceito() const { return ComboBox_conceitos->currentText(); }
  QStringList conceitos() const;

  // The routines of the commands, shared by the choice's "OK" and the
  // level-4 restore (they run inside the caller's command).
  void escolhe_ontologia();
  void carrega_lista();
  void carregar_contexto();
  // Empties the editor and hides its boxes (the step's first look).
  void reinicia();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The captions the insert buttons switch between.
  static inline const QString kInsere = QStringLiteral("Insere");
  static inline const QString kAltera = QStringLiteral("Altera");
  // What an insert button does: add a new entry or change the one chosen.
  // Its caption shows it.
  enum class Edicao { Insere, Altera };
  Edicao edicao_conceito_ = Edicao::Insere;
  Edicao edicao_regra_ = Edicao::Insere;
  static void mostra_edicao(QPushButton* button, Edicao& field, Edicao edicao);
  void build_layout();  // ontologia_layout.cpp
  shell::OntologyKind tipo() const;  // the wizard's ontology kind
  void aplica_tipo(RadioGroup* group, QPushButton* ok);
  void mostra_regras();  // Algorithm of a concept chosen: its rules shown
  void adiciona_conceito(const QString& name);
  void salva_lista();
  void habilita_comandos(bool enable);  // the main commands
  void mostra_alteracoes(bool show);    // the alteration commands
  void pega_ctt_da_pasta();
  void arruma_camadas();                // which layer of the step is seen
  std::filesystem::path pasta() const;
  TMdi_Frm& w_;
};

}  // namespace lumeral::gui
