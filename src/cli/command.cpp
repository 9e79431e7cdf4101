#include "cli/command.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>

#include "core/base/encoding.h"
#include "core/base/message.h"

namespace lumeral::cli {
namespace {

struct Entry {
  int order;
  Setup setup;
};

std::vector<Entry>& registry() {
  static std::vector<Entry> entries;
  return entries;
}

class TerminalProgress : public Progress {
 public:
  explicit TerminalProgress(std::ostream& err) : err_(err) {}
  void status(std::string_view text) override {
    err_ << "\r\x1b[K" << text << std::flush;
    shown_ = true;
  }
  ~TerminalProgress() override {
    if (shown_) err_ << "\r\x1b[K" << std::flush;
  }

 private:
  std::ostream& err_;
  bool shown_ = false;
};

void portuguese_labels(CLI::App& app) {
  auto fmt = app.get_formatter();
  fmt->label("Usage", "Uso");
  fmt->label("OPTIONS", "OPÇÕES");
  fmt->label("Options", "Opções");
  fmt->label("Positionals", "Argumentos");
  fmt->label("SUBCOMMAND", "COMANDO");
  fmt->label("SUBCOMMANDS", "COMANDOS");
  fmt->label("Subcommands", "Comandos");
  fmt->label("REQUIRED", "OBRIGATÓRIO");
  fmt->label("TEXT", "TEXTO");
  fmt->label("FLOAT", "NÚMERO");
  fmt->label("INT", "INTEIRO");
  fmt->label("UINT", "INTEIRO");
  fmt->label("Excludes", "Exclui");
  fmt->label("Needs", "Requer");
  fmt->column_width(34);
}

}  // namespace

Env::Env(std::string locale, std::ostream& out, std::ostream& err)
    : locale_(std::move(locale)), out_(out), err_(err) {}

const Regional& Env::regional() {
  if (!regional_) {
    regional_ = std::make_unique<Regional>(locale_.empty() ? Regional::from_environment()
                                                           : Regional::for_locale(locale_));
  }
  return *regional_;
}

void Env::line(AnsiView text) { out_ << to_utf8(text) << '\n'; }
void Env::line_utf8(std::string_view text) { out_ << text << '\n'; }
void Env::message(std::string_view text) { err_ << text << std::endl; }

Progress& Env::progress() {
  if (!progress_) {
    if (&err_ == &std::cerr && ::isatty(2)) progress_ = std::make_unique<TerminalProgress>(err_);
    else progress_ = std::make_unique<Progress>();
  }
  return *progress_;
}

Registrar::Registrar(int order, Setup setup) { registry().push_back({order, std::move(setup)}); }

std::filesystem::path arg_path(const std::string& s) { return std::filesystem::path(s); }
Ansi arg_text(const std::string& s) { return to_ansi(s); }

void show(Env& env, const Listing& listing) {
  for (const auto& line : listing.lines) env.line(line);
  listing.rethrow();
}

int run(int argc, char** argv, std::ostream& out, std::ostream& err) {
  CLI::App app{"Lumeral: análise de coleções de textos, em lote e por scripts.", "lumeral-cli"};
  portuguese_labels(app);
  app.set_help_flag("-h,--help", "Mostra esta ajuda e sai");
  app.require_subcommand(1);
  app.footer("Use \"lumeral-cli COMANDO --help\" para a ajuda de um comando.");
  std::string locale;
  app.add_option("--locale", locale,
                 "Configurações regionais (por exemplo pt_BR, en_US); padrão: as do ambiente, ou pt_BR");

  auto& entries = registry();
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.order < b.order; });
  std::vector<std::pair<CLI::App*, Handler>> handlers;
  for (auto& e : entries) {
    std::size_t before = app.get_subcommands({}).size();
    Handler h = e.setup(app);
    auto subs = app.get_subcommands({});
    if (subs.size() > before) {
      CLI::App* sub = subs.back();
      sub->set_help_flag("-h,--help", "Mostra esta ajuda e sai");
      handlers.emplace_back(sub, std::move(h));
    }
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    out << app.help();
    return 0;
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) {
      out << app.help();
      return 0;
    }
    err << "Erro de uso: " << e.what() << "\n";
    err << "Use \"lumeral-cli --help\" para ver os comandos e opções.\n";
    return 2;
  }

  Env env(locale, out, err);
  for (auto& [sub, handler] : handlers) {
    if (!sub->parsed()) continue;
    try {
      handler(env);
      out.flush();
      return 0;
    } catch (const Stop& stop) {
      out.flush();
      env.message(stop.text());
      return stop.kind() == MessageKind::Information ? 0 : 1;
    } catch (const CLI::ParseError& e) {
      err << "Erro de uso: " << e.what() << "\n";
      return 2;
    } catch (const std::exception& e) {
      out.flush();
      env.message(std::string("Erro: ") + e.what());
      return 1;
    }
  }
  return 2;
}

}  // namespace lumeral::cli
