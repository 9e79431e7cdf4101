// Centroids and differences of a document list (the "Comparação de
// Documentos" window): what the documents share, and what each one has of
// its own. Word method: the documents' word lists (.lpl) and differences
// .dif; contextual method: their classification matrices (.mtz) and
// differences .dfc. Centroid files "centroide-2.lpl", "centroide-3.lpl" and
// "centro-temp.lpl" are word lists; formats in docs/formats.md.
//
// Each collection is read once into memory and counted with hash maps; the
// results (values, record order, display lines) are those of the window's
// document-by-document scans.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/shell/project.h"

namespace lumeral::comparison {

namespace fs = std::filesystem;

// "Método": "Por palavra" / "Contextual".
enum class Method { Word, Context };
// "Tipo de Centróide": "Todas as palavras + freq", "Basta aparecer em 2
// docs", "Precisa aparecer em todos".
enum class CentroidType { All, Two, Every };
// "Modo": "Por freqüência" (documents holding the word) / "Por peso"
// (average weight over all documents).
enum class Mode { Frequency, Weight };

// Extension of the per-document source ("lpl"/"mtz") and difference
// ("dif"/"dfc") files of a method.
AnsiView source_extension(Method m);
AnsiView difference_extension(Method m);

// The output file of a centroid type.
const char* centroid_file_name(CentroidType t);

struct CentroidOptions {
  CentroidType type = CentroidType::All;
  Method method = Method::Word;
  Mode mode = Mode::Frequency;
  // Whether a document is selected in the window's list; the type "Todas
  // as palavras + freq" needs one unless the wizard window is visible.
  bool document_selected = true;
  // The wizard's project while its window is visible: companions are then
  // found and the centroid is written in the project folder.
  std::optional<shell::Project> wizard_project;
  // The centroid file to write instead of the type's own name in the
  // folder (the comparison wizard names its centroid after the project).
  fs::path output;
};

// A row of a word list the comparison windows show: the trimmed word and
// its weight as the list shows it (the regional format of each list).
struct ResultRow {
  Ansi word;
  Ansi weight;
  bool operator==(const ResultRow&) const = default;
};

// The line a list shows for a row: word + " | " + weight.
Ansi row_line(const ResultRow& row);
std::vector<Ansi> row_lines(const std::vector<ResultRow>& rows);

// "Salva como lista": one word record per row, the word cut to 15
// characters, the weight read from its text. An unreadable weight stops
// with the conversion error and the file keeps its old content.
void save_rows_as_word_list(const fs::path& p, const std::vector<ResultRow>& rows, const Regional& regional);

struct CentroidResult {
  std::vector<ResultRow> rows;  // weight: the general form (type "Todas") or "0.000000"
  fs::path file;                // the centroid file written
};

// "Novo": the centroid of `documents` (the document list's entries).
// `folder` is the folder of the document list (the working folder): the
// companions are found and the centroid is written there, or in the
// options' project folder while the wizard window is visible. A missing companion stops with "Preparar
// documentos antes ! Criar lista de pals" (word method) or "Fazer
// classificação antes !" (contextual); the centroid file is written only
// when complete, so a stop leaves the previous one as it was.
// Each document read reports its status line and bar(i, N - 1).
CentroidResult compute_centroid(const std::vector<Ansi>& documents, const fs::path& folder,
                                const CentroidOptions& options, const Regional& regional,
                                Progress& progress = Progress::none());

// "Calcula diferenças para todos": for every document, its difference
// companion (.dif/.dfc) in `folder` with the records of its source companion
// that have a positive weight and are not in the centroid. Returns the
// number of files written. An empty list stops with "Selecionar lista de
// documentos"; a missing source stops with a message naming it (the files
// written before stay).
std::size_t compute_differences(const std::vector<Ansi>& documents, const fs::path& folder,
                                const fs::path& centroid, Method method, Progress& progress = Progress::none());

// "Abre centróide": word and weight ("0.000000") of every record whose
// weight reaches the threshold field (empty means 0).
std::vector<ResultRow> open_centroid(const fs::path& centroid, AnsiView threshold_text, const Regional& regional);

// "Mostra diferenças do doc selecionado": the rows (weight "0.0000") of the
// selected document's difference file. No selection stops
// with "Você deve selecionar um documento da lista"; a missing file with
// "Você deve antes calcular as diferenças".
std::vector<ResultRow> show_differences(const std::vector<Ansi>& documents, std::optional<std::size_t> selected,
                                   const fs::path& folder, Method method, const Regional& regional);

// "Soma todas as diferenças": the same rows for every record of every
// chosen file, file after file.
std::vector<ResultRow> sum_differences(const std::vector<fs::path>& files, const Regional& regional);

}  // namespace lumeral::comparison
