#include "platform/afx/WinTypes.h"

#include <limits>

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const long long product = static_cast<long long>(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const unsigned long long a = product < 0 ? 0ULL - static_cast<unsigned long long>(product) : product;
    const unsigned long long d = denominator < 0
                                     ? 0ULL - static_cast<unsigned long long>(static_cast<long long>(denominator))
                                     : static_cast<unsigned long long>(denominator);
    const unsigned long long magnitude = (a + d / 2) / d;
    const unsigned long long limit = negative ? 0x80000000ULL : 0x7FFFFFFFULL;
    if (magnitude > limit)
        return -1;
    return negative ? static_cast<int>(0 - static_cast<long long>(magnitude)) : static_cast<int>(magnitude);
}
