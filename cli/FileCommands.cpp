// decode: showing a parameter file without a module.
#include <cstdio>
#include <filesystem>

#include "CliCommands.h"
#include "CliUi.h"
#include "NodeReport.h"
#include "Session.h"
#include "model/FileIo.h"
#include "model/ParameterFile.h"
#include "model/Texts.h"

namespace gw::cli {

bool IsParameterFileName(const std::string& name) {
  const std::string ext = std::string(".") + text::kParameterFileExtension;
  return name.size() > ext.size() && name.compare(name.size() - ext.size(), ext.size(), ext) == 0;
}

std::optional<NodeRecord> ReadModFile(CliUi& ui, const std::string& file) {
  // One byte more than a parameter file holds tells a longer file.
  std::vector<std::uint8_t> bytes;
  const FileResult read = ReadFileBytes(file, kParameterFileSize + 1, bytes);
  if (!read.ok) {
    ui.Message(read.error, Buttons::Ok, Icon::Error);
    return std::nullopt;
  }
  if (bytes.size() > kParameterFileSize) {
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    const std::string held =
        error ? "more than " + std::to_string(kParameterFileSize) : std::to_string(size);
    ui.Message(file + " holds " + held + " bytes; a parameter file holds " +
                   std::to_string(kParameterFileSize) + ".",
               Buttons::Ok, Icon::Error);
    return std::nullopt;
  }
  if (bytes.size() >= 2 && LoadBE16(bytes, pfile::ModuleType) != kModuleTypeNxg) {
    ui.Message(text::kModuleTypeMismatch, Buttons::Ok, Icon::Error);
    return std::nullopt;
  }
  NodeRecord record;
  if (!ReadParameterFile(record, bytes)) {
    ui.Message(PastEndText(file), Buttons::Ok, Icon::Error);
    return std::nullopt;
  }
  return record;
}

int RunDecode(CliUi& ui, const std::string& file, bool json) {
  const auto record = ReadModFile(ui, file);
  if (!record) return kExitFailed;
  PrintNodeReport(*record, FirmwareNumber(record->FirmwareVersion()), json);
  return kExitOk;
}

}  // namespace gw::cli
