// How a conceptual file looks: in define mode a plain labelled box; in print mode the box in
// bands whose texts the view's display options choose (the typed texts, or texts built from the
// items with conceptual or table and column names, types, NULL options and marks), drawn by the
// symbol library in the XJ notation with its file-type mark or in the IDEF notation, where a
// dependent file has rounded corners.
#include "model/FileComp.h"

#include "document/BaseDoc.h"
#include "foundation/FileTypeMarks.h"
#include "foundation/SymbolPrimitives.h"
#include "foundation/TextFunctions.h"
#include "model/NotationSymbols.h"
#include "view/DisplayOptions.h"

namespace filecomp_draw {

using namespace DisplayOption;

// Bits of the options with which the item texts are built.
constexpr DWORD kItemTypes = 0x10000;
constexpr DWORD kItemColumns = 0x20000;
constexpr DWORD kItemPhysicalOnly = 0x40000;
constexpr DWORD kItemNameForEmpty = 0x80000;
constexpr DWORD kItemLogicalMark = 0x100000;
constexpr DWORD kItemAdditional = 0x200000;
constexpr DWORD kItemNullOptions = 0x400000;
constexpr DWORD kItemShortTypes = 0x1000000;
constexpr DWORD kItemForeignKeys = 0x2000000;

// The item-text options for the display options and the kind of names shown.
DWORD ItemTextOptions(DWORD display)
{
    DWORD options = (display & kConceptualNames) ? 0 : kItemColumns;
    if (display & kDataTypes) {
        options |= kItemTypes;
        if (display & kShortTypeNames)
            options |= kItemShortTypes;
    }
    if (display & kPhysicalItemsOnly)
        options |= kItemPhysicalOnly;
    if (!(display & kConceptualNames) && (display & kSubstituteNames))
        options |= kItemNameForEmpty;
    if (display & kPhysicalMarks)
        options |= kItemLogicalMark;
    if (display & kNullOption)
        options |= kItemNullOptions;
    if (display & kForeignKeys)
        options |= kItemForeignKeys;
    if (display & kPhysicalAddItems)
        options |= kItemAdditional;
    return options;
}

} // namespace filecomp_draw

using namespace filecomp_draw;

DWORD CFileComp::GetBoxDrawingFlags(DWORD displayOptions) const
{
    DWORD flags = displayOptions;
    if ((displayOptions & kShowUpdateRight) && m_wUpdateRight != 1)
        flags |= FILE_BOX_GREY;
    if ((displayOptions & FILE_BOX_IDEF) && m_dataList.HasRkeyInGroupOne())
        flags |= FILE_BOX_ROUNDED;
    return flags;
}

void CFileComp::GetBoxTexts(DWORD displayOptions, CBaseDoc* document, FileBoxTexts& texts)
{
    texts.number = m_strNumber;
    texts.examples = m_strCodeSample;
    if ((displayOptions & kNormalMask) == kConceptualNames) {
        texts.name = m_strName;
        texts.keyItems = m_strKeyText;
        texts.dataItems = m_strDataText;
        return;
    }
    if (displayOptions & kConceptualNames)
        texts.name = m_strName;
    else if (m_strTableName.IsEmpty() && (displayOptions & kSubstituteNames))
        RemoveCrLf(texts.name, m_strName);
    else
        texts.name = m_strTableName;
    if (displayOptions & kPhysicalMarks) {
        if (!m_bPhysicalTarget)
            texts.name += "(L)";
        else if (m_bMergedIntoParent && document && HasParentFileComp(*document))
            texts.name += "(P)";
    }
    const DWORD options = ItemTextOptions(displayOptions);
    CNotationSymbols symbols;
    m_dataList.BuildItemTexts(texts.keyItems, texts.dataItems, symbols, options);
    CObject* found = nullptr;
    if (!(displayOptions & kPhysicalAddItems) || !document || !document->LookupObjectById(m_wPhyControlFileId, found))
        return;
    auto* definitions = DYNAMIC_DOWNCAST(CFileComp, found);
    CString definitionKeys, definitionData;
    if (definitions && definitions != this &&
        definitions->m_dataList.BuildItemTexts(definitionKeys, definitionData, symbols, options | kItemPhysicalOnly) &&
        !definitionData.IsEmpty())
        texts.dataItems += "\r\n" + definitionData;
}

void CFileComp::Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
                     CBaseDoc* document)
{
    if (IsHiddenIn(printMode))
        return;
    LOGFONT drawingFont;
    if (font)
        drawingFont = *font;
    else
        InitDefaultLogFont(drawingFont);
    if (!printMode) {
        DrawLabeledBox(pDC, zoom, m_strNumber, m_strName, m_rect.TopLeft(), m_rect.Size(), withHandles, FALSE, FALSE,
                       m_crPen, m_crFont, drawingFont, displayOptions);
        return;
    }
    const DWORD flags = GetBoxDrawingFlags(displayOptions);
    FileBoxTexts texts;
    GetBoxTexts(displayOptions, document, texts);
    DrawFileBoxWithMark(pDC, zoom, texts, m_rect.TopLeft(), m_rect.Size(),
                        {m_nFileCodeCx, m_nCompCapCx, m_nKeyItemCy, m_nCodeSampleCx}, m_wBoxStyle,
                        {m_nPenStyle, m_crPen, m_nPenWidth}, m_crFont, drawingFont, flags,
                        HasShadow(printMode) ? m_wShadowDepth : WORD(0), m_crShadow);
    if (m_bShowNumIOSource) {
        m_numIOSource.SetLogFont(drawingFont);
        m_numIOSource.Draw(pDC, zoom, FALSE, printMode, &drawingFont, flags, document);
    }
    if (withHandles)
        DrawHandles(pDC, zoom, printMode);
}
