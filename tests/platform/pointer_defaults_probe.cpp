// Runs RestorePointerDefaults in a process of its own, for GSettings' per-process memory backend
// and schema source. Arguments: triples "schema key value" (GVariant text) set before the
// restore. Prints each change the restore reports, then "end".
#include <gio/gio.h>

#include <cstdio>
#include <string>

#include "platform/PointerDefaults.h"

int main(int argc, char** argv) {
    for (int i = 1; i + 2 < argc; i += 3) {
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
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema =
        source == nullptr
            ? nullptr
            : g_settings_schema_source_lookup(source, "org.gnome.desktop.peripherals.mouse", TRUE);
    if (schema != nullptr) {
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
    std::printf("end\n");
    return 0;
}
