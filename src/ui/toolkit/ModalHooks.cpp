#include "ui/toolkit/ModalHooks.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace quillon {
namespace {

struct Installed {
    int token;
    ModalHandler handler;
    int runs = 0;
};

std::mutex g_mutex;
std::vector<Installed> g_handlers;
int g_nextToken = 1;

Installed* Find(int token) {
    auto found = std::find_if(g_handlers.begin(), g_handlers.end(),
                              [token](const Installed& entry) { return entry.token == token; });
    return found == g_handlers.end() ? nullptr : &*found;
}

}  // namespace

ScopedModalHandler::ScopedModalHandler(ModalHandler handler) {
    std::lock_guard lock(g_mutex);
    token_ = g_nextToken++;
    g_handlers.push_back({token_, std::move(handler)});
}

ScopedModalHandler::~ScopedModalHandler() {
    std::lock_guard lock(g_mutex);
    std::erase_if(g_handlers, [this](const Installed& entry) { return entry.token == token_; });
}

int ScopedModalHandler::Runs() const {
    std::lock_guard lock(g_mutex);
    const Installed* entry = Find(token_);
    return entry == nullptr ? 0 : entry->runs;
}

namespace modal_hooks {

bool Serve(MDialog& dialog) {
    ModalHandler handler;
    {
        std::lock_guard lock(g_mutex);
        if (g_handlers.empty()) {
            return false;
        }
        ++g_handlers.back().runs;
        handler = g_handlers.back().handler;
    }
    // Called without the lock: the handler may itself run a nested modal dialog.
    handler(dialog);
    return true;
}

}  // namespace modal_hooks
}  // namespace quillon
