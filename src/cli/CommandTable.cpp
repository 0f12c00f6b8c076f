#include "cli/CliContext.h"
#include "cli/Commands.h"

namespace quillon::cli {

const std::vector<Command>& AllCommands() {
    static const std::vector<Command> commands = {
        {"models", "models                 list supported models, connection modes, software info",
         RunModels},
        {"devices",
         "devices                list supported interfaces found and the active connection",
         RunDevices},
        {"profile",
         "profile list           the profiles of the mouse model, the active one marked\n"
         "  profile use N          make profile N the active one\n"
         "  profile export FILE    save the profile's buttons and settings to a profile file\n"
         "  profile import FILE    load a profile file into the profile",
         RunProfile},
        {"get", "get KEY                one setting of the profile (see values for the keys)",
         RunGet},
        {"set", "set KEY VALUE          change one setting of the profile (a whole number)",
         RunSet},
        {"values", "values                 every setting of the profile", RunValues},
        {"buttons", "buttons                the function of each button of the profile",
         RunButtons},
        {"button",
         "button set KEY FUNC    give button KEY (1-5, 7, 8) a function: left, right, middle,\n"
         "                         forward, backward, wheel-up, wheel-down, dpi-up, dpi-down,\n"
         "                         dpi-cycle, disable, key:[ctrl+shift+alt+win+]NAME,\n"
         "                         "
         "media:play-pause|stop|previous|next|volume-up|volume-down|mute,\n"
         "                         system:1-13, macro:ID, emoji:1-109 or default\n"
         "  button functions       every FUNC word with its meaning",
         RunButton},
        {"macro",
         "macro list             the macros with their ids and item counts\n"
         "  macro show ID          a macro's play settings and items\n"
         "  macro new              a new empty macro\n"
         "  macro copy ID          a copy of a macro with its items\n"
         "  macro rename ID NAME   rename a macro (and the profile's buttons that run it)\n"
         "  macro delete ID        delete a macro and its items\n"
         "  macro export ID DIR    write a macro file into DIR\n"
         "  macro import FILE      add the macro of a macro file\n"
         "  macro steps ID STEP... replace a macro's items: +A -A (key press, release), +LB -LB,\n"
         "                         t50 (pause, ms), scroll-up, scroll-down, move X Y",
         RunMacro},
        {"keys", "keys                   the key names macro steps take", RunKeys},
        {"settings",
         "settings [NAME [VALUE]]  the profile's settings by name, in user units, with their\n"
         "                         allowed values; with VALUE sets one (report-rate 500,\n"
         "                         lift-off 2mm, sleep 10, e-sports on, stage-colour-2 #00ff00)",
         RunSettings},
        {"read", "read                   read the mouse's settings into the profile", RunRead},
        {"apply",
         "apply                  send macros, buttons and performance settings to the mouse",
         RunApply},
        {"info", "info                   connection, firmware version and battery of the mouse",
         RunInfo},
        {"dpi",
         "dpi                    the six DPI stages of the profile and the current one\n"
         "  dpi set STAGE VALUE    give stage 1-6 a DPI (200-24000, nearest 100)\n"
         "  dpi select STAGE       make stage 1-6 the current one",
         RunDpi},
        {"rate", "rate [125|250|500|1000]  the report rate in Hz; without a value, the stored one",
         RunRate},
        {"reset", "reset                  factory reset of the mouse and of the settings database",
         RunReset},
        {"restore-defaults", "restore-defaults       default buttons and settings for the profile",
         RunRestoreDefaults},
        {"watch",
         "watch [--once]         print the mouse's own changes until interrupted, across unplug\n"
         "                         and re-plug; --once: the current state, then exit",
         RunWatch},
        {"show", "show                   bring the running window to the front", RunShow},
        {"quit", "quit                   end the running window", RunQuit},
    };
    return commands;
}

}  // namespace quillon::cli
