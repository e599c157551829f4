// decode: showing a parameter file without a module.
#include <cstdio>

#include "CliUi.h"
#include "CliCommands.h"
#include "NodeReport.h"
#include "Session.h"
#include "model/FileIo.h"
#include "model/ParameterFile.h"
#include "model/Strings.h"

namespace gw::cli {

int RunDecode(CliUi& ui, const std::string& file, bool json) {
  std::vector<std::uint8_t> bytes;
  const FileResult read = ReadFileBytes(file, kParameterFileSize, bytes);
  if (!read.ok) {
    ui.Message(read.error, Buttons::Ok, Icon::Error);
    return kExitFailed;
  }
  if (bytes.size() >= 2 && LoadBE16(bytes, pfile::ModuleType) != kModuleTypeNxg) {
    ui.Message(text::kModuleTypeMismatch, Buttons::Ok, Icon::Error);
    return kExitFailed;
  }
  NodeRecord record;
  if (!ReadParameterFile(record, bytes)) {
    ui.Message(PastEndText(file), Buttons::Ok, Icon::Error);
    return kExitFailed;
  }
  PrintNodeReport(record, FirmwareNumber(record.FirmwareVersion()), json);
  return kExitOk;
}

}  // namespace gw::cli
