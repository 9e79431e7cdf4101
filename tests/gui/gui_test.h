// The fixture of the window tests: a scratch folder (also the start folder
// and HOME, so nothing touches the real home), the scripted platform, the
// registry with every window created, and the main window shown as at
// start-up. Dialogs are answered through `platform`; messages are read back
// from it.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QThread>
#include <QDir>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "gui/base/scripted_platform.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/windows.h"
#include "support/fixtures.h"
#include "support/ui_access.h"

// Readable Qt strings in test output.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '[' << l.join("|").toStdString() << ']'; }

namespace lumeral::gui::testing {

namespace fs = std::filesystem;
using lumeral::testing::read_file;
using lumeral::testing::TempDir;
using lumeral::testing::write_file;
using lumeral::testing::write_project;

inline QString q(const fs::path& p) { return QString::fromStdString(p.string()); }

// Every file of a folder whose extension is one of `exts`, with its bytes.
inline std::map<std::string, std::string> files_with(const fs::path& folder, const std::set<std::string>& exts) {
  std::map<std::string, std::string> out;
  for (const auto& e : fs::directory_iterator(folder))
    if (exts.count(e.path().extension().string())) out[e.path().filename().string()] = read_file(e.path());
  return out;
}

class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    old_cwd_ = fs::current_path();
    old_home_ = qgetenv("HOME");
    fs::create_directories(tmp / "start");
    fs::create_directories(tmp / "home");
    qputenv("HOME", QByteArray::fromStdString((tmp / "home").string()));
    fs::current_path(tmp / "start");
    restart();
  }
  // A fresh program: a new registry, the main window on its entry menu.
  void restart() {
    windows.reset();
    windows = std::make_unique<Windows>(platform, Regional::for_locale("pt_BR"));
    windows->on_quit = [this] { ++quits; };
    windows->create_all();
    windows->Mdi_Frm->show();
  }
  void TearDown() override {
    if (!windows) return;  // skipped before set-up
    windows.reset();
    fs::current_path(old_cwd_);
    qputenv("HOME", old_home_);
    EXPECT_TRUE(platform.unanswered.isEmpty()) << "dialogs without a scripted answer: "
                                                << platform.unanswered.join(", ").toStdString();
  }

  TMdi_Frm& w() { return *windows->Mdi_Frm; }
  QStringList messages() const { return platform.message_texts(); }

  // Entry menu "OK" on the mining wizard, welcome "OK" on a new project.
  void start_new_project() {
    ui(w()).RadioGroup1->set_item_index(0);
    w().bt_ok_entradaClick();
    ui<WizardFrameUi>(w()).RadioGroup2->set_item_index(0);
    w().bt_ok_bemvindoClick();
  }
  // "Continuar um Projeto já existente" on the project file `ini`.
  void continue_project(const fs::path& ini) {
    w().bt_ok_entradaClick();
    ui<WizardFrameUi>(w()).RadioGroup2->set_item_index(1);
    platform.answer(q(ini));
    w().bt_ok_bemvindoClick();
  }
  // Step 1 filled in: the folder chosen with "Alterar".
  void fill_project(const QString& title, const fs::path& folder) {
    ui<WizardProjectPanel>(w()).Edit_titulo->setText(title);
    ui<WizardProjectPanel>(w()).Edit_cliente->setText(QStringLiteral("Cliente X"));
    ui<WizardProjectPanel>(w()).Edit_resp->setText(QStringLiteral("Ana"));
    platform.answer(QString::fromStdString(folder.string()));
    w().bt_alterarClick();
  }

  TempDir tmp;
  ScriptedPlatform platform;
  std::unique_ptr<Windows> windows;
  int quits = 0;

 private:
  fs::path old_cwd_;
  QByteArray old_home_;
};

}  // namespace lumeral::gui::testing
