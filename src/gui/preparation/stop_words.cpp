#include "gui/preparation/stop_words.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/records/weighted.h"
#include "core/preparation/stopword_lists.h"
#include "gui/base/platform.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

Tform_stop::Tform_stop(Windows& windows) : QWidget(nullptr), Form(windows) {
  setWindowTitle(QStringLiteral("Gerencia Lista de Stopwords"));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(10, 10, 10, 10);
  grid->setVerticalSpacing(4);
  grid->addWidget(new QLabel(QStringLiteral("Digite letra/palavra para adicionar a lista:"), this), 0, 0, 1, 2);
  Edit1 = new QLineEdit(this);
  grid->addWidget(Edit1, 1, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Nome do Arquivo:"), this), 2, 0, 1, 2);
  Edit_nome = new QLineEdit(this);
  Edit_nome->setReadOnly(true);
  grid->addWidget(Edit_nome, 3, 0, 1, 2);
  auto button = [this](const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setStatusTip(caption);
    return b;
  };
  bt_adiciona = button(QStringLiteral("Adiciona palavra na lista"));
  bt_elimina = button(QStringLiteral("Elimina palavra corrente"));
  bt_mostra = button(QStringLiteral("Mostra lista de stop-words"));
  bt_grava = button(QStringLiteral("Grava lista de stop-words"));
  bt_grava_texto = button(QStringLiteral("Grava como texto"));
  bt_voltar = button(QStringLiteral("Voltar ao Wizard"));
  grid->addWidget(bt_adiciona, 4, 0);
  grid->addWidget(bt_elimina, 4, 1);
  grid->addWidget(bt_mostra, 5, 0);
  grid->addWidget(bt_grava, 5, 1);
  grid->addWidget(bt_grava_texto, 6, 0);
  grid->addWidget(bt_voltar, 6, 1);
  grid->setRowStretch(7, 1);

  ListBox1 = new ListBox(regional(), this);
  ListBox1->set_sorted(true);
  ListBox1->setMinimumWidth(170);
  grid->addWidget(ListBox1, 0, 2, 8, 1);
  grid->setColumnStretch(2, 1);

  connect(bt_mostra, &QPushButton::clicked, this, [this] { bt_mostraClick(); });
  connect(bt_grava, &QPushButton::clicked, this, [this] { bt_gravaClick(); });
  connect(bt_grava_texto, &QPushButton::clicked, this, [this] { bt_grava_textoClick(); });
  connect(bt_elimina, &QPushButton::clicked, this, [this] { bt_eliminaClick(); });
  connect(bt_adiciona, &QPushButton::clicked, this, [this] { bt_adicionaClick(); });
  connect(bt_voltar, &QPushButton::clicked, this, [this] { bt_voltarClick(); });
  connect(Edit1, &QLineEdit::returnPressed, this, [this] { bt_adicionaClick(); });
  resize(620, 320);
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
  windows().Mdi_Frm->Label8->setText(caminho);
  close();
}

bool Tform_stop::carrega_lista(int idioma) {
  const auto list =
      preparation::load_language_list(idioma, path_of(windows().Mdi_Frm->Label17->text()), regional());
  Edit_nome->setText(qpath(list.path));
  ListBox1->clear();
  if (list.exists) ListBox1->set_lines(list.lines);
  return list.exists;
}

void Tform_stop::carrega_idioma() {
  TMdi_Frm* wizard = windows().Mdi_Frm;
  if (carrega_lista(wizard->ListBox_idioma->currentRow())) return;
  if (wizard->l_nivel->text().toInt() >= 2) {
    wizard->stopwords_faltando = true;
    // The step the wizard goes back to loads the list again: it reports
    // nothing more and does not go back a second time.
    if (voltando_) return;
    error(qs(preparation::kNoStopwordList));
    wizard->bit_avancar->setEnabled(false);
    voltando_ = true;
    // On the way into the preparation step the wizard still shows the
    // project step, which is already one step back.
    if (wizard->passo_corrente() >= 2) wizard->bit_voltarClick();
    voltando_ = false;
  }
}

}  // namespace lumeral::gui
