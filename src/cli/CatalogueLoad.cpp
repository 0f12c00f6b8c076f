#include "cli/CatalogueLoad.h"

namespace quillon::cli {

bool LoadCatalogue(CliContext& context, DeviceCatalogue& catalogue, const char* consequence) {
    const bool named = !context.options.configFile.empty();
    if (catalogue.Load(named ? context.options.configFile : DefaultCataloguePath())) {
        return true;
    }
    if (named) {
        context.Fail(kExitFailure, "cannot read the device catalogue: " + catalogue.LoadError());
        return false;
    }
    context.err << "quillonctl: warning: cannot read the device catalogue ("
                << catalogue.LoadError() << "); " << consequence << "\n";
    return true;
}

}  // namespace quillon::cli
