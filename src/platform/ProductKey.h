#pragma once

namespace quillon {

// The product key's two numbers, kept by the file-backed Registry under ConfigFolder().
// Reads give 0 when the key or the value is missing or not a number.
int ReadLanguageId();
bool WriteLanguageId(int languageId);
int ReadDeviceType();
bool WriteDeviceType(int deviceType);

}  // namespace quillon
