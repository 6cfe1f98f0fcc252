#pragma once
// The codes a parsed tag leaves in its sections and cells.

#include <cstdint>

// How the lines of a section, or a table, sit between the margins (jsNone:
// not given).
enum TJustify { jsNone = 0, jsLeft = 1, jsCenter = 2, jsRight = 3 };
// Where a cell's content sits in its height.
enum TVAlign : std::uint8_t { vaTop = 0, vaMiddle = 1, vaBottom = 2 };
// The floating pictures a BR CLEAR= moves below.
enum TClear { clNone = 0, clLeft = 1, clRight = 2, clBoth = 3 };
// Where a run of text sits on its line: on it, below it (SUB), above it (SUP).
enum class TScript : std::uint8_t { Normal = 0, Sub = 1, Super = 2 };
// The kind of list item a section is.
enum class TListKind : std::uint8_t { None = 0, Numbered = 1, Bulleted = 2, Definition = 3 };
