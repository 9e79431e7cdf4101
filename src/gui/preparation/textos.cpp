#include "gui/preparation/textos.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "core/base/text.h"
#include "core/preparation/collection.h"
#include "core/preparation/word_lists.h"
#include "core/records/weighted.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/base/table_export.h"
#include "gui/preparation/unit_textos.h"
#include "gui/shell/barra_progresso.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

TForm1::TForm1(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  connect(Abrelistadestopwords1, &QAction::triggered, this, [this] { Abrelistadestopwords1Click(); });
  connect(Analisatextos1, &QAction::triggered, this, [this] { Analisatextos1Click(); });
  connect(Abrelista1, &QAction::triggered, this, [this] { Abrelista1Click(); });
  connect(Eliminapalavra1, &QAction::triggered, this, [this] { Eliminapalavra1Click(); });
  connect(Gravalista1, &QAction::triggered, this, [this] { Gravalista1Click(); });
  connect(Gravacomotexto1, &QAction::triggered, this, [this] { Gravacomotexto1Click(); });
  connect(Gravacomoconceito1, &QAction::triggered, this, [this] { Gravacomoconceito1Click(); });
  connect(Ordenadecrescente1, &QAction::triggered, this, [this] { Ordenadecrescente1Click(); });
  connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
  connect(Nuvemdepalavras1, &QAction::triggered, this, [this] { Nuvemdepalavras1Click(); });
  add_row_action(ListBox1, Concordancia1, [this](int row) { Concordancia1Click(row); });
  add_export_action(*this, Gravacomotexto1,
                    [this] { return exporting::weighted_rows_table(palavras, "Palavra", "Peso"); });
}

void TForm1::mostra_palavras() {
  ListBox1->set_rows(palavras, preparation::word_list_line);
  Edit_total->setText(QString::number(ListBox1->count()));
}

void TForm1::Abrelistadestopwords1Click() {
  command([this] {
    auto file = platform().open_file(this, {QStringLiteral("Selecione uma lista de stopwords"),
                                            QStringLiteral("listas de stop-words (*.stw)|*.stw"), QString(),
                                            QString()});
    if (file) Edit_stop->setText(file->trimmed());
  });
}

void TForm1::set_stopwords(const QString& lista) { Edit_stop->setText(lista); }

void TForm1::Analisatextos1Click() {
  command([this] {
    const fs::path stopwords = preparation::require_stopword_field(ansi(Edit_stop->text()));
    palavras.clear();
    ListBox1->clear();
    const std::optional<shell::Project> project = windows().wizard_project();
    std::vector<fs::path> documents;
    if (project) {
      TForm_textos* textos = windows().Form_textos;
      if (textos)
        for (const Ansi& name : textos->textos()) documents.push_back(project->file(name));
      ProgressScope progress(windows(), qs(preparation::kWizardProgressTitle), ProgressScope::Lines::StatusSecond);
      progress.mirror_status_to_wizard();
      preparation::build_word_lists(documents, stopwords, project, regional(), progress,
                                    windows().wizard_state().stem, preparation::collection_reading(project->folder));
      return;
    }
    const QStringList files = platform().open_files(
        this, {QStringLiteral("Selecione um ou mais textos (ctrl ou shift)"),
               QStringLiteral("arquivos textos (*.txt)|*.txt"), QString(), QString()});
    if (files.isEmpty()) return;
    for (const QString& f : files) documents.push_back(path_of(f));
    StatusProgress progress(StatusBar1);
    // The documents are read as their folder was prepared.
    preparation::build_word_lists(documents, stopwords, std::nullopt, regional(), progress, std::nullopt,
                                  preparation::documents_reading(documents));
  });
}

void TForm1::Abrelista1Click() {
  command([this] {
    palavras.clear();
    ListBox1->clear();
    // The threshold is read before the dialog: a text that is no number stops here.
    regional().parse_threshold(ansi(Edit_limiar->text()));
    auto file = platform().open_file(
        this, {QStringLiteral("Selecione uma lista de palavras"),
               QStringLiteral("lista de palavras com pesos (*.lpl)|*.lpl|contextos (*.ctt)|*.ctt|todos arquivos "
                              "(*.*)|*.*"),
               QString(), QString()});
    if (!file) return;
    palavras = preparation::open_word_list(path_of(*file), ansi(Edit_limiar->text()), regional());
    mostra_palavras();
  });
}

void TForm1::Eliminapalavra1Click() {
  const int row = ListBox1->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= palavras.size()) return;
  palavras.erase(palavras.begin() + row);
  delete ListBox1->takeItem(row);
  Edit_total->setText(QString::number(ListBox1->count()));
}

void TForm1::Gravalista1Click() {
  command([this] {
    auto file = platform().save_file(this, {QStringLiteral("Grava lista de palavras"),
                                            QStringLiteral("listas de palavras (*.lpl)|*.lpl"), QStringLiteral("lpl"),
                                            QString()});
    if (!file) throw Stop(preparation::kNotSaved, MessageKind::Information);
    preparation::save_word_list(path_of(*file), palavras, regional());
  });
}

void TForm1::Gravacomotexto1Click() {
  command([this] {
    auto file = platform().save_file(this, {QStringLiteral("Grava lista como texto"),
                                            QStringLiteral("arquivos texto (*.txt)|*.txt"), QStringLiteral("txt"),
                                            QString()});
    if (!file) return;
    preparation::save_word_list_as_text(path_of(*file), palavras);
  });
}

void TForm1::Gravacomoconceito1Click() {
  command([this] {
    auto file = platform().save_file(this, {QStringLiteral("Grava lista como conceito"),
                                            QStringLiteral("contextos (*.ctt)|*.ctt"), QStringLiteral("ctt"),
                                            QString()});
    if (!file) throw Stop(preparation::kNotSaved, MessageKind::Information);
    preparation::save_word_list_as_context(path_of(*file), palavras, regional());
  });
}

void TForm1::Ordenadecrescente1Click() {
  command([this] {
    ListBox1->set_sorted(false);
    StatusProgress progress(StatusBar1);
    const auto order = records::weight_order(
        palavras.size(), [this](std::size_t i) { return regional().parse(palavras[i].weight); }, progress);
    records::apply_order(palavras, order);
    mostra_palavras();
  });
}

void TForm1::CheckBox1Click() {
  ListBox1->set_sorted(!ListBox1->sorted());
  mostra_palavras();
}

void TForm1::Nuvemdepalavras1Click() {
  command([this] {
    windows().open_nuvem_palavras(
        {QStringLiteral("Lista de palavras"), [this] { return charts::cloud_of_word_rows(palavras, regional()); }});
  });
}

void TForm1::Concordancia1Click(int row) {
  command([this, row] {
    if (row < 0 || static_cast<std::size_t>(row) >= palavras.size()) return;
    std::filesystem::path lista;
    if (auto project = windows().wizard_open_project(); project && std::filesystem::exists(project->doc_list()))
      lista = project->doc_list();
    windows().open_concordancia(lista, {trim(palavras[static_cast<std::size_t>(row)].name)});
  });
}

}  // namespace lumeral::gui
