// The word-list tokenizer: which Windows-1252 bytes make words, how number
// punctuation survives between digits, and how a line is cut into lowered
// tokens.
//
// Word characters are 0-9, A-Z, a-z, À, É, à, á, â, ã, ç, é, ê, í, ó, ô, õ,
// ú and ü; every other byte separates words (the other accented capitals,
// the hyphen and the apostrophe included). A comma, full stop or slash stays
// only when both neighbours are digits, so "3,5", "1.000" and "12/05/2004"
// are one token while "fim." loses its full stop. Tokens are lowered
// changing A to Z only, so "ÉPOCA" gives "Época".
#pragma once

#include <string_view>
#include <vector>

#include "core/base/ansi.h"

namespace lumeral::preparation {

bool is_word_char(unsigned char c);

// Replaces, in place, every byte that is not part of a word by a blank and
// lowers A to Z. Works on a line or on a whole text: line breaks are
// separators, so a word never spans two lines and punctuation beside a line
// break has no digit neighbour there.
void prepare_for_tokens(char* data, std::size_t size);

// The tokens of a line (or a text), in order, lowered.
std::vector<Ansi> tokenize(AnsiView line);

}  // namespace lumeral::preparation
