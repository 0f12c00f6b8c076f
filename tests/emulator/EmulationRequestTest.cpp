#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "emulator/EmulationRequest.h"

namespace quillon {
namespace {

TEST(EmulationRequest, ReadsConnectionsAndTheStateFile) {
    struct Case {
        const char* text;
        std::vector<std::pair<VirtualLink, bool>> links;
        std::string stateFile;
    };
    const Case cases[] = {
        {"", {{VirtualLink::Wired, true}}, ""},
        {"wired", {{VirtualLink::Wired, true}}, ""},
        {"receiver-asleep", {{VirtualLink::Receiver, false}}, ""},
        {"wired+receiver", {{VirtualLink::Wired, true}, {VirtualLink::Receiver, true}}, ""},
        {"bluetooth+receiver-asleep+wired",
         {{VirtualLink::Bluetooth, true},
          {VirtualLink::Receiver, false},
          {VirtualLink::Wired, true}},
         ""},
        {"state=/tmp/m.state", {{VirtualLink::Wired, true}}, "/tmp/m.state"},
        {"receiver,state=/tmp/a,b", {{VirtualLink::Receiver, true}}, "/tmp/a,b"},
        {"state=a,b.state", {{VirtualLink::Wired, true}}, "a,b.state"},
        // Only a second state= ends the file name; other words after a comma belong to it.
        {"wired,state=a,foo=1", {{VirtualLink::Wired, true}}, "a,foo=1"},
    };
    for (const Case& c : cases) {
        EmulationRequest request;
        std::string error;
        ASSERT_TRUE(ParseEmulation(c.text, request, error)) << c.text << ": " << error;
        std::vector<std::pair<VirtualLink, bool>> links;
        for (const VirtualInterfaceConfig& config : request.interfaces) {
            links.emplace_back(config.link, config.mouseOnline);
        }
        EXPECT_EQ(links, c.links) << c.text;
        EXPECT_EQ(request.stateFile, c.stateFile) << c.text;
    }
}

TEST(EmulationRequest, RefusesWhatItDoesNotKnowNamingTheFault) {
    struct Case {
        const char* text;
        const char* fault;  // part of the message
    };
    const Case cases[] = {
        {"usb", "unknown emulated connection 'usb'"},
        {"Wired", "unknown emulated connection 'Wired'"},
        {"wired+", "unknown emulated connection ''"},
        {"+wired", "unknown emulated connection ''"},
        {"wired+wired", "'wired' is given twice"},
        {"wired+bluetooth+wired", "'wired' is given twice"},
        {"receiver+receiver-asleep", "'receiver' and 'receiver-asleep' are both the receiver"},
        {"bluetooth+receiver-asleep+receiver",
         "'receiver-asleep' and 'receiver' are both the receiver"},
        {"wired,receiver", "join them with '+'"},
        {"wired,,state=x", "empty item"},
        {"wired,", "empty item"},
        {"wired,colour=red", "unknown option 'colour' (only state=FILE)"},
        {"foo=1", "unknown option 'foo'"},
        {"state=", "state= needs a file name"},
        {"state=A,state=B", "state= given twice"},
        {"receiver,state=a,b,state=c", "state= given twice"},
    };
    for (const Case& c : cases) {
        EmulationRequest request;
        std::string error;
        EXPECT_FALSE(ParseEmulation(c.text, request, error)) << c.text;
        EXPECT_THAT(error, ::testing::HasSubstr(c.fault)) << c.text;
    }
}

}  // namespace
}  // namespace quillon
