#include "gui/comparison/compara_regras.h"

#include <QAction>

#include "core/comparison/rule_comparison.h"
#include "core/records/weighted.h"
#include "gui/base/platform.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

Tform_regras::Tform_regras(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  connect(Compararegras1, &QAction::triggered, this, [this] { Compararegras1Click(); });
  connect(Salvarcomotexto1, &QAction::triggered, this, [this] { Salvarcomotexto1Click(); });
  connect(Salvarcomotexto2, &QAction::triggered, this, [this] { Salvarcomotexto2Click(); });
}

void Tform_regras::Compararegras1Click() {
  command([this] {
    comuns_.clear();
    exclusivas_.clear();
    Memo_comuns->clear();
    Memo_exclusivas->clear();
    ListBox_arquivos->clear();
    const QStringList files =
        platform().open_files(this, {QString(), QStringLiteral("arquivos texto (*.txt)|*.txt"), QString(), QString()});
    if (files.isEmpty()) return;
    std::vector<fs::path> paths;
    for (const QString& f : files) paths.push_back(path_of(f));
    auto result = comparison::compare_rules(paths);
    ListBox_arquivos->set_lines(result.file_names);
    comuns_ = std::move(result.common);
    exclusivas_ = std::move(result.exclusive);
    Memo_comuns->set_lines(comuns_);
    Memo_exclusivas->set_lines(exclusivas_);
  });
}

void Tform_regras::salva(const std::vector<Ansi>& lines) {
  command([this, &lines] {
    auto file = platform().save_file(
        this, {QString(), QStringLiteral("arquivos texto (*.txt)|*.txt"), QStringLiteral("txt"), QString()});
    if (!file) return;
    records::save_as_text(path_of(*file), lines);
  });
}

void Tform_regras::Salvarcomotexto1Click() { salva(comuns_); }
void Tform_regras::Salvarcomotexto2Click() { salva(exclusivas_); }

}  // namespace lumeral::gui
