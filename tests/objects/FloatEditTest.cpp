// The in-place editor on a real edit widget: byte offsets over Japanese text, typing through the
// input method, find and replace inside its text.
#include "objects/FloatEdit.h"
#include "objects/StrgObj.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "platform/ui/Ime.h"
#include "platform/ui/UserMessages.h"
#include "tests/support/MessageScript.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

class FindTexts : public FindTextServices
{
public:
    FindTexts() : m_previous(SetFindTextServices(this)) {}
    ~FindTexts() override { SetFindTextServices(m_previous); }
    FindTexts(const FindTexts&) = delete;
    FindTexts& operator=(const FindTexts&) = delete;

    CString GetFindText() const override { return find; }
    CString GetReplaceText() const override { return replacement; }
    BOOL GetMatchCase() const override { return matchCase; }

    CString find;
    CString replacement;
    BOOL matchCase = FALSE;

private:
    FindTextServices* m_previous;
};

std::unique_ptr<CFloatEdit> MakeEditor(const CString& text)
{
    auto editor =
        std::make_unique<CFloatEdit>(CFloatEdit::ALIGN_LEFT, CRect(0, 0, 300, 100), nullptr, 1032, TRUE, TRUE);
    editor->SetText(text);
    return editor;
}

std::pair<int, int> Selection(const CFloatEdit& editor)
{
    int start, end;
    editor.GetSelBytes(start, end);
    return {start, end};
}

TEST(FloatEdit, ByteOffsetsCrossOverToCharacters)
{
    // a(0) あ(1..3) b(3) CR LF(4..6) c(6)
    const auto editor = MakeEditor(CString(u8"aあb\r\nc"));
    EXPECT_EQ(editor->GetText(), CString(u8"aあb\r\nc"));
    EXPECT_FALSE(editor->GetModify());
    struct Case
    {
        int start, end;
        std::pair<int, int> selection;
    };
    const Case cases[] = {
        {1, 3, {1, 3}},  // the whole double-byte character
        {2, 3, {3, 3}},  // an offset inside a character stands for the next one
        {3, 7, {3, 7}},  // across the line break
        {0, 99, {0, 7}}, // held to the text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        editor->SetSelBytes(c.start, c.end);
        EXPECT_EQ(Selection(*editor), c.selection);
    }
}

// Over a cell as small as a file's number at 100 % the text still has the room: an edit control
// shows no scroll bars, even when its text runs past the cell.
TEST(FloatEdit, ASmallCellShowsItsTextAndNoScrollBars)
{
    CFloatEdit editor(CFloatEdit::ALIGN_LEFT, CRect(0, 0, 30, 18), nullptr, 1032, TRUE, TRUE);
    editor.SetText(CString("12345678901234567890\r\n2\r\n3"));
    auto* widget = qobject_cast<QPlainTextEdit*>(editor.GetSafeHwnd());
    ASSERT_NE(widget, nullptr);
    widget->show();
    QApplication::processEvents();
    EXPECT_FALSE(widget->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(widget->verticalScrollBar()->isVisible());
    EXPECT_GT(widget->viewport()->width(), 20);
    EXPECT_GT(widget->viewport()->height(), 10);
}

TEST(FloatEdit, JapaneseTypedThroughTheInputMethodMarksTheTextModified)
{
    const auto editor = MakeEditor(CString());
    auto* widget = qobject_cast<QPlainTextEdit*>(editor->GetSafeHwnd());
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(IsWidgetInputMethodOpen(widget));
    QInputMethodEvent preedit(QStringLiteral("にほんご"), {});
    QApplication::sendEvent(widget, &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8(u8"日本語"));
    QApplication::sendEvent(widget, &commit);
    EXPECT_EQ(editor->GetText(), CString(u8"日本語"));
    EXPECT_TRUE(editor->GetModify());
    EXPECT_EQ(Selection(*editor), std::make_pair(6, 6));
}

TEST(FloatEdit, FindNextSelectsTheNextOccurrenceOrBeeps)
{
    struct Case
    {
        const char8_t* text;
        int caret;
        const char8_t* find;
        BOOL matchCase;
        std::pair<int, int> selection; // after the request
        bool beeps;
    };
    const Case cases[] = {
        {u8"xxABCabc", 0, u8"abc", FALSE, {2, 5}, false}, // case does not matter
        {u8"xxABCabc", 0, u8"abc", TRUE, {5, 8}, false},
        {u8"xxABCabc", 8, u8"abc", FALSE, {8, 8}, true}, // after the last one: no wrap
        {u8"ｘＡbｂ", 0, u8"ａ", FALSE, {2, 4}, false},  // full-width letters fold too
        {u8"アA", 0, u8"A", TRUE, {2, 3}, false},        // not the trail byte of ア (0x83 0x41)
        {u8"ア", 0, u8"A", TRUE, {0, 0}, true},
        {u8"", 0, u8"a", FALSE, {0, 0}, true},   // nothing to search
        {u8"abc", 0, u8"", FALSE, {0, 0}, true}, // nothing to find
    };
    FindTexts texts;
    for (const Case& c : cases) {
        SCOPED_TRACE(reinterpret_cast<const char*>(c.text));
        const auto editor = MakeEditor(CString(c.text));
        editor->SetSelBytes(c.caret, c.caret);
        texts.find = CString(c.find);
        texts.matchCase = c.matchCase;
        MessageScript script;
        const LRESULT found = editor->SendMessage(UM_FIND_NEXT, 303, 0);
        EXPECT_EQ(found != 0, !c.beeps);
        EXPECT_EQ(script.Beeps().size(), c.beeps ? 1u : 0u);
        EXPECT_EQ(Selection(*editor), c.selection);
    }
}

TEST(FloatEdit, ReplaceTakesTheSelectedOccurrenceAndSelectsTheNext)
{
    struct Step
    {
        CString text;                  // after the request
        std::pair<int, int> selection; // after the request
        bool beeps;
    };
    struct Case
    {
        const char8_t* text;
        const char8_t* find;
        const char8_t* replacement;
        std::pair<int, int> start;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        // An unselected text only gets its first occurrence selected; the last one is replaced
        // and then there is nothing more to select.
        {u8"one 二 one",
         u8"ONE",
         u8"三",
         {0, 0},
         {{CString(u8"one 二 one"), {0, 3}, false},
          {CString(u8"三 二 one"), {6, 9}, false},
          {CString(u8"三 二 三"), {8, 8}, true}}},
        // A longer replacement: the search goes on after the inserted text, not inside it.
        {u8"a a", u8"a", u8"aa", {0, 1}, {{CString("aa a"), {3, 4}, false}}},
        // A selection that is not the find text is left alone.
        {u8"xa a", u8"a", u8"b", {0, 1}, {{CString("xa a"), {1, 2}, false}}},
    };
    FindTexts texts;
    for (const Case& c : cases) {
        SCOPED_TRACE(reinterpret_cast<const char*>(c.text));
        const auto editor = MakeEditor(CString(c.text));
        editor->SetSelBytes(c.start.first, c.start.second);
        texts.find = CString(c.find);
        texts.replacement = CString(c.replacement);
        for (const Step& step : c.steps) {
            MessageScript script;
            editor->SendMessage(UM_REPLACE, 304, 0);
            EXPECT_EQ(editor->GetText(), step.text);
            EXPECT_EQ(Selection(*editor), step.selection);
            EXPECT_EQ(script.Beeps().size(), step.beeps ? 1u : 0u);
        }
    }
}

TEST(FloatEdit, ALongTextFindsItsLastWord)
{
    const CString word(u8"日本語");
    CString text;
    for (int i = 0; i < 11000; ++i)
        text += i % 40 == 39 ? CString("\r\n") : word;
    text += "end";
    const auto editor = MakeEditor(text);
    editor->SetSelBytes(0, 0);
    FindTexts texts;
    texts.find = "END";
    EXPECT_NE(editor->SendMessage(UM_FIND_NEXT, 0, 0), 0);
    EXPECT_EQ(Selection(*editor), std::make_pair(text.GetLength() - 3, text.GetLength()));
}

// --- The text object's side -----------------------------------------------------------------------

TEST(TextEditing, OpensFromZoom50AndTakesTheTextOnlyWhenModified)
{
    CStrgObj text(1, CRect(100, -100, 500, -300), CString("old"));
    text.SetAlignRight();
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(1, -1);
    CFloatEdit* editor = nullptr;
    EXPECT_FALSE(text.BeginEdit(&dc, 49, editor, nullptr, 1032, 0, nullptr, 0));
    EXPECT_EQ(editor, nullptr);

    ASSERT_TRUE(text.BeginEdit(&dc, 50, editor, nullptr, 1032, 0, nullptr, 0));
    ASSERT_NE(editor, nullptr);
    auto* widget = qobject_cast<QPlainTextEdit*>(editor->GetSafeHwnd());
    EXPECT_EQ(widget->geometry(), QRect(50, 50, 200, 100)) << "the object's rectangle at 50 % in device pixels";
    EXPECT_EQ(widget->document()->defaultTextOption().alignment(), Qt::AlignRight);
    EXPECT_EQ(editor->GetText(), CString("old"));
    EXPECT_FALSE(text.EndEdit(editor, 0)) << "nothing typed";
    EXPECT_EQ(editor, nullptr);

    ASSERT_TRUE(text.BeginEdit(&dc, 100, editor, nullptr, 1032, 0, nullptr, 0));
    editor->SetSelBytes(0, 3);
    editor->ReplaceSel(CString(u8"新しい文字"), TRUE);
    EXPECT_TRUE(text.EndEdit(editor, 0));
    EXPECT_EQ(text.GetText(), CString(u8"新しい文字"));
}

} // namespace
