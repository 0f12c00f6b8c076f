// Feeds arbitrary bytes as a macro exchange file to the import, from the file to the stored
// rows: a file gives one new macro with all of its steps, or a reason and nothing stored.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzDatabase.h"
#include "store/MacroExchangeFile.h"
#include "store/MacroFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using quillon::fuzz::Require;
    static quillon::fuzz::FuzzDatabase db;
    std::string reason;
    quillon::MacroFileContent content;
    const bool readable = quillon::ReadMacroFile(db.Write(data, size), content, reason);
    std::vector<quillon::MacroHeader> macros;
    const int before = db.store.LoadMacros(macros);
    const int id = quillon::ImportMacroFile(db.store, db.input, reason);
    Require(id > 0 || !reason.empty());
    Require(db.store.LoadMacros(macros) == before + (id > 0 ? 1 : 0));
    if (id <= 0) {
        return 0;
    }
    Require(readable);
    std::vector<quillon::MacroItem> items;
    Require(db.store.LoadMacroItems(id, items) == static_cast<int>(content.items.size()));
    quillon::MacroHeader stored;
    Require(db.store.GetMacro(id, stored) && stored.name == content.header.name);
    // Keeps the table small and below the 32 macros the import allows.
    Require(db.store.RemoveMacro(id));
    return 0;
}
