#include "gui/base/table_export.h"
#include "gui/preparation/stop_words.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/records/weighted.h"
#include "core/preparation/stopword_lists.h"
#include "gui/base/platform.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

Tform_stop::Tform_stop(Windows& windows) : QWidget(nullptr), Form(windows) {
  build_layout();
  add_export_button(*this, bt_grava_texto, [this] { return exporting::lines_table(ListBox1->lines(), "Stopword"); });
  connect(bt_mostra, &QPushButton::clicked, this, [this] { bt_mostraClick(); });
  connect(bt_grava, &QPushButton::clicked, this, [this] { bt_gravaClick(); });
  connect(bt_grava_texto, &QPushButton::clicked, this, [this] { bt_grava_textoClick(); });
  connect(bt_elimina, &QPushButton::clicked, this, [this] { bt_eliminaClick(); });
  connect(bt_adiciona, &QPushButton::clicked, this, [this] { bt_adicionaClick(); });
  connect(bt_voltar, &QPushButton::clicked, this, [this] { bt_voltarClick(); });
  connect(Edit1, &QLineEdit::returnPressed, this, [this] { bt_adicionaClick(); });
}

void Tform_stop::bt_mostraClick() {
  command([this] {
    auto file = platform().open_file(this, {QString(), QStringLiteral("stop-words (*.stw)|*.stw"), QString(), QString()});
    if (!file) return;
    caminho = *file;
    Edit_nome->setText(QFileInfo(*file).fileName());
    ListBox1->clear();
    ListBox1->set_lines(preparation::open_stopword_list(path_of(*file), regional()));
  });
}

void Tform_stop::bt_gravaClick() {
  command([this] {
    auto file = platform().save_file(
        this, {QString(), QStringLiteral("stopwords (*.stw)|*.stw"), QStringLiteral("stw"), QString()});
    if (!file) throw Stop("Não gravou a lista", MessageKind::Information);
    Edit_nome->setText(QFileInfo(*file).fileName());
    preparation::save_stopwords(path_of(*file), ListBox1->lines());
  });
}

void Tform_stop::bt_grava_textoClick() {
  command([this] {
    auto file = platform().save_file(
        this, {QString(), QStringLiteral("arquivos texto (*.txt)|*.txt"), QStringLiteral("txt"), QString()});
    if (!file) return;
    records::save_as_text(path_of(*file), ListBox1->lines());
  });
}

void Tform_stop::bt_eliminaClick() {
  int row = ListBox1->currentRow();
  if (row >= 0) delete ListBox1->takeItem(row);
}

void Tform_stop::bt_adicionaClick() {
  ListBox1->add(ansi(Edit1->text()));
  Edit1->clear();
}

void Tform_stop::bt_voltarClick() {
  windows().set_wizard_stopword_list(caminho);
  close();
}

bool Tform_stop::carrega_idioma(Language language, const std::filesystem::path& start_folder) {
  const auto list = preparation::load_language_list(language, start_folder, regional());
  Edit_nome->setText(qpath(list.path));
  ListBox1->clear();
  if (list.exists) ListBox1->set_lines(list.lines);
  return list.exists;
}

QString Tform_stop::arquivo() const { return Edit_nome->text(); }

void Tform_stop::mostra_voltar(bool visivel) { bt_voltar->setVisible(visivel); }

}  // namespace lumeral::gui
