// Commands "dump" and "make": record files to text lines and back.
#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "cli/command.h"
#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/records/records.h"

namespace lumeral::cli {
namespace {

using namespace lumeral::records;

const std::vector<std::string> kKinds = {"ldc", "lpl", "stw", "lct", "ctt", "mtz",
                                         "dif", "dfc", "cst", "csb", "ass", "msm"};

std::string kind_of(const std::filesystem::path& file, const std::string& forced) {
  std::string kind = forced;
  if (kind.empty()) {
    kind = file.extension().string();
    if (!kind.empty() && kind[0] == '.') kind.erase(0, 1);
    for (char& c : kind) c = lower_az(c);
  }
  if (std::find(kKinds.begin(), kKinds.end(), kind) == kKinds.end()) {
    throw Stop("Tipo de arquivo desconhecido: \"" + kind +
               "\". Use --as com um destes: ldc lpl stw lct ctt mtz dif dfc cst csb ass msm.");
  }
  return kind;
}

std::string number(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

// Reads a number of a "make" line: "." or "," as the decimal point.
double read_number(const std::string& text, std::size_t line_no) {
  std::string s = text;
  for (char& c : s)
    if (c == ',') c = '.';
  char* end = nullptr;
  double v = std::strtod(s.c_str(), &end);
  if (s.empty() || end != s.c_str() + s.size()) {
    throw Stop("Linha " + std::to_string(line_no) + ": \"" + text + "\" não é um número válido.");
  }
  return v;
}

std::vector<std::string> split_tabs(const std::string& line) {
  std::vector<std::string> f;
  std::size_t start = 0;
  while (true) {
    auto tab = line.find('\t', start);
    f.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return f;
}

void dump(Env& env, const std::filesystem::path& file, const std::string& as, long size) {
  std::string kind = kind_of(file, as);
  auto text = [](AnsiView t) { return to_utf8(t); };
  if (kind == "ldc") {
    for (auto& r : read_all<DocRecord>(file)) env.line_utf8(text(r.name) + "\t" + number(r.weight));
  } else if (kind == "lct") {
    for (auto& r : read_all<ContextListRecord>(file)) env.line_utf8(text(r.name) + "\t" + number(r.weight));
  } else if (kind == "ctt") {
    for (auto& r : read_all<ContextRecord>(file)) env.line_utf8(text(r.entry) + "\t" + number(r.weight));
  } else if (kind == "stw") {
    for (auto& r : read_all<StopRecord>(file)) env.line_utf8(text(r.word));
  } else if (kind == "csb") {
    for (auto& r : read_all<QueryRecord>(file)) env.line_utf8(text(r.line));
  } else if (kind == "ass") {
    for (auto& r : read_all<PairRecord>(file))
      env.line_utf8(text(r.first) + "\t" + text(r.second) + "\t" + number(r.weight));
  } else if (kind == "msm") {
    auto values = read_doubles(file);
    std::size_t n = size > 0 ? static_cast<std::size_t>(size)
                             : static_cast<std::size_t>(std::llround(std::sqrt(static_cast<double>(values.size()))));
    if (n == 0 || n * n != values.size()) {
      throw Stop("A matriz \"" + display_path(file) + "\" tem " + std::to_string(values.size()) +
                 " valores, que não formam uma matriz quadrada" + (size > 0 ? " do tamanho pedido." : ".") +
                 (n == 0 && values.empty() ? "" : ""));
    }
    for (std::size_t i = 0; i < n; ++i) {
      std::string row;
      for (std::size_t j = 0; j < n; ++j) row += (j ? "\t" : "") + number(values[i * n + j]);
      env.line_utf8(row);
    }
  } else {  // lpl mtz dif dfc cst: word records
    for (auto& r : read_all<WordRecord>(file)) env.line_utf8(text(r.word) + "\t" + number(r.weight));
  }
}

void make(const std::filesystem::path& file, const std::string& as, std::istream& in) {
  std::string kind = kind_of(file, as);
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<Ansi> lines = split_lines(decode_document(all));
  auto field = [](const std::vector<std::string>& f, std::size_t i) { return i < f.size() ? f[i] : std::string(); };
  auto weight = [&](const std::vector<std::string>& f, std::size_t i, double missing, std::size_t line_no) {
    std::string w = field(f, i);
    return w.empty() ? missing : read_number(w, line_no);
  };
  std::size_t line_no = 0;
  auto fields_of = [&](const Ansi& l) { return split_tabs(std::string(bytes_of(l))); };
  auto ansi = [](const std::string& s) { return from_bytes(s); };
  if (kind == "ldc") {
    std::vector<DocRecord> recs;
    for (auto& l : lines) {
      auto f = fields_of(l);
      recs.push_back({cut(ansi(f[0]), 255), weight(f, 1, 0, ++line_no)});
    }
    write_all(file, recs);
  } else if (kind == "lct") {
    std::vector<ContextListRecord> recs;
    for (auto& l : lines) {
      auto f = fields_of(l);
      recs.push_back({cut(ansi(f[0]), 15), weight(f, 1, 0, ++line_no)});
    }
    write_all(file, recs);
  } else if (kind == "ctt") {
    std::vector<ContextRecord> recs;
    for (auto& l : lines) {
      auto f = fields_of(l);
      recs.push_back({cut(ansi(f[0]), 30), weight(f, 1, 1, ++line_no)});
    }
    write_all(file, recs);
  } else if (kind == "stw") {
    std::vector<StopRecord> recs;
    for (auto& l : lines) recs.push_back({cut(l, 15)});
    write_all(file, recs);
  } else if (kind == "csb") {
    std::vector<QueryRecord> recs;
    for (auto& l : lines) recs.push_back({cut(l, 40)});
    write_all(file, recs);
  } else if (kind == "ass") {
    std::vector<PairRecord> recs;
    for (auto& l : lines) {
      auto f = fields_of(l);
      recs.push_back({cut(ansi(f[0]), 15), cut(ansi(field(f, 1)), 15), weight(f, 2, 0, ++line_no)});
    }
    write_all(file, recs);
  } else if (kind == "msm") {
    std::vector<double> values;
    for (auto& l : lines) {
      ++line_no;
      std::istringstream row{std::string(bytes_of(l))};
      std::string v;
      while (row >> v) values.push_back(read_number(v, line_no));
    }
    write_doubles(file, values);
  } else {
    std::vector<WordRecord> recs;
    for (auto& l : lines) {
      auto f = fields_of(l);
      recs.push_back({cut(ansi(f[0]), 15), weight(f, 1, 0, ++line_no)});
    }
    write_all(file, recs);
  }
}

Registrar dump_cmd(10, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "dump", "Mostra os registros de um arquivo de registros, um por linha, campos separados por tabulação");
  auto file = std::make_shared<std::string>();
  auto as = std::make_shared<std::string>();
  auto size = std::make_shared<long>(0);
  sub->add_option("ARQUIVO", *file, "Arquivo de registros (.ldc .lpl .stw .lct .ctt .mtz .dif .dfc .cst .csb .ass .msm)")
      ->required();
  sub->add_option("--as", *as, "Força o tipo do arquivo (extensão sem ponto)");
  sub->add_option("--size", *size, "Tamanho N da matriz .msm (padrão: raiz quadrada do número de valores)");
  return [=](Env& env) { dump(env, arg_path(*file), *as, *size); };
});

Registrar make_cmd(11, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "make", "Grava um arquivo de registros a partir de linhas no formato de \"dump\" lidas da entrada padrão");
  auto file = std::make_shared<std::string>();
  auto as = std::make_shared<std::string>();
  sub->add_option("ARQUIVO", *file, "Arquivo a gravar")->required();
  sub->add_option("--as", *as, "Força o tipo do arquivo (extensão sem ponto)");
  return [=](Env&) { make(arg_path(*file), *as, std::cin); };
});

}  // namespace
}  // namespace lumeral::cli
