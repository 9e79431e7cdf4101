// The mining wizard's last two steps with scripted dialogs: the ontology
// built in the editor, the mining panel (frequency table, association text,
// filters and sorts), "resultados.wiz", the report window, and the project
// reopened at the mining step.
#include <QApplication>
#include <QKeyEvent>

#include "core/base/encoding.h"
#include "core/contexts/ontology.h"
#include "core/records/records.h"
#include "core/export/table.h"
#include "gui/association/associacao.h"
#include "gui/base/table_export.h"
#include "gui/classification/matriz.h"
#include "gui/comparison/centro_contextual.h"
#include "gui/comparison/centroide.h"
#include "gui/shell/ontologia.h"
#include "gui/mining/data_mining.h"
#include "gui/shell/minera.h"
#include "gui/mining/unit_print.h"
#include "gui/preparation/stop_words.h"
#include "gui/shell/barra_progresso.h"
#include "gui_test.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::cp1252;
using lumeral::testing::lines_of;
using lumeral::testing::run_cli;

// The sample collection's texts and pages, without its ontology.
void copy_sample_texts(const fs::path& to) {
  const fs::path sample = lumeral::testing::source_dir() / "examples" / "noticias";
  fs::create_directories(to);
  for (const auto& e : fs::directory_iterator(sample)) {
    const std::string ext = e.path().extension().string();
    if (ext == ".txt" || ext == ".htm") fs::copy_file(e.path(), to / e.path().filename());
  }
}

void type_key(QWidget* w, const QString& text, int key = 0) {
  QKeyEvent press(QEvent::KeyPress, key ? key : text.front().unicode(), Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
}

QStringList tree_rows(const QTreeWidget* t) {
  QStringList rows;
  for (int i = 0; i < t->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = t->topLevelItem(i);
    rows << item->text(0) + ";" + item->text(1) + ";" + item->text(2);
  }
  return rows;
}

QStringList text_lines(const QTextEdit* e) {
  const QString t = e->toPlainText();
  return t.isEmpty() ? QStringList() : t.split('\n');
}

QStringList out_lines(const std::string& out) {
  QStringList l;
  for (const auto& s : lines_of(out)) l << QString::fromStdString(s);
  return l;
}

class MiningTest : public GuiTest {
 protected:
  TOntologia& ed() { return *w().ontologia; }
  TMinera& mi() { return *w().minera; }

  // New project over a copy of the sample, through preparation to the
  // ontology choice.
  void prepare(const QString& title) {
    folder = tmp / "noticias";
    copy_sample_texts(folder);
    start_new_project();
    fill_project(title, folder);
    w().bit_avancarClick();
    w().bit_avancarClick();
    ASSERT_EQ(w().estado().step, 3) << messages().join("|").toStdString();
    ASSERT_TRUE(fs::exists(folder / (title.toStdString() + ".ldc")));
  }

  // A concept typed in the editor: its name, then its rules with weights.
  void type_concept(const QString& name, const std::vector<std::pair<QString, QString>>& rules) {
    ed().bt_novo_conceitoClick();
    ui(ed()).Edit_conceito->setText(name);
    ed().bt_insere_conceitoClick();
    for (const auto& [rule, weight] : rules) {
      ui(ed()).Edit_regra->setText(rule);
      ui(ed()).Edit_peso->setText(weight);
      ed().bt_insere_regraClick();
    }
    ed().bt_salvarClick();
  }

  // "Alterar Regras de um Conceito" on `name`, chosen in the list.
  void change_concept(const QString& name) {
    ed().bt_alterar_conceitosClick();
    ui(ed()).ComboBox_conceitos->setCurrentIndex(ui(ed()).ComboBox_conceitos->findText(name));
    ed().ComboBox_conceitosSelect();
  }

  // What `lumeral-cli mine` prints for the saved project: the frequency
  // rows (as "concept;absolute;relative") and the association sentences.
  std::pair<QStringList, QStringList> by_cli(const QString& title, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"mine", (folder / (title.toStdString() + ".ini")).string()};
    args.insert(args.end(), extra.begin(), extra.end());
    auto run = run_cli(args, folder);
    EXPECT_EQ(run.exit_code, 0) << run.err;
    QStringList rows, sentences;
    const QStringList out = out_lines(run.out);
    int i = 0;
    while (i < out.size() && !out[i].startsWith("Conceito\t")) ++i;
    for (++i; i < out.size() && !out[i].isEmpty(); ++i) rows << out[i].split('\t').join(';');
    for (i += 2; i < out.size(); ++i) sentences << out[i];
    return {rows, sentences};
  }

  QStringList cli_rules(const std::vector<std::string>& extra, const QString& title) {
    const std::string ldc = (folder / (title.toStdString() + ".ldc")).string();
    const std::string lct = (folder / (title.toStdString() + ".lct")).string();
    std::vector<std::string> args{"rules", "--contexts", lct, "--docs", ldc, "--pairs", (folder / "temp.ass").string(),
                                  "--sentences"};
    args.insert(args.end(), extra.begin(), extra.end());
    auto r = run_cli(args, folder);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    return out_lines(r.out);
  }

  fs::path folder;
};

TEST_F(MiningTest, TheWholeRoadOnTheSampleCollection) {
  prepare("Noticias");

  // ---- a new ontology, probabilistic, typed in the editor
  ui(w()).RadioGroup3->set_item_index(1);
  ui(ed()).RadioGroup_tipo->set_item_index(0);
  w().ontologia->bt_ok_ontologiaClick();
  EXPECT_EQ(windows->wizard_state().ontology, shell::OntologyKind::Probabilistic);
  EXPECT_EQ(windows->wizard_state().level.number, 4);
  EXPECT_FALSE(ui<WizardButtonBar>(w()).bit_avancar->isEnabled());

  type_concept("Economia", {{"juros", "0,9"}, {QStringLiteral("inflação"), "0,9"}, {"mercado", "0,6"},
                            {"economistas", "0,7"}, {"desemprego", "0,7"}});
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Inclusão de Novo Contexto com Sucesso!")});
  EXPECT_TRUE(ui<WizardButtonBar>(w()).bit_avancar->isEnabled());
  type_concept("esporte", {{"futebol", "0,9"}, {"torcida", "0,7"}, {"clube", "0,7"}, {"gols", "0,8"},
                           {"patrocínio", "0,5"}});
  type_concept("Ambiente", {{"desmatamento", "0,9"}, {QStringLiteral("amazônia"), "0,9"}, {"floresta", "0,8"},
                            {"agronegócio", "0,6"}, {"clima", "0,7"}});
  type_concept("saude", {{QStringLiteral("saúde"), "0,9"}, {"hospitais", "0,8"}, {"vacina", "0,8"},
                         {QStringLiteral("orçamento"), "0,5"}, {"congresso", "0,4"}});
  ASSERT_EQ(ed().conceitos(), (QStringList{"ambiente", "economia", "esporte", "saude"}));
  // "Ver centróide": the collection's words in the centroid window, its
  // choices locked.
  platform.messages.clear();
  ed().bt_ver_centroideClick();
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_GT(ui(windows->form_centro).ListBox_centro->count(), 50);
  EXPECT_FALSE(ui(windows->form_centro).RadioGroup_metodo->isEnabled());
  windows->form_centro->hide();

  // ---- mining, probabilistic. The centroid's type and mode changed in the
  // tools window do not reach the mining step, which runs `mine`'s road.
  ui(windows->form_centro).RadioGroup_tipo->set_item_index(1);
  ui(windows->form_centro).RadioGroup_modo->set_item_index(1);
  platform.messages.clear();
  w().bit_avancarClick();
  ASSERT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(w().estado().step, 4);
  EXPECT_EQ(windows->wizard_state().level.number, 5);
  EXPECT_EQ(ui(mi()).lb_metodo->text(), QStringLiteral("Probabilístico"));
  const QStringList prob_rows = tree_rows(ui(mi()).ListView_contexto);
  const QStringList prob_text = text_lines(ui(mi()).Rich);
  {
    auto [rows, sentences] = by_cli("Noticias");
    EXPECT_EQ(prob_rows, rows);
    EXPECT_EQ(prob_text, sentences);
    EXPECT_EQ(ui(mi()).Edit_total_regras->text(), QString::number(sentences.size()));
  }
  ASSERT_EQ(prob_rows.size(), 4);
  ASSERT_FALSE(prob_text.isEmpty());
  // The term association got the language's standard list where the
  // stopword manager found it: the start folder has none here, so the
  // program's data folder.
  EXPECT_TRUE(fs::is_regular_file(path_of(ui(windows->form_rel).Edit_stop->text())));
  EXPECT_EQ(ui(windows->form_rel).Edit_stop->text(), ui(windows->form_stop).Edit_nome->text());
  EXPECT_EQ(ui(mi()).ListView_associa->topLevelItemCount(), prob_text.size());
  // The tool windows the mining step fills show its values.
  EXPECT_EQ(ui(windows->form_centro).ListBox_centro->count(), prob_rows.size());
  EXPECT_EQ(ui(windows->centro_percentual).ListBox1->count(), prob_rows.size());
  EXPECT_EQ(ui(windows->form_dm).ListBox1->count(), prob_text.size());
  EXPECT_EQ(ui(windows->form_matriz).Edit_contextos->text(), q(folder / "Noticias.lct"));

  // ---- back to the ontology, the same concepts as an existing ontology, deterministic
  w().bit_voltarClick();
  EXPECT_EQ(w().estado().step, 3);
  ui(w()).RadioGroup3->set_item_index(0);
  ui(ed()).RadioGroup_tipo->set_item_index(1);
  w().ontologia->bt_ok_ontologiaClick();
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(windows->wizard_state().context_list, q(folder / "Noticias.lct"));
  EXPECT_EQ(ed().conceitos(), (QStringList{"ambiente", "economia", "esporte", "saude"}));
  EXPECT_TRUE(ui<WizardButtonBar>(w()).bit_avancar->isEnabled());
  w().bit_avancarClick();
  ASSERT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(ui(mi()).lb_metodo->text(), QStringLiteral("Determinístico"));
  {
    auto [rows, sentences] = by_cli("Noticias");
    EXPECT_EQ(tree_rows(ui(mi()).ListView_contexto), rows);
    EXPECT_EQ(text_lines(ui(mi()).Rich), sentences);
  }

  // ---- "Recalcular" with a minimum degree and both directions, as `mine`
  // with the same options; back at the defaults, the results as before
  const QStringList det_text = text_lines(ui(mi()).Rich);
  ui(mi()).Edit_grau_minimo->setText("2");
  ui(mi()).CheckBox_duas_direcoes->setChecked(true);
  mi().bt_recalcularClick();
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  {
    auto [rows, sentences] = by_cli("Noticias", {"--grau-minimo", "2", "--duas-direcoes"});
    EXPECT_EQ(tree_rows(ui(mi()).ListView_contexto), rows);
    EXPECT_EQ(text_lines(ui(mi()).Rich), sentences);
    EXPECT_NE(sentences, det_text);
  }
  ui(mi()).Edit_grau_minimo->setText("0");
  ui(mi()).CheckBox_duas_direcoes->setChecked(false);
  mi().bt_recalcularClick();
  EXPECT_EQ(text_lines(ui(mi()).Rich), det_text);

  // ---- sorting the frequency table
  mi().ListView_contextoColumnClick(1);
  QStringList by_count = tree_rows(ui(mi()).ListView_contexto);
  for (int i = 1; i < by_count.size(); ++i)
    EXPECT_GE(by_count[i - 1].section(';', 1, 1).toInt(), by_count[i].section(';', 1, 1).toInt());
  mi().ListView_contextoColumnClick(0);
  const QStringList det_rows = tree_rows(ui(mi()).ListView_contexto);
  EXPECT_EQ(det_rows.first().section(';', 0, 0), "ambiente");

  // ---- filters: the keystroke check, then confidence and support
  mi().bt_filtro_confiancaClick();
  ui(mi()).Edit_limiar->clear();
  type_key(ui(mi()).Edit_limiar, "x");
  EXPECT_EQ(messages().last(), QStringLiteral("Número inválido"));
  EXPECT_EQ(ui(mi()).Edit_limiar->text(), "0");
  platform.messages.clear();
  ui(mi()).Edit_limiar->setText("0");
  mi().bt_calcularClick();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Informe limiar para filtrar")});
  platform.messages.clear();
  ui(mi()).Edit_limiar->clear();
  type_key(ui(mi()).Edit_limiar, "5");
  type_key(ui(mi()).Edit_limiar, "0");
  EXPECT_EQ(ui(mi()).Edit_limiar->text(), "50");
  mi().bt_calcularClick();
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(text_lines(ui(mi()).Rich), cli_rules({"--threshold", "50", "--by", "confidence"}, "Noticias"));
  EXPECT_EQ(ui(mi()).Edit_total_regras->text(), QString::number(text_lines(ui(mi()).Rich).size()));
  const int table_rows = ui(mi()).ListView_associa->topLevelItemCount();

  mi().bt_filtro_suporteClick();
  ui(mi()).Edit_limiar->setText("2");
  mi().bt_calcularClick();
  EXPECT_EQ(text_lines(ui(mi()).Rich), cli_rules({"--threshold", "2", "--by", "support"}, "Noticias"));
  EXPECT_EQ(ui(mi()).ListView_associa->topLevelItemCount(), table_rows);  // the table is not filtered

  // ---- a sort (the orders themselves: the core's tests)
  mi().bt_ordena_alfaClick();
  const QStringList shown = text_lines(ui(mi()).Rich);
  EXPECT_EQ(shown, cli_rules({"--threshold", "2", "--by", "support", "--order", "alphabetical"}, "Noticias"));

  // ---- "Grava Resultados para Portal", after a table was exported to
  // another folder: the file still goes to the project folder
  const fs::path elsewhere = folder.parent_path() / "exportadas";
  fs::create_directories(elsewhere);
  platform.answer(q(elsewhere / "frequencias.csv"));
  export_table(w(), [this] { return exporting::frequency_table(mi().linhas_frequencia()); });
  ASSERT_TRUE(fs::exists(elsewhere / "frequencias.csv"));
  platform.messages.clear();
  mi().bt_grava_resultadosClick();
  EXPECT_FALSE(fs::exists(elsewhere / "resultados.wiz"));
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Arquivo salvo com Sucesso!!!")});
  const std::string results = read_file(folder / "resultados.wiz");
  EXPECT_EQ(lines_of(results).size(), static_cast<std::size_t>(2 + det_rows.size() + table_rows));

  // ---- the report, saved as RTF and printed
  platform.messages.clear();
  mi().bt_impressaoClick();
  TFrm_print* report = windows->Frm_print;
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(ui(report).RichEdit1->toPlainText().contains(shown.first()));
  platform.answer(q(folder / "relatorio"));
  report->bt_salvarClick();
  const std::string rtf = read_file(folder / "relatorio.rtf");
  EXPECT_NE(rtf.find("Relat\\'f3rio de Minera\\'e7\\'e3o dos textos"), std::string::npos);
  report->bt_imprimirClick();
  EXPECT_EQ(platform.printed.size(), 1u);
  report->hide();

  // ---- exit with saving: the status file holds the table and the text
  w().bit_sair_salvarClick();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Arquivo salvo com Sucesso!!!")});
  const std::string status = read_file(folder / "resultados_n4.wiz");
  EXPECT_EQ(status.rfind(cp1252(det_rows.first().toStdString() + "/\r\n"), 0), 0u);
  EXPECT_NE(read_file(folder / "Noticias.ini").find("n=5\r\n"), std::string::npos);

  // ---- a new start of the program: the project reopens at the mining step
  platform.messages.clear();
  restart();
  continue_project(folder / "Noticias.ini");
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(w().estado().step, 4);
  EXPECT_EQ(tree_rows(ui(mi()).ListView_contexto), det_rows);
  EXPECT_EQ(text_lines(ui(mi()).Rich), shown);
  EXPECT_EQ(ui(mi()).Edit_total_regras->text(), QString::number(shown.size()));
  EXPECT_EQ(ui(mi()).lb_metodo->text(), QStringLiteral("Determinístico"));
  // The restore saved the project again: the status file as it was.
  EXPECT_EQ(read_file(folder / "resultados_n4.wiz"), status);
}

TEST_F(MiningTest, EditorCommandsAndTheirMessages) {
  prepare("Editor");
  ui(w()).RadioGroup3->set_item_index(1);
  ui(ed()).RadioGroup_tipo->set_item_index(0);
  w().ontologia->bt_ok_ontologiaClick();

  // Empty and duplicate names.
  ui(ed()).Edit_conceito->clear();
  ed().bt_insere_conceitoClick();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Não é possível adicionar um Conceito em Branco!")});
  EXPECT_EQ(platform.messages.back().kind, MessageKind::Warning);
  platform.messages.clear();
  type_concept("Economia", {{"juros", "1,5"}, {"pib", " ,    "}, {"juros", "0,3"}});
  // 1,5 is cut to 1; blank is 0; the same rule replaces its weight.
  EXPECT_EQ(records::read_all<records::ContextRecord>(folder / "economia.ctt"),
            (std::vector<records::ContextRecord>{{Ansi("juros"), 0.3}, {Ansi("pib"), 0}}));
  platform.messages.clear();
  ed().bt_novo_conceitoClick();
  ui(ed()).Edit_conceito->setText("ECONOMIA");
  ed().bt_insere_conceitoClick();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Não é possível adicionar um Conceito que já exista!")});
  EXPECT_TRUE(ed().conceito().isEmpty());

  // A weight of 2 is refused.
  platform.messages.clear();
  ui(ed()).Edit_conceito->setText("esporte");
  ed().bt_insere_conceitoClick();
  ui(ed()).Edit_regra->setText("gol");
  ui(ed()).Edit_peso->setText("2,0000");
  ed().bt_insere_regraClick();
  EXPECT_EQ(messages(), QStringList{QString::fromUtf8(contexts::kWeightMessage)});
  EXPECT_EQ(ui(ed()).ListBox_regras->count(), 0);

  // Changing and deleting rules; "Cancelar" leaves the file as it was.
  ed().bt_cancelarClick();
  platform.messages.clear();
  change_concept("economia");
  ASSERT_EQ(ui(ed()).ListBox_regras->count(), 2);
  EXPECT_EQ(ui(ed()).ListBox_regras->item(0)->text(), "juros | 0,3000");
  ui(ed()).ListBox_regras->clearSelection();
  ed().bt_alterar_regraClick();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Para alterar uma regra é necessário marca-la primeiramente!")});
  platform.messages.clear();
  ui(ed()).ListBox_regras->item(1)->setSelected(true);
  platform.answer_confirm(true);
  ed().bt_excluir_regraClick();
  EXPECT_EQ(platform.confirmations.last(), QStringLiteral("Deseja Excluir pib | 0,0000 ? "));
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Exclusão Concluida! ")});
  EXPECT_EQ(ui(ed()).ListBox_regras->count(), 1);
  ed().bt_cancelarClick();
  EXPECT_EQ(records::read_all<records::ContextRecord>(folder / "economia.ctt").size(), 2u);

  // "Alterar Regras do Conceito" on a selected line, then save.
  change_concept("economia");
  ui(ed()).ListBox_regras->item(0)->setSelected(true);
  ed().bt_alterar_regraClick();
  EXPECT_EQ(ui(ed()).Edit_regra->text(), "juros");
  ui(ed()).Edit_regra->setText("Selic");
  ui(ed()).Edit_peso->setText("0,8000");
  ed().bt_insere_regraClick();
  ed().bt_salvarClick();
  EXPECT_EQ(records::read_all<records::ContextRecord>(folder / "economia.ctt"),
            (std::vector<records::ContextRecord>{{Ansi("pib"), 0}, {Ansi("selic"), 0.8}}));

  // A rename: the old files go, the new ones come at the save.
  platform.messages.clear();
  change_concept("economia");
  ed().bt_alterar_conceitoClick();
  ui(ed()).Edit_conceito->setText("Financas");
  ed().bt_insere_conceitoClick();
  ed().bt_salvarClick();
  EXPECT_FALSE(fs::exists(folder / "economia.ctt"));
  EXPECT_TRUE(fs::exists(folder / "financas.ctt"));
  EXPECT_EQ(ed().conceitos(), QStringList{"financas"});

  // "Excluir Conceito": no keeps it, yes deletes its file and list entry.
  platform.messages.clear();
  ui(ed()).ComboBox_conceitos->setEditText(QString());
  ed().bt_excluir_conceitoClick();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Impossível Excluir um Conceito em Branco!")});
  ui(ed()).ComboBox_conceitos->setEditText("financas");
  platform.answer_confirm(true);
  ed().bt_excluir_conceitoClick();
  EXPECT_EQ(platform.confirmations.last(), QStringLiteral("Excluir o Conceito financas ?"));
  EXPECT_FALSE(fs::exists(folder / "financas.ctt"));
  EXPECT_TRUE(ed().conceitos().isEmpty());

  // The step's "Voltar" empties the working folder and shows the choice.
  ed().bit_mutretaClick();
  EXPECT_TRUE(fs::is_empty(folder / "temp"));

  // "Ver uma Ontologia existente": a context chosen, shown from its copy.
  platform.messages.clear();
  const fs::path sample = lumeral::testing::source_dir() / "examples" / "noticias";
  ui(w()).RadioGroup3->set_item_index(2);
  platform.answer(q(sample / "esporte.ctt"));
  w().ontologia->bt_ok_ontologiaClick();
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(ed().conceito(), "esporte");
  EXPECT_GT(ui(ed()).ListBox_regras->count(), 5);
  EXPECT_TRUE(fs::exists(folder / "temp" / "esporte.ctt"));
  EXPECT_FALSE(fs::exists(folder / "esporte.ctt"));
  EXPECT_FALSE(ui(ed()).bt_novo_conceito->isEnabled());
  EXPECT_FALSE(ui<WizardButtonBar>(w()).bit_avancar->isEnabled());

  // "Modificar Tipo de Ontologia" with no context file in the project folder.
  ed().bt_modificar_tipoClick();
  ui(ed()).RadioGroup_tipo2->set_item_index(1);
  ed().bt_ok_tipo2Click();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Não foram encontradas Ontologias no diretorio de Textos especificado!")});
  EXPECT_EQ(windows->wizard_state().ontology, shell::OntologyKind::Deterministic);

  // A rule in the deterministic kind always weighs 1.
  platform.messages.clear();
  ed().bit_mutretaClick();
  ui(w()).RadioGroup3->set_item_index(1);
  ui(ed()).RadioGroup_tipo->set_item_index(1);
  w().ontologia->bt_ok_ontologiaClick();
  ui(ed()).Edit_conceito->setText("clima");
  ed().bt_insere_conceitoClick();
  ui(ed()).Edit_regra->setText("$clima$ -mental");
  ed().bt_insere_regraClick();
  EXPECT_EQ(ui(ed()).ListBox_regras->item(0)->text(), "$clima$ -mental | 1,0000");
}

TEST_F(MiningTest, RestoreAtLevelFourOpensTheProjectsOntologyInTheEditor) {
  folder = tmp / "amostra";
  fs::create_directories(folder);
  const fs::path sample = lumeral::testing::source_dir() / "examples" / "noticias";
  for (const auto& e : fs::directory_iterator(sample)) fs::copy_file(e.path(), folder / e.path().filename());
  fs::remove(folder / "noticias.ini");
  write_project(folder / "noticias.ini", [](shell::ProjectSettings& s) {
    s.ontology_kind = shell::stored_text(shell::OntologyKind::Probabilistic);
    s.level = Ansi("4");
  });
  continue_project(folder / "noticias.ini");
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(w().estado().step, 3);
  EXPECT_EQ(windows->wizard_state().level.number, 4);
  EXPECT_EQ(windows->wizard_state().context_list, q(folder / "noticias.lct"));
  EXPECT_EQ(windows->wizard_state().ontology, shell::OntologyKind::Probabilistic);
  EXPECT_EQ(ed().conceitos(), (QStringList{"ambiente", "economia", "esporte", "politica", "saude"}));
  EXPECT_TRUE(ui<WizardButtonBar>(w()).bit_avancar->isEnabled());
  EXPECT_TRUE(fs::exists(folder / "temp" / "politica.ctt"));
  // Choosing a concept shows its rules from the working copy.
  ui(ed()).ComboBox_conceitos->setCurrentIndex(ui(ed()).ComboBox_conceitos->findText("saude"));
  ed().ComboBox_conceitosSelect();
  EXPECT_GT(ui(ed()).ListBox_regras->count(), 3);
  const std::string ini = read_file(folder / "noticias.ini");
  EXPECT_NE(ini.find("n=4\r\n"), std::string::npos);
  EXPECT_NE(ini.find(cp1252("ontologia=Probabilístico\r\n")), std::string::npos);
}

TEST_F(MiningTest, MiningStopsWhenTheContextListIsMissing) {
  prepare("Falta");
  ui(w()).RadioGroup3->set_item_index(1);
  w().ontologia->bt_ok_ontologiaClick();
  ui<WizardButtonBar>(w()).bit_avancar->setEnabled(true);
  const int level = w().estado().level.number;
  w().bit_avancarClick();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("O Wizard encontrou um problema:\n\rLista de contextos não existe")});
  // Nothing was mined: the wizard stays at the ontology step and its level,
  // and the project is not saved as mined.
  EXPECT_EQ(w().estado().step, 3);
  EXPECT_EQ(w().estado().level.number, level);
  EXPECT_LT(level, 5);
}

// The progress window of a work run on its own thread shows the same states
// at the same pauses as one reporting on the window's thread, and ends as it
// does: whole, on the work's stop ('s'), cancelled by the work ('c') or by
// "Cancelar" at the first pause ('p'); a work that stopped owes no more
// pauses, so it showed a beginning of what the window's thread showed.
TEST(ProgressPacing, WorkOnItsOwnThreadShowsWhatWorkOnTheWindowsThreadShows) {
  // The items of each part of the operation; the item, counted over the
  // parts, where it stops, and how.
  struct Case { std::vector<long long> parts; long long stop_at; char how; };
  const Case cases[] = {{{30}, -1, 0},    {{20000}, -1, 0},   {{100, 10, 3}, -1, 0}, {{}, -1, 0},
                        {{200}, 120, 's'}, {{200}, 120, 'c'}, {{5000}, -1, 'p'}};
  struct PacedPlatform : ScriptedPlatform {
    std::function<void(int)> on_pause;
    void pause(int ms) override { on_pause(ms); ScriptedPlatform::pause(ms); }
  } platform;
  Windows windows(platform, Regional::for_locale("pt_BR"));
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    const auto work = [&c](Progress& p) {
      long long done = 0;
      for (std::size_t part = 0; part < c.parts.size(); ++part) {
        p.status("Parte " + std::to_string(part));
        for (long long i = 0; i < c.parts[part]; ++i, ++done) {
          if (done == c.stop_at && c.how == 's') throw Stop("Parou no item " + std::to_string(done));
          if (done == c.stop_at) LongWork::request_cancel();
          p.detail("Item " + std::to_string(i));
          p.bar(i, c.parts[part] - 1);
          p.checkpoint();
        }
      }
    };
    // What the window shows at each pause, and how the operation ended.
    const auto watch = [&](bool own_thread) {
      QStringList seen;
      platform.on_pause = [&](int ms) {
        const auto& u = ui(*windows.Frm_process);
        seen << QStringLiteral("%1|%2|%3/%4|%5").arg(u.Label1->text(), u.Label2->text()).arg(u.ProgressBar1->value())
                    .arg(u.ProgressBar1->maximum()).arg(ms);
        if (c.how == 'p') LongWork::request_cancel();
      };
      QString end = QStringLiteral("inteira");
      try {
        ProgressScope scope(windows);
        own_thread ? scope.run(work) : work(scope);
      } catch (const Cancelled&) {
        end = QStringLiteral("cancelada");
      } catch (const Stop& stop) {
        end = QString::fromStdString(stop.what());
      }
      LongWork::clear_cancel();
      return std::pair{seen, end};
    };
    const auto [direct, direct_end] = watch(false);
    const auto [relayed, relayed_end] = watch(true);
    EXPECT_EQ(relayed_end, direct_end);
    EXPECT_EQ(relayed, c.how ? direct.mid(0, relayed.size()) : direct);
  }
}

}  // namespace
}  // namespace lumeral::gui::testing
