// Test helper: sets (or removes) an environment variable for the life of the
// object and puts the old value back afterwards.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

class ScopedEnv
{
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        Set(value);
    }
    ~ScopedEnv() { Set(old_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void Set(const std::optional<std::string>& v)
    {
        if (v)
            setenv(name_.c_str(), v->c_str(), 1);
        else
            unsetenv(name_.c_str());
    }
    std::string name_;
    std::optional<std::string> old_;
};
