#pragma once
#include "platform/text.h"

namespace kelmarin {

// The archiver's switches for a compression method (ComboBox1's index).
Text ArchiverSwitches(int methodIndex);

// The part of the command line that is the same for every infobase of a run.
Text ArchivePrefix(int methodIndex, bool dateFolderOn, const Text& destination,
                   const Text& dateFolder, const Text& computerPart);

// The whole command line for one infobase. The archiver path is quoted.
Text CommandLine(const Text& archivePrefix, const Text& title,
                 const Text& userPart, const Text& sourcePath,
                 const Text& archiverPath);

}  // namespace kelmarin
