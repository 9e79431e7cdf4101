#include "gui/preparation/textos.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "core/base/text.h"
#include "core/preparation/word_lists.h"
#include "core/records/weighted.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/preparation/unit_textos.h"
#include "gui/shell/barra_progresso.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

TForm1::TForm1(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  setWindowTitle(QStringLiteral("Pré-processamento e Listagem de Documentos"));

  QMenuBar* menu = menuBar();
  Abrelistadestopwords1 = menu->addAction(QStringLiteral("Abre lista de stopwords"));
  Analisatextos1 = menu->addAction(QStringLiteral("Analisa textos"));
  QMenu* lista = menu->addMenu(QStringLiteral("Lista de palavras"));
  Abrelista1 = lista->addAction(QStringLiteral("Abre lista"));
  Eliminapalavra1 = lista->addAction(QStringLiteral("Elimina palavra"));
  Gravalista1 = lista->addAction(QStringLiteral("Grava lista"));
  Gravacomotexto1 = lista->addAction(QStringLiteral("Grava como texto"));
  Gravacomoconceito1 = lista->addAction(QStringLiteral("Grava como conceito"));
  Ordenadecrescente1 = lista->addAction(QStringLiteral("Ordena decrescente"));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* v = new QVBoxLayout(central);
  auto* form = new QFormLayout;
  Edit_stop = new QLineEdit(central);
  Edit_stop->setReadOnly(true);
  form->addRow(QStringLiteral("Lista de stopwords"), Edit_stop);
  auto* row = new QHBoxLayout;
  Edit_limiar = new QLineEdit(central);
  Edit_limiar->setMaximumWidth(100);
  Edit_total = new QLineEdit(central);
  Edit_total->setReadOnly(true);
  Edit_total->setMaximumWidth(100);
  row->addWidget(Edit_limiar);
  row->addSpacing(20);
  row->addWidget(new QLabel(QStringLiteral("Total de palavras:"), central));
  row->addWidget(Edit_total);
  row->addStretch();
  form->addRow(QStringLiteral("Limiar= "), row);
  v->addLayout(form);
  auto* head = new QHBoxLayout;
  head->addWidget(new QLabel(QStringLiteral("Lista de Palavras"), central));
  head->addStretch();
  CheckBox1 = new QCheckBox(QStringLiteral("listar em ordem alfabética"), central);
  head->addWidget(CheckBox1);
  v->addLayout(head);
  ListBox1 = new ListBox(regional(), central);
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  QFont mono(QStringLiteral("DejaVu Sans Mono"));
  mono.setStyleHint(QFont::Monospace);
  ListBox1->setFont(mono);
  v->addWidget(ListBox1, 1);
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);

  connect(Abrelistadestopwords1, &QAction::triggered, this, [this] { Abrelistadestopwords1Click(); });
  connect(Analisatextos1, &QAction::triggered, this, [this] { Analisatextos1Click(); });
  connect(Abrelista1, &QAction::triggered, this, [this] { Abrelista1Click(); });
  connect(Eliminapalavra1, &QAction::triggered, this, [this] { Eliminapalavra1Click(); });
  connect(Gravalista1, &QAction::triggered, this, [this] { Gravalista1Click(); });
  connect(Gravacomotexto1, &QAction::triggered, this, [this] { Gravacomotexto1Click(); });
  connect(Gravacomoconceito1, &QAction::triggered, this, [this] { Gravacomoconceito1Click(); });
  connect(Ordenadecrescente1, &QAction::triggered, this, [this] { Ordenadecrescente1Click(); });
  connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
  resize(560, 480);
}

void TForm1::mostra_total() { Edit_total->setText(QString::number(ListBox1->count())); }

void TForm1::Abrelistadestopwords1Click() {
  command([this] {
    auto file = platform().open_file(this, {QStringLiteral("Selecione uma lista de stopwords"),
                                            QStringLiteral("listas de stop-words (*.stw)|*.stw"), QString(),
                                            QString()});
    if (file) Edit_stop->setText(file->trimmed());
  });
}

void TForm1::Analisatextos1Click() {
  command([this] {
    const fs::path stopwords = preparation::require_stopword_field(ansi(Edit_stop->text()));
    ListBox1->clear();
    TMdi_Frm* wizard = windows().Mdi_Frm;
    const bool wizard_visible = wizard && wizard->isVisible();
    std::vector<fs::path> documents;
    if (wizard_visible) {
      TForm_textos* textos = windows().Form_textos;
      const fs::path folder = path_of(wizard->pasta_projeto());
      if (textos)
        for (const Ansi& name : textos->FileListBox1->lines()) documents.push_back(folder / to_path(name));
      ProgressScope progress(windows(), qs(preparation::kWizardProgressTitle), ProgressScope::Lines::StatusSecond);
      progress.mirror_status_to(wizard->panel_hint);
      preparation::build_word_lists(documents, stopwords, true, regional(), progress);
      return;
    }
    const QStringList files = platform().open_files(
        this, {QStringLiteral("Selecione um ou mais textos (ctrl ou shift)"),
               QStringLiteral("arquivos textos (*.txt)|*.txt"), QString(), QString()});
    if (files.isEmpty()) return;
    for (const QString& f : files) documents.push_back(path_of(f));
    StatusProgress progress(StatusBar1);
    preparation::build_word_lists(documents, stopwords, false, regional(), progress);
  });
}

void TForm1::Abrelista1Click() {
  command([this] {
    ListBox1->clear();
    // The threshold is read before the dialog: a text that is no number stops here.
    regional().parse_threshold(ansi(Edit_limiar->text()));
    auto file = platform().open_file(
        this, {QStringLiteral("Selecione uma lista de palavras"),
               QStringLiteral("lista de palavras com pesos (*.lpl)|*.lpl|contextos (*.ctt)|*.ctt|todos arquivos "
                              "(*.*)|*.*"),
               QString(), QString()});
    if (!file) return;
    ListBox1->add_all(preparation::open_word_list(path_of(*file), ansi(Edit_limiar->text()), regional()));
    mostra_total();
  });
}

void TForm1::Eliminapalavra1Click() {
  int row = ListBox1->currentRow();
  if (row < 0) return;
  delete ListBox1->takeItem(row);
  mostra_total();
}

void TForm1::Gravalista1Click() {
  command([this] {
    auto file = platform().save_file(this, {QStringLiteral("Grava lista de palavras"),
                                            QStringLiteral("listas de palavras (*.lpl)|*.lpl"), QStringLiteral("lpl"),
                                            QString()});
    if (!file) throw Stop(preparation::kNotSaved, MessageKind::Information);
    preparation::save_word_list(path_of(*file), ListBox1->lines(), regional());
  });
}

void TForm1::Gravacomotexto1Click() {
  command([this] {
    auto file = platform().save_file(this, {QStringLiteral("Grava lista como texto"),
                                            QStringLiteral("arquivos texto (*.txt)|*.txt"), QStringLiteral("txt"),
                                            QString()});
    if (!file) return;
    preparation::save_word_list_as_text(path_of(*file), ListBox1->lines());
  });
}

void TForm1::Gravacomoconceito1Click() {
  command([this] {
    auto file = platform().save_file(this, {QStringLiteral("Grava lista como conceito"),
                                            QStringLiteral("contextos (*.ctt)|*.ctt"), QStringLiteral("ctt"),
                                            QString()});
    if (!file) throw Stop(preparation::kNotSaved, MessageKind::Information);
    preparation::save_word_list_as_context(path_of(*file), ListBox1->lines(), regional());
  });
}

void TForm1::Ordenadecrescente1Click() {
  command([this] {
    ListBox1->set_sorted(false);
    std::vector<Ansi> lines = ListBox1->lines();
    StatusProgress progress(StatusBar1);
    records::sort_by_weight(lines, records::key_after_bar, regional(), progress);
    ListBox1->set_lines(lines);
    mostra_total();
  });
}

void TForm1::CheckBox1Click() { ListBox1->set_sorted(!ListBox1->sorted()); }

}  // namespace lumeral::gui
