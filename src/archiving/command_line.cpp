#include "archiving/command_line.h"

#include "archiving/file_name_rules.h"

namespace kelmarin {

namespace {
constexpr const char* kSwitchesBeforeMethod =
    "a -agDD-MM-YY-NN -ms -x*.zip -x*.cdx -ep1 -r -m";
constexpr int kMethodCount = 6;
constexpr int kDefaultMethod = 3;
}  // namespace

Text ArchiverSwitches(int methodIndex) {
  // Taken as unsigned, a negative index (nothing selected) is out of range
  // too and falls back to the normal method.
  const int method = static_cast<unsigned>(methodIndex) < kMethodCount
                         ? methodIndex
                         : kDefaultMethod;
  return Text(kSwitchesBeforeMethod) + static_cast<char>('0' + method) + " --";
}

Text ArchivePrefix(int methodIndex, bool dateFolderOn, const Text& destination,
                   const Text& dateFolder, const Text& computerPart) {
  Text prefix = ArchiverSwitches(methodIndex) + " \"" + destination;
  if (dateFolderOn) prefix += dateFolder + "\\";
  if (!computerPart.empty()) prefix += computerPart + "_";
  return prefix;
}

Text CommandLine(const Text& archivePrefix, const Text& title,
                 const Text& userPart, const Text& sourcePath,
                 const Text& archiverPath) {
  Text archiveName = archivePrefix + DotsReplace(title) + "_";
  if (!userPart.empty()) archiveName += userPart + "_";
  // Quoted, so that a path with spaces ("C:\Program Files\WinRAR\Rar.exe")
  // starts that very file and not whatever "C:\Program" happens to be.
  return "\"" + archiverPath + "\" " + archiveName + "\" \"" + sourcePath + "\"";
}

}  // namespace kelmarin
