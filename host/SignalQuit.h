#pragma once
// SIGINT and SIGTERM close the host's windows the ordinary way, so that every
// document hands its node list to the store before the program ends.

#include <QObject>

namespace gw::host {

// Installs the handlers; the windows close on the user-interface thread.
void CloseWindowsOnSignals(QObject* owner);

}  // namespace gw::host
