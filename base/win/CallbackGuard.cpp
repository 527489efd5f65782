#include "CallbackGuard.h"

#include <utility>

namespace {

std::function<void()>& Handler() {
    static std::function<void()> handler;
    return handler;
}

}  // namespace

void SetUnexpectedFailureHandler(std::function<void()> handler) {
    Handler() = std::move(handler);
}

void EndAfterUnexpectedFailure() noexcept {
    // Taken out first: a failure inside the handler must not run it again.
    std::function<void()> handler = std::exchange(Handler(), nullptr);
    try {
        if (handler)
            handler();
    } catch (...) {
    }
    ExitProcess(3);
}
