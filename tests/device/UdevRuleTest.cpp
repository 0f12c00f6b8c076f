#include <gtest/gtest.h>

#include <cstdlib>

#include "device/DeviceCatalogue.h"
#include "platform/NumberText.h"
#include "platform/WholeFile.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

std::string RuleLine(int vid, int pid) {
    return "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"" + Hex4(vid) + "\", ATTRS{idProduct}==\"" +
           Hex4(pid) + "\", TAG+=\"uaccess\"\n";
}

TEST(UdevRule, NamesEveryVendorProductPairOfTheShippedCatalogue) {
    DeviceCatalogue catalogue;
    ASSERT_TRUE(catalogue.Load(std::string(QUILLON_SOURCE_DIR) + "/data/config.xml"));
    ASSERT_FALSE(catalogue.Modes().empty());
    std::string rule;
    std::string error;
    ASSERT_TRUE(ReadWholeFile(QUILLON_UDEV_RULE, rule, error)) << error;
    for (const DeviceModelRecord& mode : catalogue.Modes()) {
        EXPECT_NE(rule.find(RuleLine(mode.vid, mode.pid)), std::string::npos) << mode.desc;
    }
}

TEST(UdevRule, GeneratorReadsTheCatalogueAsXmlAndSkipsUnusableIds) {
    test::TempDir dir;
    dir.write("config.xml",
              "<?xml version=\"1.0\"?>\n<config><device>\n"
              "<!-- <mode vid=\"1111\" pid=\"2222\"/> -->\n"
              "<mouse name=\"A\" device_type=\"101\">"
              "<mode value=\"0\" pid=\"BEEF\" vid=\"dead\"/>"
              "<mode value=\"1\" vid=\"zz\" pid=\"0001\"/>"
              "<mode value=\"2\" vid=\"DEAD\" pid=\"BEEF\"/></mouse>\n"
              "<mouse name=\"B\" device_type=\"102\"><mode vid=\"0A0B\" pid=\"C\"/></mouse>\n"
              "</device></config>\n");
    const std::string command = "python3 " + std::string(QUILLON_SOURCE_DIR) +
                                "/scripts/make-udev-rule " + dir.file("config.xml") + " " +
                                dir.file("out.rules");
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string rule = dir.read("out.rules");
    EXPECT_EQ(rule.substr(rule.find("SUBSYSTEM")),
              RuleLine(0xDEAD, 0xBEEF) + RuleLine(0x0A0B, 0x000C))
        << "each pair once, comments and malformed ids left out";

    // The same pairs for the software-centre entry, in the capitals AppStream matches against.
    const std::string modalias = "python3 " + std::string(QUILLON_SOURCE_DIR) +
                                 "/scripts/make-udev-rule --modalias " + dir.file("config.xml") +
                                 " > " + dir.file("modalias.txt");
    ASSERT_EQ(std::system(modalias.c_str()), 0);
    EXPECT_EQ(dir.read("modalias.txt"),
              "<modalias>usb:vDEADpBEEFd*</modalias>\n<modalias>usb:v0A0Bp000Cd*</modalias>\n");
}

}  // namespace
}  // namespace quillon
