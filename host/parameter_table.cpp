#include "host/parameter_table.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr double kRoundAwayThreshold = static_cast<double>(0.49999f);
constexpr double kMaxPositiveMagnitude = 99999999.0;
constexpr double kMaxNegativeMagnitude = 9999999.0;
constexpr int kCharacterBudget = 8;  // integer digits, '.', fraction digits (and '-')
constexpr int kMaxDecimals = 8;

int64_t powerOfTen(int exponent) {
    int64_t result = 1;
    while (exponent-- > 0) result *= 10;
    return result;
}

}  // namespace

void formatFixedDecimals(float value, int decimals, char* text) {
    if (!text || std::isnan(value)) return;
    if (decimals < 0) decimals = 0;
    if (decimals > kMaxDecimals) decimals = kMaxDecimals;

    // Round in units of the last place: p is the value in those units, its
    // remainder decides whether the cut below rounds away from zero.
    const int64_t unitsPerOne = powerOfTen(decimals);
    const double p = static_cast<double>(value) * static_cast<double>(unitsPerOne);
    const double whole = std::trunc(p);
    const double remainder = p - whole;
    double units = whole;
    if (remainder >= kRoundAwayThreshold)
        units += 1.0;
    else if (remainder <= -kRoundAwayThreshold)
        units -= 1.0;

    const bool negative = value < 0.0f;
    const double magnitude = std::fabs(units) / static_cast<double>(unitsPerOne);
    if (magnitude > (negative ? kMaxNegativeMagnitude : kMaxPositiveMagnitude)) return;

    const auto magnitudeUnits = static_cast<int64_t>(std::fabs(units));
    int64_t integerPart = magnitudeUnits / unitsPerOne;
    const int64_t fractionPart = magnitudeUnits % unitsPerOne;

    char out[32];
    int length = 0;
    if (negative) out[length++] = '-';

    char digits[20];
    int digitCount = 0;
    do {
        digits[digitCount++] = static_cast<char>('0' + integerPart % 10);
        integerPart /= 10;
    } while (integerPart > 0);
    while (digitCount > 0) out[length++] = digits[--digitCount];

    // Fraction digits fill what is left of the eight-character budget.
    const int used = length + 1;
    const int fractionRoom = kCharacterBudget - used > 0 ? kCharacterBudget - used : 0;
    const int fractionDigits = decimals < fractionRoom ? decimals : fractionRoom;
    if (decimals > 0) {
        out[length++] = '.';
        int64_t divisor = unitsPerOne / 10;
        for (int i = 0; i < fractionDigits; ++i, divisor /= 10)
            out[length++] = static_cast<char>('0' + (fractionPart / divisor) % 10);
    }
    out[length] = 0;
    std::memcpy(text, out, static_cast<size_t>(length) + 1);
}

