#include "archiving/run_messages.h"

#include <string>

namespace kelmarin {

namespace {

constexpr const char* kLineBreak = "\n\r";

Text FailureReason(const ArchiveFailure& failure) {
  switch (failure.kind) {
    case ArchiveFailure::Kind::NotStarted:
      return "архиватор не запущен";
    case ArchiveFailure::Kind::ExitCode:
      return "код завершения " + std::to_string(failure.exitCode);
    case ArchiveFailure::Kind::DirectoryGone:
      return "каталог не найден";
  }
  return {};
}

}  // namespace

Text ArchiverMissingMessage() { return "Не найден архиватор."; }

Text DestinationMissingMessage(const Text& destination) {
  return Text("Ошибка доступа.") + kLineBreak + "Не найден путь назначения: " +
         destination;
}

Text InfobaseMissingMessage(const Text& itemText, const Text& path) {
  return "БД \"" + itemText + "\" по указанному пути (" + path +
         ") не найдена.";
}

Text CompletionMessage(const Text& elapsed,
                       const std::vector<ArchiveFailure>& failures) {
  Text text = Text("Архивация завершена.") + kLineBreak +
              "Затраченное время: " + elapsed;
  if (failures.empty()) return text;
  text += kLineBreak;
  text += "Не удалось заархивировать:";
  for (const ArchiveFailure& failure : failures) {
    text += kLineBreak;
    text += "\"" + failure.itemText + "\": " + FailureReason(failure);
  }
  return text;
}

}  // namespace kelmarin
