#include "archiving/archiving_run.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "archiving/command_line.h"
#include "archiving/day_time.h"
#include "archiving/file_name_rules.h"
#include "archiving/run_messages.h"
#include "archiving/trim.h"

namespace kelmarin {

namespace {

constexpr int kProgressPerInfobase = 10;

void TidyFields(RunWindow& window) {
  // Each field is written back before the next one is read.
  for (Field field : {Field::Edit1, Field::Edit2, Field::Edit3, Field::Edit4}) {
    window.SetFieldText(field, Trim(window.FieldText(field)));
  }
  for (Field field : {Field::Edit2, Field::Edit3}) {
    window.SetFieldText(field, DotsReplace(window.FieldText(field)));
  }
  const Text destination = window.FieldText(Field::Edit4);
  if (!destination.empty() && destination.back() != '\\') {
    window.SetFieldText(Field::Edit4, destination + "\\");
  }
}

void Show(RunWindow& window, System& system, const Text& text, unsigned icon) {
  system.ShowMessage(window.Owner(), text, kRunCaption, icon);
}

// The list and the paths are filled together, but a position without a
// path must not bring the run down: it counts as a missing directory.
std::optional<Text> PathAt(const InfobasePaths& paths, int index) {
  if (index < 0 || static_cast<size_t>(index) >= paths.size()) return std::nullopt;
  return paths[static_cast<size_t>(index)];
}

bool DirectoryAt(System& system, const InfobasePaths& paths, int index) {
  const std::optional<Text> path = PathAt(paths, index);
  return path && system.DirectoryExists(*path);
}

uint32_t CheckTickedInfobases(RunWindow& window, System& system,
                              const InfobasePaths& paths) {
  uint32_t validCount = 0;
  const int count = window.ItemCount();
  for (int i = 0; i < count; ++i) {
    if (!window.ItemTicked(i)) continue;
    if (DirectoryAt(system, paths, i)) {
      ++validCount;
      continue;
    }
    window.UntickItem(i);
    Show(window, system,
         InfobaseMissingMessage(window.ItemText(i), PathAt(paths, i).value_or(Text())),
         kIconWarning);
  }
  return validCount;
}

// Runs the archiver for one infobase; returns why it has no archive, if so.
std::optional<ArchiveFailure> ArchiveOne(RunWindow& window, System& system,
                                         const InfobasePaths& paths, int index,
                                         const Text& prefix) {
  if (!DirectoryAt(system, paths, index)) {
    return ArchiveFailure{window.ItemText(index), ArchiveFailure::Kind::DirectoryGone};
  }
  // Read now: input handled just before may have changed them.
  const Text itemText = window.ItemText(index);
  const Text userPart = window.FieldText(Field::Edit3);
  const Text archiverPath = window.FieldText(Field::Edit1);
  const Text commandLine =
      CommandLine(prefix, itemText, userPart, *PathAt(paths, index), archiverPath);
  const ProcessOutcome outcome = system.RunAndWait(commandLine);
  if (!outcome.started) {
    return ArchiveFailure{itemText, ArchiveFailure::Kind::NotStarted};
  }
  if (outcome.exitCode != 0) {
    return ArchiveFailure{itemText, ArchiveFailure::Kind::ExitCode, outcome.exitCode};
  }
  return std::nullopt;
}

}  // namespace

void RunArchiving(RunWindow& window, System& system, const InfobasePaths& paths) {
  TidyFields(window);

  if (!system.FileExists(window.FieldText(Field::Edit1))) {
    Show(window, system, ArchiverMissingMessage(), kIconError);
    return;
  }
  if (!system.DirectoryExists(window.FieldText(Field::Edit4))) {
    Show(window, system, DestinationMissingMessage(window.FieldText(Field::Edit4)),
         kIconError);
    return;
  }

  // The date is taken once, so a run past midnight keeps to one folder.
  const bool dateFolderOn = window.DateFolderTicked();
  Text dateFolder;
  if (dateFolderOn) {
    dateFolder = DateFolderName(system.Now());
    const Text folder = window.FieldText(Field::Edit4) + dateFolder;
    if (!system.DirectoryExists(folder)) system.CreateFolder(folder);
  }

  const int methodIndex = window.MethodIndex();
  const Text destination = window.FieldText(Field::Edit4);
  const Text computerPart = window.FieldText(Field::Edit2);
  const Text prefix =
      ArchivePrefix(methodIndex, dateFolderOn, destination, dateFolder, computerPart);

  const uint32_t validCount = CheckTickedInfobases(window, system, paths);
  if (validCount == 0) return;

  window.DropStayOnTop();
  const LocalTime start = system.Now();
  window.SetProgressLabelVisible(true);
  window.SetProgressPosition(0);
  window.SetProgressVisible(true);
  window.SetProgressMax(static_cast<int>(validCount) * kProgressPerInfobase);

  std::vector<ArchiveFailure> failures;
  const int count = window.ItemCount();
  for (int i = 0; i < count; ++i) {
    // Read afresh: a tick set while messages were handled counts.
    if (!window.ItemTicked(i)) continue;
    window.SelectItem(i);
    window.ListClick();
    window.StepProgress();
    window.ProcessWaitingMessages();
    if (auto failure = ArchiveOne(window, system, paths, i, prefix)) {
      failures.push_back(std::move(*failure));
    }
    window.StepProgress();
  }

  window.SetProgressVisible(false);
  window.SetProgressLabelVisible(false);
  const uint32_t elapsed = ElapsedWithinDay(start, system.Now());
  const Text elapsedText = FormatLongTime(elapsed, system.UserLongTimeFormat());
  Show(window, system, CompletionMessage(elapsedText, failures),
       failures.empty() ? kIconInformation : kIconWarning);
}

}  // namespace kelmarin
