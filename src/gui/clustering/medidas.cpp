#include "gui/clustering/medidas.h"

#include "core/clustering/evaluation.h"
#include "gui/base/platform.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {
const QString kFiltroDocs = QStringLiteral("listas de documentos (*.ldc)|*.ldc");
}  // namespace

Tform_medidas::Tform_medidas(Windows& windows) : QWidget(nullptr), Form(windows) {
  build_layout();
  connect(Button_ideal, &QPushButton::clicked, this, [this] { Button_idealClick(); });
  connect(Button_resultados, &QPushButton::clicked, this, [this] { Button_resultadosClick(); });
  connect(Button_calcula, &QPushButton::clicked, this, [this] { Button_calculaClick(); });
}

void Tform_medidas::Button_idealClick() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroDocs, QString(), QString()});
    if (file) Edit_ideal->setText(*file);
  });
}

void Tform_medidas::Button_resultadosClick() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroDocs, QString(), QString()});
    if (file) Edit_resultados->setText(*file);
  });
}

void Tform_medidas::Button_calculaClick() {
  command([this] {
    for (QLineEdit* f : {Edit_categoria, Edit_recuperados, Edit_certos, Edit_errados, Edit_precision, Edit_recall})
      f->clear();
    auto result = clustering::precision_recall(path_of(Edit_ideal->text()), path_of(Edit_resultados->text()));
    const auto fields = clustering::precision_recall_fields(result, regional());
    Edit_categoria->setText(qs(fields.ideal));
    Edit_recuperados->setText(qs(fields.retrieved));
    Edit_certos->setText(qs(fields.hits));
    Edit_errados->setText(qs(fields.wrong));
    Edit_precision->setText(qs(fields.precision));
    Edit_recall->setText(qs(fields.recall));
    // An empty list leaves nothing to divide by: the counts stay shown.
    if (result.stop) throw Stop(*result.stop);
  });
}

}  // namespace lumeral::gui
