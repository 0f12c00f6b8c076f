#include "cli/CatalogueLoad.h"
#include "cli/Commands.h"
#include "cli/JsonLine.h"
#include "cli/TerminalText.h"
#include "device/DeviceCatalogue.h"
#include "platform/NumberText.h"

namespace quillon::cli {
namespace {

Json ModelJson(const DeviceModelRecord& r) {
    return {{"name", r.name}, {"device_type", r.deviceType}, {"device_attr", r.deviceAttr}};
}

Json ModeJson(const DeviceModelRecord& r) {
    Json mode = ModelJson(r);
    mode["connection_mode"] = r.mode;
    mode["vid"] = Hex4(r.vid);
    mode["pid"] = Hex4(r.pid);
    mode["desc"] = r.desc;
    mode["hid_interface"] = r.hidInterface;
    return mode;
}

void PrintJson(std::ostream& out, const DeviceCatalogue& catalogue) {
    Json models = Json::array();
    for (const auto& model : catalogue.Models()) {
        models.push_back(ModelJson(model));
    }
    Json modes = Json::array();
    for (const auto& mode : catalogue.Modes()) {
        modes.push_back(ModeJson(mode));
    }
    const SoftwareInfo& sw = catalogue.Software();
    const Json software = {{"version", sw.version},
                           {"website", sw.website},
                           {"store", sw.store},
                           {"upgrade", sw.upgrade},
                           {"copyright", sw.copyright}};
    out << JsonLine({{"models", models}, {"modes", modes}, {"software", software}}) << "\n";
}

void PrintText(std::ostream& out, const DeviceCatalogue& catalogue) {
    out << "Models:\n";
    for (const auto& m : catalogue.Models()) {
        out << "  " << Shown(m.name) << "  (type " << m.deviceType << ", key "
            << Shown(m.deviceAttr) << ")\n";
    }
    out << "Connection modes:\n";
    for (const auto& m : catalogue.Modes()) {
        out << "  " << Shown(m.name) << "  mode " << m.mode << "  " << Hex4(m.vid) << ":"
            << Hex4(m.pid) << "  " << Shown(m.desc) << "  [" << Shown(m.hidInterface) << "]  (type "
            << m.deviceType << ", key " << Shown(m.deviceAttr) << ")\n";
    }
    const SoftwareInfo& sw = catalogue.Software();
    out << "Software:\n"
        << "  version    " << Shown(sw.version) << "\n"
        << "  website    " << Shown(sw.website) << "\n"
        << "  store      " << Shown(sw.store) << "\n"
        << "  upgrade    " << Shown(sw.upgrade) << "\n"
        << "  copyright  " << Shown(sw.copyright) << "\n";
}

}  // namespace

int RunModels(CliContext& context, const CommandArgs& /*args*/) {
    DeviceCatalogue catalogue;
    if (!LoadCatalogue(context, catalogue, "no model is supported")) {
        return kExitFailure;
    }
    if (context.options.json) {
        PrintJson(context.out, catalogue);
    } else {
        PrintText(context.out, catalogue);
    }
    return kExitOk;
}

}  // namespace quillon::cli
