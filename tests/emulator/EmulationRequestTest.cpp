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
        {"bluetooth+receiver-asleep+receiver",
         {{VirtualLink::Bluetooth, true},
          {VirtualLink::Receiver, false},
          {VirtualLink::Receiver, true}},
         ""},
        {"state=/tmp/m.state", {{VirtualLink::Wired, true}}, "/tmp/m.state"},
        {"receiver,state=/tmp/a,b", {{VirtualLink::Receiver, true}}, "/tmp/a,b"},
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

TEST(EmulationRequest, RefusesWhatItDoesNotKnow) {
    for (const char* text : {"usb", "wired+", "+wired", "wired,receiver", "state=", "Wired",
                             "wired,,state=x", "wired,colour=red"}) {
        EmulationRequest request;
        std::string error;
        EXPECT_FALSE(ParseEmulation(text, request, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

}  // namespace
}  // namespace quillon
