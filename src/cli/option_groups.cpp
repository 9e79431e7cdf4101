#include "cli/option_groups.h"

namespace lumeral::cli {

LanguageOption::LanguageOption(CLI::App* sub, const std::string& name, const std::string& help,
                               std::optional<std::string> fallback)
    : code_(std::make_shared<std::string>(fallback.value_or(""))) {
  sub->add_option(name, *code_, help)->check(one_of({"pt", "en", "es"}));
}

std::optional<Language> LanguageOption::get() const {
  if (code_->empty()) return std::nullopt;
  if (*code_ == "en") return Language::English;
  if (*code_ == "es") return Language::Spanish;
  return Language::Portuguese;
}

MatrixOptionGroup::MatrixOptionGroup(CLI::App* sub) : method_(std::make_shared<std::string>()) {
  sub->add_option("--method", *method_, "Método: word (por palavra) ou concept (por conceitos)")
      ->required()
      ->check(one_of({"word", "concept"}));
}

clustering::Method MatrixOptionGroup::method() const {
  return *method_ == "word" ? clustering::Method::Words : clustering::Method::Concepts;
}

clustering::MatrixOptions MatrixOptionGroup::options(const Env& env) {
  clustering::MatrixOptions options;
  options.memory_budget = env.memory_budget();
  return options;
}

CentroidMethodOption::CentroidMethodOption(CLI::App* sub, const std::string& help)
    : method_(std::make_shared<std::string>("word")) {
  sub->add_option("--method", *method_, help)->check(one_of({"word", "context"}));
}

comparison::Method CentroidMethodOption::get() const {
  return *method_ == "context" ? comparison::Method::Context : comparison::Method::Word;
}

CentroidOptionGroup::CentroidOptionGroup(CLI::App* sub)
    : type_(std::make_shared<std::string>("all")),
      method_(std::make_shared<std::string>("word")),
      mode_(std::make_shared<std::string>("frequency")) {
  sub->add_option("--type", *type_,
                  "Tipo de centróide: all (\"Todas as palavras + freq\"), two (\"Basta aparecer em 2 docs\"), "
                  "every (\"Precisa aparecer em todos\")")
      ->check(one_of({"all", "two", "every"}));
  sub->add_option("--method", *method_, "Método: word (\"Por palavra\") ou context (\"Contextual\")")
      ->check(one_of({"word", "context"}));
  sub->add_option("--mode", *mode_, "Modo: frequency (\"Por freqüência\") ou weight (\"Por peso\")")
      ->check(one_of({"frequency", "weight"}));
}

comparison::CentroidOptions CentroidOptionGroup::get() const {
  comparison::CentroidOptions o;
  o.type = *type_ == "two" ? comparison::CentroidType::Two
           : *type_ == "every" ? comparison::CentroidType::Every
                               : comparison::CentroidType::All;
  o.method = *method_ == "context" ? comparison::Method::Context : comparison::Method::Word;
  o.mode = *mode_ == "weight" ? comparison::Mode::Weight : comparison::Mode::Frequency;
  return o;
}

}  // namespace lumeral::cli
