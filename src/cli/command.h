// The frame every lumeral-cli command plugs into. A command file defines a
// static `Registrar` that adds its subcommand and options to the program
// and returns the handler to run when that subcommand was chosen. Handlers
// gather inputs, call the core, print result lines (converted to UTF-8) on
// standard output and let a Stop escape: the frame prints its sentence on
// standard error and exits 1 (0 for an information message).
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/listing.h"
#include "core/base/memory_budget.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/base/shard.h"
#include "core/export/table.h"
#include "core/export/table_files.h"

namespace lumeral::cli {

class Env {
 public:
  Env(std::string locale, std::ostream& out, std::ostream& err);
  const Regional& regional();
  // One result line on standard output, converted to UTF-8.
  void line(AnsiView text);
  void line_utf8(std::string_view text);
  // A message on standard error (UTF-8).
  void message(std::string_view text);
  // Progress on standard error, only when it is a terminal. It reports
  // cancelled() once the user pressed Ctrl-C.
  Progress& progress();
  // --memory: what the analyses that grow with the collection may hold.
  std::size_t memory_budget() const { return memory_budget_; }
  void set_memory_budget(std::size_t bytes) { memory_budget_ = bytes; }
  std::ostream& out() { return out_; }
  std::ostream& err() { return err_; }

  // The table a command printed, also written as the spreadsheet asked for
  // by its --export option (see add_export_option). `table_of` is called
  // only then, so a command pays for its table only when one is wanted.
  // The file is written at once, row by row, beside its name; the frame
  // puts it in place only when the command ends without a stop, so a
  // command that stops half-way leaves the previous export as it was.
  bool wants_table() const { return export_path_.has_value(); }
  void table(const std::function<exporting::TableSource()>& table_of);
  // Called before the work that builds a table of this shape (rows below
  // the header): stops at once when the format asked for cannot hold it.
  void table_shape(std::size_t rows, std::size_t columns) const;
  // By the frame: the table written, put in place (the command ended).
  void commit_table();
  // By the frame on a stop: the table written so far, if any, is dropped;
  // returns the sentence that says no export was written (empty when none
  // was asked for, or when the stop was the export's own failure).
  std::string drop_table();
  // Set by the frame from the parsed option.
  void set_export_path(std::filesystem::path p) { export_path_ = std::move(p); }
  bool table_written() const { return table_written_; }
  // The program's arguments as typed (without the program's name), for a
  // command that hands them to another program.
  const std::vector<std::string>& arguments() const { return arguments_; }
  void set_arguments(std::vector<std::string> arguments) { arguments_ = std::move(arguments); }

 private:
  std::unique_ptr<exporting::TableFile> pending_table_;
  bool export_failed_ = false;
  std::optional<std::filesystem::path> export_path_;
  bool table_written_ = false;
  std::vector<std::string> arguments_;
  std::string locale_;
  std::unique_ptr<Regional> regional_;
  std::ostream& out_;
  std::ostream& err_;
  std::unique_ptr<Progress> progress_;
  std::size_t memory_budget_ = kDefaultMemoryBudget;
};

using Handler = std::function<void(Env&)>;
// Adds a subcommand to `app` and returns the handler that runs it.
using Setup = std::function<Handler(CLI::App& app)>;

struct Registrar {
  // `order` places the command in the help listing (lower first).
  Registrar(int order, Setup setup);
};

// Runs the program: parse, dispatch, exit status (0, 1 or 2; 130 when a
// Ctrl-C stopped the command).
int run(int argc, char** argv, std::ostream& out, std::ostream& err);

// A validator that accepts one of `values`, in Portuguese: its help shows
// "{a,b}" and a refusal reads "x não está em {a,b}" (exit 2).
CLI::Validator one_of(std::vector<std::string> values);

// A validator of a whole number from `low` to `high`, in Portuguese: its
// help shows "de 1 a 9" and a refusal reads "x não é um número inteiro de
// 1 a 9" (exit 2).
CLI::Validator whole_between(std::size_t low, std::size_t high);

// A validator of the name of a table file: it must end in .csv or .xlsx.
CLI::Validator table_file_name();

// A path argument as typed (UTF-8 on this platform).
std::filesystem::path arg_path(const std::string& s);
// A file argument that stands for a file picked in an open dialog: it must
// exist (Stop naming it as missing, or as a folder, otherwise).
std::filesystem::path chosen_file(const std::string& s);
// A text argument (UTF-8 from the terminal) as stored text.
Ansi arg_text(const std::string& s);

// "--shard I/N" on a per-document command: the shard's documents alone
// (0-based I, 0 <= I < N; a bad value is a usage error in Portuguese).
// Returns the shard the option holds once parsed (the whole collection when
// it was not given).
std::function<Shard()> add_shard_option(CLI::App* sub);

// Prints the lines of a run, then stops on its message if it had one.
void show(Env& env, const Listing& listing);
// The same, exporting the table of the lines listed when the run ended
// without a stop (a run that stopped half-way exports nothing).
void show(Env& env, const Listing& listing,
          const std::function<exporting::Table(const std::vector<Ansi>&)>& table_of);

// "--export FILE.csv|FILE.xlsx" on a command that prints a table: its
// handler hands the table to Env::table(). A name without one of the two
// extensions is a usage error, told before the command runs.
void add_export_option(CLI::App* sub);

}  // namespace lumeral::cli
