#pragma once

#include <string>

namespace quillon {

// The product key's two numbers, kept by the file-backed Registry under ConfigFolder().
// Reads give 0 when the key or the value is missing or not a number. Writes store decimal text
// and need the key to exist (the language choice at start-up creates it); false when they fail.
int ReadLanguageId();
bool WriteLanguageId(int languageId);
int ReadDeviceType();
bool WriteDeviceType(int deviceType);

// The file holding the product key: ConfigFolder() + "registry.ini".
std::string ProductKeyFile();

inline constexpr const char* kLanguageIdValue = "LCID";
inline constexpr const char* kDeviceTypeValue = "DeviceType";

}  // namespace quillon
