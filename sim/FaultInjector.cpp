#include "FaultInjector.h"

#include <array>
#include <charconv>
#include <utility>

#include "ModuleSetup.h"
#include "Request.h"
#include "model/RecordLayout.h"

namespace gw::sim {

namespace {

constexpr std::array<std::pair<FaultKind, std::string_view>, 12> kNames = {{
    {FaultKind::Drop, "drop"},
    {FaultKind::Delay, "delay"},
    {FaultKind::Duplicate, "duplicate"},
    {FaultKind::Corrupt, "corrupt"},
    {FaultKind::OtherMac, "other-mac"},
    {FaultKind::OtherType, "other-type"},
    {FaultKind::StaleId, "stale-id"},
    {FaultKind::Short, "short"},
    {FaultKind::Busy, "busy"},
    {FaultKind::Refuse, "refuse"},
    {FaultKind::Echo, "echo"},
    {FaultKind::InvalidPoints, "invalid-points"},
}};

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc{} && end == text.data() + text.size();
}

bool AppliesTo(FaultKind kind, std::uint16_t command, ConstBytes body) {
  if (kind == FaultKind::Busy) {
    // Only replies that carry out a read or a write; a refusal stays one.
    const bool refused =
        body.size() >= hdr::kSize && (LoadBE16(body, hdr::Command) & kReplyRefusedBit);
    return (command == CmdReadBlock || command == CmdWriteBlock) && !refused;
  }
  return kind != FaultKind::Refuse && kind != FaultKind::InvalidPoints;
}

}  // namespace

std::string_view FaultName(FaultKind kind) {
  for (const auto& [k, name] : kNames) {
    if (k == kind) return name;
  }
  return "?";
}

std::string FaultNames() {
  std::string all;
  for (const auto& [k, name] : kNames) {
    if (!all.empty()) all += ", ";
    all += name;
  }
  return all;
}

std::optional<FaultRule> ParseFault(std::string_view text, std::string& error) {
  FaultRule rule;
  std::string_view when;
  if (auto colon = text.find(':'); colon != std::string_view::npos) {
    when = text.substr(colon + 1);
    text = text.substr(0, colon);
  }
  std::string_view value;
  if (auto eq = text.find('='); eq != std::string_view::npos) {
    value = text.substr(eq + 1);
    text = text.substr(0, eq);
  }
  bool known = false;
  for (const auto& [k, name] : kNames) {
    if (name == text) {
      rule.kind = k;
      known = true;
    }
  }
  if (!known) {
    error = "unknown fault \"" + std::string(text) + "\" (one of: " + FaultNames() + ")";
    return std::nullopt;
  }
  if (!value.empty()) {
    if (rule.kind != FaultKind::Delay) {
      error = "only the delay fault takes a value (delay=MS)";
      return std::nullopt;
    }
    if (!ParseNumber(value, rule.delayMs) || rule.delayMs > 60000) {
      error = "delay must be 0 to 60000 ms, not \"" + std::string(value) + "\"";
      return std::nullopt;
    }
  }
  if (!when.empty()) {
    if (when.find('.') != std::string_view::npos) {
      // from_chars for double is there in g++ 12.
      double p = 0;
      if (!ParseNumber(when, p) || !(p >= 0.0 && p <= 1.0)) {
        error = "fault probability must be 0.0 to 1.0, not \"" + std::string(when) + "\"";
        return std::nullopt;
      }
      rule.probability = p;
    } else {
      unsigned n = 0;
      if (!ParseNumber(when, n)) {
        error = "fault count must be a whole number, not \"" + std::string(when) + "\"";
        return std::nullopt;
      }
      rule.count = n;
    }
  }
  return rule;
}

FaultInjector::FaultInjector(std::vector<FaultRule> rules, std::uint32_t seed) {
  std::uint32_t position = 0;
  for (const FaultRule& rule : rules) {
    std::seed_seq seq{seed, static_cast<std::uint32_t>(rule.kind), position++};
    faults_.push_back({rule, std::mt19937(seq), 0});
  }
}

bool FaultInjector::Strikes(Active& f) {
  if (f.rule.count) return f.seen++ < *f.rule.count;
  ++f.seen;
  if (!f.rule.probability) return true;
  // One draw per chance, whatever the outcome, keeps later decisions stable.
  const double draw = static_cast<double>(f.gen()) / 4294967296.0;
  return draw < *f.rule.probability;
}

bool FaultInjector::RefuseWrite() {
  bool refuse = false;
  for (Active& f : faults_) {
    if (f.rule.kind == FaultKind::Refuse && Strikes(f)) refuse = true;
  }
  return refuse;
}

std::vector<Outgoing> FaultInjector::Apply(PendingReply reply, Channel channel,
                                           std::vector<std::string>& notes) {
  Outgoing out;
  out.body = std::move(reply.body);
  bool drop = false;
  bool duplicate = false;
  for (Active& f : faults_) {
    if (!AppliesTo(f.rule.kind, reply.command, out.body) || !Strikes(f)) continue;
    auto& body = out.body;
    switch (f.rule.kind) {
      case FaultKind::Drop:
        drop = true;
        break;
      case FaultKind::Delay:
        out.delay += std::chrono::milliseconds(f.rule.delayMs);
        break;
      case FaultKind::Duplicate:
        duplicate = true;
        break;
      case FaultKind::Corrupt:
        if (channel == Channel::Serial) {
          out.badChecksum = true;
        } else if (!body.empty()) {
          const std::size_t at = f.gen() % body.size();
          body[at] = static_cast<std::uint8_t>(body[at] ^ (1 + f.gen() % 255));
        }
        break;
      case FaultKind::OtherMac:
        for (std::size_t i = 3; i < hdr::kMacSize && hdr::MacAddress + i < body.size(); ++i) {
          body[hdr::MacAddress + i] = static_cast<std::uint8_t>(~body[hdr::MacAddress + i]);
        }
        break;
      case FaultKind::OtherType:
        if (body.size() >= hdr::kSize) StoreBE16(body, hdr::ModuleType, kForeignModuleType);
        break;
      case FaultKind::StaleId:
        if (body.size() >= hdr::kSize) StoreBE32(body, hdr::TransactionId, reply.staleId);
        break;
      case FaultKind::Short: {
        // The tool counts the checksum byte of a serial frame in the length.
        const std::size_t counted = reply.minimumLength - 1;
        const std::size_t length = channel == Channel::Serial ? counted - 1 : counted;
        if (body.size() > length) body.resize(length);
        break;
      }
      case FaultKind::Busy:
        if (body.size() >= hdr::kSize) {
          StoreBE16(
              body, hdr::Command,
              static_cast<std::uint16_t>(LoadBE16(body, hdr::Command) | kReplyConnectionActive));
        }
        break;
      case FaultKind::Refuse:
      case FaultKind::InvalidPoints:
        break;
      case FaultKind::Echo:
        body = reply.requestHeader;
        break;
    }
    std::string name(FaultName(f.rule.kind));
    if (f.rule.kind == FaultKind::Delay) name += "=" + std::to_string(f.rule.delayMs);
    notes.push_back(name);
  }
  if (drop) return {};
  std::vector<Outgoing> result{out};
  if (duplicate) result.push_back(out);
  return result;
}

}  // namespace gw::sim
