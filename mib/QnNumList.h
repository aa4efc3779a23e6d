// A small list of numbers parsed from a delimited text ("0,2,5", "10.20.30").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

template <typename T>
class QnNumList
{
public:
    QnNumList() = default;

    static_assert(sizeof(T) == 4, "number lists hold 32-bit numbers");

    // Character that separates the items in the text form.
    char Separator = '.';

    // Replaces the items by the numbers of the text. The text is walked
    // character by character: the separator starts the next item; otherwise a
    // "." starts a fraction; any other character is taken as a digit by its
    // code (no check is made, so "-" or "a" count as digits of odd weight).
    // Fraction digits add digit x 0.1^k and keep the whole-number part, so
    // ordinary digits after a "." leave the item unchanged.
    void Parse(const std::string& text);
    void Parse(const char* text) { Parse(std::string(text ? text : "")); }

    // Position of the first item equal to value, or -1.
    int Find(T value) const;

    // The item at a position (no range check).
    T ItemAt(int position) const { return items_[size_t(position)]; }

    // Number of separators in the text plus one; 0 for a missing or empty text.
    int CountItems(const std::string& text) const;
    int CountItems(const char* text) const { return text ? CountItems(std::string(text)) : 0; }

    int Count() const { return int(items_.size()); }
    void Clear() { items_.clear(); }
    void Add(T value) { items_.push_back(value); }
    const std::vector<T>& Items() const { return items_; }

private:
    std::vector<T> items_;
};

template <typename T>
int QnNumList<T>::CountItems(const std::string& text) const
{
    if (text.empty())
        return 0;
    int n = 1;
    for (char c : text)
        if (c == Separator)
            ++n;
    return n;
}

template <typename T>
void QnNumList<T>::Parse(const std::string& text)
{
    items_.clear();
    const int n = CountItems(text);
    if (n == 0)
        return;
    items_.assign(size_t(n), T(0));
    size_t pos = 0;
    double weight = 0;
    for (char ch : text) {
        const int digit = int(static_cast<unsigned char>(ch)) - '0';
        if (ch == Separator) {
            ++pos;
            weight = 0;
        } else if (ch == '.') {
            weight = 1;
        } else if (weight != 0) {
            weight *= 0.1;
            // |item| < 2^32 and the added part is small, so the sum fits 64 bits;
            // the result wraps to 32 bits like the whole-number digits do.
            const double sum = double(items_[pos]) + weight * digit;
            items_[pos] = static_cast<T>(static_cast<uint32_t>(static_cast<int64_t>(sum)));
        } else {
            // Accumulated modulo 2^32, so long digit runs never overflow.
            items_[pos] =
                static_cast<T>(static_cast<uint32_t>(items_[pos]) * 10u + static_cast<uint32_t>(digit));
        }
    }
}

template <typename T>
int QnNumList<T>::Find(T value) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == value)
            return int(i);
    return -1;
}
