#include "gui/base/qt_platform.h"

#include "gui/base/file_chooser.h"
#include "gui/base/long_work.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTextDocument>
#include <QTimer>

#include <dlfcn.h>

#if __has_include(<QtGui/qguiapplication_platform.h>)
#include <QtGui/qguiapplication_platform.h>
#endif

namespace lumeral::gui {

namespace {

// Shows the program's file dialog; the chosen paths, or none when cancelled.
QStringList run(QtPlatform& platform, QWidget* parent, FileChooser::Mode mode, const FileDialog& d,
                const QString& filter) {
  FileChooser dialog(parent, mode, d.title, d.folder, filter, d.default_ext);
  dialog.confirm = [&](const QString& text) { return platform.confirm(&dialog, text); };
  dialog.error = [&](const QString& text) { platform.error(&dialog, text); };
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.chosen();
}

// Bits of the X keyboard indicator state: Caps Lock is the first indicator
// and Num Lock the second on every standard keymap.
unsigned x11_indicators() {
#if QT_CONFIG(xcb)
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->display()) return 0;
  // libX11 is loaded at run time, so the build needs no X11 development files.
  static void* lib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
  if (!lib) return 0;
  using GetState = int (*)(Display*, unsigned, unsigned*);
  static auto get = reinterpret_cast<GetState>(dlsym(lib, "XkbGetIndicatorState"));
  if (!get) return 0;
  unsigned state = 0;
  constexpr unsigned kUseCoreKeyboard = 0x0100;
  if (get(x11->display(), kUseCoreKeyboard, &state) != 0) return 0;
  return state;
#else
  return 0;
#endif
}

}  // namespace

void QtPlatform::message(QWidget* parent, const QString& text, MessageKind kind) {
  QMessageBox::Icon icon = QMessageBox::Information;
  switch (kind) {
    case MessageKind::Error: icon = QMessageBox::Critical; break;
    case MessageKind::Warning: icon = QMessageBox::Warning; break;
    case MessageKind::Question: icon = QMessageBox::Question; break;
    case MessageKind::Information: icon = QMessageBox::Information; break;
  }
  QMessageBox box(icon, kApplicationTitle, text, QMessageBox::Ok, parent);
  box.exec();
}

bool QtPlatform::confirm(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Question, kApplicationTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Sim"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Não"));
  return box.exec() == QMessageBox::Yes;
}

void QtPlatform::set_setting(const QString& key, const QString& value) {
  QSettings settings(QStringLiteral("Lumeral"), QStringLiteral("Lumeral"));
  settings.setValue(key, value);
}

QString QtPlatform::setting(const QString& key) const {
  QSettings settings(QStringLiteral("Lumeral"), QStringLiteral("Lumeral"));
  return settings.value(key).toString();
}

bool QtPlatform::print(QWidget* parent, const QTextDocument& document, const QString& job_title) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(job_title);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(job_title);
  if (dialog.exec() != QDialog::Accepted) return false;
  document.print(&printer);
  return true;
}

bool QtPlatform::num_lock() const { return (x11_indicators() & 2u) != 0; }
bool QtPlatform::caps_lock() const { return (x11_indicators() & 1u) != 0; }

QDateTime QtPlatform::now() const { return QDateTime::currentDateTime(); }

void QtPlatform::pause(int ms) {
  // The wait runs the event loop, so windows repaint and move meanwhile;
  // it is only called during long work, which refuses stray input.
  LongWork::process_events();
  if (ms <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
  LongWork::process_events();
}

std::optional<QString> QtPlatform::ask_open_file(QWidget* parent, const FileDialog& d, const QString& filter) {
  QStringList chosen = run(*this, parent, FileChooser::Mode::Open, d, filter);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.front();
}

QStringList QtPlatform::ask_open_files(QWidget* parent, const FileDialog& d, const QString& filter) {
  return run(*this, parent, FileChooser::Mode::OpenMany, d, filter);
}

std::optional<QString> QtPlatform::ask_save_file(QWidget* parent, const FileDialog& d, const QString& filter) {
  QStringList chosen = run(*this, parent, FileChooser::Mode::Save, d, filter);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.front();
}

std::optional<QString> QtPlatform::ask_folder(QWidget* parent, const QString& caption, const QString& start) {
  QStringList chosen = run(*this, parent, FileChooser::Mode::Folder, {caption, QString(), QString(), start}, QString());
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.front();
}

}  // namespace lumeral::gui
