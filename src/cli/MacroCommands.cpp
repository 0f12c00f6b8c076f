#include <iomanip>
#include <sstream>

#include "cli/Commands.h"
#include "cli/EnglishTexts.h"
#include "cli/JsonLine.h"
#include "cli/MacroUsers.h"
#include "cli/StoreSession.h"
#include "cli/StoredThenSent.h"
#include "cli/TerminalText.h"
#include "input/LocalizeName.h"
#include "input/MacroEditor.h"
#include "input/MacroSteps.h"
#include "platform/NumberText.h"
#include "platform/TickCount.h"
#include "store/MacroExchangeFile.h"

namespace quillon::cli {
namespace {

// The macro editor's message boxes become the command's failure line.
struct NoticeLine : MacroNotices {
    void ShowNotice(int /*titleTextId*/, int messageTextId) override {
        if (messageTextId == kMacroLimitTextId) {
            line = "the mouse holds at most " + std::to_string(kMaxMacros) +
                   " macros; delete one first";
        }
    }
    std::string line;
};

// The stored header of an existing macro; prints why when there is none.
bool FindMacro(CliContext& context, SettingsStore& store, int id, MacroHeader& header) {
    if (!store.GetMacro(id, header)) {
        context.Fail(kExitFailure,
                     "there is no macro " + std::to_string(id) + " (see 'macro list')");
        return false;
    }
    return true;
}

// A stored macro name as the macro page lists it.
std::string ShownName(const std::string& stored) {
    return LocalizeName(stored, EnglishLanguage());
}

void PrintMacroId(CliContext& context, const char* what, int id, const std::string& name) {
    if (context.options.json) {
        context.out << JsonLine({{"id", id}, {"name", ShownName(name)}}) << "\n";
    } else {
        context.out << what << " macro " << id << " \"" << Shown(ShownName(name)) << "\"\n";
    }
}

// A changed macro that buttons run reaches the mouse with their tables, which index it; one
// that no button runs changes nothing the mouse plays.
int MacroChanged(CliContext& context, WorkerSession& session, int id, const std::string& what,
                 Json json) {
    if (ButtonsRunningMacro(session.Store(), id).empty()) {
        context.out << (context.options.json ? JsonLine(json) : what) << "\n";
        return kExitOk;
    }
    return StoredThenSent(context, session, what, kButtonParts, std::move(json));
}

int List(CliContext& context, SettingsStore& store) {
    std::vector<MacroHeader> macros;
    store.LoadMacros(macros);
    Json list = Json::array();
    std::ostringstream text;
    text << "id    items name\n";
    for (const MacroHeader& macro : macros) {
        std::vector<MacroItem> items;
        const int count = store.LoadMacroItems(macro.macro_id, items);
        list.push_back(
            {{"id", macro.macro_id}, {"name", ShownName(macro.name)}, {"item_count", count}});
        text << std::left << std::setw(6) << macro.macro_id << std::setw(6) << count
             << Shown(ShownName(macro.name)) << "\n";
    }
    context.out << (context.options.json ? JsonLine({{"macros", list}}) + "\n" : text.str());
    return kExitOk;
}

int Show(CliContext& context, SettingsStore& store, int id) {
    MacroHeader macro;
    if (!FindMacro(context, store, id, macro)) {
        return kExitFailure;
    }
    std::vector<MacroItem> items;
    store.LoadMacroItems(id, items);
    if (context.options.json) {
        Json list = Json::array();
        for (const MacroItem& item : items) {
            list.push_back({{"desc", item.desc},
                            {"type", item.type},
                            {"value", item.value},
                            {"timestamp", item.delay_time}});
        }
        context.out << JsonLine({{"id", macro.macro_id},
                                 {"name", ShownName(macro.name)},
                                 {"play_type", macro.play_type},
                                 {"play_times", macro.play_times},
                                 {"delay_type", macro.delay_type},
                                 {"delay_time", macro.delay_time},
                                 {"item_count", items.size()},
                                 {"items", list}})
                    << "\n";
        return kExitOk;
    }
    context.out << "macro " << macro.macro_id << " \"" << Shown(ShownName(macro.name)) << "\"\n"
                << "play_type " << macro.play_type << ", play_times " << macro.play_times
                << ", delay_type " << macro.delay_type << ", delay_time " << macro.delay_time
                << "\n"
                << "type  value   timestamp   desc\n";
    for (const MacroItem& item : items) {
        std::ostringstream line;
        line << std::left << std::setw(6) << item.type << std::setw(8) << item.value
             << std::setw(12) << item.delay_time << Shown(item.desc);
        context.out << line.str() << "\n";
    }
    return kExitOk;
}

// A new macro (source 0) or a copy of the source.
int Create(CliContext& context, SettingsStore& store, int source) {
    MacroHeader header;
    if (source > 0 && !FindMacro(context, store, source, header)) {
        return kExitFailure;
    }
    NoticeLine notices;
    MacroEditor editor(store, notices, EnglishLanguage());
    const int id = source > 0 ? editor.CopyMacro(source) : editor.NewMacro();
    if (id <= 0) {
        return notices.line.empty() ? WriteFailed(context, store)
                                    : context.Fail(kExitFailure, notices.line);
    }
    store.GetMacro(id, header);
    PrintMacroId(context, source > 0 ? "copied to" : "created", id, header.name);
    return kExitOk;
}

int Rename(CliContext& context, StoreSession& session, int id, const std::string& name) {
    MacroHeader macro;
    if (!FindMacro(context, session.Store(), id, macro)) {
        return kExitFailure;
    }
    NoticeLine notices;
    MacroEditor editor(session.Store(), notices, EnglishLanguage());
    const std::string now = editor.RenameMacro(id, name, session.ActiveProfile());
    if (now != name) {
        return WriteFailed(context, session.Store());
    }
    PrintMacroId(context, "renamed", id, now);
    return kExitOk;
}

// Replaces the macro's items by those of the steps; a bad step stores nothing.
int Steps(CliContext& context, WorkerSession& session, int id, const CommandArgs& args) {
    SettingsStore& store = session.Store();
    MacroHeader macro;
    if (!FindMacro(context, store, id, macro)) {
        return kExitFailure;
    }
    std::vector<MacroItem> items;
    std::string reason;
    const std::vector<std::string> steps(args.begin() + 2, args.end());
    if (!ParseMacroSteps(steps, static_cast<int>(TickCount()), items, reason)) {
        return context.Fail(kExitUsage, reason + "; macro " + std::to_string(id) + " is unchanged");
    }
    NoticeLine notices;
    if (!MacroEditor(store, notices, EnglishLanguage()).SaveItems(id, items)) {
        return context.Fail(kExitFailure,
                            "could not store the steps of macro " + std::to_string(id));
    }
    return MacroChanged(context, session, id,
                        "macro " + std::to_string(id) + " \"" + Shown(ShownName(macro.name)) +
                            "\" has " + std::to_string(items.size()) + " items now",
                        {{"id", id},
                         {"name", ShownName(macro.name)},
                         {"item_count", items.size()},
                         {"stored", true}});
}

int Delete(CliContext& context, WorkerSession& session, int id) {
    SettingsStore& store = session.Store();
    MacroHeader macro;
    if (!FindMacro(context, store, id, macro)) {
        return kExitFailure;
    }
    NoticeLine notices;
    if (!MacroEditor(store, notices, EnglishLanguage()).DeleteMacro(id)) {
        return WriteFailed(context, store);
    }
    // Their assignments stay, as the window keeps them; the user learns which to change.
    const std::vector<ProfileButton> users = ButtonsRunningMacro(store, id);
    Json buttons = Json::array();
    for (const ProfileButton& button : users) {
        buttons.push_back({{"profile", button.profile}, {"key_code", button.keyCode}});
    }
    const std::string what =
        "deleted macro " + std::to_string(id) + " \"" + Shown(ShownName(macro.name)) + "\"";
    const int status = MacroChanged(
        context, session, id, what,
        {{"id", id}, {"name", ShownName(macro.name)}, {"buttons", buttons}, {"stored", true}});
    if (status == kExitOk && !context.options.json && !users.empty()) {
        context.out << "still assigned to it, playing nothing until given another function: "
                    << ButtonListText(users) << "\n";
    }
    return status;
}

int Export(CliContext& context, SettingsStore& store, int id, const std::string& folder) {
    MacroHeader macro;
    if (!FindMacro(context, store, id, macro)) {
        return kExitFailure;
    }
    std::string reason;
    const std::string path =
        ExportMacroFile(store, id, ShownName(macro.name), folder, TickCount(), reason);
    if (path.empty()) {
        return context.Fail(kExitFailure, reason);
    }
    if (context.options.json) {
        context.out << JsonLine({{"id", id}, {"name", ShownName(macro.name)}, {"file", path}})
                    << "\n";
    } else {
        context.out << "macro " << id << " written to " << path << "\n";
    }
    return kExitOk;
}

int Import(CliContext& context, SettingsStore& store, const std::string& path) {
    std::string reason;
    const int id = ImportMacroFile(store, path, reason);
    if (id <= 0) {
        return context.Fail(kExitFailure, reason);
    }
    MacroHeader macro;
    store.GetMacro(id, macro);
    PrintMacroId(context, "imported", id, macro.name);
    return kExitOk;
}

}  // namespace

int RunMacro(CliContext& context, const CommandArgs& args) {
    const std::string& verb = args[0];
    const bool takesId = verb != "list" && verb != "new" && verb != "import";
    const int id = takesId ? ParseLeadingInt(args[1]) : 0;
    // These change what buttons play (a name is not sent: the mouse holds none).
    if (verb == "delete" || verb == "steps") {
        WorkerSession session(context);
        if (int status = session.Open(); status != kExitOk) {
            return status;
        }
        return verb == "delete" ? Delete(context, session, id) : Steps(context, session, id, args);
    }
    StoreSession session(context);
    if (!session.Ok()) {
        return kExitFailure;
    }
    SettingsStore& store = session.Store();
    if (verb == "list") {
        return List(context, store);
    }
    if (verb == "show") {
        return Show(context, store, id);
    }
    if (verb == "new" || verb == "copy") {
        return Create(context, store, id);
    }
    if (verb == "rename") {
        return Rename(context, session, id, args[2]);
    }
    if (verb == "export") {
        return Export(context, store, id, args[2]);
    }
    return Import(context, store, args[1]);
}

}  // namespace quillon::cli
