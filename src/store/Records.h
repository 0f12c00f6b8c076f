#pragma once

#include <string>

namespace quillon {

// One profile (a t_profile_data row). status is 1 for the active profile, 0 for the others.
struct ProfileRecord {
    int profile = 0;
    std::string name;
    std::string app;
    int type = 0;
    int status = 0;
};

// One button assignment (a t_key_macro_data row). The meaning of the macro_* fields is the
// button-function encoding of input/; the store keeps them as they are.
struct KeyAssignment {
    int key_id = 0;
    int profile = 0;
    int fn_layer = 0;
    int key_code = 0;
    int layout_value = 0;
    std::string layout_desc;
    int macro_type = 0;
    int macro_value = 0;
    int macro_value2 = 0;
    int macro_value3 = 0;
    std::string macro_desc;
};

// The function type of a button that plays a macro; its macro_value is the macro_id.
inline constexpr int kMacroFunctionType = 23;

// The macros the mouse can hold: the editing operations and the imports stop there.
inline constexpr int kMaxMacros = 32;

// One macro (a t_macro_data row).
struct MacroHeader {
    int macro_id = 0;
    std::string name;
    int play_type = 0;
    int play_times = 0;
    int delay_type = 0;
    int delay_time = 0;
};

// One macro step (a t_macrorecord row).
struct MacroItem {
    int record_id = 0;
    int macro_id = 0;
    int type = 0;
    int record_index = 0;
    int value = 0;
    int delay_time = 0;
    std::string desc;
};

}  // namespace quillon
