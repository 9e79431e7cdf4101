// The language of a project's texts. The project file stores it as the row
// of the wizard's language list ("Português", "Inglês", "Espanhol"), so the
// enumerators keep those numbers.
#pragma once

namespace lumeral {

enum class Language { Portuguese = 0, English = 1, Spanish = 2 };

// The language of a stored row: 0 Portuguese, 1 English, any other row
// (also -1, no row chosen) Spanish, as the standard lists have always been
// picked.
constexpr Language language_of_row(int row) {
  return row == 0 ? Language::Portuguese : row == 1 ? Language::English : Language::Spanish;
}

constexpr int row_of(Language language) { return static_cast<int>(language); }

}  // namespace lumeral
