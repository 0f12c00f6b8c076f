#include "store/ExchangeDocument.h"

namespace quillon {

namespace {

// The system's reason a file could not be read or written, as the document logged it.
std::string FileError(const XmlDocument& document, const std::string& path) {
    for (const XmlDocument::LogEntry& entry : document.ResultLog()) {
        if (entry.name == "file_error" && !entry.detail.empty()) {
            return entry.detail;
        }
    }
    return path;
}

}  // namespace

bool LoadExchangeDocument(XmlDocument& document, const std::string& path, std::string& reason) {
    if (!document.LoadFile(path)) {
        reason = "cannot read " + FileError(document, path);
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
        reason = "cannot write " + FileError(document, path);
        return false;
    }
    return true;
}

}  // namespace quillon
