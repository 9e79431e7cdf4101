// The guide's pictures made by the program itself: a session drives the
// desktop program's windows through the tutorial on a copy of the sample
// collection, as a user would (the registry's windows, their public
// commands, dialogs answered from a script), and each picture is one row of
// a table: its file name and the function that puts a window in the state
// the guide describes and returns that window.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

#include "gui/base/scripted_platform.h"
#include "gui/shell/windows.h"

class QWidget;

namespace lumeral::gui::pictures {

namespace fs = std::filesystem;

// A window that could not be brought to its state: the picture's failure.
struct Unreached : std::runtime_error {
  using std::runtime_error::runtime_error;
};
// Throws Unreached with `why` unless `ok`.
void require(bool ok, const std::string& why);

// Dialogs answered from the script; the program's save dialog, which a
// user sees only while choosing a file, is caught by a hook that runs at
// that moment.
class PicturePlatform : public ScriptedPlatform {
 public:
  // Called with the program's save dialog as it would appear, before the
  // scripted answer is given.
  std::function<void(QWidget& dialog)> on_save_dialog;

 protected:
  std::optional<QString> ask_save_file(QWidget* parent, const FileDialog& dialog, const QString& qt_filter) override;
};

// While it lives, `seen` is called with every widget that receives an
// event of `type`: how the windows a user sees only while the program works
// are found.
class EventWatcher : public QObject {
 public:
  EventWatcher(QEvent::Type type, std::function<void(QWidget*)> seen);
  ~EventWatcher() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QEvent::Type type_;
  std::function<void(QWidget*)> seen_;
};

// How far the mining wizard has gone on the session's project.
enum class Stage {
  None,        // the entry menu
  Project,     // step 1 filled in
  Preparation, // step 2 shown, choices made
  OntologyChoice,  // step 3, existing ontology + probabilistic marked
  Ontology,    // step 3, the ontology loaded, `economia` chosen
  Mined,       // step 4, the mining panel filled
};

class Session {
 public:
  // `root`: an empty scratch folder (HOME and the start folder of the
  // program); `source`: the source tree (examples/noticias).
  Session(fs::path root, fs::path source);
  ~Session();

  Windows& w() { return *windows_; }
  PicturePlatform platform;

  // The mining wizard on `lmr/projetos/noticias`, brought forward to
  // `stage` (in a fresh program when it is already past it or not begun;
  // Stage::None leaves a fresh program on the entry menu).
  void mining_wizard(Stage stage);
  // A fresh program whose tools window is open, over the folder the wizard
  // prepared and mined (made first when needed).
  void tools();
  // The comparison wizard on `lmr/projetos/comparacao` at its analysis
  // step, no set chosen.
  void comparison_wizard();

  // The sample project folder (prepared and mined once tools() ran).
  fs::path noticias() const { return root_ / "lmr" / "projetos" / "noticias"; }
  fs::path file(const std::string& name) const { return noticias() / name; }
  QString path(const std::string& name) const { return QString::fromStdString(file(name).string()); }
  const fs::path& root() const { return root_; }

  // A fresh program: a new registry, the main window on its entry menu.
  void restart();
  // Shows `window`, lets it lay out and paint, and grabs it.
  QPixmap shot(QWidget* window);
  // Hides every top-level window but the main window (after a picture).
  void tidy();
  // Messages shown since the last call, emptied.
  QStringList take_messages();
  // A picture caught while the program worked (the preparation's text
  // listing "unit_textos" and progress window "barra_progresso").
  std::optional<QPixmap> caught(const std::string& name);

 private:
  void copy_sample(const fs::path& to);
  fs::path root_;
  fs::path source_;
  std::unique_ptr<Windows> windows_;
  Stage stage_ = Stage::None;
  bool mined_once_ = false;
  std::map<std::string, QPixmap> caught_;
  bool half_way_ = false;  // the progress window was caught half way or more
};

// One picture: its file name (without ".png") and how it is made.
struct Picture {
  const char* name;
  std::function<QPixmap(Session&)> make;
};

// The rows of the wizard and shell windows, then of the tool windows.
std::span<const Picture> wizard_pictures();
std::span<const Picture> tool_pictures();

// Lets the window system show and paint what is pending.
void settle();

}  // namespace lumeral::gui::pictures
