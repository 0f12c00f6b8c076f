#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "emulator/VirtualMouse.h"

namespace quillon {

// What --emulate[=MODES][,state=FILE] asks for.
struct EmulationRequest {
    std::vector<VirtualInterfaceConfig> interfaces;
    std::string stateFile;  // empty: the virtual mouse starts fresh and keeps nothing
};

// MODES is a '+' list of wired, receiver, receiver-asleep and bluetooth (wired when empty), each
// connection once and one receiver; "state=" takes the rest of the text as a file name, commas
// included, but a ",state=" in it is a second state= and refused. False with a reason naming
// the fault for anything else.
bool ParseEmulation(std::string_view text, EmulationRequest& request, std::string& error);

}  // namespace quillon
