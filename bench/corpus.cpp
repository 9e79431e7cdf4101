// Synthetic collections for the benchmarks: Portuguese-like documents in
// Windows-1252 (accents, numbers with punctuation, capitals), words drawn
// from a Zipf vocabulary of 50,000 words whose most frequent ranks are real
// stopwords, sentences of 10 to 30 words, documents of about 300 words.
//
//   lumeral-corpus OUT_FOLDER DOCUMENTS [SEED]
//
// Writes OUT_FOLDER/doc000001.txt ... (the folder is created). The same
// arguments always give the same files.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

constexpr int kVocabulary = 50000;

// The most frequent ranks: common Portuguese function words.
const char* const kCommon[] = {
    "de", "a", "o", "que", "e", "do", "da", "em", "um", "para", "com", "n\xE3o", "uma", "os", "no", "se",
    "na", "por", "mais", "as", "dos", "como", "mas", "ao", "ele", "das", "\xE0", "seu", "sua", "ou", "quando",
    "muito", "nos", "j\xE1", "eu", "tamb\xE9m", "s\xF3", "pelo", "pela", "at\xE9", "isso", "ela", "entre",
    "depois", "sem", "mesmo", "aos", "seus", "quem", "nas", "me", "esse", "eles", "voc\xEA", "essa", "num",
    "nem", "suas", "meu", "\xE0s", "minha", "numa", "pelos", "elas", "qual", "n\xF3s", "lhe", "deles",
    "essas", "esses", "pelas", "este", "dele", "foi", "ser", "tem", "s\xE3o", "est\xE1", "era", "h\xE1"};

const char* const kOnsets[] = {"b", "c", "d", "f", "g", "j", "l", "m", "n", "p", "r", "s", "t", "v", "br",
                               "cr", "pr", "tr", "gr", "pl", "ch", "lh", "nh", "qu", "gu", "st", ""};
const char* const kVowels[] = {"a", "e", "i", "o", "u", "a", "e", "o", "\xE1", "\xE9", "\xED", "\xF3",
                               "\xFA", "\xE3", "\xF5", "\xE2", "\xEA", "\xF4", "\xE0"};
const char* const kCodas[] = {"", "", "", "", "s", "r", "l", "m", "n", "\xE7\xE3o", "dade", "mente"};

std::string make_word(std::mt19937_64& rng) {
  std::uniform_int_distribution<int> syllables(1, 4);
  std::string w;
  int n = syllables(rng);
  for (int i = 0; i < n; ++i) {
    w += kOnsets[rng() % std::size(kOnsets)];
    // Accented vowels are rarer than plain ones.
    std::size_t v = rng() % 10 < 8 ? rng() % 8 : rng() % std::size(kVowels);
    w += kVowels[v];
  }
  w += kCodas[rng() % std::size(kCodas)];
  return w;
}

std::string make_number(std::mt19937_64& rng) {
  char buf[32];
  switch (rng() % 4) {
    case 0: std::snprintf(buf, sizeof buf, "%d,%d", int(rng() % 100), int(rng() % 10)); break;
    case 1: std::snprintf(buf, sizeof buf, "%d.%03d", int(rng() % 999 + 1), int(rng() % 1000)); break;
    case 2:
      std::snprintf(buf, sizeof buf, "%02d/%02d/%d", int(rng() % 28 + 1), int(rng() % 12 + 1), int(1990 + rng() % 35));
      break;
    default: std::snprintf(buf, sizeof buf, "%d", int(rng() % 2000)); break;
  }
  return buf;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "uso: lumeral-corpus PASTA DOCUMENTOS [SEMENTE]\n");
    return 2;
  }
  const std::filesystem::path out = argv[1];
  const long docs = std::atol(argv[2]);
  const unsigned long long seed = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 2004;
  std::filesystem::create_directories(out);

  std::mt19937_64 rng(seed);
  std::vector<std::string> vocabulary;
  std::unordered_set<std::string> seen;
  for (const char* w : kCommon) {
    vocabulary.push_back(w);
    seen.insert(w);
  }
  while (vocabulary.size() < kVocabulary) {
    // About one word in fifty is a number.
    std::string w = rng() % 50 == 0 ? make_number(rng) : make_word(rng);
    if (seen.insert(w).second) vocabulary.push_back(w);
  }
  // Zipf weights 1 / rank, as a cumulative table.
  std::vector<double> cumulative(kVocabulary);
  double sum = 0;
  for (int r = 0; r < kVocabulary; ++r) cumulative[r] = (sum += 1.0 / (r + 1));
  std::uniform_real_distribution<double> uniform(0.0, sum);
  std::uniform_int_distribution<int> sentence_length(10, 30);
  std::uniform_int_distribution<int> doc_length(270, 330);

  std::string text;
  for (long d = 1; d <= docs; ++d) {
    text.clear();
    int target = doc_length(rng), written = 0;
    while (written < target) {
      int n = sentence_length(rng);
      for (int i = 0; i < n; ++i) {
        auto it = std::lower_bound(cumulative.begin(), cumulative.end(), uniform(rng));
        std::string w = vocabulary[std::min<std::size_t>(it - cumulative.begin(), kVocabulary - 1)];
        if (i == 0 && w[0] >= 'a' && w[0] <= 'z') w[0] = static_cast<char>(w[0] - 'a' + 'A');
        if (i > 0) text += (rng() % 12 == 0) ? ", " : " ";
        text += w;
      }
      text += (rng() % 3 == 0) ? ".\r\n" : ". ";
      written += n;
    }
    text += "\r\n";
    char name[32];
    std::snprintf(name, sizeof name, "doc%06ld.txt", d);
    std::FILE* f = std::fopen((out / name).c_str(), "wb");
    if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fclose(f) != 0) {
      std::fprintf(stderr, "erro ao gravar %s\n", (out / name).c_str());
      return 1;
    }
  }
  return 0;
}
