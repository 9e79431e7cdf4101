// Word clouds: the words of a source with their weights, the N heaviest of
// them, a font size per word by its weight, and a layout that places each
// word's box on an Archimedean spiral from the centre, heaviest first, at
// the first point where it overlaps no box placed before. The core knows no
// fonts: the caller passes the function that measures a word at a size.
// Placed boxes are kept in a uniform grid, so a candidate is tested only
// against the boxes of the cells it covers (1,000 words stay linear in the
// spiral points tried). A word that finds no place within the picture is
// reported, never dropped without a word.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/records/weighted.h"
#include "core/shell/project.h"

namespace lumeral::comparison {
struct ResultRow;
}

namespace lumeral::variables {
struct Assignment;
}

namespace lumeral::charts {

namespace fs = std::filesystem;

struct CloudWord {
  Ansi word;
  double weight = 0;
  int group = -1;  // index in CloudSource::groups; -1 when the source has none
  bool operator==(const CloudWord&) const = default;
};

// The words of a source, each once (repeated words summed, at the place of
// their first sight), only those of positive weight; and, where the source
// has groups, their names (a word's group is the one that gave it most
// weight).
struct CloudSource {
  std::vector<CloudWord> words;
  std::vector<Ansi> groups;
};

// The rows of a word-list window, or "Abre lista" of a .lpl file: an
// unreadable weight stops with the conversion error.
CloudSource cloud_of_word_rows(const std::vector<records::WeightedRow>& rows, const Regional& regional);
// The rows of the centroid window: its centroid, or one document's
// differences.
CloudSource cloud_of_rows(const std::vector<comparison::ResultRow>& rows, const Regional& regional);
// The summed word weights of documents (their word lists .lpl, found in
// `folder` by the companion rule). `group_of_document`, when given, names
// each document's group (an index in `groups`, -1 for none), and each word
// is coloured by the group that gave it most weight. A missing word list
// stops with "Preparar documentos antes ! Criar lista de pals"; no
// documents with "Nenhum documento para a nuvem de palavras".
CloudSource cloud_of_documents(const std::vector<Ansi>& documents, const fs::path& folder,
                               Progress& progress = Progress::none(),
                               const std::vector<int>& group_of_document = {}, std::vector<Ansi> groups = {});

// The documents of one cluster (numbered from 1, as "cluster1") in a table
// of clusters as `cluster --export` and the clustering window's export
// write it (columns "Cluster" and "Documento"; CSV, XLSX or ODS).
std::vector<Ansi> cluster_documents(const fs::path& table, std::size_t cluster);

// The documents of one category of a variable (`category` given), or every
// document of the list, each in the group of its category.
CloudSource cloud_of_variable(const std::vector<Ansi>& documents, const fs::path& folder,
                              const variables::Assignment& assignment, const std::optional<Ansi>& category,
                              Progress& progress = Progress::none());

// The documents of `list` holding `concept_name` in their classification
// (`ConceptDocuments::read`, with the project's naming rule while a wizard
// project is open); none stops with "Nenhum documento da lista L tem o
// conceito C".
CloudSource cloud_of_concept(const fs::path& list, const std::optional<shell::Project>& project, AnsiView concept_name,
                             Progress& progress = Progress::none());

// `cloud_of_variable` of the documents of `list` by `variable` of the
// list's variables file; `warn` gets each of the assignment's warnings
// (missing, unknown or empty documents) before the words are read.
CloudSource cloud_of_list_variable(const fs::path& list, AnsiView variable, const std::optional<Ansi>& category,
                                   const std::function<void(const std::string&)>& warn,
                                   Progress& progress = Progress::none());

inline constexpr std::size_t kDefaultCloudWords = 100;

// The `top` heaviest words (0: all), heaviest first; equal weights by the
// regional collation of the words, then by their bytes, so the choice and
// the order never depend on the source's order.
std::vector<CloudWord> heaviest_words(std::vector<CloudWord> words, std::size_t top, const Regional& regional);

enum class CloudScale { Linear, Sqrt };

struct CloudOptions {
  double width = 1000;   // the picture, in pixels; the spiral starts at its centre
  double height = 700;
  double min_size = 12;  // font sizes of the lightest and the heaviest word
  double max_size = 64;
  CloudScale scale = CloudScale::Sqrt;
  double padding = 2;    // free space kept around every box
  double step = 2;       // distance between two spiral points tried, in pixels
  int bands = 5;         // colour groups by weight when the source has none
};

// A word's size from its weight, between the options' sizes (linear or by
// the square root of the weight, between the lightest and the heaviest
// weight of the cloud; every word the largest when all weigh the same).
double font_size(double weight, double lightest, double heaviest, const CloudOptions& options);

struct BoxSize {
  double width = 0;
  double height = 0;
};
// Measures `word` written at font size `size` (pixels).
using MeasureWord = std::function<BoxSize(const Ansi& word, double size)>;

struct PlacedWord {
  Ansi word;
  double weight = 0;
  double size = 0;  // font size
  int colour = 0;   // the source group, or the weight band (0 the heaviest)
  double x = 0;     // top-left corner of the box, in the picture
  double y = 0;
  double width = 0;
  double height = 0;
  bool operator==(const PlacedWord&) const = default;
};

struct CloudLayout {
  std::vector<PlacedWord> placed;  // in order of weight, heaviest first
  std::vector<Ansi> unplaced;      // words that found no room, heaviest first
  std::vector<Ansi> groups;        // the source's groups (empty: colours by weight band)
  double width = 0;
  double height = 0;
};

// Lays out `words` (heaviest first, as heaviest_words gives them).
CloudLayout lay_out_cloud(const std::vector<CloudWord>& words, const std::vector<Ansi>& groups,
                          const MeasureWord& measure, const CloudOptions& options);

// A placed word as `chart wordcloud --positions` prints it (UTF-8): the
// word, its font size, the box's corner and size, tab-separated, two
// decimals with ".".
std::string placed_line(const PlacedWord& word);

// The message listing the words with no room (empty when every word was
// placed).
std::string unplaced_message(const CloudLayout& layout);

}  // namespace lumeral::charts
