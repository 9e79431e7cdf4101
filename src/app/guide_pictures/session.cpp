#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QDir>
#include <QEventLoop>
#include <QListWidget>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>

#include "app/guide_pictures/pictures.h"
#include "core/base/language.h"
#include "core/preparation/stopword_lists.h"
#include "gui/base/file_chooser.h"
#include "gui/preparation/unit_textos.h"
#include "gui/shell/barra_progresso.h"
#include "gui/shell/inicio.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/mdi_form2.h"
#include "gui/shell/ontologia.h"
#include "gui/shell/wizard_frame.h"
#include "gui/shell/wizard_parts.h"
#include "support/ui_access.h"

namespace lumeral::gui::pictures {

using testing::ui;

void require(bool ok, const std::string& why) {
  if (!ok) throw Unreached(why);
}

void settle() {
  for (int i = 0; i < 4; ++i) {
    QApplication::sendPostedEvents();
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
}

EventWatcher::EventWatcher(QEvent::Type type, std::function<void(QWidget*)> seen)
    : type_(type), seen_(std::move(seen)) {
  QApplication::instance()->installEventFilter(this);
}

EventWatcher::~EventWatcher() { QApplication::instance()->removeEventFilter(this); }

bool EventWatcher::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == type_ && watched->isWidgetType()) seen_(static_cast<QWidget*>(watched));
  return false;
}

std::optional<QString> PicturePlatform::ask_save_file(QWidget* parent, const FileDialog& d, const QString& filter) {
  if (on_save_dialog) {
    // The dialog the desktop program would show, in its start folder with
    // the scripted name typed in; it is closed again without choosing.
    FileChooser dialog(parent, FileChooser::Mode::Save, d.title, d.folder, filter, d.default_ext);
    QEventLoop loop;
    QObject::connect(&dialog, &FileChooser::folder_read, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    dialog.show();
    if (dialog.reading()) loop.exec();
    settle();
    on_save_dialog(dialog);
    dialog.hide();
  }
  return ScriptedPlatform::ask_save_file(parent, d, filter);
}

Session::Session(fs::path root, fs::path source) : root_(std::move(root)), source_(std::move(source)) {
  fs::create_directories(root_);
  qputenv("HOME", QByteArray::fromStdString(root_.string()));
  fs::current_path(root_);
  // The standard stopword lists are looked for in the start folder first:
  // copied there, the windows show them at the same path on every machine.
  for (Language language : {Language::Portuguese, Language::English, Language::Spanish}) {
    const fs::path list = preparation::find_standard_list(language, root_);
    if (fs::is_regular_file(list) && list.parent_path() != root_) fs::copy_file(list, root_ / list.filename());
  }
  // The pointer rests in a corner of the screen, away from the windows, so
  // no button is shown hovered and no status tip is shown.
  if (QScreen* screen = QGuiApplication::primaryScreen()) QCursor::setPos(screen->geometry().bottomRight());
  restart();
}

Session::~Session() {
  windows_.reset();
  settle();
}

void Session::restart() {
  windows_.reset();
  settle();
  platform.messages.clear();
  platform.on_save_dialog = nullptr;
  windows_ = std::make_unique<Windows>(platform, Regional::for_locale("pt_BR"));
  windows_->create_all();
  windows_->Mdi_Frm->show();
  stage_ = Stage::None;
  settle();
}

QPixmap Session::shot(QWidget* window) {
  require(window != nullptr, "a janela não foi criada");
  if (!window->isVisible()) window->show();
  window->raise();
  settle();
  return window->grab();
}

void Session::tidy() {
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->isVisible() && top != windows_->Mdi_Frm && top != windows_->Form3 && top != windows_->Mdi_Frm2)
      top->hide();
  settle();
}

QStringList Session::take_messages() {
  QStringList texts = platform.message_texts();
  platform.messages.clear();
  return texts;
}

void Session::copy_sample(const fs::path& to) {
  const fs::path sample = source_ / "examples" / "noticias";
  require(fs::is_directory(sample), "não há coleção de exemplo em " + sample.string());
  fs::remove_all(to);
  fs::create_directories(to.parent_path());
  fs::copy(sample, to);
}

void Session::mining_wizard(Stage stage) {
  // From the entry menu the wizard starts in a fresh program: the one
  // before may have another wizard or the tools window open.
  if (stage_ > stage || stage_ == Stage::None) restart();
  TMdi_Frm& w = *windows_->Mdi_Frm;
  auto step = [&](Stage next, const std::function<void()>& go) {
    if (stage_ < next && next <= stage) {
      go();
      const QStringList said = take_messages();
      require(said.isEmpty(), "o assistente disse: " + said.join(" | ").toStdString());
      stage_ = next;
    }
  };
  step(Stage::Project, [&] {
    copy_sample(noticias());
    ui(w).RadioGroup1->set_item_index(0);
    w.bt_ok_entradaClick();
    ui<WizardFrameUi>(w).RadioGroup2->set_item_index(0);
    w.bt_ok_bemvindoClick();
    ui<WizardProjectPanel>(w).Edit_titulo->setText(QStringLiteral("noticias"));
    ui<WizardProjectPanel>(w).Edit_cliente->setText(QStringLiteral("Observatório de Notícias"));
    ui<WizardProjectPanel>(w).Edit_resp->setText(QStringLiteral("Ana"));
    platform.answer(QString::fromStdString(noticias().string()));
    w.bt_alterarClick();
    require(w.passo_corrente() == 1, "o passo Configurar Projeto não abriu");
  });
  step(Stage::Preparation, [&] {
    w.bit_avancarClick();
    require(w.passo_corrente() == 2, "o passo Preparar Textos não abriu");
    auto& p = ui<WizardProjectPanel>(w);
    p.RadioGroup_textos->set_item_index(1);  // "Vários arquivos"
    p.ListBox_idioma->setCurrentRow(0);
    w.ListBox_idiomaClick();
    p.CheckBox_formatos->setChecked(true);
    p.CheckBox_radicais->setChecked(false);
    p.ComboBox_leitura->setCurrentIndex(0);
  });
  step(Stage::OntologyChoice, [&] {
    // The preparation's windows are caught while it works, when the
    // progress window of the word lists is given its title (before it is
    // shown): the text listing, filled by the import and hidden by then, as
    // it was shown; the progress window itself as its bar moves.
    EventWatcher watcher(QEvent::WindowTitleChange, [this](QWidget* titled) {
      auto* progress = qobject_cast<TFrm_process*>(titled);
      if (!progress || !progress->windowTitle().contains(QStringLiteral("Preparando"))) return;
      TForm_textos* listing = windows_->Form_textos;
      if (!caught_.count("unit_textos") && listing && ui(listing).FileListBox1->count() > 0)
        caught_["unit_textos"] = listing->grab();
      QProgressBar* bar = ui(progress).ProgressBar1;
      // The documents are read by several threads and only the calling
      // one reports, so the counts reported vary from run to run: the
      // window is taken at each report until one is half way or more.
      QObject::connect(bar, &QProgressBar::valueChanged, progress, [this, progress, bar](int value) {
        if (half_way_ || value <= 0) return;
        caught_["barra_progresso"] = progress->grab();
        half_way_ = value * 2 >= bar->maximum();
      });
    });
    half_way_ = false;
    w.bit_avancarClick();
    require(w.passo_corrente() == 3, "a preparação não chegou ao passo Ontologia");
    ui(w).RadioGroup3->set_item_index(0);
    ui(*w.ontologia).RadioGroup_tipo->set_item_index(0);
  });
  step(Stage::Ontology, [&] {
    w.ontologia->bt_ok_ontologiaClick();
    QComboBox* concepts = ui(*w.ontologia).ComboBox_conceitos;
    const int economia = concepts->findText(QStringLiteral("economia"));
    require(economia >= 0, "a ontologia do exemplo não tem o conceito economia");
    concepts->setCurrentIndex(economia);
    w.ontologia->ComboBox_conceitosSelect();
  });
  step(Stage::Mined, [&] {
    w.bit_avancarClick();
    require(w.passo_corrente() == 4, "a mineração não chegou ao painel");
    mined_once_ = true;
  });
  require(stage_ == stage, "o assistente de mineração não chegou ao passo pedido");
  settle();
}

std::optional<QPixmap> Session::caught(const std::string& name) {
  auto it = caught_.find(name);
  if (it == caught_.end()) return std::nullopt;
  return it->second;
}

void Session::tools() {
  if (!mined_once_) mining_wizard(Stage::Mined);
  restart();
  TMdi_Frm& w = *windows_->Mdi_Frm;
  ui(w).RadioGroup1->set_item_index(2);
  w.bt_ok_entradaClick();
  require(windows_->Form3 && windows_->Form3->isVisible(), "a janela de ferramentas não abriu");
  settle();
}

void Session::comparison_wizard() {
  restart();
  const fs::path folder = root_ / "lmr" / "projetos" / "comparacao";
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (const char* name : {"noticia01.txt", "noticia02.txt", "noticia03.txt", "noticia04.txt"})
    fs::copy_file(source_ / "examples" / "noticias" / name, folder / name);
  TMdi_Frm& w = *windows_->Mdi_Frm;
  ui(w).RadioGroup1->set_item_index(1);
  w.bt_ok_entradaClick();
  require(bool(windows_->Mdi_Frm2), "o assistente de comparação não abriu");
  TMdi_Frm2& c = *windows_->Mdi_Frm2;
  ui<WizardFrameUi>(c).RadioGroup2->set_item_index(0);
  c.bt_ok_bemvindoClick();
  ui<WizardProjectPanel>(c).Edit_titulo->setText(QStringLiteral("comparacao"));
  ui<WizardProjectPanel>(c).Edit_cliente->setText(QStringLiteral("Observatório de Notícias"));
  ui<WizardProjectPanel>(c).Edit_resp->setText(QStringLiteral("Ana"));
  platform.answer(QString::fromStdString(folder.string()));
  c.bt_alterarClick();
  c.bit_avancarClick();
  ui<WizardProjectPanel>(c).ListBox_idioma->setCurrentRow(0);
  c.ListBox_idiomaClick();
  c.bit_avancarClick();
  const QStringList said = take_messages();
  require(said.isEmpty(), "o assistente disse: " + said.join(" | ").toStdString());
  require(c.passo_corrente() == 3, "o assistente de comparação não chegou à análise dos documentos");
  settle();
}

}  // namespace lumeral::gui::pictures
