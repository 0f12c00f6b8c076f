#include "platform/PointerDefaults.h"

#include <X11/Xlib.h>
#include <gio/gio.h>

#include <cstdlib>

namespace quillon {
namespace {

constexpr const char* kMouseSchema = "org.gnome.desktop.peripherals.mouse";
// Older GNOME releases kept the double-click time here.
constexpr const char* kDaemonMouseSchema = "org.gnome.settings-daemon.peripherals.mouse";

// The X server's own pointer acceleration: 2/1 beyond a threshold of 4 pixels.
constexpr int kXAccelNumerator = 2;
constexpr int kXAccelDenominator = 1;
constexpr int kXThreshold = 4;

GSettingsSchema* LookUpSchema(const char* id) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    return source == nullptr ? nullptr : g_settings_schema_source_lookup(source, id, TRUE);
}

// Resets the keys of `schema` that exist and differ from their defaults. True when the schema
// exists.
bool ResetKeys(const char* schemaId, const std::vector<const char*>& keys,
               std::vector<std::string>& changed) {
    GSettingsSchema* schema = LookUpSchema(schemaId);
    if (schema == nullptr) {
        return false;
    }
    GSettings* settings = nullptr;
    for (const char* key : keys) {
        if (!g_settings_schema_has_key(schema, key)) {
            continue;
        }
        if (settings == nullptr) {
            settings = g_settings_new_full(schema, nullptr, nullptr);
        }
        GSettingsSchemaKey* schemaKey = g_settings_schema_get_key(schema, key);
        GVariant* fallback = g_settings_schema_key_get_default_value(schemaKey);
        GVariant* current = g_settings_get_value(settings, key);
        if (!g_variant_equal(current, fallback)) {
            g_settings_reset(settings, key);
            changed.push_back(std::string(schemaId) + " " + key);
        }
        g_variant_unref(current);
        g_variant_unref(fallback);
        g_settings_schema_key_unref(schemaKey);
    }
    if (settings != nullptr) {
        // Writes reach the backend (dconf) asynchronously; a worker thread has no main loop.
        g_settings_sync();
        g_object_unref(settings);
    }
    g_settings_schema_unref(schema);
    return true;
}

bool HasKey(const char* schemaId, const char* key) {
    GSettingsSchema* schema = LookUpSchema(schemaId);
    if (schema == nullptr) {
        return false;
    }
    const bool has = g_settings_schema_has_key(schema, key);
    g_settings_schema_unref(schema);
    return has;
}

void RestoreX11PointerControl(std::vector<std::string>& changed) {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') {
        return;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return;
    }
    int numerator = 0;
    int denominator = 0;
    int threshold = 0;
    XGetPointerControl(display, &numerator, &denominator, &threshold);
    if (numerator != kXAccelNumerator || denominator != kXAccelDenominator ||
        threshold != kXThreshold) {
        // -1 asks the server for its defaults.
        XChangePointerControl(display, True, True, -1, -1, -1);
        changed.push_back("x11 pointer-control");
    }
    XCloseDisplay(display);
}

}  // namespace

std::vector<std::string> RestorePointerDefaults() {
    std::vector<std::string> changed;
    if (!ResetKeys(kMouseSchema, {"speed", "accel-profile", "natural-scroll", "double-click"},
                   changed)) {
        RestoreX11PointerControl(changed);
        return changed;
    }
    if (!HasKey(kMouseSchema, "double-click")) {
        ResetKeys(kDaemonMouseSchema, {"double-click"}, changed);
    }
    return changed;
}

}  // namespace quillon
