#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

// The decimal digits of a binary value, the one place where numbers are rounded for display: every
// text the product shows (result lines, patterns, scale marks) is cut from these digits, so that
// 12.345 rounds to 12.35 as a person expects and never to even.
namespace corvane::decimal {

// At most this many significant digits are kept: a double carries 17, and one more for a carry.
constexpr int kMostDigits = 40;

// The digits of a Decimal, held in place: a number is formatted after every keystroke, for every
// result line and every finding, and none of that should reach the heap.
class Digits {
public:
    bool empty() const { return size_ == 0; }
    int size() const { return size_; }
    char operator[](int i) const { return data_[static_cast<std::size_t>(i)]; }
    char& operator[](int i) { return data_[static_cast<std::size_t>(i)]; }
    char back() const { return data_[static_cast<std::size_t>(size_ - 1)]; }
    void popBack() { --size_; }
    void clear() { size_ = 0; }
    void resize(int n) { size_ = n; }
    void append(std::string_view text) {
        const int n = std::min(static_cast<int>(text.size()), kMostDigits - size_);
        std::copy_n(text.data(), n, data_.data() + size_);
        size_ += n;
    }
    // A carry out of the leading digit: 9.99 -> 10.0.
    void prependOne() {
        std::copy_backward(data_.data(), data_.data() + std::min(size_, kMostDigits - 1),
                           data_.data() + std::min(size_ + 1, kMostDigits));
        data_[0] = '1';
        size_ = std::min(size_ + 1, kMostDigits);
    }
    std::string_view view() const { return {data_.data(), static_cast<std::size_t>(size_)}; }

private:
    std::array<char, kMostDigits> data_{};
    int size_ = 0;
};

// A finite number as decimal digits: value = 0.d1d2d3... scaled so that the first digit d1 stands
// at the power of ten `lead`. Zero is the empty digit string.
struct Decimal {
    bool negative = false;
    Digits digits;  // no leading or trailing zeros
    int lead = 0;   // power of ten of digits[0]

    bool isZero() const { return digits.empty(); }
    // The digit at the power of ten `power`, 0 outside the digit string.
    char digitAt(int power) const {
        const int index = lead - power;
        if (index < 0 || index >= digits.size()) return '0';
        return digits[index];
    }
};

void trimTrailingZeros(Decimal& d);
// Adds one at the last kept digit, carrying through nines.
void roundUp(Decimal& d);
// Keeps the digits down to the power of ten `lowest`, rounding half away from zero on the decimal
// digits themselves. The digit string is a magnitude, so rounding up means away from zero.
void roundAtPower(Decimal& d, int lowest);
// The value's text with `significantDigits` significant digits. The exact binary value is
// expanded first and then rounded on its digits, so a tie in the binary value itself also goes
// away from zero, never to even.
Decimal toDecimal(double value, int significantDigits);

// "NaN", "Infinity" or "-Infinity": the same text from every formatter.
std::string nonFiniteText(double value);

}  // namespace corvane::decimal
