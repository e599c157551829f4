#pragma once
// The Export and Import actions of the Security page: the current node's
// parameters to and from a parameter file the user chooses. Nothing is sent
// to the module; the pages write what changed when the user applies them.

#include "NodeTable.h"
#include "UserInterface.h"

namespace gw {

// The ".mod" file dialog of both actions.
FileDialog ParameterFileDialog(bool save);

// Saves the current node to a file the user chooses. Returns true when a file
// was written. A file that cannot be created is left alone without a message.
bool ExportParameters(const NodeTable& table, UserInterface& ui);
// The same to a given path (the command-line tool).
bool ExportParametersTo(const NodeTable& table, const std::string& path);

// Loads a file the user chooses into the current node. Returns true when the
// record was replaced; every refusal is reported and leaves it unchanged.
bool ImportParameters(NodeTable& table, UserInterface& ui);
bool ImportParametersFrom(NodeTable& table, const std::string& path, UserInterface& ui);

}  // namespace gw
