// Find and replace over the texts of a document's objects: where the search starts, wraps and
// ends, case, beeps, and replacements with their undo steps.
#include "tests/document/DocumentTestSupport.h"

#include "tests/support/MessageScript.h"

#include "document/ModelHooks.h"
#include "objects/StrgObj.h"

#include <gtest/gtest.h>

class FindReplace : public ::testing::Test
{
protected:
    // Text objects "abc", "xyz", "ABC abc" in drawing order, with a line between the first two.
    void SetUp() override
    {
        m_texts.push_back(AddText("abc"));
        AddLine(m_doc, {CPoint(0, 0), CPoint(100, -100)});
        m_texts.push_back(AddText("xyz"));
        m_texts.push_back(AddText("ABC abc"));
    }
    CStrgObj* AddText(const char* text)
    {
        CUndoStep step(&m_doc);
        auto* object = new CStrgObj(m_doc.NewObjectId(), CRect(0, 0, 300, -100), CString(text));
        return m_doc.AddObject(object) ? object : nullptr;
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (POSITION pos = m_doc.GetObjectList()->GetHeadPosition(); pos;)
            if (auto* text = DYNAMIC_DOWNCAST(CStrgObj, m_doc.GetObjectList()->GetNext(pos)))
                texts.push_back(text->GetText().GetString());
        return texts;
    }
    // The index of a text object, -1 for null.
    int IndexOf(const CObject* object) const
    {
        const auto at = std::find(m_texts.begin(), m_texts.end(), object);
        return at == m_texts.end() ? -1 : int(at - m_texts.begin());
    }

    TestApp m_app;
    TestDoc m_doc;
    std::vector<CStrgObj*> m_texts;
};

TEST_F(FindReplace, FindNextStartsAfterTheCurrentObjectAndWrapsOnlyWithOne)
{
    // Without match case the caller passes the find text upper-cased.
    const struct
    {
        const char* find;
        BOOL matchCase;
        int current; // -1: nothing selected
        int found;   // -1: null
        size_t beeps;
    } cases[] = {
        {"ABC", FALSE, -1, 0, 0},   // case off: "abc" holds it
        {"ABC", FALSE, 0, 2, 0},    // on from the current object, the line passed over
        {"ABC", FALSE, 2, 0, 0},    // wraps to the first
        {"ABC", TRUE, -1, 2, 0},    // case on: only "ABC abc"
        {"abc", TRUE, 2, 0, 0},     // wraps
        {"NOPE", FALSE, -1, -1, 1}, // nothing selected: one pass, then the end
        {"XYZ", FALSE, 1, 1, 1},    // the only match selected: back at it, with the end
        {"NOPE", TRUE, 1, 1, 1},    // a current object without a match stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.find) + " from " + std::to_string(c.current));
        MessageScript script;
        CObject* current = c.current < 0 ? nullptr : m_texts[size_t(c.current)];
        EXPECT_EQ(IndexOf(m_doc.FindNextObject(c.find, c.matchCase, current, TRUE)), c.found);
        EXPECT_EQ(script.Beeps().size(), c.beeps);
        EXPECT_TRUE(script.Messages().empty());
    }
    MessageScript quiet;
    EXPECT_EQ(m_doc.FindNextObject("NOPE", FALSE, nullptr, FALSE), nullptr);
    EXPECT_TRUE(quiet.Beeps().empty()) << "the beep at the end is the caller's choice";
}

TEST_F(FindReplace, FindAllSelectsEveryMatchTheLastOneCurrent)
{
    SelectionView view;
    MessageScript script;
    EXPECT_TRUE(m_doc.FindAllObjects("ABC", FALSE, &view));
    EXPECT_EQ(view.m_selection, (std::vector<CObject*>{m_texts[2], m_texts[0]}));
    EXPECT_EQ(view.m_current, m_texts[2]);
    EXPECT_TRUE(script.Beeps().empty());

    view.ClearSelection();
    EXPECT_FALSE(m_doc.FindAllObjects("abc ", TRUE, &view));
    EXPECT_TRUE(view.m_selection.empty());
    EXPECT_EQ(script.Beeps().size(), 1u);
}

TEST_F(FindReplace, ReplaceAllIsOneUndoStepAndNothingFoundOnlyBeeps)
{
    const struct
    {
        const char* find;
        const char* replacement;
        BOOL matchCase;
        std::vector<std::string> after;
        size_t beeps;
    } cases[] = {
        {"NOPE", "x", FALSE, {"abc", "xyz", "ABC abc"}, 1},
        {"abc", "de", TRUE, {"de", "xyz", "ABC de"}, 0},
        {"ABC", "de", FALSE, {"de", "xyz", "de de"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.find);
        MessageScript script;
        EXPECT_EQ(m_doc.ReplaceAll(c.find, c.replacement, c.matchCase), c.beeps == 0);
        EXPECT_EQ(Texts(), c.after);
        EXPECT_EQ(script.Beeps().size(), c.beeps);
        if (c.beeps) {
            EXPECT_TRUE(m_doc.GetCurrentUndoStep()->IsEmpty()) << "nothing to undo";
            continue;
        }
        m_doc.Undo();
        EXPECT_EQ(Texts(), (std::vector<std::string>{"abc", "xyz", "ABC abc"}));
    }

    m_doc.SetReadOnly(TRUE);
    MessageScript script;
    EXPECT_FALSE(m_doc.ReplaceAll("abc", "de", TRUE));
    BOOL replaced = TRUE;
    EXPECT_EQ(m_doc.ReplaceAndFindNext("abc", "de", TRUE, m_texts[0], &replaced), nullptr);
    EXPECT_FALSE(replaced);
    EXPECT_EQ(Texts()[0], "abc");
    EXPECT_TRUE(script.Beeps().empty());
}

TEST_F(FindReplace, SingleReplacementsGoIntoTheStepOpenedBeforeThem)
{
    m_doc.BeginUndoStep(); // as the replace command does when it shows its dialog
    MessageScript script;
    BOOL replaced = FALSE;
    EXPECT_EQ(m_doc.ReplaceAndFindNext("abc", "Q", TRUE, m_texts[0], &replaced), m_texts[2]);
    EXPECT_TRUE(replaced);
    // The last match: replaced, then the search comes back to it without a beep.
    EXPECT_EQ(m_doc.ReplaceAndFindNext("abc", "Q", TRUE, m_texts[2], &replaced), m_texts[2]);
    EXPECT_TRUE(replaced);
    EXPECT_TRUE(script.Beeps().empty());
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Q", "xyz", "ABC Q"}));
    // Nothing left to replace in the current object: the search beeps at its end.
    EXPECT_EQ(m_doc.ReplaceAndFindNext("abc", "Q", TRUE, m_texts[2], &replaced), m_texts[2]);
    EXPECT_FALSE(replaced);
    EXPECT_EQ(script.Beeps().size(), 1u);

    m_doc.Undo();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"abc", "xyz", "ABC abc"}));
}

namespace {

// A model that claims the second text object and renames it whole.
class RenamingModel : public DocumentModelHooks
{
public:
    RenamingModel() : m_previous(SetDocumentModelHooks(this)) {}
    ~RenamingModel() override { SetDocumentModelHooks(m_previous); }
    RenamingModel(const RenamingModel&) = delete;
    RenamingModel& operator=(const RenamingModel&) = delete;

    void ClearUpdateMarks(CBaseDoc*) override {}
    BOOL CleanUpRemovedObject(CBaseDoc*, CObject*) override { return FALSE; }
    BOOL ApplyModelCommand(CBaseDoc*, CObject*, UINT, BOOL*) override { return FALSE; }
    BOOL ReplaceModelObjectText(CBaseDoc*, CObject* object, const CString&, const CString& replacement, BOOL,
                                BOOL* changed) override
    {
        if (object != m_claimed)
            return FALSE;
        static_cast<CStrgObj*>(object)->SetText(replacement + "!");
        *changed = TRUE;
        return TRUE;
    }
    CObject* m_claimed = nullptr;

private:
    DocumentModelHooks* m_previous;
};

} // namespace

TEST_F(FindReplace, TheModelCarriesOutReplacementsInItsOwnObjects)
{
    RenamingModel model;
    model.m_claimed = m_texts[1];
    MessageScript script;
    EXPECT_TRUE(m_doc.ReplaceAll("Y", "m", FALSE));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"abc", "m!", "ABC abc"}));
    m_doc.Undo();
    EXPECT_EQ(Texts()[1], "xyz") << "recorded for undo before the model changed it";
}
