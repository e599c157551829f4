#pragma once
// The tool's core as the command-line tool runs it, in this process: a
// document bound to the transport libraries of the current GWSUITE_HOME, a
// user interface that only keeps what it was told, and a byte store in
// memory for the node list.

#include <cstdint>
#include <string>
#include <vector>

#include "link/Clock.h"
#include "model/NodeListExchange.h"
#include "model/UserInterface.h"
#include "protocol/DocumentCore.h"

namespace gw::bench {

// Keeps every message; progress windows are not drawn.
class QuietUi : public UserInterface {
 public:
  Answer Message(const std::string& text, Buttons buttons, Icon icon,
                 std::optional<Answer> defaultButton = std::nullopt) override;
  void ProgressOpen(const std::string&, const std::string&, int, int, int) override {}
  void ProgressStep() override {}
  void ProgressSetPosition(int) override {}
  void ProgressClose() override {}
  std::optional<std::string> ChooseFileToSave(const FileDialog&) override { return {}; }
  std::optional<std::string> ChooseFileToOpen(const FileDialog&) override { return {}; }
  void NotifyHost(int, int, const std::string&) override {}

  const std::vector<std::string>& Messages() const { return messages_; }

 private:
  std::vector<std::string> messages_;
};

// The node list between runs, as CfgLib keeps it between tool starts.
class MemoryStore : public SerializeStore {
 public:
  int GetSerializeData(std::uint8_t* buffer) override;
  int SetSerializeData(const std::uint8_t* data, int length) override;

 private:
  std::vector<std::uint8_t> bytes_;
};

class ToolSession {
 public:
  // Binds PortLink and MbKit; throws std::runtime_error when they cannot be.
  explicit ToolSession(SerializeStore& store);

  DocumentCore& Doc() { return doc_; }
  DeviceLink& Link() { return doc_.Link(); }
  NodeTable& Nodes() { return doc_.Nodes(); }
  QuietUi& Ui() { return ui_; }

 private:
  QuietUi ui_;
  SystemClock clock_;
  DocumentCore doc_;
};

}  // namespace gw::bench
