#pragma once
// The monitor's CSV log: one line per poll, the time of the poll and then
// one column per point with the value as the status grid shows it (empty for
// a point the module marks not valid). A header line names the columns by
// station and six-digit number; it is written again whenever the points of
// the table change. Every line is flushed at once, so that a crash loses at
// most the tick being written.

#include <chrono>
#include <cstdint>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "monitor/MonitorTick.h"

namespace gw::monitor {

// A point's name in a log header and in the trend: station and six-digit
// number, "2:400257".
std::string PointColumn(const PointId& point);

// ISO 8601 local time with milliseconds and the offset from UTC:
// "2026-12-06T09:15:02.300+01:00".
std::string IsoLocalTime(std::chrono::system_clock::time_point time);

// A field as a CSV line holds it: quoted, with its quotes doubled, when it
// has a comma, a quote or a line break; as it stands otherwise.
std::string CsvField(const std::string& text);

class MonitorCsvLog {
 public:
  // Logs to `out`, which must outlive the log; `name` is what error texts
  // call it (a path, "standard output").
  MonitorCsvLog(std::ostream& out, std::string name);

  // Writes the tick's line, preceded by a header line when the tick's points
  // are not those of the last header, and flushes. False when the output
  // failed, at this tick or before; Error() then says why and nothing more
  // is written.
  bool Write(const MonitorTick& tick);

  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }

 private:
  friend class MonitorCsvFile;
  void Fail(std::string error) { error_ = std::move(error); }

  std::ostream& out_;
  std::string name_;
  bool headerWritten_ = false;
  std::vector<PointId> columns_;
  std::string error_;
};

// The log in a file of its own, created or emptied when the log opens.
class MonitorCsvFile {
 public:
  explicit MonitorCsvFile(const std::string& path);

  bool IsOpen() const { return file_.is_open() && !log_.Failed(); }
  bool Write(const MonitorTick& tick) { return log_.Write(tick); }
  const std::string& Error() const { return log_.Error(); }

 private:
  std::string openFailure_;  // why the file did not open
  std::ofstream file_;
  MonitorCsvLog log_;
};

}  // namespace gw::monitor
