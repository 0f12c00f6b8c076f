#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace quillon {

// An inclusive range of control ids.
struct IdRange {
    int first = 0;
    int last = 0;
};

// Hands a control event to the handler that owns the control's id, so a window's OnMessage
// stays a router instead of one switch over every id. Each id has at most one owner: a route
// that overlaps an earlier one is refused and recorded in Conflicts(), which tests check.
// Routes are set up on the GUI thread before events arrive; Dispatch is read-only afterwards.
class MessageRouter {
  public:
    using Handler = std::function<int(int controlId, int event, std::intptr_t param)>;

    // Routes every id of `ranges` to `handler`; `owner` names it in conflict reports. False (and
    // nothing routed) when a range is empty or overlaps an existing route.
    bool Route(std::initializer_list<IdRange> ranges, const std::string& owner, Handler handler);
    bool Route(const std::vector<IdRange>& ranges, const std::string& owner, Handler handler);

    // The owner's result, or 0 when no route covers the id.
    int Dispatch(int controlId, int event, std::intptr_t param) const;
    bool Covers(int controlId) const;
    // "owner: first-last overlaps other" for every refused route.
    const std::vector<std::string>& Conflicts() const { return conflicts_; }

  private:
    struct Entry {
        IdRange range;
        std::size_t handler = 0;
        std::string owner;
    };
    const Entry* Find(int controlId) const;

    std::vector<Entry> entries_;
    std::vector<Handler> handlers_;
    std::vector<std::string> conflicts_;
};

}  // namespace quillon
