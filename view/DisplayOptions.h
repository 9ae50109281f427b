// The bits of a view's display word, which says how the modelling objects show themselves: the
// view's display menu sets them and the objects read them when they draw.
#pragma once

#include "platform/afx/WinTypes.h"

namespace DisplayOption {

constexpr DWORD kBit0 = 0x1;
constexpr DWORD kShowUpdateRight = 0x100;
constexpr DWORD kConceptualNames = 0x10000;
constexpr DWORD kTableNames = 0x20000;
constexpr DWORD kDataTypes = 0x40000;
constexpr DWORD kNullOption = 0x80000;
constexpr DWORD kPhysicalItemsOnly = 0x100000;
constexpr DWORD kShortTypeNames = 0x200000;
constexpr DWORD kSubstituteNames = 0x400000;
constexpr DWORD kPhysicalMarks = 0x800000;
constexpr DWORD kPhysicalAddItems = 0x1000000;
constexpr DWORD kForeignKeys = 0x2000000;
constexpr DWORD kIdefNotation = 0x10000000;
constexpr DWORD kCardinality = 0x20000000;
// The normal display: of these bits only the conceptual names are set (conceptual files then show
// their typed texts).
constexpr DWORD kNormalMask = 0x19F0000;

} // namespace DisplayOption
