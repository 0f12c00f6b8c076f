#include "cli/NoticeTyper.h"

namespace quillon::cli {

void NoticeTyper::TypeCharacter(char32_t /*character*/) {
    if (!told_) {
        told_ = true;
        err_ << "quillonctl: emoji buttons type their code only while the Quillon Mouse window "
                "runs; nothing was typed\n";
    }
}

}  // namespace quillon::cli
