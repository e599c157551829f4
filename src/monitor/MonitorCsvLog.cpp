#include "MonitorCsvLog.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "model/Texts.h"

namespace gw::monitor {

namespace {

// The system's reason for the last failure, or the fallback when it left none.
std::string Reason(int error, const char* fallback) {
  return error != 0 ? std::strerror(error) : fallback;
}

std::ofstream OpenForLog(const std::string& path, std::string& failure) {
  errno = 0;
  std::ofstream file(path, std::ios::out | std::ios::trunc);
  if (!file.is_open()) {
    failure = text::Filled(text::kCsvLogCannotOpen,
                           path + " (" + Reason(errno, "cannot be created") + ")");
  }
  return file;
}

}  // namespace

std::string PointColumn(const PointId& point) {
  return std::to_string(point.station) + ":" + PointNumber(point.typeDigit, point.address);
}

std::string IsoLocalTime(std::chrono::system_clock::time_point time) {
  using namespace std::chrono;
  const auto milliseconds = floor<std::chrono::milliseconds>(time);
  const auto seconds = floor<std::chrono::seconds>(milliseconds);
  const std::time_t whole = system_clock::to_time_t(seconds);
  std::tm local{};
  localtime_r(&whole, &local);
  const int offset = static_cast<int>(std::labs(local.tm_gmtoff) / 60 % (24 * 60));  // minutes
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d%c%02d:%02d",
                local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                local.tm_sec, static_cast<int>((milliseconds - seconds).count()),
                local.tm_gmtoff < 0 ? '-' : '+', offset / 60, offset % 60);
  return text;
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

MonitorCsvLog::MonitorCsvLog(std::ostream& out, std::string name)
    : out_(out), name_(std::move(name)) {}

bool MonitorCsvLog::Write(const MonitorTick& tick) {
  if (Failed()) return false;
  std::vector<PointId> columns;
  columns.reserve(tick.points.size());
  for (const PointReading& point : tick.points) columns.push_back(PointId::Of(point));
  std::string lines;
  if (!headerWritten_ || columns != columns_) {
    lines = "time";
    for (const PointId& point : columns) lines += "," + CsvField(PointColumn(point));
    lines += '\n';
    columns_ = std::move(columns);
    headerWritten_ = true;
  }
  lines += IsoLocalTime(tick.time);
  for (const PointReading& point : tick.points) {
    lines += ',';
    if (point.valid) lines += CsvField(point.text);
  }
  lines += '\n';
  errno = 0;
  out_.write(lines.data(), static_cast<std::streamsize>(lines.size()));
  out_.flush();
  if (!out_) {
    Fail(text::Filled(text::kCsvLogCannotWrite,
                      name_ + " (" + Reason(errno, "the output refused the line") + ")"));
    return false;
  }
  return true;
}

MonitorCsvFile::MonitorCsvFile(const std::string& path)
    : file_(OpenForLog(path, openFailure_)), log_(file_, path) {
  if (!openFailure_.empty()) log_.Fail(openFailure_);
}

}  // namespace gw::monitor
