#include "store/ExchangeDocument.h"

namespace quillon {

bool LoadExchangeDocument(XmlDocument& document, const std::string& path, std::string& reason) {
    if (!document.LoadFile(path)) {
        reason = "cannot read " + path;
        return false;
    }
    if (!document.IsWellFormed()) {
        reason = path + " is not well-formed XML";
        return false;
    }
    return true;
}

bool SaveExchangeDocument(XmlDocument& document, const std::string& path, std::string& reason) {
    if (!document.SaveFile(path)) {
        reason = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace quillon
