// The dialogs whose radio buttons and check boxes stand for the bits of one or two option words of
// the document, with affix edits beside them and a "既定値更新" button that writes the choice to
// the profile as the default for new documents. A subclass describes its group boxes as a table;
// this class builds them, checks every button whose bit is set, and rebuilds the words on OK: a
// radio group gives the bit of its first checked button, or of its last button when none is
// checked.
#pragma once

#include "platform/ui/Dialog.h"

#include <span>
#include <vector>

class COptionWordDlg : public CDialog
{
public:
    static constexpr int IDC_SAVE_DEFAULT = 1106;

    struct Item
    {
        enum Kind { Check, Radio, Edit, Label };
        Kind kind;
        int id; // control id (0 for a label)
        const char8_t* text;
        int word; // Check / Radio: which word; Edit: which affix
        DWORD bit;
        int group; // Radio: the radio group
    };
    struct Box
    {
        const char8_t* title;
        std::vector<Item> items;
    };
    // What "既定値更新" writes: a word or an affix under section and key.
    struct DefaultValue
    {
        const char* section;
        const char* key;
        BOOL isWord;
        int index;
    };

    DWORD m_words[2] = {0, 0};
    CString m_affixes[3];

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnSaveDefault();

    // The words as the controls give them, the affixes as the edits hold them.
    void ReadControls(DWORD (&words)[2], CString (&affixes)[3]) const;

protected:
    COptionWordDlg(UINT templateId, CWnd* parent);

    virtual const char8_t* GetTitle() const = 0;
    virtual std::span<const Box> GetBoxes() const = 0;
    // Bits every built word carries.
    virtual DWORD GetFixedBits(int /*word*/) const { return 0; }
    virtual std::span<const DefaultValue> GetDefaults() const = 0;
    // Question, error and completion texts of "既定値更新".
    virtual const char8_t* GetDefaultTexts(int which) const = 0;
    // Enables the edits and buttons that depend on other buttons.
    virtual void ApplyEnabling() {}

    BOOL IsChecked(int id) const;
    void Enable(int id, BOOL enable);

    void BuildDialog() override;
    const MessageMap* GetMessageMap() const override;

private:
    void OnButtonClicked(UINT id);
};
