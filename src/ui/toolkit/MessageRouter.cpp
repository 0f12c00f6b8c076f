#include "ui/toolkit/MessageRouter.h"

namespace quillon {

bool MessageRouter::Route(std::initializer_list<IdRange> ranges, const std::string& owner,
                          Handler handler) {
    return Route(std::vector<IdRange>(ranges), owner, std::move(handler));
}

bool MessageRouter::Route(const std::vector<IdRange>& ranges, const std::string& owner,
                          Handler handler) {
    bool ok = true;
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const IdRange& range = ranges[i];
        std::string name =
            owner + ": " + std::to_string(range.first) + "-" + std::to_string(range.last);
        if (range.first > range.last) {
            conflicts_.push_back(name + " is empty");
            ok = false;
            continue;
        }
        for (const Entry& entry : entries_) {
            if (range.first <= entry.range.last && entry.range.first <= range.last) {
                conflicts_.push_back(name + " overlaps " + entry.owner);
                ok = false;
            }
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (range.first <= ranges[j].last && ranges[j].first <= range.last) {
                conflicts_.push_back(name + " overlaps itself");
                ok = false;
            }
        }
    }
    if (!ok) {
        return false;
    }
    handlers_.push_back(std::move(handler));
    for (const IdRange& range : ranges) {
        entries_.push_back({range, handlers_.size() - 1, owner});
    }
    return true;
}

const MessageRouter::Entry* MessageRouter::Find(int controlId) const {
    for (const Entry& entry : entries_) {
        if (controlId >= entry.range.first && controlId <= entry.range.last) {
            return &entry;
        }
    }
    return nullptr;
}

int MessageRouter::Dispatch(int controlId, int event, std::intptr_t param) const {
    const Entry* entry = Find(controlId);
    return entry == nullptr ? 0 : handlers_[entry->handler](controlId, event, param);
}

bool MessageRouter::Covers(int controlId) const {
    return Find(controlId) != nullptr;
}

}  // namespace quillon
