// The value of one cell: nothing, a number, a truth value, or a text held as UTF-8 (the file's
// encoding).
#pragma once

#include <string>

class SheetValue
{
public:
    enum class Kind { Empty, Number, Boolean, Text };

    SheetValue() = default;
    static SheetValue Number(double value);
    static SheetValue Boolean(bool value);
    static SheetValue Text(std::string utf8);

    Kind GetKind() const { return m_kind; }
    bool IsEmpty() const { return m_kind == Kind::Empty; }
    // A truth value is 1 or 0 here.
    double GetNumber() const { return m_number; }
    const std::string& GetText() const { return m_text; }

    friend bool operator==(const SheetValue&, const SheetValue&) = default;

private:
    Kind m_kind = Kind::Empty;
    double m_number = 0;
    std::string m_text;
};
