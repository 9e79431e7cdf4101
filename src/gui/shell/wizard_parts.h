// What the mining wizard and the comparison wizard have in common: the
// project panel (step 1: title, client, responsible, texts folder; step 2:
// how the texts are stored, their language, the stopword manager), the
// button bar, the status bar with its clock, the step indicators, and the
// project settings read from and written back to the project fields.
//
// Each wizard inherits the field groups, so their controls keep their own
// names (`wizard.Edit_titulo`), and builds them with the builders below
// from its own layout file.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <QEvent>

#include <filesystem>
#include <functional>
#include <optional>
#include <span>

#include "core/shell/ini.h"
#include "core/preparation/import.h"
#include "core/preparation/office_text.h"
#include "core/shell/project_file.h"
#include "gui/base/radio_group.h"
#include "gui/shell/wizard_state.h"

namespace lumeral::gui {

class Form;
class StepLabel;

// Step 1 (pn_projeto) and step 2 (pn_preparacao) in one frame.
struct WizardProjectPanel {
  QFrame* Panel_comeco = nullptr;
  QWidget* pn_projeto = nullptr;  // step-1 controls
  QLabel* lb_configurar = nullptr;
  QLineEdit* Edit_titulo = nullptr;
  QLineEdit* Edit_cliente = nullptr;
  QLineEdit* Edit_resp = nullptr;
  QGroupBox* gb_pasta = nullptr;  // "Os textos estão localizados na pasta:" holding the folder label
  QPushButton* bt_alterar = nullptr;
  QPushButton* bt_importa_planilha = nullptr;  // "Importar planilha...": a table's rows as the texts folder
  QWidget* pn_preparacao = nullptr;  // step-2 controls
  QLabel* lb_preparacao = nullptr;
  RadioGroup* RadioGroup_textos = nullptr;  // "Os Textos estão?"
  QPushButton* bt_importa_planilha_textos = nullptr;  // step 2's "Importar planilha...", as step 1's
  QLineEdit* Edit_separador = nullptr;
  QLabel* lb_idioma = nullptr;
  QListWidget* ListBox_idioma = nullptr;  // "Português", "Inglês", "Espanhol"
  QPushButton* bt_stopwords = nullptr;
  QCheckBox* CheckBox_formatos = nullptr;  // "Converter também documentos DOCX, ODT e PDF"
  QCheckBox* CheckBox_radicais = nullptr;  // "Agrupar variantes das palavras (radicais)"
  QComboBox* ComboBox_leitura = nullptr;   // "Leitura dos textos:": completa (row 0), clássica (row 1)
};

struct WizardButtonBar {
  QFrame* Panel_Botoes = nullptr;
  QPushButton* bit_voltar = nullptr;
  QPushButton* bit_avancar = nullptr;
  QPushButton* bit_sair_salvar = nullptr;
  QPushButton* bit_sair_cancelar = nullptr;
  QPushButton* bit_inicio = nullptr;
};

// The status bar's panels: hint, weekday and date, time; the clock's timer.
struct WizardStatusPanels {
  QLabel* panel_hint = nullptr;
  QLabel* panel_data = nullptr;
  QLabel* panel_hora = nullptr;
  QTimer* Timer1 = nullptr;
};

// ---- builders (each wizard's layout file places what they return)

// The project frame under `parent`; the folder label `folder` is created
// inside the folder group.
QFrame* build_project_panel(WizardProjectPanel& panel, QLabel*& folder, QWidget* parent);
// The button bar under `parent`. Its row layout is returned through `row`
// so that a wizard can add a button of its own.
QFrame* build_button_bar(WizardButtonBar& bar, QHBoxLayout*& row, QWidget* parent);
// The status bar of `window` with its panels and the one-second clock
// timer (not started).
QStatusBar* build_status_bar(WizardStatusPanels& status, QMainWindow* window);

// ---- shared routines

// A hint change (a status tip) shows in the hint panel; true when `event`
// was one.
bool show_status_tip(const WizardStatusPanels& status, QEvent* event);
// A click into the separator edit.
bool is_separator_press(const WizardProjectPanel& panel, const QObject* watched, const QEvent* event);
// "Os Textos estão?" clicked: on the single-file item the separator edit
// takes the focus.
void focus_separator_for_single_file(const WizardProjectPanel& panel);
// The separator edit clicked: the texts are in a single file.
void choose_single_file(const WizardProjectPanel& panel);

// Shows the time of `form`'s platform clock in the date and time panels.
void show_clock(const WizardStatusPanels& status, const Form& form);

// The indicator pairs and captions, step i at index i - 1: only the
// current step's "on" image shows and its caption is bold (0: none).
void show_indicators(std::span<StepLabel* const> on, std::span<StepLabel* const> off,
                     std::span<StepLabel* const> captions, int current);

// "Sair, salvando": a project is saved only with a title; without one,
// the message says so and false is returned.
bool has_title_to_save(const WizardProjectPanel& panel, Form& form);

// After "OK" in the welcome group: the bar's step buttons show.
void show_step_buttons(const WizardButtonBar& bar);

// A new project (the wizard's level was under 2; coming back from a later
// step keeps the fields) starts with empty fields, DOCX, ODT and PDF
// converted, words not grouped and the complete reading.
void start_new_project(const WizardProjectPanel& panel);

// The project fields as settings: title, client, responsible, text layout,
// separator and language row, with the project's `folder` and `level`.
shell::ProjectSettings project_settings(const WizardProjectPanel& panel, const std::filesystem::path& folder,
                                        const WizardLevel& level);

// The preparation options of the step-2 check boxes: the formats converted
// and the language whose stems the word lists hold (none: words as written).
preparation::DocumentFormats wizard_formats(const WizardProjectPanel& panel);
std::optional<Language> wizard_stem(const WizardProjectPanel& panel);
// The reading chosen in step 2, and setting it.
Reading wizard_reading(const WizardProjectPanel& panel);
void set_wizard_reading(const WizardProjectPanel& panel, Reading reading);

// "Alterar": the folder picker starts at `folder`; a chosen folder goes
// into `chosen` and is returned; the last chosen folder becomes current.
std::optional<QString> pick_project_folder(const Form& form, QWidget* parent, QString& chosen, const QString& folder);

// The stopword manager with its "Voltar", in front.
void show_stopword_manager(const Form& form);

// A project file's value as text.
QString project_text(const shell::IniFile& ini, shell::ProjectKey key);

// Restores title, client, responsible, the folder (handed to `set_folder`),
// the language row and the preparation options (off, and the classic
// reading, when the file has no key for them) from the project file `ini`
// read from `file` (an unknown row selects none). Stops (throws) on an
// unreadable language number; what was set before keeps its value.
void restore_project_fields(const WizardProjectPanel& panel, const shell::IniFile& ini,
                            const std::filesystem::path& file, const std::function<void(const QString&)>& set_folder);

}  // namespace lumeral::gui
