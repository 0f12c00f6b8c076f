// Feeds arbitrary bytes as a profile exchange file to the import, from the file to the stored
// rows: a file is taken whole or refused with a reason and nothing stored, and what was taken
// exports and imports again to the same rows.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzDatabase.h"
#include "store/ProfileExchangeFile.h"
#include "store/ProfileFile.h"

namespace {

using quillon::fuzz::Require;

std::vector<std::string> Stored(quillon::SettingsStore& store) {
    std::vector<std::string> rows;
    std::vector<quillon::KeyAssignment> keys;
    store.LoadKeyAssignments(1, keys);
    for (const quillon::KeyAssignment& k : keys) {
        rows.push_back(std::to_string(k.key_code) + " " + std::to_string(k.macro_type) + " " +
                       std::to_string(k.macro_value) + " " + std::to_string(k.macro_value2) + " " +
                       std::to_string(k.macro_value3) + " " + k.macro_desc);
    }
    for (const std::string& key : quillon::ProfileFileKeys()) {
        std::string value;
        store.GetValue(1, key, value);
        rows.push_back(key + "=" + value);
    }
    return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static quillon::fuzz::FuzzDatabase db;
    const std::vector<std::string> before = Stored(db.store);
    std::string reason;
    std::vector<int> withoutMacro;
    if (!quillon::ImportProfileFile(db.store, 1, db.Write(data, size), reason, withoutMacro)) {
        Require(!reason.empty());
        Require(Stored(db.store) == before);
        return 0;
    }
    const std::vector<std::string> imported = Stored(db.store);
    Require(quillon::ExportProfileFile(db.store, 1, "p", db.path + "export.xml", reason));
    Require(quillon::ImportProfileFile(db.store, 1, db.path + "export.xml", reason, withoutMacro));
    Require(Stored(db.store) == imported);
    return 0;
}
