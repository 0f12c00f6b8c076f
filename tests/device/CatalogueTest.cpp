#include <gtest/gtest.h>

#include "device/CatalogueStartup.h"
#include "device/DeviceCatalogue.h"
#include "platform/ProductKey.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

const char* const kTwoFamilies = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<config>
<device>
<mouse name="First" device_type="101" device_attr="Q1">
<mode value="0" desc="cable" vid="1915" pid="ae1c" hid_interface="MI_01"/>
<note/>
<mode value="1" desc="receiver" vid="0x1915" pid="zz" hid_interface="MI_02"/>
</mouse>
<mouse name="Other" device_type="102" device_attr="Q2">
<mode value="2" desc="bt" vid="1915" pid="AE12" hid_interface="KBD"/>
</mouse>
<mouse name="Same family" device_type="101x" device_attr="Q3"/>
</device>
<software caption="ignored" version="2.5">
<store url="store-first"/>
<website url="web"/>
<upgrade url="up"/>
<copyright info="(c)"/>
</software>
</config>
)xml";

TEST(DeviceCatalogue, ReadsModelsModesAndSoftwareInFileOrder) {
    DeviceCatalogue catalogue;
    ASSERT_TRUE(catalogue.LoadText(kTwoFamilies));

    ASSERT_EQ(catalogue.Models().size(), 3u);
    EXPECT_EQ(catalogue.Models()[1].name, "Other");
    EXPECT_EQ(catalogue.Models()[1].deviceType, 102);
    EXPECT_EQ(catalogue.Models()[2].deviceType, 101) << "leading digits, as atoi reads them";

    ASSERT_EQ(catalogue.Modes().size(), 3u);
    const DeviceModelRecord& cable = catalogue.Modes()[0];
    EXPECT_EQ(cable.vid, 0x1915) << "vid is hexadecimal without prefix";
    EXPECT_EQ(cable.pid, 0xAE1C);
    EXPECT_EQ(cable.deviceAttr, "Q1");
    EXPECT_EQ(cable.hidInterface, "MI_01");
    const DeviceModelRecord& receiver = catalogue.Modes()[1];
    EXPECT_EQ(receiver.mode, 1);
    EXPECT_EQ(receiver.vid, 0x1915) << "a 0x prefix reads as strtol base 16 does";
    EXPECT_EQ(receiver.pid, 0) << "a malformed id matches no device";

    // Only the served family reaches the device layer; its first model names the database.
    ASSERT_EQ(catalogue.FamilyModes().size(), 2u);
    EXPECT_EQ(catalogue.DatabaseKey(101), "Q1");
    EXPECT_EQ(catalogue.DatabaseKey(999), "");

    // "store" before "website": the search for "website" moves past it, so it is missed.
    EXPECT_TRUE(catalogue.HasSoftware());
    EXPECT_EQ(catalogue.Software().version, "2.5");
    EXPECT_EQ(catalogue.Software().website, "web");
    EXPECT_EQ(catalogue.Software().store, "");
    EXPECT_EQ(catalogue.Software().upgrade, "up");
    EXPECT_EQ(catalogue.Software().copyright, "(c)");
}

TEST(DeviceCatalogue, RejectsWhatIsNotACatalogueAndLeavesNothingBehind) {
    const struct {
        const char* name;
        const char* text;
        bool loads;
    } cases[] = {
        {"empty", "", false},
        {"other root", "<catalogue><device/></catalogue>", false},
        {"not well-formed", "<config><device></config>", false},
        {"root with sibling", "<config/><config/>", false},
        {"software before device is ignored",
         "<config><software version='9'/><device><mouse device_type='101'/></device></config>",
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeviceCatalogue catalogue;
        ASSERT_TRUE(catalogue.LoadText(kTwoFamilies));
        EXPECT_EQ(catalogue.LoadText(c.text), c.loads);
        EXPECT_EQ(catalogue.Modes().size(), 0u) << "nothing from the previous load survives";
        EXPECT_FALSE(catalogue.HasSoftware());
        EXPECT_EQ(catalogue.Software().version, "");
    }
}

TEST(DeviceCatalogue, ShippedCatalogueServesOneModelOverThreeConnections) {
    DeviceCatalogue catalogue;
    ASSERT_TRUE(catalogue.Load(std::string(QUILLON_SOURCE_DIR) + "/data/config.xml"));
    ASSERT_EQ(catalogue.FamilyModes().size(), 3u);
    for (int mode = 0; mode < 3; ++mode) {
        EXPECT_EQ(catalogue.FamilyModes()[mode].mode, mode);
        EXPECT_EQ(catalogue.FamilyModes()[mode].vid, 0x1915);
    }
    EXPECT_FALSE(catalogue.DatabaseKey(101).empty());
    EXPECT_FALSE(catalogue.Software().version.empty());
}

TEST(CatalogueStartup, RecordsTheServedTypeAndRunsTheStepsInOrder) {
    test::IsolatedHome home;
    test::TempDir dir;
    dir.write("config.xml", kTwoFamilies);

    DeviceCatalogue catalogue;
    std::string order;
    std::string version;
    CatalogueStartupSteps steps;
    steps.showVersion = [&](const std::string& v) { version = v; };
    steps.setDeviceType = [&](int type) { order += "type" + std::to_string(type) + " "; };
    steps.disableInputMethod = [&] { order += "ime "; };
    steps.openSettingsDatabase = [&] {
        order += "db:" + DatabaseKeyForRecordedType(catalogue) + " ";
    };
    steps.registerDeviceNotifications = [&] { order += "notify "; };
    steps.refreshDevices = [&] { order += "refresh"; };

    EXPECT_TRUE(LoadAndApplyCatalogue(catalogue, dir.file("config.xml"), steps));
    EXPECT_EQ(order, "type101 ime db:Q1 notify refresh");
    EXPECT_EQ(version, "2.5");
    EXPECT_EQ(ReadDeviceType(), 101) << "recorded even though no product key existed";

    // A missing file still records the type and runs every step, with empty lists.
    order.clear();
    version = "kept";
    EXPECT_FALSE(LoadAndApplyCatalogue(catalogue, dir.file("missing.xml"), steps));
    EXPECT_EQ(order, "type101 ime db: notify refresh");
    EXPECT_EQ(version, "kept") << "the version label keeps its text";
}

}  // namespace
}  // namespace quillon
