// One pass over the profile keys of a drawing class's default attributes: each key is loaded into
// its field or saved from it, under the carrier's section. Loading takes the field's current value
// as the default, so a key the profile lacks leaves its field as it is.
#pragma once

#include "platform/afx/WinTypes.h"

class CRegItemObj;
class CString;

class DefaultKeys
{
public:
    enum class Direction { Load, Save };

    DefaultKeys(CRegItemObj& carrier, Direction direction) : m_carrier(carrier), m_direction(direction) {}

    // For keys whose value is loaded into other fields than it is saved from.
    bool IsLoading() const { return m_direction == Direction::Load; }

    // A whole-number key; loading converts the number read to the field's type.
    template <typename Field>
    void Number(const char* key, Field& field)
    {
        field = Field(Whole(key, int(field)));
    }
    // A flag stored as a whole number, of which loading keeps the low word.
    void WordFlag(const char* key, BOOL& flag);
    // A text key, the field's text being the default.
    void Text(const char* key, CString& field);
    // A decimal stored as text with four places in the C locale. Loading reads the number at the
    // start of the text (0 for none, infinity, NaN or a value beyond the float range) and keeps
    // what hold makes of it.
    void Decimal(const char* key, float& field, float (*hold)(float));

private:
    // Loads or saves the whole number under the key: the value the field is to have.
    int Whole(const char* key, int value);
    // Points the carrier at the key with the value kind (REGITEM_INT or REGITEM_STRING), then
    // loads or saves it; true when it loaded.
    bool Transfer(const char* key, WORD kind);

    CRegItemObj& m_carrier;
    Direction m_direction;
};
