#pragma once
#include "archiving/run_window.h"
#include "catalogue/infobase_paths.h"
#include "platform/system.h"

namespace kelmarin {

// The archive command ("Архивировать"): tidies the fields, checks the
// archiver and the destination, archives every ticked infobase one after
// another with progress, and reports how it went. Throws InOutError when the
// date folder cannot be created.
void RunArchiving(RunWindow& window, System& system, const InfobasePaths& paths);

}  // namespace kelmarin
