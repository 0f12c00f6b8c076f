// Runs RestorePointerDefaults in a process of its own, for GSettings' per-process memory backend
// and schema source.
//
//   pointer_defaults_probe [--x11 NUMERATOR DENOMINATOR THRESHOLD] [SCHEMA KEY VALUE]...
//
// sets the X server's pointer acceleration and GSettings values (GVariant text) first, then
// restores. Prints each change the restore reports, the GNOME mouse values (where the schema
// exists) and the X acceleration (with --x11) afterwards, then "end".
#include <X11/Xlib.h>
#include <gio/gio.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/PointerDefaults.h"

namespace {

void PrintMouseSettings() {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema =
        source == nullptr
            ? nullptr
            : g_settings_schema_source_lookup(source, "org.gnome.desktop.peripherals.mouse", TRUE);
    if (schema == nullptr) {
        return;
    }
    GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
    for (const char* key : {"speed", "accel-profile", "natural-scroll", "double-click"}) {
        GVariant* value = g_settings_get_value(settings, key);
        gchar* text = g_variant_print(value, FALSE);
        std::printf("%s=%s\n", key, text);
        g_free(text);
        g_variant_unref(value);
    }
    g_object_unref(settings);
    g_settings_schema_unref(schema);
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    Display* display = nullptr;
    if (argc > 4 && std::strcmp(argv[1], "--x11") == 0) {
        display = XOpenDisplay(nullptr);
        if (display == nullptr) {
            std::printf("no X display\n");
            return 1;
        }
        XChangePointerControl(display, True, True, std::atoi(argv[2]), std::atoi(argv[3]),
                              std::atoi(argv[4]));
        XSync(display, False);
        first = 5;
    }
    for (int i = first; i + 2 < argc; i += 3) {
        GSettings* settings = g_settings_new(argv[i]);
        GVariant* value = g_variant_parse(nullptr, argv[i + 2], nullptr, nullptr, nullptr);
        if (value == nullptr || !g_settings_set_value(settings, argv[i + 1], value)) {
            std::printf("cannot set %s %s\n", argv[i], argv[i + 1]);
            return 1;
        }
        g_object_unref(settings);
    }
    for (const std::string& change : quillon::RestorePointerDefaults()) {
        std::printf("%s\n", change.c_str());
    }
    PrintMouseSettings();
    if (display != nullptr) {
        int numerator = 0;
        int denominator = 0;
        int threshold = 0;
        XGetPointerControl(display, &numerator, &denominator, &threshold);
        std::printf("x11=%d/%d/%d\n", numerator, denominator, threshold);
        XCloseDisplay(display);
    }
    std::printf("end\n");
    return 0;
}
