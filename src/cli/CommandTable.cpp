#include <climits>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "input/FunctionCatalogue.h"
#include "protocol/ButtonTransfer.h"
#include "protocol/CommandFrames.h"
#include "protocol/PerformanceBlock.h"

namespace quillon::cli {
namespace {

using Values = ArgumentValues;

const Values kName = Values::NonEmpty();
const Values kNumber = Values::Range(INT_MIN, INT_MAX);
const Values kMacroId = Values::Range(1, INT_MAX);
const Values kStage = Values::Range(1, kStageCount);
const Values kButton = Values::OneOf({kEditableKeyCodes.begin(), kEditableKeyCodes.end()});

Values ReportRates() {
    std::vector<int> rates;
    for (int code = 1; code <= kReportRateWired; ++code) {
        rates.push_back(ReportRateHz(code));
    }
    return Values::OneOf(rates);
}

}  // namespace

const ArgumentValues& ProfileNumbers() {
    // Every profile of a model has its button table written, so these are all of them.
    static const Values numbers = Values::Range(1, kWrittenProfiles);
    return numbers;
}

const std::vector<CommandForm>& AllCommandForms() {
    static const std::vector<CommandForm> forms = {
        {{"models"}, {}, "list supported models, connection modes, software info", RunModels},
        {{"devices"}, {}, "list supported interfaces found and the active connection", RunDevices},
        {{"profile", "list"},
         {},
         "the profiles of the mouse model, the active one marked",
         RunProfile},
        {{"profile", "use"},
         {{"N", ProfileNumbers()}},
         "make profile N the active one",
         RunProfile},
        {{"profile", "export"},
         {{"FILE", kName}},
         "save the profile's buttons and settings to a profile file",
         RunProfile},
        {{"profile", "import"},
         {{"FILE", kName}},
         "load a profile file into the profile",
         RunProfile},
        {{"get"}, {{"KEY", kName}}, "one setting of the profile (see values for the keys)", RunGet},
        {{"set"},
         {{"KEY", kName}, {"VALUE", kNumber}},
         "change one setting of the profile (a whole number)",
         RunSet},
        {{"values"}, {}, "every setting of the profile", RunValues},
        {{"buttons"}, {}, "the function of each button of the profile", RunButtons},
        {{"button", "set"},
         {{"KEY", kButton}, {"FUNC", kName}},
         "give button KEY (1-5, 7, 8) a function: left, right, middle,\n"
         "forward, backward, wheel-up, wheel-down, dpi-up, dpi-down,\n"
         "dpi-cycle, disable, key:[ctrl+shift+alt+win+]NAME,\n"
         "media:play-pause|stop|previous|next|volume-up|volume-down|mute,\n"
         "system:1-13, macro:ID, emoji:1-109 or default",
         RunButton},
        {{"button", "functions"}, {}, "every FUNC word with its meaning", RunButton},
        {{"macro", "list"}, {}, "the macros with their ids and item counts", RunMacro},
        {{"macro", "show"}, {{"ID", kMacroId}}, "a macro's play settings and items", RunMacro},
        {{"macro", "new"}, {}, "a new empty macro", RunMacro},
        {{"macro", "copy"}, {{"ID", kMacroId}}, "a copy of a macro with its items", RunMacro},
        {{"macro", "rename"},
         {{"ID", kMacroId}, {"NAME", kName}},
         "rename a macro (and the profile's buttons that run it)",
         RunMacro},
        {{"macro", "delete"}, {{"ID", kMacroId}}, "delete a macro and its items", RunMacro},
        {{"macro", "export"},
         {{"ID", kMacroId}, {"DIR", kName}},
         "write a macro file into DIR",
         RunMacro},
        {{"macro", "import"}, {{"FILE", kName}}, "add the macro of a macro file", RunMacro},
        {{"macro", "steps"},
         {{"ID", kMacroId}, {"STEP", kName, false, true}},
         "replace a macro's items: +A -A (key press, release), +LB -LB,\n"
         "t50 (pause, ms), scroll-up, scroll-down, move X Y",
         RunMacro},
        {{"keys"}, {}, "the key names macro steps take", RunKeys},
        {{"settings"},
         {{"NAME", kName, true}, {"VALUE", kName, true, true}},
         "the profile's settings by name, in user units, with their\n"
         "allowed values; with VALUE sets one (report-rate 500,\n"
         "lift-off 2mm, sleep 10, e-sports on, stage-colour 2 #00ff00)",
         RunSettings},
        {{"read"}, {}, "read the mouse's settings into the profile", RunRead},
        {{"apply"}, {}, "send macros, buttons and performance settings to the mouse", RunApply},
        {{"info"}, {}, "connection, firmware version and battery of the mouse", RunInfo},
        {{"dpi"}, {}, "the six DPI stages of the profile and the current one", RunDpi},
        {{"dpi", "set"},
         {{"STAGE", kStage}, {"VALUE", kNumber}},
         "give stage 1-6 a DPI (200-24000, nearest 100)",
         RunDpi},
        {{"dpi", "select"}, {{"STAGE", kStage}}, "make stage 1-6 the current one", RunDpi},
        {{"rate"},
         {{"HZ", ReportRates(), true}},
         "the report rate in Hz; without a value, the stored one",
         RunRate},
        {{"reset"}, {}, "factory reset of the mouse and of the settings database", RunReset},
        {{"restore-defaults"},
         {},
         "default buttons and settings for the profile",
         RunRestoreDefaults},
        {{"watch"},
         {},
         "print the mouse's own changes until interrupted, across unplug\n"
         "and re-plug; --once: the current state, then exit",
         RunWatch,
         "[--once]"},
        {{"show"}, {}, "bring the running window to the front", RunShow},
        {{"quit"}, {}, "end the running window", RunQuit},
    };
    return forms;
}

}  // namespace quillon::cli
