// A byte string holder: a length and an owned buffer. A new one is empty
// (length 0, no buffer). The port-grouping windows keep port bitmaps in it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

class QnBinaryString
{
public:
    QnBinaryString() = default;
    QnBinaryString(const void* data, int32_t length) { Assign(data, length); }
    explicit QnBinaryString(const std::string& bytes) { Assign(bytes.data(), int32_t(bytes.size())); }
    QnBinaryString(const QnBinaryString& other) { Assign(other.Data(), other.Length()); }
    QnBinaryString(QnBinaryString&& other) noexcept : length_(other.length_), data_(std::move(other.data_))
    {
        other.length_ = 0;
    }
    QnBinaryString& operator=(const QnBinaryString& other)
    {
        if (this != &other)
            Assign(other.Data(), other.Length());
        return *this;
    }
    QnBinaryString& operator=(QnBinaryString&& other) noexcept
    {
        if (this != &other) {
            length_ = other.length_;
            data_ = std::move(other.data_);
            other.length_ = 0;
        }
        return *this;
    }

    int32_t Length() const { return length_; }
    bool IsEmpty() const { return length_ == 0; }
    // The buffer, or null when empty.
    const uint8_t* Data() const { return data_.get(); }
    uint8_t* Data() { return data_.get(); }
    uint8_t operator[](int32_t i) const { return data_[size_t(i)]; }
    uint8_t& operator[](int32_t i) { return data_[size_t(i)]; }

    // Replaces the contents by a copy of `length` bytes (a negative length
    // counts as 0).
    void Assign(const void* data, int32_t length)
    {
        if (length <= 0 || !data) {
            Clear();
            return;
        }
        std::unique_ptr<uint8_t[]> buffer(new uint8_t[size_t(length)]);
        std::memcpy(buffer.get(), data, size_t(length));
        data_ = std::move(buffer);
        length_ = length;
    }
    // Changes the length, keeping the leading bytes and filling new ones with 0.
    void SetLength(int32_t length)
    {
        if (length <= 0) {
            Clear();
            return;
        }
        std::unique_ptr<uint8_t[]> buffer(new uint8_t[size_t(length)]());
        if (length_ > 0)
            std::memcpy(buffer.get(), data_.get(), size_t(std::min(length, length_)));
        data_ = std::move(buffer);
        length_ = length;
    }
    void Clear()
    {
        data_.reset();
        length_ = 0;
    }

    std::string ToString() const
    {
        return length_ > 0 ? std::string(reinterpret_cast<const char*>(data_.get()), size_t(length_))
                           : std::string();
    }

    friend bool operator==(const QnBinaryString& a, const QnBinaryString& b)
    {
        return a.length_ == b.length_ &&
               (a.length_ == 0 || std::memcmp(a.Data(), b.Data(), size_t(a.length_)) == 0);
    }

private:
    int32_t length_ = 0;
    std::unique_ptr<uint8_t[]> data_;
};
