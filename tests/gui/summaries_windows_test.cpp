// The summary windows on the prepared sample collection against lumeral-cli:
// `form_resumo` with "Ver resumos" of the wizard's ontology editor, and the
// contextual summary `res_contextual` with the sample's ontology.
#include <QTextBlock>
#include <QTextCursor>

#include "gui/shell/ontologia.h"
#include "gui/summaries/resumo.h"
#include "gui/summaries/resumo_contextual.h"
#include "tools_fixture.h"

namespace lumeral::gui::testing {
namespace {

class Summaries : public RoadTest {
 protected:
  Tform_resumo& f() { return *windows->form_resumo; }
  std::vector<std::string> shown() {
    std::vector<std::string> out;
    for (QTextBlock b = ui(f()).RichEdit_resumos->document()->begin(); b.isValid(); b = b.next())
      out.push_back(b.text().toStdString());
    if (out.size() == 1 && out[0].empty()) out.clear();
    return out;
  }
  // The texts shown in bold green.
  QStringList marked() {
    QStringList out;
    for (QTextBlock b = ui(f()).RichEdit_resumos->document()->begin(); b.isValid(); b = b.next())
      for (auto it = b.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().fontWeight() == QFont::Bold) out << it.fragment().text();
    return out;
  }
  void open_list() {
    platform.answer(q(proj / "noticias.ldc"));
    f().Abrelistadedocs1Click();
  }
};

TEST_F(Summaries, ExtractsAsTheCommandLineWithTheSearchWordsInBold) {
  open_tools();
  open_list();
  EXPECT_EQ(ui(f()).Edit_entrada->text(), "noticias.ldc");
  EXPECT_EQ(utf8_lines(ui(f()).ListBox_docs->lines()), dumped_names(cli_run({"dump", c("noticias.ldc")}).out));

  struct Case {
    QString search;      // the search lines
    int condition;       // 0 "Sem restrições", 1 "Contendo palavras"
    int boolean;         // 0 "E", 1 "OU"
    int around;
    std::vector<std::string> args;
  } cases[] = {
      {QStringLiteral("juros"), 1, 0, 0, {"juros"}},
      {QStringLiteral("juros\nbanco"), 1, 0, 1, {"--around", "1", "juros", "banco"}},
      {QStringLiteral("futebol\nsaúde"), 1, 1, 2, {"--or", "--around", "2", "futebol", "saúde"}},
      {QStringLiteral("juros"), 0, 0, 0, {"--unrestricted", "juros"}},
      // More than ten sentences around cannot be asked for: the field stops at ten.
      {QStringLiteral("vacina"), 1, 0, 11, {"--around", "10", "vacina"}},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.search.toStdString());
    ui(f()).Memo_palavras->setPlainText(k.search);
    ui(f()).RadioGroup_condicoes->set_item_index(k.condition);
    ui(f()).RadioGroup_boolean->set_item_index(k.boolean);
    ui(f()).SpinEdit_frases->setValue(k.around);
    f().Extrairresumos1Click();
    std::vector<std::string> args{"summarize", "--docs", c("noticias.ldc")};
    args.insert(args.end(), k.args.begin(), k.args.end());
    const auto expected = lines_of(cli_run(args).out);
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(shown(), expected);
    EXPECT_EQ(utf8_lines(f().resumos()), expected);
    // Every search line is shown in bold wherever a marked sentence holds it.
    QStringList words = k.search.split('\n');
    for (const QString& m : marked()) EXPECT_TRUE(words.contains(m)) << m.toStdString();
    if (k.condition == 1) {
      EXPECT_FALSE(marked().isEmpty());
    }
    EXPECT_EQ(ui(f()).RichEdit_resumos->textCursor().position(), 0);  // back at the start
  }
  EXPECT_EQ(platform.messages.size(), 0u);

  // Only the selected document: "?" does not end a sentence there.
  ui(f()).RadioGroup_apresentacao->set_item_index(1);
  ui(f()).Memo_palavras->setPlainText("juros");
  ui(f()).SpinEdit_frases->setValue(1);
  // A current row that nobody highlighted is no choice.
  ui(f()).ListBox_docs->setCurrentRow(0, QItemSelectionModel::NoUpdate);
  ui(f()).ListBox_docs->clearSelection();
  f().Extrairresumos1Click();
  EXPECT_EQ(messages(), QStringList{"Selecione um documento antes de extrair resumo."});
  platform.messages.clear();
  ui(f()).ListBox_docs->setCurrentRow(2);
  f().Extrairresumos1Click();
  const std::string selected = to_utf8(ui(f()).ListBox_docs->line(2));
  EXPECT_EQ(shown(), lines_of(cli_run({"summarize", "--docs", c("noticias.ldc"), "--only", selected, "--around", "1",
                                       "juros"})
                                  .out));

  // Saved as text: the result lines.
  platform.answer(q(proj / "resumo"));
  f().Salvarresumoscomotexto1Click();
  EXPECT_EQ(utf8_lines(text_lines(proj / "resumo.txt")), shown());

  // A double click on a document shows its text.
  f().ListBox_docsDblClick();
  EXPECT_EQ(viewer_lines(*windows), text_lines(proj / selected));
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();

  // (The refusals of the selection and of a missing selected text are the
  // core's tests.)
  ui(f()).SpinEdit_frases->setValue(0);
  const auto names = utf8_lines(ui(f()).ListBox_docs->lines());
  // Every document: the ones before the missing text stay shown.
  fs::remove(proj / names[6]);
  fs::remove(cli / names[6]);
  ui(f()).RadioGroup_apresentacao->set_item_index(0);
  ui(f()).Memo_palavras->setPlainText("juros");
  platform.messages.clear();
  f().Extrairresumos1Click();
  auto run = cli_run({"summarize", "--docs", c("noticias.ldc"), "juros"}, false);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Arquivo texto não existe !")});
  EXPECT_EQ(shown(), lines_of(run.out));
  EXPECT_FALSE(shown().empty());

  // "Abre lista de docs" cancelled: the list is emptied and nothing more.
  platform.cancel_next();
  f().Abrelistadedocs1Click();
  EXPECT_EQ(ui(f()).ListBox_docs->count(), 0);
}

// "Ver resumos" in the ontology editor: the summaries window opens on the
// project's list without a dialog, the list locked; the tools window
// unlocks it.
TEST_F(GuiTest, VerResumosOpensTheProjectList) {
  const fs::path folder = tmp / "noticias";
  write_file(folder / "a.txt", "Os juros subiram.\r\n");
  write_file(folder / "b.txt", "O time venceu.\r\n");
  start_new_project();
  fill_project("Noticias", folder);
  w().bit_avancarClick();
  w().bit_avancarClick();
  ASSERT_EQ(w().passo_corrente(), 3) << messages().join("|").toStdString();
  ui(w()).RadioGroup3->set_item_index(1);
  ui(w().ontologia).RadioGroup_tipo->set_item_index(0);
  w().ontologia->bt_ok_ontologiaClick();
  ASSERT_TRUE(ui(w().ontologia).bt_ver_resumos->isEnabled());

  const std::size_t dialogs = platform.dialogs.size();
  w().ontologia->bt_ver_resumosClick();
  Tform_resumo& f = *windows->form_resumo;
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(platform.dialogs.size(), dialogs);  // no dialog of its own
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(ui(f).Edit_entrada->text(), "Noticias.ldc");
  EXPECT_EQ(ui(f).ListBox_docs->lines(), lumeral::testing::listed_documents(folder / "Noticias.ldc"));
  EXPECT_FALSE(ui(f).Abrelistadedocs1->isEnabled());
  EXPECT_FALSE(ui(f).Edit_entrada->isEnabled());

  w().hide();
  windows->create_Form3()->bt_resumoClick();
  EXPECT_TRUE(ui(f).Abrelistadedocs1->isEnabled());
  EXPECT_TRUE(ui(f).Edit_entrada->isEnabled());
}

class ContextualSummaries : public RoadTest {
 protected:
  Tres_contextual& f() { return *windows->res_contextual; }
  void choose_lists() {
    platform.answer(q(proj / "noticias.ldc"));
    f().Button_docsClick();
    platform.answer(q(proj / "noticias.lct"));
    f().Button_contextosClick();
  }
};

TEST_F(ContextualSummaries, SummariesOfTheCommandLine) {
  open_tools();
  choose_lists();
  EXPECT_EQ(utf8_lines(ui(f()).ListBox_contextos->lines()), dumped_names(cli_run({"dump", c("noticias.lct")}).out));

  // Browsing a context shows its entries.
  ui(f()).ListBox_contextos->setCurrentRow(1);
  f().ListBox_contextosClick();
  const auto entries = dumped_names(cli_run({"dump", c(to_utf8(ui(f()).ListBox_contextos->line(1)) + ".ctt")}).out);
  const auto terms = utf8_lines(ui(f()).ListBox_termos->lines());
  ASSERT_EQ(terms.size(), entries.size());
  for (std::size_t i = 0; i < terms.size(); ++i) EXPECT_EQ(terms[i], entries[i].substr(0, terms[i].size()));

  struct Case {
    QString contexts, excluded, count;
    int op;
    std::vector<std::string> args;
  } cases[] = {
      {"economia", "", "", 0, {"economia"}},
      {"economia\npolitica", "", "1", 0, {"economia", "politica", "--sentences", "1"}},
      {"esporte\nsaude", "economia", "2", 1, {"esporte", "saude", "--not", "economia", "--or", "--sentences", "2"}},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.contexts.toStdString());
    f().Button_limpaClick();
    ui(f()).Memo_contextos->setPlainText(k.contexts);
    ui(f()).Memo_not->setPlainText(k.excluded);
    ui(f()).Edit_frases->setText(k.count);
    ui(f()).RadioGroup_operador->set_item_index(k.op);
    f().Button_executaClick();
    std::vector<std::string> args{"contextual-summary", "--docs", c("noticias.ldc"), "--contexts", c("noticias.lct")};
    args.insert(args.end(), k.args.begin(), k.args.end());
    const auto expected = lines_of(cli_run(args).out);
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(utf8_lines(f().resumos()), expected);
    EXPECT_EQ(ui(f()).Memo_resumos->toPlainText().count('\n') + 1, static_cast<qsizetype>(expected.size()));
  }
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

TEST_F(ContextualSummaries, TheLinesMadeBeforeAMissingDocumentStay) {
  // The refusals of missing lists are the core's tests.
  open_tools();
  choose_lists();
  ui(f()).Memo_contextos->setPlainText("economia");
  // A missing document stops the run after the lines made before it.
  const auto names = dumped_names(cli_run({"dump", c("noticias.ldc")}).out);
  fs::remove(proj / names[20]);
  fs::remove(cli / names[20]);
  ui(f()).Edit_frases->clear();
  platform.messages.clear();
  f().Button_executaClick();
  auto run = cli_run({"contextual-summary", "--docs", c("noticias.ldc"), "--contexts", c("noticias.lct"), "economia"},
                     false);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(messages().size(), 1);
  EXPECT_EQ(utf8_lines(f().resumos()), lines_of(run.out));
  EXPECT_FALSE(f().resumos().empty());

  // A cancelled context-list dialog keeps the list.
  const int before = ui(f()).ListBox_contextos->count();
  platform.cancel_next();
  f().Button_contextosClick();
  EXPECT_EQ(ui(f()).ListBox_contextos->count(), before);
}

}  // namespace
}  // namespace lumeral::gui::testing
