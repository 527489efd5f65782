#include "base/win/CallbackGuard.h"

#include <utility>

namespace {

std::function<void()>& Handler() {
    static std::function<void()> handler;
    return handler;
}

UINT& ExitCode() {
    static UINT exitCode = 3;
    return exitCode;
}

}  // namespace

void SetUnexpectedFailureHandler(std::function<void()> handler, UINT exitCode) {
    Handler() = std::move(handler);
    ExitCode() = exitCode;
}

void EndAfterUnexpectedFailure() noexcept {
    // Taken out first: a failure inside the handler must not run it again.
    std::function<void()> handler = std::exchange(Handler(), nullptr);
    try {
        if (handler)
            handler();
    } catch (...) {
    }
    ExitProcess(ExitCode());
}
