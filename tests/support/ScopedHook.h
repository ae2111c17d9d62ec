#pragma once

// A test hook that is always put back, for tests of any layer.

#include <utility>

// Sets a test hook for as long as it lives and clears it afterwards, also when a test fails
// half-way.
template <typename Hook> class ScopedHook {
public:
    ScopedHook(void (*setter)(Hook), Hook hook) : m_setter(setter) { m_setter(std::move(hook)); }
    ~ScopedHook() { m_setter(Hook()); }
    ScopedHook(const ScopedHook&) = delete;
    ScopedHook& operator=(const ScopedHook&) = delete;

private:
    void (*m_setter)(Hook);
};
