#pragma once
// One run of the command-line tool: a document bound to the transport
// libraries, with the node list that the last search kept (KeptNodes.h).

#include <memory>

#include "CliUi.h"
#include "PortTap.h"
#include "protocol/DocumentCore.h"

namespace gw::cli {

// Exit codes of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the module or a file said no, or did not answer
inline constexpr int kExitUsage = 2;   // the command line was wrong
inline constexpr int kExitSetup = 3;   // the transport libraries could not be bound

class Session {
 public:
  // Binds PortLink and MbKit; a missing library ends the process with
  // kExitSetup after its message.
  explicit Session(CliUi& ui);

  DocumentCore& Doc() { return doc_; }
  NodeTable& Nodes() { return doc_.Nodes(); }
  DeviceLink& Link() { return doc_.Link(); }
  CliUi& Ui() { return ui_; }

  // The node list kept by the last search; a damaged one is reported and
  // gives an empty list.
  void LoadNodes();
  // Keeps what this run read of the current node in the kept list, beside
  // what other runs keep at the same time; false after saying why.
  bool StoreNodes();
  // Replaces the kept list with the document's (a search); false after
  // saying why.
  bool ReplaceNodes();

  // Loads the node list and finds the module; -1 after saying why.
  int FindNode(const std::string& reference);
  // Finds the module, opens it and reads all its parameters; -1 after
  // saying why.
  int OpenModule(const std::string& reference);

  // Between the link and the transport: the trace, the writes sent, the
  // in-process module of a dry run.
  PortTap& Tap() { return *tap_; }

  // An entry point of PortLink beyond those the document binds; null when
  // the library has none of that name.
  void* PortLinkSymbol(const char* name);

 private:
  // The tool keeps its node list itself; the host's store is not used.
  class NoHostStore : public SerializeStore {
   public:
    int GetSerializeData(std::uint8_t*) override { return 0; }
    int SetSerializeData(const std::uint8_t*, int) override { return -1; }
  };

  CliUi& ui_;
  SystemClock clock_;
  NoHostStore store_;
  DocumentCore doc_;
  std::unique_ptr<PortTap> tap_;
};

}  // namespace gw::cli
