#pragma once

#include <string>

#include "store/XmlDocument.h"

namespace quillon {

// Reads an exchange file; false with a reason when it cannot be read or is not well-formed.
bool LoadExchangeDocument(XmlDocument& document, const std::string& path, std::string& reason);

// Writes an exchange file; false with a reason when it could not be written.
bool SaveExchangeDocument(XmlDocument& document, const std::string& path, std::string& reason);

}  // namespace quillon
