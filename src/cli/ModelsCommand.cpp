#include "cli/CatalogueLoad.h"
#include "cli/Commands.h"
#include "cli/Json.h"
#include "cli/TerminalText.h"
#include "device/DeviceCatalogue.h"
#include "platform/NumberText.h"

namespace quillon::cli {
namespace {

Json ModelJson(const DeviceModelRecord& r) {
    return Json::MakeObject()
        .Set("name", r.name)
        .Set("device_type", r.deviceType)
        .Set("device_attr", r.deviceAttr);
}

Json ModeJson(const DeviceModelRecord& r) {
    return ModelJson(r)
        .Set("mode", r.mode)
        .Set("vid", Hex4(r.vid))
        .Set("pid", Hex4(r.pid))
        .Set("desc", r.desc)
        .Set("hid_interface", r.hidInterface);
}

void PrintJson(std::ostream& out, const DeviceCatalogue& catalogue) {
    Json models = Json::MakeArray();
    for (const auto& model : catalogue.Models()) {
        models.Push(ModelJson(model));
    }
    Json modes = Json::MakeArray();
    for (const auto& mode : catalogue.Modes()) {
        modes.Push(ModeJson(mode));
    }
    const SoftwareInfo& sw = catalogue.Software();
    Json software = Json::MakeObject()
                        .Set("version", sw.version)
                        .Set("website", sw.website)
                        .Set("store", sw.store)
                        .Set("upgrade", sw.upgrade)
                        .Set("copyright", sw.copyright);
    out << Json::MakeObject()
               .Set("models", std::move(models))
               .Set("modes", std::move(modes))
               .Set("software", std::move(software))
               .Dump()
        << "\n";
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

int RunModels(CliContext& context, const CommandArgs& args) {
    if (!args.empty()) {
        return context.Fail(kExitUsage, "models takes no arguments");
    }
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
