#include "gui/base/memo.h"

#include <QStringList>

#include "gui/base/form.h"

namespace lumeral::gui {

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent) { setLineWrapMode(QPlainTextEdit::NoWrap); }

std::vector<Ansi> Memo::lines() const {
  std::vector<Ansi> out;
  const QString text = toPlainText();
  if (text.isEmpty()) return out;
  QStringList parts = text.split(QLatin1Char('\n'));
  if (parts.size() > 1 && parts.last().isEmpty()) parts.removeLast();
  out.reserve(static_cast<std::size_t>(parts.size()));
  for (const QString& p : parts) out.push_back(ansi(p));
  return out;
}

void Memo::set_lines(const std::vector<Ansi>& lines) {
  QStringList parts;
  parts.reserve(static_cast<qsizetype>(lines.size()));
  for (const Ansi& l : lines) parts << qs(l);
  setPlainText(parts.join(QLatin1Char('\n')));
}

void Memo::add_lines(const std::vector<Ansi>& more) {
  std::vector<Ansi> all = lines();
  all.insert(all.end(), more.begin(), more.end());
  set_lines(all);
}

}  // namespace lumeral::gui
