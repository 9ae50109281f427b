// What the data-media and process menus share: a symbol pictogram beside its name, the pictogram
// drawn in 0.1 mm at the zoom that makes a symbol 26 pixels high.
#pragma once

#include "platform/afx/Rect.h"
#include "platform/afx/String.h"

#include <functional>
#include <span>
#include <vector>

class CDC;
class CMenu;
struct DRAWITEMSTRUCT;
struct MEASUREITEMSTRUCT;

// Draws the pictogram at the zoom, origin (at zoom 100) and size the item gives it.
using SymbolPictogram = std::function<void(CDC& dc, int zoom, POINT origin, SIZE size)>;

// Creates the popup with one item per kind, its id the base plus the kind and its data the kind;
// the first append that fails ends the build, keeping the items appended so far.
void BuildSymbolMenu(CMenu& menu, UINT idBase, std::span<const WORD> kinds);
// Kinds 1 to count - 1: every kind of a table but the invalid kind 0.
std::vector<WORD> ValidSymbolKinds(int count);

void MeasureSymbolMenuItem(MEASUREITEMSTRUCT* item);
// Paints the item: the pictogram only when the whole item is drawn, then the label from a quarter
// of the item's right coordinate, single line and centred vertically.
void PaintSymbolMenuItem(const DRAWITEMSTRUCT& item, const CString& label, const SymbolPictogram& pictogram);
