// The frame both wizards are built on: the step column, the welcome group,
// the project panel (steps 1 and 2), the button bar and the status bar with
// its clock, and what their buttons do. A wizard fills a table of its steps
// (how each is shown, what "Avançar" does from it) and the few routines
// that are its own (the project file it saves and restores, where "Voltar"
// from the first step leads, what a cancelled step undoes).
//
//   class MyWizard : public WizardFrame {
//     MyWizard(Windows& w) : WizardFrame(w) {
//       build_layout();             // uses build_step_column / build_welcome
//       define_passos({{[this] { passo1(); }, [this](bool) { passo2(); }, true}, ...});
//       connect_frame();
//     }
//   };
//
// The state lives in the wizard's own value (wizard_state.h); the frame
// reaches its common part through comum().
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <vector>

#include "core/shell/project.h"
#include "gui/base/form.h"
#include "gui/base/radio_group.h"
#include "gui/shell/wizard_parts.h"
#include "gui/shell/wizard_state.h"

namespace lumeral::gui {

class Windows;

// A label that acts as a command when it is clickable (the step images and
// captions of the wizard: hand cursor and a click when clickable, nothing
// otherwise).
class StepLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
  void set_clickable(bool clickable);
  bool clickable() const { return clickable_; }
 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  bool clickable_ = false;
};

// The controls of `WizardFrame`: its own and its tests' (TestAccess).
struct WizardFrameUi {
  QLabel* Label3 = nullptr;    // the texts folder, shown in the folder group
  QWidget* pn_passos = nullptr;  // the step column
  QLabel* Animate1 = nullptr;  // the animation under the step indicators
  // ---- welcome group
  QGroupBox* GroupBox1 = nullptr;
  RadioGroup* RadioGroup2 = nullptr;  // "Começar um Novo Projeto" / "Continuar um Projeto já existente"
  QPushButton* bt_ok_bemvindo = nullptr;
};

class WizardFrame : public QMainWindow,
                    public Form,
                    protected WizardProjectPanel,
                    protected WizardButtonBar,
                    protected WizardStatusPanels,
                    protected WizardFrameUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = WizardFrameUi;
 public:

  // Set when the language's standard stopword list is missing at the
  // preparation step or beyond.
  bool stopwords_faltando = false;
  // The status bar's hint, which a long operation's progress may mirror.
  QLabel* linha_de_dicas() const { return panel_hint; }
  // The language whose stems the word lists hold (none: words as written).
  std::optional<Language> radicais() const;
  QString pasta_escolhida;  // the folder last chosen with "Alterar"

  // ---- the common part of the wizard's state
  void set_nivel(int nivel) { comum().level = {nivel, std::nullopt}; }
  void set_nivel(const WizardLevel& nivel) { comum().level = nivel; }
  void set_pasta(const std::filesystem::path& pasta);
  int passo_corrente() const { return comum().step; }
  QString titulo() const { return Edit_titulo->text(); }
  QString pasta_projeto() const { return qpath(comum().project.folder); }
  shell::Project projeto() const { return comum().project; }

  // ---- handlers of the shared controls
  void bt_ok_bemvindoClick();
  // The current step's "Avançar", then the project saved (a project without
  // a title has no file name yet and is not saved).
  void bit_avancarClick();
  // From the first step back to the welcome group; from another, the step
  // before it shown again.
  void bit_voltarClick();
  void bit_sair_salvarClick();
  void bit_sair_cancelarClick();
  void bt_alterarClick();
  // "Importar planilha...": the import dialog; the folder it makes becomes
  // the texts folder, and names the project when it has no title yet (the
  // variables file is "<folder name>.var").
  void bt_importa_planilhaClick();
  void bt_stopwordsClick();
  void RadioGroup_textosClick();
  void Edit_separadorClick();
  void Timer1Timer();
  virtual void bit_inicioClick() = 0;
  virtual void ListBox_idiomaClick() = 0;

  // "Configurar Projeto": a project file chosen ("Continuar um Projeto já
  // existente") is restored; a new project starts with empty fields,
  // unless the wizard comes back from a later step.
  void passo1();
  // The project step shown again, fields kept.
  virtual void volta_passo1() = 0;
  // The step indicators show step `current` as the current one; 0 hides
  // them (the welcome group, the entry menu).
  void indicadores(int current);

 protected:
  explicit WizardFrame(Windows& windows);

  // One step of the table, the first at index 0.
  struct Passo {
    std::function<void()> mostra;            // shows it (its indicator; "Voltar" from the next step)
    std::function<void(bool faltando)> avanca;  // "Avançar" from it; `faltando`: the stopword list is missing
    bool pelo_indicador = false;             // a click on its indicator shows it
  };
  void define_passos(std::vector<Passo> passos) { passos_ = std::move(passos); }
  // Connects the shared controls and starts the clock; called once the
  // layout is built.
  void connect_frame();

  // ---- layout of the shared parts (wizard_frame_layout.cpp)
  // The step column, one indicator pair and caption per caption given.
  QWidget* build_step_column(const QStringList& captions, int caption_width, QWidget* parent);
  // The welcome group under `heading`, with the program's logo beside it
  // when `logo`.
  QGroupBox* build_welcome(const QString& heading, bool logo, QWidget* parent);
  std::vector<StepLabel*> on_, off_, captions_;  // the step column's, by step

  // ---- what each wizard does its own way
  virtual WizardCommonState& comum() = 0;
  virtual const WizardCommonState& comum() const = 0;
  // "Continuar um Projeto já existente" chose `file`.
  virtual void continua_projeto(const QString& file) = 0;
  // Saves the project; with `confirma` says so.
  virtual void salva(bool confirma) = 0;
  // "Voltar" on the first step.
  virtual void volta_boas_vindas() = 0;
  // What a cancelled "Avançar" from step `passo` undoes (taken before the
  // step runs); none: the project is saved as the step left it.
  virtual std::function<void()> ao_cancelar(int passo) {
    (void)passo;
    return {};
  }

  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const Passo* passo(int n) const;
  std::vector<Passo> passos_;
};

}  // namespace lumeral::gui
