#include "gui/shell/wizard_parts.h"

#include <QDir>
#include <QFormLayout>
#include <QStatusTipEvent>
#include <QVBoxLayout>

#include <chrono>

#include "gui/base/form.h"
#include "gui/base/platform.h"
#include "gui/base/widgets.h"
#include "gui/preparation/stop_words.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

QFrame* build_project_panel(WizardProjectPanel& w, QLabel*& folder, QWidget* parent) {
  w.Panel_comeco = new QFrame(parent);
  w.Panel_comeco->setObjectName(QStringLiteral("Panel_comeco"));
  w.Panel_comeco->setFrameShape(QFrame::StyledPanel);
  auto* v = new QVBoxLayout(w.Panel_comeco);
  v->setContentsMargins(20, 16, 20, 16);

  // Step 1: the project fields.
  w.pn_projeto = new QWidget(w.Panel_comeco);
  auto* p = new QVBoxLayout(w.pn_projeto);
  p->setContentsMargins(0, 0, 0, 0);
  w.lb_configurar = heading(QStringLiteral("Configurar Projeto"), w.pn_projeto);
  p->addWidget(w.lb_configurar);
  p->addSpacing(10);
  auto* form = new QFormLayout;
  w.Edit_titulo = new QLineEdit(w.pn_projeto);
  w.Edit_cliente = new QLineEdit(w.pn_projeto);
  w.Edit_resp = new QLineEdit(w.pn_projeto);
  w.Edit_titulo->setStatusTip(QStringLiteral("Título do projeto: nomeia os arquivos do projeto"));
  form->addRow(QStringLiteral("Título"), w.Edit_titulo);
  form->addRow(QStringLiteral("Cliente"), w.Edit_cliente);
  form->addRow(QStringLiteral("Responsável"), w.Edit_resp);
  p->addLayout(form);
  p->addSpacing(10);
  w.gb_pasta = new QGroupBox(QStringLiteral("Os textos estão localizados na pasta:"), w.pn_projeto);
  auto* g = new QHBoxLayout(w.gb_pasta);
  folder = new QLabel(w.gb_pasta);
  folder->setObjectName(QStringLiteral("Label3"));
  folder->setWordWrap(true);
  folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
  folder->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  g->addWidget(folder, 1);
  w.bt_alterar =
      command_button(QStringLiteral("Alterar"), QStringLiteral("Escolhe a pasta dos textos do projeto"), w.gb_pasta);
  g->addWidget(w.bt_alterar);
  w.bt_importa_planilha = command_button(
      QStringLiteral("Importar planilha..."),
      QStringLiteral("Cria a pasta dos textos a partir de uma planilha: uma linha por documento"), w.gb_pasta);
  g->addWidget(w.bt_importa_planilha);
  p->addWidget(w.gb_pasta);
  p->addStretch();
  v->addWidget(w.pn_projeto);

  // Step 2: the preparation controls.
  w.pn_preparacao = new QWidget(w.Panel_comeco);
  auto* q = new QVBoxLayout(w.pn_preparacao);
  q->setContentsMargins(0, 0, 0, 0);
  w.lb_preparacao = heading(QStringLiteral("Preparação dos Textos a serem analisados"), w.pn_preparacao);
  q->addWidget(w.lb_preparacao);
  q->addSpacing(10);
  w.RadioGroup_textos = new RadioGroup(QStringLiteral("Os Textos estão?"),
                                       {QStringLiteral("Todos num mesmo arquivo, mas há um string separador ="),
                                        QStringLiteral("Vários arquivos")},
                                       1, w.pn_preparacao);
  // The separator edit sits beside the first item.
  auto* first = new QHBoxLayout;
  w.RadioGroup_textos->items_layout()->removeWidget(w.RadioGroup_textos->button(0));
  first->addWidget(w.RadioGroup_textos->button(0));
  w.Edit_separador = new QLineEdit(w.RadioGroup_textos);
  w.Edit_separador->setMinimumWidth(120);
  w.Edit_separador->setStatusTip(QStringLiteral("Texto que separa os documentos dentro do arquivo"));
  first->addWidget(w.Edit_separador, 1);
  w.RadioGroup_textos->items_layout()->insertLayout(0, first);
  q->addWidget(w.RadioGroup_textos);
  // Texts kept as the rows of a spreadsheet become a folder of files here,
  // which then is the project's texts folder ("Vários arquivos").
  auto* planilha = new QHBoxLayout;
  planilha->addWidget(
      new QLabel(QStringLiteral("Os textos estão numa planilha (CSV, XLSX ou ODS)?"), w.pn_preparacao));
  w.bt_importa_planilha_textos = command_button(
      QStringLiteral("Importar planilha..."),
      QStringLiteral("Cria a pasta dos textos a partir de uma planilha: uma linha por documento, as outras colunas "
                     "como variáveis"),
      w.pn_preparacao);
  planilha->addWidget(w.bt_importa_planilha_textos);
  planilha->addStretch();
  q->addLayout(planilha);
  q->addSpacing(10);
  w.lb_idioma = new QLabel(QStringLiteral("Idioma dos textos a serem analisados:"), w.pn_preparacao);
  q->addWidget(w.lb_idioma);
  w.ListBox_idioma = new QListWidget(w.pn_preparacao);
  w.ListBox_idioma->addItems({QStringLiteral("Português"), QStringLiteral("Inglês"), QStringLiteral("Espanhol")});
  w.ListBox_idioma->setCurrentRow(0);
  w.ListBox_idioma->setMaximumHeight(w.ListBox_idioma->sizeHintForRow(0) * 3 + 8);
  w.ListBox_idioma->setMaximumWidth(220);
  q->addWidget(w.ListBox_idioma);
  q->addSpacing(10);
  w.bt_stopwords =
      command_button(QStringLiteral("Gerência de palavras irrelevantes (stopwords) para análise dos textos"),
                     QStringLiteral("Mostra e altera a lista de stopwords do idioma"), w.pn_preparacao);
  auto* sb = new QHBoxLayout;
  sb->addWidget(w.bt_stopwords);
  sb->addStretch();
  q->addLayout(sb);
  q->addSpacing(10);
  w.CheckBox_formatos = new QCheckBox(QStringLiteral("Converter também documentos DOCX, ODT e PDF"), w.pn_preparacao);
  w.CheckBox_formatos->setObjectName(QStringLiteral("CheckBox_formatos"));
  w.CheckBox_formatos->setChecked(true);
  w.CheckBox_formatos->setStatusTip(
      QStringLiteral("Os documentos do Word, do LibreOffice e PDF da pasta também entram na análise"));
  q->addWidget(w.CheckBox_formatos);
  w.CheckBox_radicais = new QCheckBox(QStringLiteral("Agrupar variantes das palavras (radicais)"), w.pn_preparacao);
  w.CheckBox_radicais->setObjectName(QStringLiteral("CheckBox_radicais"));
  w.CheckBox_radicais->setStatusTip(
      QStringLiteral("As listas de palavras guardam o radical de cada palavra: \"eleição\" e \"eleições\" contam juntas"));
  q->addWidget(w.CheckBox_radicais);
  auto* leitura = new QHBoxLayout;
  leitura->addWidget(new QLabel(QStringLiteral("Leitura dos textos:"), w.pn_preparacao));
  w.ComboBox_leitura = new QComboBox(w.pn_preparacao);
  w.ComboBox_leitura->setObjectName(QStringLiteral("ComboBox_leitura"));
  w.ComboBox_leitura->addItems({QStringLiteral("completa (recomendada)"), QStringLiteral("clássica")});
  w.ComboBox_leitura->setToolTip(
      QStringLiteral("Completa: todas as letras acentuadas fazem palavras e maiúsculas contam como minúsculas "
                     "(\"ÚLTIMA\" é \"última\"), páginas HTML são lidas como o navegador as mostra e cada documento "
                     "convertido leva o nome do arquivo de origem.\nClássica: como nas versões anteriores, para "
                     "projetos que dependem dela."));
  w.ComboBox_leitura->setStatusTip(QStringLiteral("Como os textos são lidos na preparação e em todas as análises"));
  leitura->addWidget(w.ComboBox_leitura);
  leitura->addStretch();
  q->addLayout(leitura);
  q->addStretch();
  v->addWidget(w.pn_preparacao);
  return w.Panel_comeco;
}

QFrame* build_button_bar(WizardButtonBar& w, QHBoxLayout*& row, QWidget* parent) {
  w.Panel_Botoes = new QFrame(parent);
  w.Panel_Botoes->setFrameShape(QFrame::StyledPanel);
  row = new QHBoxLayout(w.Panel_Botoes);
  w.bit_voltar = command_button(QStringLiteral("Voltar"), QStringLiteral("Volta ao passo anterior"), w.Panel_Botoes);
  w.bit_avancar =
      command_button(QStringLiteral("Avançar"), QStringLiteral("Avança para o próximo passo"), w.Panel_Botoes);
  w.bit_sair_salvar = command_button(QStringLiteral("Sair, salvando status do projeto"),
                                     QStringLiteral("Sair, salvando status do projeto"), w.Panel_Botoes);
  w.bit_sair_cancelar = command_button(QStringLiteral("Sair, cancelando este passo"),
                                       QStringLiteral("Sair, cancelando este passo"), w.Panel_Botoes);
  w.bit_inicio = command_button(QStringLiteral("Voltar ao início"), QStringLiteral("Voltar ao início"), w.Panel_Botoes);
  row->addWidget(w.bit_voltar);
  row->addWidget(w.bit_avancar);
  row->addStretch();
  row->addWidget(w.bit_sair_salvar);
  row->addWidget(w.bit_sair_cancelar);
  row->addWidget(w.bit_inicio);
  return w.Panel_Botoes;
}

QStatusBar* build_status_bar(WizardStatusPanels& w, QMainWindow* window) {
  auto* bar = new QStatusBar(window);
  window->setStatusBar(bar);
  w.panel_hint = new QLabel(bar);
  w.panel_data = new QLabel(bar);
  w.panel_hora = new QLabel(bar);
  w.panel_hint->setMinimumWidth(420);
  w.panel_data->setMinimumWidth(190);
  w.panel_hora->setMinimumWidth(70);
  w.panel_data->setAlignment(Qt::AlignCenter);
  w.panel_hora->setAlignment(Qt::AlignCenter);
  bar->addWidget(w.panel_hint, 1);
  bar->addPermanentWidget(w.panel_data);
  bar->addPermanentWidget(w.panel_hora);
  w.Timer1 = new QTimer(window);
  w.Timer1->setInterval(1000);
  return bar;
}

bool show_status_tip(const WizardStatusPanels& w, QEvent* event) {
  if (event->type() != QEvent::StatusTip) return false;
  w.panel_hint->setText(static_cast<QStatusTipEvent*>(event)->tip());
  return true;
}

bool is_separator_press(const WizardProjectPanel& w, const QObject* watched, const QEvent* event) {
  return watched == w.Edit_separador && event->type() == QEvent::MouseButtonPress;
}

void focus_separator_for_single_file(const WizardProjectPanel& w) {
  if (w.RadioGroup_textos->item_index() == shell::kSingleFile) w.Edit_separador->setFocus();
}

void choose_single_file(const WizardProjectPanel& w) { w.RadioGroup_textos->set_item_index(shell::kSingleFile); }

void show_clock(const WizardStatusPanels& w, const Form& form) {
  auto t = std::chrono::system_clock::time_point(
      std::chrono::milliseconds(form.platform().now().toMSecsSinceEpoch()));
  w.panel_data->setText(qs(form.regional().weekday_and_date(t)));
  w.panel_hora->setText(qs(form.regional().time_text(t)));
}

void show_indicators(std::span<StepLabel* const> on, std::span<StepLabel* const> off,
                     std::span<StepLabel* const> captions, int current) {
  for (std::size_t i = 0; i < on.size(); ++i) {
    const bool is_current = current == static_cast<int>(i) + 1;
    on[i]->setVisible(is_current);
    off[i]->setVisible(!is_current);
    captions[i]->show();
    set_bold(captions[i], is_current);
  }
}

bool has_title_to_save(const WizardProjectPanel& w, Form& form) {
  if (!w.Edit_titulo->text().isEmpty()) return true;
  form.information(QStringLiteral("Não pode salvar sem ter um Título/Nome do projeto"));
  return false;
}

void show_step_buttons(const WizardButtonBar& w) {
  w.bit_sair_salvar->show();
  w.bit_sair_cancelar->show();
  w.bit_voltar->show();
  w.bit_avancar->show();
}

void start_new_project(const WizardProjectPanel& w) {
  w.CheckBox_formatos->setChecked(true);
  w.CheckBox_radicais->setChecked(false);
  set_wizard_reading(w, Reading::Complete);
  w.Edit_titulo->clear();
  w.Edit_cliente->clear();
  w.Edit_resp->clear();
}

shell::ProjectSettings project_settings(const WizardProjectPanel& w, const std::filesystem::path& folder,
                                        const WizardLevel& level) {
  shell::ProjectSettings s;
  s.title = ansi(w.Edit_titulo->text());
  s.client = ansi(w.Edit_cliente->text());
  s.responsible = ansi(w.Edit_resp->text());
  s.project_folder = ansi(qpath(folder));
  s.text_location = w.RadioGroup_textos->item_index();
  s.separator = ansi(w.Edit_separador->text());
  s.language = w.ListBox_idioma->currentRow();
  s.level = level.stored();
  s.convert_documents = w.CheckBox_formatos->isChecked();
  s.stemming = w.CheckBox_radicais->isChecked();
  s.reading = wizard_reading(w);
  return s;
}

Reading wizard_reading(const WizardProjectPanel& w) {
  return w.ComboBox_leitura->currentIndex() == 1 ? Reading::Classic : Reading::Complete;
}

void set_wizard_reading(const WizardProjectPanel& w, Reading reading) {
  w.ComboBox_leitura->setCurrentIndex(reading == Reading::Classic ? 1 : 0);
}

preparation::DocumentFormats wizard_formats(const WizardProjectPanel& w) {
  return w.CheckBox_formatos->isChecked() ? preparation::all_formats() : preparation::formats_without_office();
}

std::optional<Language> wizard_stem(const WizardProjectPanel& w) {
  if (!w.CheckBox_radicais->isChecked()) return std::nullopt;
  return language_of_row(w.ListBox_idioma->currentRow());
}

std::optional<QString> pick_project_folder(const Form& form, QWidget* parent, QString& chosen, const QString& folder) {
  auto picked = form.platform().pick_folder(parent, QStringLiteral("O projeto será salvo em:"), folder);
  if (picked) chosen = *picked;
  if (!chosen.isEmpty()) QDir::setCurrent(chosen);
  return picked;
}

void show_stopword_manager(const Form& form) {
  Tform_stop* stop = form.windows().form_stop;
  stop->mostra_voltar(true);
  stop->resize(stop->width(), 320);
  stop->show();
  stop->raise();
}

QString project_text(const shell::IniFile& ini, shell::ProjectKey key) { return qs(shell::project_value(ini, key)); }

void restore_project_fields(const WizardProjectPanel& w, const shell::IniFile& ini,
                            const std::filesystem::path& file, const std::function<void(const QString&)>& set_folder) {
  namespace key = shell::project_key;
  w.Edit_titulo->setText(project_text(ini, key::title));
  w.Edit_cliente->setText(project_text(ini, key::client));
  w.Edit_resp->setText(project_text(ini, key::responsible));
  set_folder(project_text(ini, key::folder));
  const int idioma = shell::project_integer(ini, file, key::language);
  w.ListBox_idioma->setCurrentRow(idioma >= 0 && idioma < w.ListBox_idioma->count() ? idioma : -1);
  w.CheckBox_formatos->setChecked(shell::project_flag(ini, key::convert_documents));
  w.CheckBox_radicais->setChecked(shell::project_flag(ini, key::stemming));
  set_wizard_reading(w, shell::project_reading(ini, file));
}

}  // namespace lumeral::gui
