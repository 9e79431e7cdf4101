#include "gui/preparation/unit_textos.h"

#include <QGridLayout>

#include "core/preparation/import.h"
#include "gui/base/memory_setting.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/preparation/stop_words.h"
#include "gui/preparation/textos.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

void show_left_out(Form& form, const preparation::ImportResult& result) {
  const std::string text = preparation::left_out_message(
      result, "Para incluí-los, marque \"Converter também documentos DOCX, ODT e PDF\" na preparação dos textos "
              "e processe de novo.");
  if (!text.empty()) form.information(QString::fromStdString(text));
}

TForm_textos::TForm_textos(Windows& windows)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint), Form(windows) {
  setObjectName(QStringLiteral("Form_textos"));
  setWindowTitle(QStringLiteral("Listagem de arquivos TEXTOS e HTML encontrados no diretório"));
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("TEXTO"), this), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("HTML"), this), 0, 1);
  FileListBox1 = new ListBox(regional(), this);
  FileListBox2 = new ListBox(regional(), this);
  FileListBox3 = new ListBox(regional(), this);
  FileListBox3->hide();
  FileListBox4 = new ListBox(regional(), this);
  grid->addWidget(FileListBox1, 1, 0);
  grid->addWidget(FileListBox2, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("DOCX, ODT e PDF"), this), 0, 2);
  grid->addWidget(FileListBox4, 1, 2);
  CheckBox_formatos = new QCheckBox(QStringLiteral("Converter também documentos DOCX, ODT e PDF"), this);
  CheckBox_radicais = new QCheckBox(QStringLiteral("Agrupar variantes das palavras (radicais)"), this);
  grid->addWidget(CheckBox_formatos, 2, 0, 1, 3);
  grid->addWidget(CheckBox_radicais, 3, 0, 1, 3);
  // The wizard's reading, shown while its folder is listed and prepared.
  Label_leitura = new QLabel(this);
  Label_leitura->setObjectName(QStringLiteral("Label_leitura"));
  grid->addWidget(Label_leitura, 4, 0, 1, 3);
  resize(720, 380);
  // The options are the wizard's: a change here is a change there.
  connect(CheckBox_formatos, &QCheckBox::toggled, this,
          [this](bool on) { if (wizard_) wizard_->set_converte_formatos(on); });
  connect(CheckBox_radicais, &QCheckBox::toggled, this,
          [this](bool on) { if (wizard_) wizard_->set_agrupa_radicais(on); });
}

bool TForm_textos::executa(ImportWizard& wizard) {
  wizard_ = &wizard;
  preparation::ImportInput input = wizard.importacao();
  // Processing is requested while the wizard's third step is current.
  const bool processa = input.process;
  input.stopwords = path_of(windows().form_stop->arquivo());
  CheckBox_formatos->setChecked(wizard.converte_formatos());
  CheckBox_radicais->setChecked(wizard.agrupa_radicais());
  input.memory_budget = memory_budget(platform());
  Label_leitura->setText(QStringLiteral("Leitura dos textos: ") + QString::fromStdString(reading_caption(input.reading)));
  // The word lists are built by the word-list window, driven below.
  input.build_word_lists = false;

  // The wizard's panels are hidden while the folder is processed and shown
  // again, as they were, however the run ends.
  std::function<void()> give_back_panels = [] {};

  bool ok = true;
  command([&] {
    preparation::ImportResult result;
    if (processa) {
      show();
      raise();
      give_back_panels = wizard.esconde_paineis();
      StatusProgress progress(wizard.linha_de_progresso());
      result = preparation::run_import(input, regional(), progress);
    } else {
      result = preparation::run_import(input, regional());
    }
    FileListBox1->set_lines(result.last.texts);
    FileListBox2->set_lines(result.last.htmls);
    FileListBox3->set_lines(result.last.word_lists);
    std::vector<Ansi> office;
    for (const auto& names : result.last.office) office.insert(office.end(), names.begin(), names.end());
    FileListBox4->set_lines(office);
    show_messages(result.messages);
    if (processa || result.empty_folder) show_left_out(*this, result);
    if (result.empty_folder) {
      // Nothing to prepare: the wizard goes back to its project step.
      ok = false;
      give_back_panels();
      wizard.volta_passo1();
      return;
    }
    if (!processa) return;
    wizard.set_dividido(result.split_done);
    hide();
    // Hand over to the word-list builder, as the wizard's import always has.
    TForm1* form1 = windows().Form1;
    form1->set_stopwords(windows().form_stop->arquivo());
    form1->Analisatextos1Click();
    ok = form1->last_command_ok();
    give_back_panels();
  });
  if (!last_command_ok()) {
    ok = false;
    give_back_panels();
  }
  hide();
  wizard_ = nullptr;
  return ok;
}

}  // namespace lumeral::gui
