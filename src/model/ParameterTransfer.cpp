#include "ParameterTransfer.h"

#include "FileIo.h"
#include "ParameterFile.h"
#include "model/Texts.h"

namespace gw {

FileDialog ParameterFileDialog(bool save) {
  return {text::kParameterFileExtension, text::kParameterFileFilter, save};
}

bool ExportParametersTo(const NodeTable& table, const std::string& path) {
  const NodeRecord* node = table.CurrentRecord();
  if (node == nullptr) return false;
  const auto bytes = EncodeParameterFile(*node);
  return WriteFileBytes(path, bytes).ok;
}

bool ExportParameters(const NodeTable& table, UserInterface& ui) {
  if (table.CurrentRecord() == nullptr) return false;
  const auto path = ui.ChooseFileToSave(ParameterFileDialog(true));
  if (!path) return false;
  return ExportParametersTo(table, *path);
}

bool ImportParametersFrom(NodeTable& table, const std::string& path, UserInterface& ui) {
  NodeRecord* node = table.CurrentRecord();
  if (node == nullptr) return false;
  std::vector<std::uint8_t> bytes;
  const FileResult read = ReadFileBytes(path, kParameterFileSize, bytes);
  if (!read.ok) {
    ui.Message(read.error, Buttons::Ok, Icon::Error);
    return false;
  }
  switch (ImportParameterFile(*node, bytes)) {
    case ImportStatus::Imported:
      return true;
    case ImportStatus::ModuleTypeMismatch:
      ui.Message(text::kModuleTypeMismatch);
      return false;
    case ImportStatus::FirmwareMismatch:
      ui.Message(text::kFirmwareMismatch);
      return false;
    case ImportStatus::TooShort:
      ui.Message(PastEndText(path), Buttons::Ok, Icon::Error);
      return false;
  }
  return false;
}

bool ImportParameters(NodeTable& table, UserInterface& ui) {
  if (table.CurrentRecord() == nullptr) return false;
  const auto path = ui.ChooseFileToOpen(ParameterFileDialog(false));
  if (!path) return false;
  return ImportParametersFrom(table, *path, ui);
}

}  // namespace gw
