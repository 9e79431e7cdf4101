#include "cli/command.h"

#include "cli/guide_pages.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <iostream>
#include <regex>

#include "core/base/folder_lock.h"
#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/locale_names.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/export/table_files.h"

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

// Set by the first SIGINT (Ctrl-C) while a command runs. The handler only
// stores to this flag (async-signal-safe); long runs read it between
// documents through Progress::cancelled() and stop with Cancelled.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void on_interrupt(int) { interrupted.store(true, std::memory_order_relaxed); }

// Catches the first SIGINT; SA_RESETHAND puts the default action back as
// the handler is entered, so a second Ctrl-C ends the program at once.
void catch_interrupt() {
  interrupted.store(false);
  struct sigaction action {};
  action.sa_handler = on_interrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND | SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
}

// Progress of a command: silent, but it reports the Ctrl-C request.
class QuietProgress : public Progress {
 public:
  bool cancelled() override { return interrupted.load(std::memory_order_relaxed); }
};

class TerminalProgress : public QuietProgress {
 public:
  explicit TerminalProgress(std::ostream& err) : err_(err) {}
  void status(std::string_view text) override {
    err_ << "\r\x1b[K" << text << std::flush;
    shown_ = true;
  }
  ~TerminalProgress() override { clear(); }
  // Empties the progress line, so a message starts on a line of its own.
  void clear() {
    if (shown_) err_ << "\r\x1b[K" << std::flush;
    shown_ = false;
  }

 private:
  std::ostream& err_;
  bool shown_ = false;
};

// Help in Portuguese from top to bottom: CLI11's headings through its
// labels, and the option columns through make_option_opts, which puts
// every type name (including the "TEXT" in front of a validator's
// description, "TEXT:{a,b}") through the same labels.
class PortugueseFormatter : public CLI::Formatter {
 public:
  PortugueseFormatter() {
    label("Usage", "Uso");
    label("OPTIONS", "OPÇÕES");
    label("Options", "Opções");
    label("Positionals", "Argumentos");
    label("SUBCOMMAND", "COMANDO");
    label("SUBCOMMANDS", "COMANDOS");
    label("Subcommands", "Comandos");
    label("REQUIRED", "OBRIGATÓRIO");
    label("TEXT", "TEXTO");
    label("FLOAT", "NÚMERO");
    label("INT", "INTEIRO");
    label("UINT", "INTEIRO");
    label("BOOLEAN", "SIM/NÃO");
    label("Env", "Ambiente");
    label("Excludes", "Exclui");
    label("Needs", "Requer");
    column_width(34);
  }

  std::string make_option_opts(const CLI::Option* opt) const override {
    if (!opt->get_option_text().empty()) return " " + opt->get_option_text();
    std::string out;
    if (opt->get_type_size() != 0) {
      if (!opt->get_type_name().empty()) out += " " + type_name(opt->get_type_name());
      if (!opt->get_default_str().empty()) out += "=" + opt->get_default_str();
      if (opt->get_expected_max() == CLI::detail::expected_max_vector_size) out += " ...";
      else if (opt->get_expected_min() > 1) out += " x " + std::to_string(opt->get_expected());
      if (opt->get_required()) out += " " + get_label("REQUIRED");
    }
    if (!opt->get_needs().empty()) {
      out += " " + get_label("Needs") + ":";
      for (const CLI::Option* o : opt->get_needs()) out += " " + o->get_name();
    }
    if (!opt->get_excludes().empty()) {
      out += " " + get_label("Excludes") + ":";
      for (const CLI::Option* o : opt->get_excludes()) out += " " + o->get_name();
    }
    return out;
  }

 private:
  // "TEXT:{a,b}": the type before the first ":" is labelled, the
  // validators' descriptions after it are ours already.
  std::string type_name(const std::string& full) const {
    auto colon = full.find(':');
    if (colon == std::string::npos) return get_label(full);
    return get_label(full.substr(0, colon)) + full.substr(colon);
  }
};

// A command's help ends with the page of the guide about it, after the
// line every help ends with; so do its own subcommands' ("chart
// frequencies").
void add_guide_footer(CLI::App* command, const std::string& path) {
  const std::string line = guide_line(path);
  if (!line.empty()) command->footer(command->get_footer() + "\n" + line);
  for (CLI::App* sub : command->get_subcommands({})) add_guide_footer(sub, path + " " + sub->get_name());
}

// The kind of a CLI11 error, by type (some carry the command's name as
// their name).
template <class Kind>
bool kind_of(const CLI::Error& e) {
  return dynamic_cast<const Kind*>(&e) != nullptr;
}

// What the option named `name` takes, from its type as the help shows it
// (" (espera um número inteiro)"), or "" when it is not a number. The
// subcommand being parsed is searched first, then the others.
std::string what_it_takes(const CLI::App& app, const std::string& name) {
  const CLI::Option* found = nullptr;
  std::vector<const CLI::App*> apps{&app};
  for (std::size_t i = 0; i < apps.size() && !found; ++i) {
    if (const CLI::Option* o = apps[i]->get_option_no_throw(name); o && (o->count() > 0 || apps[i]->parsed()))
      found = o;
    for (const CLI::App* sub : apps[i]->get_subcommands([](const CLI::App*) { return true; })) apps.push_back(sub);
  }
  if (!found) return {};
  const std::string type = found->get_type_name().substr(0, found->get_type_name().find(':'));
  if (type == "INT" || type == "UINT") return " (espera um número inteiro)";
  if (type == "FLOAT" || type == "NUMBER") return " (espera um número)";
  return {};
}

// A usage error in Portuguese. CLI11 raises each kind of error with an
// English sentence of a fixed form; the kind tells which form, and the
// names and values in it are taken out and put in a Portuguese sentence
// that names the option and, for a number, what it takes. A form this
// table does not know is reported without its English text.
std::string usage_error(const CLI::Error& e, const CLI::App& app) {
  // Escaped first: an argument holding a line break or bytes that are not
  // UTF-8 is shown readably, and the patterns see one line.
  const std::string msg = printable(e.what());
  std::smatch m;
  auto is = [&](const char* pattern) { return std::regex_match(msg, m, std::regex(pattern)); };
  auto g = [&](int i) { return m[i].str(); };
  if (kind_of<CLI::RequiredError>(e)) {
    if (is("A subcommand is required")) return "É preciso um comando";
    if (is("Requires at least ([0-9]+) subcommands")) return "São precisos pelo menos " + g(1) + " comandos";
    if (is("(.*) is required")) return g(1) + " é obrigatório";
    return "Falta uma opção obrigatória";
  }
  if (kind_of<CLI::ExtrasError>(e)) {
    if (is("The following argument was not expected: (.*)")) return "Argumento inesperado: " + g(1);
    if (is("The following arguments were not expected: (.*)")) return "Argumentos inesperados: " + g(1);
    return "Argumentos inesperados";
  }
  if (kind_of<CLI::ValidationError>(e)) {
    // Our validators already speak Portuguese ("xx não está em {pt,en,es}").
    if (is("(.*): (.*) not in (\\{.*\\})")) return g(1) + ": " + g(2) + " não está em " + g(3);
    if (is("(.*): Value (.*) not in range (.*) to (.*)"))
      return g(1) + ": " + g(2) + " não está entre " + g(3) + " e " + g(4) + what_it_takes(app, g(1));
    if (is("(.*): (.*)") && g(2).find(" não ") != std::string::npos) return msg;
    if (is("(-[^:]*): .*")) return "Valor inválido para " + g(1) + what_it_takes(app, g(1));
    return "Valor inválido";
  }
  if (kind_of<CLI::ConversionError>(e)) {
    if (is("Could not convert: (.*) = (.*)")) return "Valor inválido para " + g(1) + ": " + g(2) + what_it_takes(app, g(1));
    if (is("The value (.*) is not an allowed value for (.*)"))
      return "Valor inválido para " + g(2) + ": " + g(1) + what_it_takes(app, g(2));
    if (is("(.*): too many inputs for a flag")) return g(1) + " não aceita valor";
    if (is("(.*): Should be true/false or a number")) return g(1) + " aceita só true/false ou um número";
    return "Valor inválido";
  }
  if (kind_of<CLI::ArgumentMismatch>(e)) {
    if (is("(.*): [0-9]+ required .* missing")) return "Falta o valor de " + g(1);
    if (is("(.*): At least ([0-9]+) required but received ([0-9]+)"))
      return g(1) + " precisa de pelo menos " + g(2) + " valores (recebeu " + g(3) + ")";
    if (is("(.*): At Most ([0-9]+) required but received ([0-9]+)"))
      return g(1) + " aceita no máximo " + g(2) + " valores (recebeu " + g(3) + ")";
    if (is("Expected exactly ([0-9]+) arguments to (.*), got ([0-9]+)"))
      return g(2) + " precisa de exatamente " + g(1) + " valores (recebeu " + g(3) + ")";
    if (is("Expected at least ([0-9]+) arguments to (.*), got ([0-9]+)"))
      return g(2) + " precisa de pelo menos " + g(1) + " valores (recebeu " + g(3) + ")";
    if (is("(.*) was given a disallowed flag override")) return g(1) + " não aceita valor";
    return "Número de valores errado";
  }
  if (kind_of<CLI::ExcludesError>(e) && is("(.*) excludes (.*)")) return g(1) + " não pode ser usado junto com " + g(2);
  if (kind_of<CLI::RequiresError>(e) && is("(.*) requires (.*)")) return g(1) + " requer " + g(2);
  if (kind_of<CLI::InvalidError>(e) && is("(.*): Too many positional arguments.*")) return g(1) + ": argumentos demais";
  return "Linha de comando inválida";
}

// After a command's stop: the export it began is dropped, and said so.
void tell_dropped(Env& env) {
  const std::string sentence = env.drop_table();
  if (!sentence.empty()) env.message(sentence);
}

int usage_failure(const CLI::Error& e, const CLI::App& app, std::ostream& err) {
  err << "Erro de uso: " << usage_error(e, app) << "\n";
  err << "Use \"lumeral-cli --help\" para ver os comandos e opções.\n";
  return 2;
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
void Env::message(std::string_view text) {
  if (auto* terminal = dynamic_cast<TerminalProgress*>(progress_.get())) terminal->clear();
  err_ << text << std::endl;
}

Progress& Env::progress() {
  if (!progress_) {
    if (&err_ == &std::cerr && ::isatty(2)) progress_ = std::make_unique<TerminalProgress>(err_);
    else progress_ = std::make_unique<QuietProgress>();
  }
  return *progress_;
}

Registrar::Registrar(int order, Setup setup) { registry().push_back({order, std::move(setup)}); }

std::filesystem::path arg_path(const std::string& s) { return std::filesystem::path(s); }

std::filesystem::path chosen_file(const std::string& s) {
  std::filesystem::path p = arg_path(s);
  require_file(p);
  return p;
}

CLI::Validator one_of(std::vector<std::string> values) {
  std::string set = "{";
  for (std::size_t i = 0; i < values.size(); ++i) set += (i ? "," : "") + values[i];
  set += "}";
  return CLI::Validator(
      [values = std::move(values), set](std::string& v) -> std::string {
        if (std::find(values.begin(), values.end(), v) != values.end()) return {};
        return printable(v) + " não está em " + set;
      },
      set);
}

CLI::Validator whole_between(std::size_t low, std::size_t high) {
  const std::string range = std::to_string(low) + " a " + std::to_string(high);
  return CLI::Validator(
      [=](std::string& v) -> std::string {
        std::size_t n = 0;
        const auto r = std::from_chars(v.data(), v.data() + v.size(), n);
        if (r.ec == std::errc() && r.ptr == v.data() + v.size() && n >= low && n <= high) return {};
        return v + " não é um número inteiro de " + range;
      },
      "de " + range);
}

Ansi arg_text(const std::string& s) { return to_ansi(s); }

std::function<Shard()> add_shard_option(CLI::App* sub) {
  auto value = std::make_shared<std::string>();
  sub->add_option("--shard", *value,
                  "Processa só a parte I de N (0 <= I < N): os documentos nas posições I, I+N, I+2N, ... da "
                  "lista (contadas a partir de 0); não grava nenhum outro arquivo")
      ->type_name("I/N")
      ->check(CLI::Validator(
          [](std::string& v) -> std::string {
            if (parse_shard(v)) return {};
            return "espera I/N com 0 <= I < N (por exemplo 0/4), não " + printable(v);
          },
          "I/N"));
  return [value] {
    const Shard shard = value->empty() ? Shard{} : *parse_shard(*value);
    share_folder_locks(!shard.whole());  // shards of one run write the same folder together
    return shard;
  };
}

void show(Env& env, const Listing& listing) {
  for (const auto& line : listing.lines) env.line(line);
  listing.rethrow();
}

void show(Env& env, const Listing& listing,
          const std::function<exporting::Table(const std::vector<Ansi>&)>& table_of) {
  for (const auto& line : listing.lines) env.line(line);
  if (!listing.stop || listing.stop->kind == MessageKind::Information)
    env.table([&] { return exporting::TableSource(table_of(listing.lines)); });
  listing.rethrow();
}

void Env::table(const std::function<exporting::TableSource()>& table_of) {
  if (!export_path_) return;
  out_.flush();
  try {
    pending_table_ = std::make_unique<exporting::TableFile>(*export_path_, table_of(), regional(), memory_budget_,
                                                            progress());
  } catch (const Cancelled&) {
    throw;
  } catch (...) {
    export_failed_ = true;
    throw;
  }
  table_written_ = true;
}

void Env::table_shape(std::size_t rows, std::size_t columns) const {
  if (export_path_) exporting::check_fits(*export_path_, rows, columns);
}

void Env::commit_table() {
  if (!pending_table_) return;
  try {
    pending_table_->commit();
  } catch (...) {
    export_failed_ = true;
    throw;
  }
  pending_table_.reset();
}

std::string Env::drop_table() {
  pending_table_.reset();
  if (!export_path_ || export_failed_) return {};
  std::error_code ec;
  const bool old_file = std::filesystem::exists(*export_path_, ec);
  return "Nenhuma tabela foi exportada: o comando não terminou" +
         (old_file ? "; " + message_name(*export_path_) + " continua como estava." : std::string("."));
}

CLI::Validator table_file_name() {
  return CLI::Validator(
      [](std::string& name) -> std::string {
        try {
          exporting::format_of(arg_path(name));
          return {};
        } catch (const Stop&) {
          return printable(name) + " não termina em .csv nem em .xlsx";
        }
      },
      "");
}

void add_export_option(CLI::App* sub) {
  sub->add_option("--export", "Também grava a tabela mostrada como planilha: ARQUIVO.csv ou ARQUIVO.xlsx")
      ->type_name("ARQUIVO")
      ->check(table_file_name());
}

int run(int argc, char** argv, std::ostream& out, std::ostream& err) {
  CLI::App app{"Lumeral: análise de coleções de textos, em lote e por scripts.", "lumeral-cli"};
  app.formatter(std::make_shared<PortugueseFormatter>());
  app.option_defaults()->group("Opções");
  app.set_help_flag("-h,--help", "Mostra esta ajuda e sai");
  app.set_version_flag("--version", std::string("lumeral-cli ") + LUMERAL_VERSION, "Mostra a versão e sai");
  app.require_subcommand(1);
  app.footer("Use \"lumeral-cli COMANDO --help\" para a ajuda de um comando.");
  std::string locale;
  app.add_option("--locale", locale,
                 "Configurações regionais (por exemplo pt_BR, en_US); padrão: as do ambiente, ou pt_BR")
      ->check(CLI::Validator(
          [](std::string& name) -> std::string {
            if (known_locale(name)) return {};
            return "a configuração regional " + printable(name) + " não é conhecida (use, por exemplo, pt_BR ou en_US)";
          },
          ""));
  std::string memory;
  app.add_option("--memory", memory,
                 "Memória que as análises podem usar antes de gravar partes em arquivos temporários (por "
                 "exemplo 512M, 2G; número sem unidade = MB); padrão: 1G")
      ->check(CLI::Validator(
          [](std::string& text) -> std::string {
            try {
              parse_memory_budget(text);
              return {};
            } catch (const Stop& stop) {
              return stop.text();
            }
          },
          ""));

  auto& entries = registry();
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.order < b.order; });
  std::vector<std::pair<CLI::App*, Handler>> handlers;
  for (auto& e : entries) {
    std::size_t before = app.get_subcommands({}).size();
    Handler h = e.setup(app);
    auto subs = app.get_subcommands({});
    if (subs.size() > before) {
      CLI::App* sub = subs.back();
      sub->group("Comandos");
      // A command that hands its arguments to another program leaves
      // "--help" to that program.
      if (!sub->get_prefix_command()) sub->set_help_flag("-h,--help", "Mostra esta ajuda e sai");
      add_guide_footer(sub, sub->get_name());
      handlers.emplace_back(sub, std::move(h));
    }
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForVersion& e) {
    out << e.what() << "\n";
    return 0;
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) {
      out << app.help();
      return 0;
    }
    return usage_failure(e, app, err);
  }

  Env env(locale, out, err);
  env.set_arguments(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
  if (!memory.empty()) env.set_memory_budget(parse_memory_budget(memory));
  catch_interrupt();
  for (auto& [sub, handler] : handlers) {
    if (!sub->parsed()) continue;
    const CLI::Option* export_option = sub->get_option_no_throw("--export");
    if (export_option && export_option->count() > 0) env.set_export_path(arg_path(export_option->as<std::string>()));
    try {
      handler(env);
      out.flush();
      env.commit_table();
      // A command that offers --export but ended before it had a table to
      // show (no results at all) says so instead of writing nothing silently.
      if (env.wants_table() && !env.table_written()) env.message("Nenhuma tabela para exportar.");
      return 0;
    } catch (const Cancelled& cancelled) {
      // Stopped by Ctrl-C between documents: finished files are whole, the
      // one being written kept its old content; 128 + SIGINT, as shells do.
      out.flush();
      env.message(cancelled.text());
      tell_dropped(env);
      return 130;
    } catch (const Stop& stop) {
      out.flush();
      env.message(valid_utf8(stop.text()));
      if (stop.kind() == MessageKind::Information) {
        // A notice, not a failure: the command ended, its table stands.
        try {
          env.commit_table();
        } catch (const Stop& failed) {
          env.message(valid_utf8(failed.text()));
          return 1;
        }
        return 0;
      }
      tell_dropped(env);
      return 1;
    } catch (const CLI::Error& e) {
      out.flush();
      return usage_failure(e, app, err);
    } catch (const std::exception& e) {
      out.flush();
      env.message("Erro: " + describe_exception(e));
      tell_dropped(env);
      return 1;
    }
  }
  return 2;
}

}  // namespace lumeral::cli
