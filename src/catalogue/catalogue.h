#pragma once
#include "catalogue/catalogue_window.h"
#include "catalogue/infobase_paths.h"
#include "platform/registry.h"

namespace kelmarin {

// The key under HKEY_CURRENT_USER where 1C:Enterprise 7.7 lists the user's
// infobases: value name = directory path, value data = title.
inline constexpr const char* kTitlesKey = "Software\\1C\\1Cv7\\7.7\\Titles";

// Fills the tick list with the titles and paths with the directory paths,
// index-aligned. A key that cannot be opened leaves both empty.
void LoadCatalogue(Registry& registry, CatalogueWindow& window, InfobasePaths& paths);

// Shows the selected infobase's path under the list.
void ShowSelectedPath(CatalogueWindow& window, const InfobasePaths& paths);

}  // namespace kelmarin
