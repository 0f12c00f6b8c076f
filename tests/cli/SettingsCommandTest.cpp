#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/SettingTable.h"
#include "support/EmulatedCli.h"

namespace quillon {
namespace {

class SettingsCommandTest : public test::EmulatedCli {};

using test::Has;

// Every setting the mouse carries: set in user units, applied, read back from the mouse into a
// fresh database, shown in the same units there.
TEST_F(SettingsCommandTest, SettingsRoundTripThroughTheMouseInUserUnits) {
    struct Case {
        std::vector<std::string> words;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {{"dpi-2", "1750"}, "1800 DPI"},    {{"dpi", "6", "23950dpi"}, "24000 DPI"},
        {{"stage", "4"}, "stage 4"},        {{"report-rate", "500Hz"}, "500 Hz"},
        {{"lift-off", "2mm"}, "2 mm"},      {{"sensor-switches", "off,on,off"}, "off,on,off"},
        {{"scroll-direction", "1"}, "1"},   {{"e-sports", "on"}, "on"},
        {{"sleep", "30"}, "30 min"},        {{"button-response", "12"}, "12"},
        {{"motion-wake-up", "off"}, "off"}, {{"light-mode", "3"}, "3"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words = {"settings"};
        words.insert(words.end(), c.words.begin(), c.words.end());
        test::CliResult set = Run(words);
        EXPECT_EQ(set.status, 0) << c.words[0] << ": " << set.err;
        EXPECT_TRUE(Has(set.out, std::string(" is ") + c.shown + ", stored and sent")) << set.out;
    }
    ASSERT_EQ(Run({"apply"}).status, 0);
    ASSERT_EQ(Run({"read"}, "fresh").status, 0);
    for (const Case& c : cases) {
        const std::string name = c.words.size() == 3 ? c.words[0] + "-" + c.words[1] : c.words[0];
        test::CliResult shown = Run({"settings", name}, "fresh");
        EXPECT_TRUE(Has(shown.out, std::string(c.shown) + " ")) << name << ": " << shown.out;
    }
    // Colours go to the mouse but are never read back; they are kept where they were set.
    ASSERT_EQ(Run({"settings", "stage-colour", "2", "#00ff00"}).status, 0);
    EXPECT_TRUE(Has(Run({"--json", "settings", "stage-colour-2"}).out,
                    R"("key":"dpi_group1_rgb","value":65280,"text":"#00FF00")"));
}

// Values outside what a setting takes are refused with the allowed values, in user units and
// as raw stored numbers, and nothing is stored.
TEST_F(SettingsCommandTest, ValuesOutsideTheirDomainAreRefusedAndNothingChanges) {
    const std::string before = Run({"--json", "values"}).out;
    struct Case {
        std::vector<std::string> words;
        const char* says;
    };
    const std::vector<Case> cases = {
        {{"settings", "report-rate", "300"}, "report-rate takes 125, 250, 500 or 1000 Hz"},
        {{"settings", "lift-off", "3mm"}, "lift-off takes 1 or 2 mm"},
        {{"settings", "stage", "7"}, "stage takes stage 1 to 6"},
        {{"settings", "stage-colour-1", "#12345"}, "takes #RRGGBB"},
        {{"settings", "sensor-switches", "on,off"}, "switches 1, 2 and 3"},
        {{"settings", "e-sports", "maybe"}, "e-sports takes on or off"},
        {{"settings", "dpi-1", "20"}, "50 to 26000 DPI"},
        {{"settings", "no-such", "1"}, "no setting is named 'no-such'"},
    };
    for (const Case& c : cases) {
        test::CliResult r = Run(c.words);
        EXPECT_EQ(r.status, 64) << c.words[1];
        EXPECT_TRUE(Has(r.err, c.says)) << r.err;
    }
    // The raw form checks the same table, one step past each end of every domain.
    for (const SettingEntry& setting : SettingTable()) {
        for (long long value :
             {static_cast<long long>(setting.low) - 1, static_cast<long long>(setting.high) + 1}) {
            test::CliResult r = Run({"set", setting.key, std::to_string(value)});
            EXPECT_EQ(r.status, 64) << setting.key << " " << value;
            EXPECT_TRUE(Has(r.err, "'" + setting.key + "' takes " + std::to_string(setting.low) +
                                       " to " + std::to_string(setting.high)))
                << r.err;
        }
    }
    EXPECT_EQ(Run({"--json", "values"}).out, before);
}

TEST_F(SettingsCommandTest, RateWithoutAValueTellsTheStoredRate) {
    ASSERT_EQ(Run({"rate", "500"}).status, 0);
    EXPECT_EQ(Run({"rate"}).out, "The report rate of profile 1 is 500 Hz.\n");
    EXPECT_EQ(Run({"--json", "rate"}).out, R"({"profile":1,"report_rate":3,"report_rate_hz":500})"
                                           "\n");
}

}  // namespace
}  // namespace quillon
