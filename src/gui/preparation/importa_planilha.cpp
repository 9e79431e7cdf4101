#include "gui/preparation/importa_planilha.h"

#include <QLabel>

#include <optional>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/preparation/office_text.h"
#include "core/variables/table_reader.h"
#include "gui/base/memory_setting.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/shell/barra_progresso.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace fs = std::filesystem;

namespace {

const QString kFiltroPlanilha =
    QStringLiteral("Planilhas (*.csv;*.xlsx;*.ods)|*.csv;*.xlsx;*.ods|Todos os arquivos (*.*)|*.*");

std::string aparado(const std::string& s) {
  const auto inicio = s.find_first_not_of(" \t");
  if (inicio == std::string::npos) return {};
  return s.substr(inicio, s.find_last_not_of(" \t") - inicio + 1);
}

// How import_table is told column `i` of `header`: by its number, unless
// a header cell is named as that number, then by its name.
std::string referencia(const std::vector<std::string>& header, std::size_t i) {
  const std::string numero = std::to_string(i + 1);
  for (const std::string& nome : header)
    if (aparado(nome) == numero) return header[i];
  return numero;
}

// A column as the lists offer it: its header text, or "coluna N" when empty.
QString rotulo(const std::vector<std::string>& header, std::size_t i) {
  const std::string nome = aparado(header[i]);
  return nome.empty() ? QStringLiteral("coluna %1").arg(i + 1) : qs(nome);
}

}  // namespace

Tform_importa_planilha::Tform_importa_planilha(Windows& windows) : QDialog(nullptr), Form(windows) {
  build_layout();
  connect(bt_arquivo, &QPushButton::clicked, this, [this] { bt_arquivoClick(); });
  connect(ComboBox_planilha, &QComboBox::activated, this, [this] { ComboBox_planilhaChange(); });
  connect(bt_pasta, &QPushButton::clicked, this, [this] { bt_pastaClick(); });
  connect(bt_importa, &QPushButton::clicked, this, [this] { bt_importaClick(); });
  connect(bt_fechar, &QPushButton::clicked, this, [this] { close(); });
}

void Tform_importa_planilha::prepara(std::function<void(const fs::path&)> depois, bool progresso_na_janela,
                                     QLabel* espelho) {
  depois_ = std::move(depois);
  progresso_na_janela_ = progresso_na_janela;
  espelho_ = espelho;
}

void Tform_importa_planilha::bt_arquivoClick() {
  command([&] {
    auto escolhido = platform().open_file(
        this, {QStringLiteral("Planilha a importar"), kFiltroPlanilha, QString(), QString()});
    if (!escolhido) return;
    const fs::path arquivo = path_of(*escolhido);
    const std::vector<std::string> folhas =
        variables::sheet_names(arquivo, preparation::document_size_limit(memory_budget(platform())));
    arquivo_ = arquivo;
    Edit_arquivo->setText(*escolhido);
    ComboBox_planilha->clear();
    for (const std::string& folha : folhas) ComboBox_planilha->addItem(qs(folha));
    ComboBox_planilha->setEnabled(!folhas.empty());
    // The folder proposed: beside the table, named as it is; a folder the
    // user chose or typed stays.
    const QString sugerida = qpath(arquivo.parent_path() / arquivo.stem());
    if (Edit_pasta->text().isEmpty() || Edit_pasta->text() == pasta_sugerida_) Edit_pasta->setText(sugerida);
    pasta_sugerida_ = sugerida;
    Memo_resultado->clear();
    le_cabecalho();
  });
}

void Tform_importa_planilha::ComboBox_planilhaChange() {
  command([&] { le_cabecalho(); });
}

void Tform_importa_planilha::le_cabecalho() {
  ListBox_texto->clear();
  ComboBox_id->clear();
  cabecalho_.clear();
  variables::TableOptions opcoes;
  opcoes.sheet = ComboBox_planilha->currentText().toStdString();
  opcoes.limit = preparation::document_size_limit(memory_budget(platform()));
  cabecalho_ = variables::table_header(arquivo_, opcoes);
  if (cabecalho_.empty())
    throw Stop("A tabela " + message_name(arquivo_.filename()) +
               " está vazia: não há cabeçalho com os nomes das colunas.");
  ComboBox_id->addItem(QStringLiteral("(número da linha)"));
  for (std::size_t i = 0; i < cabecalho_.size(); ++i) {
    auto* item = new QListWidgetItem(rotulo(cabecalho_, i), ListBox_texto);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    ComboBox_id->addItem(rotulo(cabecalho_, i));
  }
}

void Tform_importa_planilha::bt_pastaClick() {
  command([&] {
    const QString inicio = Edit_pasta->text().isEmpty() ? QString() : qpath(path_of(Edit_pasta->text()).parent_path());
    if (auto pasta = platform().pick_folder(this, QStringLiteral("Pasta dos documentos importados"), inicio))
      Edit_pasta->setText(*pasta);
  });
}

preparation::TableImportInput Tform_importa_planilha::entrada() const {
  if (arquivo_.empty()) throw Stop("Escolha primeiro a planilha a importar.");
  preparation::TableImportInput input;
  input.table = arquivo_;
  input.options.sheet = ComboBox_planilha->currentText().toStdString();
  input.options.limit = preparation::document_size_limit(memory_budget(platform()));
  for (int i = 0; i < ListBox_texto->count(); ++i)
    if (ListBox_texto->item(i)->checkState() == Qt::Checked)
      input.text_columns.push_back(referencia(cabecalho_, static_cast<std::size_t>(i)));
  if (input.text_columns.empty()) throw Stop("Marque a coluna do texto dos documentos (uma ou mais).");
  if (const int id = ComboBox_id->currentIndex(); id > 0)
    input.id_column = referencia(cabecalho_, static_cast<std::size_t>(id - 1));
  const QString pasta = Edit_pasta->text().trimmed();
  if (pasta.isEmpty()) throw Stop("Escolha a pasta a criar com os documentos.");
  input.folder = fs::absolute(path_of(pasta));
  return input;
}

void Tform_importa_planilha::bt_importaClick() {
  command([&] {
    const preparation::TableImportInput input = entrada();
    Memo_resultado->clear();
    preparation::TableImportResult result;
    if (progresso_na_janela_) {
      ProgressScope janela(windows());
      if (espelho_) janela.mirror_status_to(espelho_);
      result = preparation::import_table(input, janela);
    } else {
      StatusProgress status(StatusBar1);
      result = preparation::import_table(input, status);
    }
    StatusBar1->clearMessage();  // what was made is told below, not "importing"
    QStringList linhas;
    const std::size_t n = result.documents.size();
    linhas << qs(std::to_string(n) + (n == 1 ? " documento importado em " : " documentos importados em ") +
                 message_name(input.folder) + "; as variáveis estão em " +
                 message_name(result.variables_file.filename()) + ".");
    for (const std::string& nota : result.messages) linhas << qs(nota);
    Memo_resultado->setPlainText(linhas.join('\n'));
    if (depois_) depois_(input.folder);
  });
}

}  // namespace lumeral::gui
