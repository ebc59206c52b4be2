// Text where it crosses the core's edge. Inside, text is bytes and generated SQL breaks its lines
// with CR LF; outside, editors break lines with LF alone, and a user interface counts characters,
// in code points or in UTF-16 units, where the core counts bytes. The routines here are those
// crossings, so every front end converts the same way.
//
// UTF-8 is read as RFC 3629 defines it: no overlong forms, no surrogates, nothing above U+10FFFF.
// A byte that starts no well-formed sequence counts as one character of its own, so a text that
// is not UTF-8 still has a position for every byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvan {

//! Every LF that no CR precedes becomes CR LF; a CR LF stays as it is.
std::string LfToCrLf(std::string_view Text);
//! Every CR LF becomes LF; a CR on its own stays.
std::string CrLfToLf(std::string_view Text);

//! The bytes of the well-formed UTF-8 sequence that starts at Text[Index], 1 to 4; 0 when the
//! byte there starts none (a stray continuation byte, an overlong form, a surrogate, a value
//! above U+10FFFF, or a sequence the text cuts short) and when Index is past the end.
std::size_t Utf8SequenceLength(std::string_view Text, std::size_t Index);
//! The bytes of the character at Text[Index]: a well-formed sequence, or the one byte there.
std::size_t Utf8CharLength(std::string_view Text, std::size_t Index);
//! How many bytes at the start of Text are well-formed UTF-8: the index of the first byte that
//! is not, or Text.size().
std::size_t Utf8ValidLength(std::string_view Text);
bool IsValidUtf8(std::string_view Text);

//! The 1-based position, counted in code points, of the character that holds the 1-based byte
//! position BytePos of Line. Each byte past the end of Line counts as one character, so the
//! position just after the line is its character count plus one; BytePos 0 is taken as 1.
std::size_t CodePointPosition(std::string_view Line, std::size_t BytePos);
//! As CodePointPosition, counted in UTF-16 code units: a character above U+FFFF takes two.
std::size_t Utf16Position(std::string_view Line, std::size_t BytePos);

} // namespace korvan
