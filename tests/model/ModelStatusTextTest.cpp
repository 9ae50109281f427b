// The status bar describes a modelling object by its own texts: a file's and a task's number and
// name (with the blank texts where they are empty), a clone's text, an arrow's kind and the names
// at its two ends, an implementation group's label; typed line breaks (CR LF) show as LF.
#include "tests/model/RelationModel.h"

#include "model/Kadai.h"
#include "objects/RectObj.h"
#include "view/BaseView.h"

#include <gtest/gtest.h>

TEST(ModelStatusText, EachModellingObjectIsDescribedByItsOwnTexts)
{
    RelationModel model;
    const WORD file = model.File("");
    model.FileAt(file).SetFileName(CString(u8"顧客"));
    model.FileAt(file).SetFileNumber("F01");
    const WORD blank = model.File("");
    const WORD twoLines = model.File("");
    model.FileAt(twoLines).SetFileName(CString(u8"受注\r\n明細"));
    model.FileAt(twoLines).SetFileNumber("1\r\n2");
    const WORD clone = model.Clone(file);
    model.Get<CFileClone>(clone).SetText(CString(u8"顧客\r\n(写)"));
    const WORD group = model.Group(file);
    model.Get<CFileImplObj>(group).SetLabelText("T_CUST");
    const WORD rect = model.doc.NewObjectId();
    const WORD task = model.doc.NewObjectId();
    const WORD blankTask = model.doc.NewObjectId();
    {
        CUndoStep step(&model.doc);
        model.doc.AddObject(new CRectObj(rect, CRect(0, 0, 50, -50)));
        auto* kadai = new CKadai(task, CRect(0, 0, 300, -200));
        kadai->SetNumberText("K1");
        kadai->SetName(CString(u8"在庫\r\n確認"));
        model.doc.AddObject(kadai);
        model.doc.AddObject(new CKadai(blankTask, CRect(0, 0, 300, -200)));
    }
    const struct
    {
        WORD id;
        const char8_t* text;
    } cases[] = {
        {file, u8"概念ﾌｧｲﾙ ｵﾌﾞｼﾞｪｸﾄ : F01 : 顧客"},
        {blank, u8"概念ﾌｧｲﾙ ｵﾌﾞｼﾞｪｸﾄ : 未発番 : ﾌｧｲﾙ名ﾌﾞﾗﾝｸ"},
        {twoLines, u8"概念ﾌｧｲﾙ ｵﾌﾞｼﾞｪｸﾄ : 1\n2 : 受注\n明細"},
        {clone, u8"概念ﾌｧｲﾙ ｸﾛｰﾝ ｵﾌﾞｼﾞｪｸﾄ : 顧客\n(写)"},
        {model.Clone(0), u8"概念ﾌｧｲﾙ ｸﾛｰﾝ ｵﾌﾞｼﾞｪｸﾄ : "},
        {task, u8"課題ｵﾌﾞｼﾞｪｸﾄ : K1 : 在庫\n確認"},
        {blankTask, u8"課題ｵﾌﾞｼﾞｪｸﾄ : 未発番 : 課題名ﾌﾞﾗﾝｸ"},
        // An end contributes a file's name or a clone's text; a missing end or one of another
        // class contributes nothing.
        {model.Arrow(1, file, clone), u8"1:N矢線ｵﾌﾞｼﾞｪｸﾄ : 顧客 -> 顧客\n(写)"},
        {model.Arrow(2, twoLines, file), u8"ｻﾌﾞﾀｲﾌﾟ矢線ｵﾌﾞｼﾞｪｸﾄ : 受注\n明細 -> 顧客"},
        {model.Arrow(3, 999, file), u8"ｻﾌﾞｽﾄﾗｸﾁｬ矢線ｵﾌﾞｼﾞｪｸﾄ :  -> 顧客"},
        {model.Arrow(4, file, rect), u8"ｽｰﾊﾟｰﾀｲﾌﾟ矢線ｵﾌﾞｼﾞｪｸﾄ : 顧客 -> "},
        {group, u8"実装ｸﾞﾙｰﾌﾟ ｵﾌﾞｼﾞｪｸﾄ : T_CUST"},
        {rect, u8"長方形ｵﾌﾞｼﾞｪｸﾄ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CBaseView::FormatObjectDescription(&model.doc, &model.Get(c.id), 3), CString(c.text)) << c.id;

    // The suffix says what happened to the object.
    const struct
    {
        int how;
        const char8_t* text;
    } suffixes[] = {
        {1, u8"課題ｵﾌﾞｼﾞｪｸﾄ : 未発番 : 課題名ﾌﾞﾗﾝｸ を選択"},
        {2, u8"課題ｵﾌﾞｼﾞｪｸﾄ : 未発番 : 課題名ﾌﾞﾗﾝｸ の選択を解除"},
        {4, u8"課題ｵﾌﾞｼﾞｪｸﾄ : 未発番 : 課題名ﾌﾞﾗﾝｸ に接続"},
    };
    for (const auto& s : suffixes)
        EXPECT_EQ(CBaseView::FormatObjectDescription(&model.doc, &model.Get(blankTask), s.how), CString(s.text));
}
