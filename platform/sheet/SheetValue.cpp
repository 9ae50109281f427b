#include "platform/sheet/SheetValue.h"

#include <utility>

SheetValue SheetValue::Number(double value)
{
    SheetValue v;
    v.m_kind = Kind::Number;
    v.m_number = value;
    return v;
}

SheetValue SheetValue::Boolean(bool value)
{
    SheetValue v;
    v.m_kind = Kind::Boolean;
    v.m_number = value ? 1 : 0;
    return v;
}

SheetValue SheetValue::Text(std::string utf8)
{
    SheetValue v;
    if (utf8.empty())
        return v; // an empty text is no cell at all
    v.m_kind = Kind::Text;
    v.m_text = std::move(utf8);
    return v;
}
