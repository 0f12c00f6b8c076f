// Feeds arbitrary bytes to the language-file reader (sections of key=value lines in UTF-16 or
// 8-bit text) and looks up the keys it finds: every value comes back as valid UTF-8 within the
// length asked for.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ProfileString.h"
#include "store/TextEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const quillon::ProfileFile file = quillon::ProfileFile::Parse(bytes);
    for (std::string_view section : {"LAN", "", "lan", "Language"}) {
        for (std::string_view key : {"800", "12", "0", "name", "1"}) {
            for (size_t units : {size_t{0}, size_t{1}, size_t{7}, size_t{260}}) {
                const std::string value = file.Get(section, key, units);
                if (!quillon::IsValidUtf8(value) || value.size() > units * 3) {
                    __builtin_trap();
                }
            }
        }
    }
    return 0;
}
