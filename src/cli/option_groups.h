// Option groups that several commands take: each declares its options on a
// subcommand once and turns what was typed into the core's value, so every
// command that takes them reads them the same way (see also RuleOptions).
// The values live in shared storage: a handler captures the group by value.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "cli/command.h"
#include "core/base/language.h"
#include "core/clustering/matrix.h"
#include "core/comparison/centroid.h"

namespace lumeral::cli {

// A language given as pt, en or es (--language of `prepare`, --stem of the
// commands that read word lists of stems).
class LanguageOption {
 public:
  // `fallback`: the code taken when the option is not given (none: the
  // option is optional and get() is empty then).
  LanguageOption(CLI::App* sub, const std::string& name, const std::string& help,
                 std::optional<std::string> fallback = std::nullopt);
  std::optional<Language> get() const;

 private:
  std::shared_ptr<std::string> code_;
};

// --method word|concept of the similarity matrix, and the memory the matrix
// may take.
class MatrixOptionGroup {
 public:
  explicit MatrixOptionGroup(CLI::App* sub);
  clustering::Method method() const;
  // The matrix's options under the run's --memory (no file: a scratch one).
  static clustering::MatrixOptions options(const Env& env);

 private:
  std::shared_ptr<std::string> method_;
};

// --method word|context of the centroid window (`help` tells what the
// command does with it).
class CentroidMethodOption {
 public:
  CentroidMethodOption(CLI::App* sub, const std::string& help);
  comparison::Method get() const;

 private:
  std::shared_ptr<std::string> method_;
};

// --type all|two|every, --method and --mode frequency|weight: how the
// centroid is calculated ("Novo").
class CentroidOptionGroup {
 public:
  explicit CentroidOptionGroup(CLI::App* sub);
  comparison::CentroidOptions get() const;

 private:
  std::shared_ptr<std::string> type_, method_, mode_;
};

}  // namespace lumeral::cli
