#pragma once
// Runs a restore-on-exit action when the scope ends, however it ends: what was changed for the
// scope's sake (a window disabled, a stacking order lowered) comes back without a line at every
// return.
#include <utility>

template <typename Action>
class ScopeExit {
public:
    explicit ScopeExit(Action action) : m_action(std::move(action)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit() { m_action(); }

private:
    Action m_action;
};
