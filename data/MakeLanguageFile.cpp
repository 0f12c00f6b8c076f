// Build step: turns a UTF-8 language source ("[LAN]" and "id=text" lines) into the language file
// the program reads, UTF-16LE with a byte-order mark. Refuses a source that the program would
// misread.
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>

#include "platform/Utf16.h"

namespace {

bool IsDecimalId(const std::string& key) {
    if (key.empty() || key.size() > 9 || (key[0] == '0' && key.size() > 1)) {
        return false;
    }
    for (char c : key) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

int Fail(const std::string& source, int line, const std::string& why) {
    std::cerr << source << ":" << line << ": " << why << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: quillon-make-lan SOURCE.txt TARGET.lan\n";
        return 64;
    }
    std::string source = argv[1];
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        return Fail(source, 0, "cannot read the source");
    }
    std::u16string out = u"\xFEFF";
    std::set<std::string> seen;
    bool inSection = false;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::u16string units = quillon::Utf8ToUtf16(line);
        if (quillon::Utf16ToUtf8(units) != line) {
            return Fail(source, number, "not valid UTF-8");
        }
        if (line.empty() || line[0] == ';') {
            continue;
        }
        if (line == "[LAN]") {
            inSection = true;
        } else {
            size_t equals = line.find('=');
            std::string key = line.substr(0, equals);
            if (!inSection || equals == std::string::npos || !IsDecimalId(key)) {
                return Fail(source, number, "expected \"[LAN]\" and then \"id=text\" lines");
            }
            if (!seen.insert(key).second) {
                return Fail(source, number, "text id " + key + " given twice");
            }
        }
        out += units + u"\r\n";
    }
    std::ofstream target(argv[2], std::ios::binary | std::ios::trunc);
    for (char16_t unit : out) {
        target.put(static_cast<char>(unit & 0xFF));
        target.put(static_cast<char>(unit >> 8));
    }
    if (!target) {
        std::cerr << argv[2] << ": cannot write the language file\n";
        return 1;
    }
    return 0;
}
