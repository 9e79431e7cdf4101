#include "gui/base/platform.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextDocument>

namespace lumeral::gui {

QString qt_filter(const QString& windows_filter) {
  const QStringList parts = windows_filter.split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString desc = parts[i].trimmed();
    // Drop the description's own "(*.x)" so the patterns shown are the ones used.
    static const QRegularExpression own_patterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    desc.remove(own_patterns);
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& p : patterns) p = p.trimmed();
    entries << desc + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return entries.join(QStringLiteral(";;"));
}

QStringList first_patterns(const QString& windows_filter) {
  const QStringList parts = windows_filter.split(QLatin1Char('|'));
  if (parts.size() < 2) return {};
  QStringList patterns = parts[1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
  for (QString& p : patterns) p = p.trimmed();
  return patterns;
}

namespace {

// The folder of a chosen file becomes current, as after every dialog of the program.
void make_folder_current(const QString& file) {
  QDir::setCurrent(QFileInfo(file).absolutePath());
}

QString absolute(const QString& file) { return QFileInfo(file).absoluteFilePath(); }

}  // namespace

std::optional<QString> Platform::open_file(QWidget* parent, const FileDialog& dialog) {
  auto chosen = ask_open_file(parent, dialog, qt_filter(dialog.filter));
  if (!chosen || chosen->isEmpty()) return std::nullopt;
  QString path = absolute(*chosen);
  make_folder_current(path);
  return path;
}

QStringList Platform::open_files(QWidget* parent, const FileDialog& dialog) {
  QStringList chosen = ask_open_files(parent, dialog, qt_filter(dialog.filter));
  QStringList paths;
  for (const QString& c : chosen)
    if (!c.isEmpty()) paths << absolute(c);
  if (!paths.isEmpty()) make_folder_current(paths.front());
  return paths;
}

std::optional<QString> Platform::save_file(QWidget* parent, const FileDialog& dialog) {
  auto chosen = ask_save_file(parent, dialog, qt_filter(dialog.filter));
  if (!chosen || chosen->isEmpty()) return std::nullopt;
  QString path = absolute(*chosen);
  if (!dialog.default_ext.isEmpty() && QFileInfo(path).suffix().isEmpty() && !path.endsWith(QLatin1Char('.')))
    path += QLatin1Char('.') + dialog.default_ext;
  if (!dialog.keeps_current_folder) make_folder_current(path);
  return path;
}

std::optional<QString> Platform::pick_folder(QWidget* parent, const QString& caption, const QString& start) {
  // A folder not made yet (a new project's default folder) would open as
  // its parent with the missing name typed in, which keeps the choice
  // refused: the picker opens at the nearest folder that exists.
  QString existing = start;
  while (!existing.isEmpty() && !QFileInfo(existing).isDir()) {
    const QString up = QFileInfo(existing).absolutePath();
    if (up == existing) break;
    existing = up;
  }
  auto chosen = ask_folder(parent, caption, existing);
  if (!chosen || chosen->isEmpty()) return std::nullopt;
  return QDir::cleanPath(QFileInfo(*chosen).absoluteFilePath());
}

void Platform::write_pdf(const QTextDocument& document, const QString& job_title, const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setDocName(job_title);
  printer.setPageSize(QPageSize(QPageSize::A4));
  document.print(&printer);
  if (!QFileInfo::exists(path))
    throw Stop("Não foi possível gravar o arquivo \"" + path.toStdString() + "\".");
}

}  // namespace lumeral::gui
