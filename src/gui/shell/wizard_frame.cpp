#include "gui/shell/wizard_frame.h"

#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>

#include "core/shell/project_file.h"
#include "gui/base/platform.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

// ---------------------------------------------------------------- StepLabel

void StepLabel::set_clickable(bool clickable) {
  clickable_ = clickable;
  setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void StepLabel::mousePressEvent(QMouseEvent* event) {
  QLabel::mousePressEvent(event);
  if (clickable_ && event->button() == Qt::LeftButton) emit clicked();
}

// ---------------------------------------------------------------- WizardFrame

WizardFrame::WizardFrame(Windows& windows) : QMainWindow(nullptr), Form(windows) {}

void WizardFrame::connect_frame() {
  // The title typed is the project's title.
  connect(Edit_titulo, &QLineEdit::textChanged, this, [this](const QString& t) { comum().project.title = ansi(t); });
  for (std::size_t i = 0; i < passos_.size() && i < on_.size(); ++i) {
    if (!passos_[i].pelo_indicador) continue;
    for (StepLabel* l : {on_[i], off_[i], captions_[i]})
      connect(l, &StepLabel::clicked, this, [this, i] { command([this, i] { passos_[i].mostra(); }); });
  }
  connect(bt_ok_bemvindo, &QPushButton::clicked, this, [this] { bt_ok_bemvindoClick(); });
  Edit_separador->installEventFilter(this);
  connect(bt_alterar, &QPushButton::clicked, this, [this] { bt_alterarClick(); });
  connect(bt_importa_planilha, &QPushButton::clicked, this, [this] { bt_importa_planilhaClick(); });
  connect(bt_importa_planilha_textos, &QPushButton::clicked, this, [this] { bt_importa_planilhaClick(); });
  connect(bt_stopwords, &QPushButton::clicked, this, [this] { bt_stopwordsClick(); });
  connect(ListBox_idioma, &QListWidget::itemClicked, this, [this] { ListBox_idiomaClick(); });
  connect(RadioGroup_textos, &RadioGroup::clicked, this, [this] { RadioGroup_textosClick(); });
  connect(bit_voltar, &QPushButton::clicked, this, [this] { bit_voltarClick(); });
  connect(bit_avancar, &QPushButton::clicked, this, [this] { bit_avancarClick(); });
  connect(bit_sair_salvar, &QPushButton::clicked, this, [this] { bit_sair_salvarClick(); });
  connect(bit_sair_cancelar, &QPushButton::clicked, this, [this] { bit_sair_cancelarClick(); });
  connect(bit_inicio, &QPushButton::clicked, this, [this] { bit_inicioClick(); });
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  Timer1->start();
}

const WizardFrame::Passo* WizardFrame::passo(int n) const {
  if (n < 1 || n > static_cast<int>(passos_.size())) return nullptr;
  return &passos_[static_cast<std::size_t>(n - 1)];
}

// ---------------------------------------------------------------- events

bool WizardFrame::event(QEvent* event) {
  // Every hint change shows in the first panel of the status bar.
  if (show_status_tip(*this, event)) return true;
  return QMainWindow::event(event);
}

bool WizardFrame::eventFilter(QObject* watched, QEvent* event) {
  if (is_separator_press(*this, watched, event)) Edit_separadorClick();
  return QMainWindow::eventFilter(watched, event);
}

void WizardFrame::Timer1Timer() { show_clock(*this, *this); }

// ---------------------------------------------------------------- state shown

void WizardFrame::set_pasta(const std::filesystem::path& pasta) {
  comum().project.folder = pasta;
  Label3->setText(qpath(pasta));
}

void WizardFrame::indicadores(int current) {
  comum().step = current;
  if (current == 0) {
    for (auto* list : {&on_, &off_, &captions_})
      for (StepLabel* l : *list) l->hide();
    Animate1->hide();
    pn_passos->hide();
    return;
  }
  show_indicators(on_, off_, captions_, current);
  Animate1->show();
  pn_passos->show();
}

// ---------------------------------------------------------------- steps

void WizardFrame::bt_ok_bemvindoClick() {
  command([this] {
    show_step_buttons(*this);
    passo1();
  });
}

void WizardFrame::passo1() {
  if (RadioGroup2->item_index() == 1) {
    // "Continuar um Projeto já existente"
    if (comum().step == 1) return;
    auto file = platform().open_file(
        this, {QString(), QStringLiteral("Arquivo de configuração de projetos(*.ini)|*.ini"), QString(), QString()});
    if (!file) return;
    continua_projeto(*file);
    return;
  }
  // "Começar um Novo Projeto": empty fields, unless coming back from a
  // later step.
  const int old_level = comum().level.number;
  volta_passo1();
  if (old_level < 2) {
    set_pasta(shell::default_project_folder());
    start_new_project(*this);
  }
}

// ---------------------------------------------------------------- button bar

void WizardFrame::bit_avancarClick() {
  command([this] {
    const bool faltando = stopwords_faltando;
    const int n = comum().step;
    const std::function<void()> desfaz = ao_cancelar(n);
    if (const Passo* p = passo(n); p && p->avanca) command([p, faltando] { p->avanca(faltando); });
    if (desfaz && command_cancelled()) {
      // A cancelled step leaves the project as its last finished step left
      // it: nothing is saved.
      desfaz();
      return;
    }
    if (!titulo().isEmpty()) salva(false);
  });
}

void WizardFrame::bit_voltarClick() {
  command([this] {
    const int n = comum().step;
    if (n == 1) {
      volta_boas_vindas();
    } else if (const Passo* p = passo(n - 1); p && p->mostra) {
      p->mostra();
    }
  });
}

void WizardFrame::bit_sair_salvarClick() {
  command([this] {
    if (!has_title_to_save(*this, *this)) return;
    salva(true);
    comum().saved = true;
    close();
  });
}

void WizardFrame::bit_sair_cancelarClick() { close(); }

// ---------------------------------------------------------------- project controls

void WizardFrame::bt_alterarClick() {
  command([this] {
    if (auto pasta = pick_project_folder(*this, this, pasta_escolhida, pasta_projeto())) set_pasta(path_of(*pasta));
  });
}

void WizardFrame::bt_importa_planilhaClick() {
  command([this] {
    windows().open_importa_planilha(
        this,
        [this](const std::filesystem::path& pasta) {
          pasta_escolhida = qpath(pasta);
          QDir::setCurrent(pasta_escolhida);
          set_pasta(pasta);
          RadioGroup_textos->set_item_index(shell::kSeveralFiles);  // one file per row
          const QString nome = qpath(pasta.filename());
          if (Edit_titulo->text().isEmpty()) {
            Edit_titulo->setText(nome);
          } else if (Edit_titulo->text() != nome) {
            information(QStringLiteral("As variáveis dos documentos ficam em \"%1.var\": para que as análises do "
                                       "projeto as encontrem, dê ao projeto o título \"%1\".")
                            .arg(nome));
          }
        },
        true, linha_de_dicas());
  });
}

void WizardFrame::bt_stopwordsClick() {
  command([this] { show_stopword_manager(*this); });
}

void WizardFrame::RadioGroup_textosClick() { focus_separator_for_single_file(*this); }

void WizardFrame::Edit_separadorClick() { choose_single_file(*this); }

std::optional<Language> WizardFrame::radicais() const { return wizard_stem(*this); }

}  // namespace lumeral::gui
