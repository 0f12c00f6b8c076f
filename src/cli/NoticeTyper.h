#pragma once

#include <ostream>

#include "input/TextTyper.h"

namespace quillon::cli {

// quillonctl types nothing into other applications: an emoji button pressed while it runs gets
// one notice on stderr instead.
class NoticeTyper : public TextTyper {
  public:
    explicit NoticeTyper(std::ostream& err) : err_(err) {}
    void TypeCharacter(char32_t character) override;

  private:
    std::ostream& err_;
    bool told_ = false;
};

}  // namespace quillon::cli
