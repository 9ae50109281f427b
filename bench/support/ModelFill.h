// Fills a document with a data model in one undo step: conceptual files in rows of 40, 400 apart,
// each with two key items and data items, whose key and data texts are written from the items;
// every data item after the first few refers to the previous file's first key item, and a 1:N
// relation arrow runs from each file to the next.
#pragma once

#include "document/BaseDoc.h"
#include "document/UndoStep.h"
#include "model/FileComp.h"
#include "model/NotationSymbols.h"
#include "model/RelLineObj.h"

#include <vector>

inline std::vector<CFileComp*> FillModel(CBaseDoc& doc, int files, int itemsPerFile)
{
    std::vector<CFileComp*> filled;
    CUndoStep step(&doc);
    CNotationSymbols symbols;
    for (int i = 0; i < files; ++i) {
        const int x = (i % 40) * 400;
        const int y = -(i / 40) * 400;
        auto* file = new CFileComp(doc.NewObjectId(), CRect(x, y, x + 300, y - 300));
        CString text;
        text.Format("F%04d", i);
        file->SetFileNumber(text);
        file->SetFileName(CString(u8"概念ﾌｧｲﾙ") + text);
        for (WORD number = 1; number <= itemsPerFile; ++number) {
            const bool key = number <= 2;
            text.Format("ITEM%d_%u", i, unsigned(number));
            auto* item = new CData(number, text, CString(), CString(key ? "K" : "N"), CString("N"), CString(),
                                   key ? 1 : 0, key ? number : 0, 0, 1, 0);
            if (!key && number > 4 && !filled.empty()) {
                item->SetRefFile(filled.back()->GetObjectId());
                item->SetRefItem(1);
            }
            file->AddData(item);
        }
        file->RebuildItemTexts(symbols, 0);
        if (!doc.AddObject(file))
            continue;
        if (!filled.empty()) {
            const CFileComp* previous = filled.back();
            doc.AddObject(new CRelLineObj(doc.NewObjectId(), previous->GetCenter(), file->GetCenter(),
                                          CRelLineObj::KIND_ONE_TO_MANY, previous->GetObjectId(), file->GetObjectId(),
                                          0));
        }
        filled.push_back(file);
    }
    return filled;
}
