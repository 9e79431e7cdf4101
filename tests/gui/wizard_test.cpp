// The mining wizard's road through its first three steps, with scripted
// dialogs: the entry menu, the project step, the preparation step, the
// processing of a collection, the project file, the restore, the exits.
#include <QFont>
#include <QStatusTipEvent>

#include <map>

#include "core/base/encoding.h"
#include "gui/mining/minera.h"
#include "gui/preparation/stop_words.h"
#include "gui/preparation/textos.h"
#include "gui/preparation/unit_textos.h"
#include "gui_test.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::cp1252;
using lumeral::testing::run_cli;

QString q(const fs::path& p) { return QString::fromStdString(p.string()); }

// Every regular file of a folder with its bytes.
std::map<std::string, std::string> files_of(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::directory_iterator(folder))
    if (e.is_regular_file()) files[e.path().filename().string()] = read_file(e.path());
  return files;
}

// A small collection: two texts and an HTML page.
void write_collection(const fs::path& folder) {
  write_file(folder / "noticia1.txt", cp1252("A economia cresceu 3,5% em 2004.\r\nO mercado reagiu bem à notícia.\r\n"));
  write_file(folder / "noticia2.txt", cp1252("O time venceu o jogo de futebol.\r\nA torcida comemorou a vitória.\r\n"));
  write_file(folder / "pagina.htm", cp1252("<html><body><p>Eleições &amp; política</p>\r\n<p>O governo anunciou.</p></body></html>\r\n"));
}

bool bold(const QLabel* label) { return label->font().bold(); }

TEST_F(GuiTest, StartsOnTheEntryMenuWithEveryWindowCreatedHiddenInOrder) {
  // The windows built so far, in the program's creation order.
  const QStringList order{"Mdi_Frm", "form_stop", "form_cont", "form_matriz", "form_consulta", "Form1",
                          "form_resumo", "form_resumo2", "form_ger_doc", "form_separador", "form_ldoc",
                          "form_centro", "form_elimina", "form_rel", "form_recbool", "form_cluster",
                          "form_show_matriz", "form_aval1", "res_contextual", "form_classifica3", "form_dm",
                          "form_classifica2", "form_medidas", "centro_percentual", "form_regras", "res_auto",
                          "form_recsim", "result_recsim", "Form2", "Form12"};
  const QStringList created = windows->creation_order();
  QStringList expected;
  for (const QString& name : order)
    if (created.contains(name)) expected << name;
  EXPECT_EQ(created, expected);
  for (const char* name : {"Mdi_Frm", "form_stop", "form_cont", "form_matriz", "Form1", "form_ger_doc",
                           "form_centro", "form_rel", "form_dm", "centro_percentual", "result_recsim"})
    EXPECT_TRUE(created.contains(name)) << name;
  EXPECT_FALSE(w().pnEntrada->isHidden());
  EXPECT_TRUE(w().GroupBox1->isHidden());
  EXPECT_TRUE(w().Panel_Botoes->isHidden());
  EXPECT_TRUE(w().botao_1_on->isHidden());
  EXPECT_EQ(w().l_nivel->text(), "0");
  EXPECT_EQ(w().l_salvo->text(), "0");
  EXPECT_EQ(w().Label24->text(), "0");
  EXPECT_EQ(w().Label17->text(), q(tmp / "start"));
  EXPECT_EQ(w().Label3->text(), q(tmp / "home" / "lmr" / "projetos"));
  EXPECT_FALSE(windows->form_stop->isVisible());
  EXPECT_FALSE(windows->Form1->isVisible());
  EXPECT_EQ(w().RadioGroup1->item_index(), 0);
}

TEST_F(GuiTest, HintsShowInTheFirstStatusPanel) {
  QStatusTipEvent tip(w().bit_avancar->statusTip());
  QCoreApplication::sendEvent(&w(), &tip);
  EXPECT_FALSE(w().bit_avancar->statusTip().isEmpty());
  EXPECT_EQ(w().panel_hint->text(), w().bit_avancar->statusTip());
  // A command button's hint is its tooltip too.
  EXPECT_EQ(w().bit_sair_salvar->toolTip(), w().bit_sair_salvar->statusTip());
}

TEST_F(GuiTest, ClockShowsWeekdayDateAndTime) {
  platform.clock = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7));
  w().Timer1Timer();
  EXPECT_EQ(w().panel_data->text(), QStringLiteral("Terça-feira 08/12/2026"));
  EXPECT_EQ(w().panel_hora->text(), QStringLiteral("09:05:07"));
}

TEST_F(GuiTest, EntryMenuLeadsToTheWelcomeGroupAndAnEmptyProjectStep) {
  w().bt_ok_entradaClick();
  EXPECT_TRUE(w().pnEntrada->isHidden());
  EXPECT_FALSE(w().GroupBox1->isHidden());
  EXPECT_FALSE(w().Panel_Botoes->isHidden());
  EXPECT_TRUE(w().bit_avancar->isHidden());
  EXPECT_TRUE(w().bit_voltar->isHidden());
  EXPECT_TRUE(w().bit_sair_salvar->isHidden());
  EXPECT_FALSE(w().bit_inicio->isHidden());

  w().Edit_titulo->setText("left over");
  w().bt_ok_bemvindoClick();
  EXPECT_EQ(w().passo_corrente(), 1);
  EXPECT_EQ(w().l_nivel->text(), "1");
  EXPECT_TRUE(bold(w().lb_passo1));
  EXPECT_FALSE(bold(w().lb_passo2));
  EXPECT_FALSE(w().botao_4_off->isHidden());
  EXPECT_TRUE(w().Edit_titulo->text().isEmpty());
  EXPECT_FALSE(w().pn_projeto->isHidden());
  EXPECT_TRUE(w().pn_preparacao->isHidden());
  // Later steps cannot be clicked.
  EXPECT_FALSE(w().lb_passo2->clickable());
  EXPECT_FALSE(w().botao_3_off->clickable());
}

TEST_F(GuiTest, ProjectStepStopsOnAMissingFolderOrAnEmptyTitle) {
  struct Case {
    QString title;
    bool folder_exists;
    QString message;
  };
  const Case cases[] = {
      {"Vendas", false, QStringLiteral("Diretório Inexistente!")},
      {"", true, QStringLiteral("O Campo Título está em branco e é um campo Obrigatório!")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message.toStdString());
    platform.messages.clear();
    w().bit_inicioClick();
    start_new_project();
    fs::path folder = tmp / (c.folder_exists ? "existe" : "nao-existe");
    if (c.folder_exists) fs::create_directories(folder);
    fill_project(c.title, folder);
    w().bit_avancarClick();
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.front().text, c.message);
    EXPECT_EQ(platform.messages.front().kind, MessageKind::Error);
    EXPECT_EQ(w().passo_corrente(), 1);
    EXPECT_EQ(w().l_nivel->text(), "1");
  }
  // The save after the refused step still writes the project (creating its
  // folder); a project without a title has no file name and is not saved.
  EXPECT_TRUE(fs::exists(tmp / "nao-existe" / "Vendas.ini"));
  EXPECT_FALSE(fs::exists(tmp / "existe" / ".ini"));
}

TEST_F(GuiTest, AdvancingToPreparationLoadsTheStopwordsAndWritesTheProjectFile) {
  const fs::path folder = tmp / "projeto";
  write_collection(folder);
  start_new_project();
  w().Edit_titulo->setText("Vendas 2005");
  w().Edit_cliente->setText("Cliente X");
  w().Edit_resp->setText(QStringLiteral("Conceição"));
  platform.answer(q(folder));
  w().bt_alterarClick();
  ASSERT_EQ(platform.dialogs.back().kind, "folder");
  EXPECT_EQ(platform.dialogs.back().title, QStringLiteral("O projeto será salvo em:"));
  EXPECT_EQ(w().Label3->text(), q(folder));
  EXPECT_EQ(fs::current_path(), folder);

  w().bit_avancarClick();
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(w().passo_corrente(), 2);
  EXPECT_EQ(w().l_nivel->text(), "2");
  EXPECT_TRUE(bold(w().lb_passo2));
  EXPECT_FALSE(w().pn_preparacao->isHidden());
  EXPECT_TRUE(w().pn_projeto->isHidden());
  EXPECT_TRUE(w().lb_passo1->clickable());
  EXPECT_EQ(w().ListBox_idioma->count(), 3);
  EXPECT_EQ(w().ListBox_idioma->currentRow(), 0);
  EXPECT_TRUE(windows->form_stop->Edit_nome->text().endsWith("stw-portugues.stw"));
  EXPECT_GT(windows->form_stop->ListBox1->count(), 50);
  // The text-listing window only listed the folder: nothing was written.
  EXPECT_EQ(windows->Form_textos->FileListBox1->count(), 2);
  EXPECT_EQ(windows->Form_textos->FileListBox2->count(), 1);
  EXPECT_FALSE(fs::exists(folder / "Vendas 2005.ldc"));

  const std::string expected = cp1252(
      "[NOME]\r\nnome=Vendas 2005\r\n[CLIENTE]\r\ncliente=Cliente X\r\n[RESPONSAVEL]\r\nresp=Conceição\r\n"
      "[DIR_PROJETO]\r\ndir_proj=" + folder.string() + "\r\n[LUGAR_TEXTOS]\r\nlugar_textos=1\r\n"
      "[SEPARADOR]\r\nseparador=\r\n[IDIOMA_TEXTOS]\r\nidioma_textos=0\r\n[ONTOLOGIA]\r\nontologia=\r\n"
      "[LCT]\r\nlct=\r\n[N]\r\nn=2\r\n"
      // A new project converts DOCX, ODT and PDF documents too, and reads
      // its texts the complete way.
      "[CONVERTER_DOCUMENTOS]\r\nconverter_documentos=1\r\n[LEITURA]\r\nleitura=completa\r\n");
  EXPECT_EQ(read_file(folder / "Vendas 2005.ini"), expected);
  EXPECT_EQ(read_file(folder / "resultados_n4.wiz"), "\r\n");
  EXPECT_EQ(platform.setting("dir_ini"), q(folder));

  // Choosing another language loads its standard list.
  w().ListBox_idioma->setCurrentRow(1);
  w().ListBox_idiomaClick();
  EXPECT_TRUE(windows->form_stop->Edit_nome->text().endsWith("stw-ingles.stw"));
}

TEST_F(GuiTest, VoltarKeepsTheFieldsAndTheCaptionOfALaterStepDoesNothing) {
  const fs::path folder = tmp / "projeto";
  write_collection(folder);
  start_new_project();
  fill_project("Vendas", folder);
  w().bit_avancarClick();
  ASSERT_EQ(w().passo_corrente(), 2);

  w().bit_voltarClick();
  EXPECT_EQ(w().passo_corrente(), 1);
  EXPECT_EQ(w().Edit_titulo->text(), "Vendas");
  EXPECT_EQ(w().Edit_cliente->text(), "Cliente X");
  EXPECT_EQ(w().Edit_resp->text(), "Ana");
  EXPECT_EQ(w().Label3->text(), q(folder));

  // From step 1 the step-2 caption is not clickable: a click does nothing.
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(w().lb_passo2, &press);
  EXPECT_EQ(w().passo_corrente(), 1);

  w().bit_voltarClick();  // back to the welcome group
  EXPECT_FALSE(w().GroupBox1->isHidden());
  EXPECT_TRUE(w().bit_avancar->isHidden());
  // A new project from the welcome group starts empty again.
  w().bt_ok_bemvindoClick();
  EXPECT_TRUE(w().Edit_titulo->text().isEmpty());
}

TEST_F(GuiTest, ProcessingAFolderWritesWhatTheCommandLineWrites) {
  const fs::path folder = tmp / "projeto";
  const fs::path by_cli = tmp / "por-cli";
  write_collection(folder);
  write_collection(by_cli);
  start_new_project();
  fill_project("Vendas", folder);
  w().bit_avancarClick();
  ASSERT_EQ(w().passo_corrente(), 2);
  w().bit_avancarClick();
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(w().passo_corrente(), 3);
  EXPECT_EQ(w().l_nivel->text(), "3");
  EXPECT_EQ(w().Label22->text(), "1");
  EXPECT_FALSE(w().Panel3->isHidden());
  EXPECT_FALSE(w().Panel_ontologia->isHidden());
  EXPECT_FALSE(w().bit_avancar->isEnabled());
  // A new project reads its texts the complete way, as the command line
  // does on a folder: the page's document is named after it.
  EXPECT_EQ(w().ComboBox_leitura->currentIndex(), 0);
  EXPECT_TRUE(fs::exists(folder / "pagina.htm.txt"));
  EXPECT_TRUE(fs::exists(folder / "Vendas.ldc"));
  EXPECT_TRUE(fs::exists(folder / "noticia1.lpl"));
  // The word-list window was driven with the stopword list of the manager.
  EXPECT_EQ(windows->Form1->Edit_stop->text(), windows->form_stop->Edit_nome->text());
  // The pacing of the progress display stayed within its cap.
  EXPECT_LE(platform.paused_ms, 2000);

  fs::create_directories(tmp / "cli-start");
  auto run = run_cli({"prepare", by_cli.string(), "--title", "Vendas", "--language", "pt"}, tmp / "cli-start");
  ASSERT_EQ(run.exit_code, 0) << run.err;
  auto gui_files = files_of(folder);
  gui_files.erase("Vendas.ini");
  gui_files.erase("resultados_n4.wiz");
  EXPECT_EQ(gui_files, files_of(by_cli));

  // Back to the preparation step and forward again: the level read there is
  // 2, so the collection is processed again (a changed language applies).
  fs::remove(folder / "noticia1.lpl");
  w().bit_voltarClick();
  ASSERT_EQ(w().passo_corrente(), 2);
  w().bit_avancarClick();
  EXPECT_EQ(w().passo_corrente(), 3);
  EXPECT_TRUE(fs::exists(folder / "noticia1.lpl"));
}

TEST_F(GuiTest, TheSampleCollectionPreparesAsTheCommandLineDoes) {
  struct Case {
    const char* folder;
    const char* separator;  // nullptr: several files
  };
  const Case cases[] = {{"noticias", nullptr}, {"arquivo-unico", "XXX"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    const fs::path sample = lumeral::testing::source_dir() / "examples" / c.folder;
    if (!fs::is_directory(sample)) GTEST_SKIP() << "no sample collection at " << sample;
    const fs::path folder = tmp / (std::string(c.folder) + "-gui");
    const fs::path by_cli = tmp / (std::string(c.folder) + "-cli");
    fs::copy(sample, folder);
    fs::copy(sample, by_cli);
    for (const fs::path& f : {folder, by_cli})
      for (const auto& e : fs::directory_iterator(f))
        if (e.path().extension() == ".ini" || e.path().extension() == ".ldc" || e.path().extension() == ".lpl")
          fs::remove(e.path());
    w().bit_inicioClick();
    start_new_project();
    fill_project("Amostra", folder);
    w().bit_avancarClick();
    if (c.separator) {
      w().RadioGroup_textos->set_item_index(0);
      w().Edit_separador->setText(c.separator);
    }
    w().bit_avancarClick();
    EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
    EXPECT_EQ(w().passo_corrente(), 3);
    fs::create_directories(tmp / "cli-start");
    std::vector<std::string> args{"prepare", by_cli.string(), "--title", "Amostra"};
    if (c.separator) args.insert(args.end(), {"--separator", c.separator});
    auto run = run_cli(args, tmp / "cli-start");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    auto gui_files = files_of(folder);
    gui_files.erase("Amostra.ini");
    gui_files.erase("resultados_n4.wiz");
    EXPECT_GT(gui_files.size(), 10u);
    EXPECT_EQ(gui_files, files_of(by_cli));
  }
}

TEST_F(GuiTest, SingleFileSplitsOnceAtTheSeparator) {
  const fs::path folder = tmp / "unico";
  write_file(folder / "todos.txt", "XXX um\r\ntexto\r\nXXX dois\r\n");
  start_new_project();
  fill_project("Unico", folder);
  w().bit_avancarClick();
  w().Edit_separadorClick();
  EXPECT_EQ(w().RadioGroup_textos->item_index(), 0);
  w().Edit_separador->setText("XXX");
  w().bit_avancarClick();
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(read_file(folder / "000001.txt"), "XXX um\r\ntexto\r\n");
  EXPECT_EQ(read_file(folder / "000002.txt"), "XXX dois\r\n");
  EXPECT_TRUE(fs::exists(folder / "Unico.bak"));
  EXPECT_EQ(w().Label24->text(), "1");
  EXPECT_TRUE(fs::exists(folder / "000002.lpl"));
}

TEST_F(GuiTest, SingleFileWithoutTextsGoesBack) {
  const fs::path folder = tmp / "so-html";
  write_file(folder / "a.htm", "<p>um</p>");
  start_new_project();
  fill_project("Html", folder);
  w().bit_avancarClick();
  w().RadioGroup_textos->set_item_index(0);
  w().bit_avancarClick();
  ASSERT_FALSE(messages().isEmpty());
  EXPECT_EQ(messages().front(), QStringLiteral("Confira a existencia de 0 ou mais de 1 arquivo no diretorio de textos! "));
  EXPECT_EQ(w().passo_corrente(), 2);
  EXPECT_TRUE(w().Label22->text().isEmpty());
}

TEST_F(GuiTest, AnEmptyFolderReturnsToTheProjectStep) {
  const fs::path folder = tmp / "vazio";
  fs::create_directories(folder);
  start_new_project();
  fill_project("Vazio", folder);
  w().bit_avancarClick();
  EXPECT_EQ(messages(),
            QStringList{QStringLiteral("Diretório Escolhido, sem arquivos textos ou html para serem processados")});
  EXPECT_EQ(w().passo_corrente(), 1);
  EXPECT_EQ(w().Edit_titulo->text(), "Vazio");
}

TEST_F(GuiTest, HandEditedProjectFileRestoresTheSameSettings) {
  const fs::path folder = tmp / "salvo";
  write_collection(folder);
  // Sections reordered, names in capitals, blanks around them.
  write_file(folder / "Salvo.ini",
             cp1252("[N]\r\nN=2\r\n[separador]\r\nSEPARADOR=###\r\n[Idioma_Textos]\r\nIDIOMA_TEXTOS=1\r\n"
                    "[LUGAR_TEXTOS]\r\nLUGAR_TEXTOS=0\r\n[nome]\r\nNOME=Salvo\r\n[Cliente]\r\nCliente=Loja\r\n"
                    "[RESPONSAVEL]\r\nRESP=João\r\n[DIR_PROJETO]\r\nDIR_PROJ=" +
                    folder.string() + "\r\n"));
  w().bt_ok_entradaClick();
  w().RadioGroup2->set_item_index(1);
  platform.answer(q(folder / "Salvo.ini"));
  w().bt_ok_bemvindoClick();
  ASSERT_EQ(platform.dialogs.size(), 1u);
  EXPECT_EQ(platform.dialogs[0].filter, QStringLiteral("Arquivo de configuração de projetos (*.ini)"));
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(w().Edit_titulo->text(), "Salvo");
  EXPECT_EQ(w().Edit_cliente->text(), "Loja");
  EXPECT_EQ(w().Edit_resp->text(), QStringLiteral("João"));
  EXPECT_EQ(w().Label3->text(), q(folder));
  EXPECT_EQ(w().ListBox_idioma->currentRow(), 1);
  EXPECT_TRUE(windows->form_stop->Edit_nome->text().endsWith("stw-ingles.stw"));
  // Level 2: the preparation step with its text location and separator.
  EXPECT_EQ(w().passo_corrente(), 2);
  EXPECT_EQ(w().RadioGroup_textos->item_index(), 0);
  EXPECT_EQ(w().Edit_separador->text(), "###");
  // The restore saved the project again in its own form.
  const std::string saved = read_file(folder / "Salvo.ini");
  EXPECT_EQ(saved.substr(0, 8), "[NOME]\r\n");
  EXPECT_NE(saved.find("lugar_textos=0\r\n[SEPARADOR]\r\nseparador=###\r\n"), std::string::npos);
}

TEST_F(GuiTest, RestoreStopsOnANumberThatIsNot) {
  const fs::path folder = tmp / "ruim";
  write_file(folder / "Ruim.ini", "[NOME]\r\nnome=Ruim\r\n[IDIOMA_TEXTOS]\r\nidioma_textos=dois\r\n[N]\r\nn=2\r\n");
  w().bt_ok_entradaClick();
  w().RadioGroup2->set_item_index(1);
  platform.answer(q(folder / "Ruim.ini"));
  w().bt_ok_bemvindoClick();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.contains("dois"));
  EXPECT_EQ(w().Edit_titulo->text(), "Ruim");  // set before the number was read
}

TEST_F(GuiTest, RestoreAtTheOntologyStepDoesNotProcessAgain) {
  const fs::path folder = tmp / "nivel3";
  write_collection(folder);
  write_file(folder / "Nivel.ini", "[NOME]\r\nnome=Nivel\r\n[DIR_PROJETO]\r\ndir_proj=" + folder.string() +
                                       "\r\n[LUGAR_TEXTOS]\r\nlugar_textos=1\r\n[IDIOMA_TEXTOS]\r\n"
                                       "idioma_textos=0\r\n[N]\r\nn=3\r\n");
  w().bt_ok_entradaClick();
  w().RadioGroup2->set_item_index(1);
  platform.answer(q(folder / "Nivel.ini"));
  w().bt_ok_bemvindoClick();
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(w().passo_corrente(), 3);
  EXPECT_EQ(w().Label22->text(), "1");
  EXPECT_FALSE(w().Panel3->isHidden());
  EXPECT_FALSE(fs::exists(folder / "Nivel.ldc"));
  EXPECT_NE(read_file(folder / "Nivel.ini").find("n=3\r\n"), std::string::npos);
}

TEST_F(GuiTest, RestoreAtTheMiningStepReadsTheStatusFile) {
  const fs::path folder = tmp / "nivel5";
  write_collection(folder);
  write_file(folder / "Fim.ini", cp1252("[NOME]\r\nnome=Fim\r\n[DIR_PROJETO]\r\ndir_proj=" + folder.string() +
                                        "\r\n[LUGAR_TEXTOS]\r\nlugar_textos=1\r\n[IDIOMA_TEXTOS]\r\nidioma_textos=0\r\n"
                                        "[ONTOLOGIA]\r\nontologia=Probabilístico\r\n[N]\r\nn=5\r\n"));
  write_file(folder / "resultados_n4.wiz",
             cp1252("Economia;12;37,5/\r\n\r\n--66,67%  dos textos que falam em a também falam em b.\r\n"));
  w().bt_ok_entradaClick();
  w().RadioGroup2->set_item_index(1);
  platform.answer(q(folder / "Fim.ini"));
  w().bt_ok_bemvindoClick();
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(w().passo_corrente(), 4);
  EXPECT_FALSE(w().P_Minera->isHidden());
  EXPECT_EQ(w().minera->lb_metodo->text(), QStringLiteral("Probabilístico"));
  ASSERT_EQ(w().minera->ListView_contexto->topLevelItemCount(), 1);
  EXPECT_EQ(w().minera->ListView_contexto->topLevelItem(0)->text(0), "Economia");
  EXPECT_EQ(w().minera->ListView_contexto->topLevelItem(0)->text(1), "12");
  EXPECT_EQ(w().minera->ListView_contexto->topLevelItem(0)->text(2), "37,5");
  EXPECT_EQ(w().minera->Edit_total_regras->text(), "1");
  EXPECT_EQ(w().l_nivel->text(), "5");
  EXPECT_EQ(read_file(folder / "resultados_n4.wiz"),
            cp1252("Economia;12;37,5/\r\n--66,67%  dos textos que falam em a também falam em b.\r\n"));
}

TEST_F(GuiTest, ExitButtons) {
  const fs::path folder = tmp / "sair";
  write_collection(folder);

  // "Sair, cancelando este passo" writes nothing and ends the program.
  start_new_project();
  fill_project("Sair", folder);
  w().bit_sair_cancelarClick();
  EXPECT_FALSE(w().isVisible());
  EXPECT_EQ(quits, 1);
  EXPECT_FALSE(fs::exists(folder / "Sair.ini"));
  EXPECT_TRUE(platform.settings.empty());

  // "Sair, salvando status do projeto" without a title: a message, nothing else.
  w().show();
  w().Edit_titulo->clear();
  w().bit_sair_salvarClick();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Não pode salvar sem ter um Título/Nome do projeto")});
  EXPECT_TRUE(w().isVisible());

  // With a title: saved, confirmed, closed.
  platform.messages.clear();
  w().Edit_titulo->setText("Sair");
  w().bit_sair_salvarClick();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Arquivo salvo com Sucesso!!!")});
  EXPECT_EQ(platform.messages[0].kind, MessageKind::Information);
  EXPECT_TRUE(fs::exists(folder / "Sair.ini"));
  EXPECT_EQ(w().l_salvo->text(), "1");
  EXPECT_FALSE(w().isVisible());
  EXPECT_EQ(quits, 2);
}

TEST_F(GuiTest, VoltarAoInicioResetsTheWizardState) {
  const fs::path folder = tmp / "inicio";
  write_collection(folder);
  start_new_project();
  fill_project("Inicio", folder);
  w().bit_avancarClick();
  w().label_prob->setText(QStringLiteral("Determinístico"));
  w().Label23->setText("x.lct");
  w().RadioGroup2->set_item_index(1);
  w().bit_inicioClick();
  EXPECT_FALSE(w().pnEntrada->isHidden());
  EXPECT_TRUE(w().Panel_Botoes->isHidden());
  EXPECT_TRUE(w().Panel_comeco->isHidden());
  EXPECT_EQ(w().passo_corrente(), 0);
  EXPECT_EQ(w().l_nivel->text(), "0");
  EXPECT_TRUE(w().l_salvo->text().isEmpty());
  EXPECT_TRUE(w().label_prob->text().isEmpty());
  EXPECT_TRUE(w().Label23->text().isEmpty());
  EXPECT_EQ(w().RadioGroup2->item_index(), 0);
}

}  // namespace
}  // namespace lumeral::gui::testing
