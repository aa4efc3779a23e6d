// The general error of the program: a negative code and its catalogue text.
// Synchronous operations throw it; asynchronous ones put code and text into
// their completion record.
#pragma once

#include <stdexcept>
#include <string>

class QnException : public std::runtime_error
{
public:
    QnException(int code, const std::string& text) : std::runtime_error(text), code_(code) {}
    int Code() const { return code_; }
    std::string Text() const { return what(); }

private:
    int code_;
};
