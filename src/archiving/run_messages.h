#pragma once
// The texts of the archiving run's message boxes. Lines are broken with a
// line feed followed by a carriage return, as the users have always seen.
#include <cstdint>
#include <vector>

#include "platform/text.h"

namespace kelmarin {

inline constexpr const char* kRunCaption = "Архивация БД";

// Why an infobase that was due to be archived has no archive.
struct ArchiveFailure {
  enum class Kind { NotStarted, ExitCode, DirectoryGone };
  Text itemText;
  Kind kind = Kind::NotStarted;
  uint32_t exitCode = 0;
};

Text ArchiverMissingMessage();
Text DestinationMissingMessage(const Text& destination);
Text InfobaseMissingMessage(const Text& itemText, const Text& path);
// With no failures the plain completion; otherwise the failed infobases
// follow, in the order given.
Text CompletionMessage(const Text& elapsed,
                       const std::vector<ArchiveFailure>& failures);

}  // namespace kelmarin
