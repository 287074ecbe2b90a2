// Texts of fields separated by one character, as the result records and stored file-pair records
// use them, and the one rule by which any numeric text is read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tandem {

// The number of maximal runs of characters other than the separator (a,,b has 2).
int FieldCount(std::string_view text, char separator);

// Field n counting from 1, empty fields included; past the last field, the text from the last
// character on (field 5 of "5,37" is "7").
std::string_view Field(std::string_view text, char separator, int n);

// The text without its n-th non-empty field and the separator after it; unchanged when there are
// fewer than n non-empty fields. Deleting the last field keeps the separator before it.
std::string DeleteField(std::string_view text, char separator, int n);

// An optional sign, then decimal digits up to the first other character, taken modulo 2^32.
// No blanks are skipped and nothing is an error: a text without digits reads as 0.
int32_t TextToNumber(std::string_view text);

// Plain decimal with a leading "-" for negatives.
std::string NumberToText(int64_t number);

} // namespace tandem
