#include "WriteRules.h"

#include <algorithm>

#include "model/BlockTable.h"

namespace gw::sim {

namespace {

// Field widths.
constexpr std::size_t kU8 = 1;
constexpr std::size_t kU16 = 2;
constexpr std::size_t kU32 = 4;

void Take(ConstBytes from, Bytes to, std::size_t offset, std::size_t size) {
  std::copy_n(from.begin() + static_cast<std::ptrdiff_t>(offset), size,
              to.begin() + static_cast<std::ptrdiff_t>(offset));
}

WriteOutcome WriteNetwork(std::uint32_t mask, ConstBytes in, Bytes st, bool ipv6Capable) {
  WriteOutcome out;
  if (mask & netbits::ModuleName) Take(in, st, net::ModuleName, net::kModuleNameSize);
  if (mask & netbits::IpAddress) Take(in, st, net::IpAddress, kU32);
  if (mask & netbits::Netmask) Take(in, st, net::Netmask, kU32);
  if (mask & netbits::Gateway) Take(in, st, net::Gateway, kU32);
  if (mask & netbits::IpConfiguration) Take(in, st, net::IpConfiguration, kU16);
  if (mask & netbits::Password) {
    Take(in, st, net::Password, net::kPasswordSize);
    out.passwordWritten = true;
  }
  if ((mask & netbits::Ipv6) && ipv6Capable) {
    Take(in, st, net::Ipv6Enable, kU16);
    Take(in, st, net::Ipv6Address, net::kIpv6Size);
  }
  return out;
}

WriteOutcome WriteClock(std::uint32_t mask, ConstBytes in, Bytes st) {
  WriteOutcome out;
  if (mask & clockbits::TimeServerEnable) Take(in, st, clock::TimeServerEnable, kU8);
  if (mask & clockbits::DaylightSaving) Take(in, st, clock::DaylightSaving, kU8);
  if (mask & clockbits::TimeZone) {
    Take(in, st, clock::TimeZone, kU16);
    Take(in, st, clock::TimeZoneOffset, kU32);
  }
  if (mask & clockbits::TimeServerIp) Take(in, st, clock::TimeServerIp, kU32);
  if (mask & clockbits::ClockTime) {
    Take(in, st, clock::ClockTime, kU32);
    out.clockWritten = true;
  }
  return out;
}

void WriteIpFilter(std::uint32_t mask, ConstBytes in, Bytes st) {
  if (mask & filterbits::Enable) Take(in, st, ipfilter::FilterEnable, kU16);
  for (std::size_t k = 0; k < ipfilter::kEntries; ++k) {
    if (!(mask & filterbits::Entry(k))) continue;
    Take(in, st, ipfilter::FilterAddress + kU32 * k, kU32);
    Take(in, st, ipfilter::FilterNetmask + kU32 * k, kU32);
  }
}

void WriteDeviceMonitor(std::uint32_t mask, ConstBytes in, Bytes st) {
  const std::size_t table = devmon::kEntries * devmon::kEntrySize;
  if (mask & devmonbits::BitTable) {
    Take(in, st, devmon::BitCount, kU16);
    Take(in, st, devmon::BitAddresses, table);
    Take(in, st, devmon::BitTypes, devmon::kEntries);
  }
  if (mask & devmonbits::WordTable) {
    Take(in, st, devmon::WordCount, kU16);
    Take(in, st, devmon::WordAddresses, table);
    Take(in, st, devmon::WordTypes, devmon::kEntries);
  }
}

// The mail block by field: server, sender, each subject, and the three
// recipient words together.
void WriteMail(std::uint32_t mask, ConstBytes in, Bytes st) {
  if (mask & mailbits::SmtpServer) Take(in, st, mail::SmtpServer, kU32);
  if (mask & mailbits::MailFrom) Take(in, st, mail::MailFrom, mail::kTextSize);
  for (int k = 0; k < static_cast<int>(mail::kAlarms); ++k) {
    if (mask & mailbits::Subject(k)) {
      Take(in, st, mail::AlarmSubjects + mail::kTextSize * static_cast<std::size_t>(k),
           mail::kTextSize);
    }
  }
  if (mask & mailbits::Recipients) Take(in, st, mail::RecipientWords, kU16 * mail::kAlarms);
}

void WriteRecipients(std::uint32_t mask, ConstBytes in, Bytes st) {
  for (int r = 0; r < static_cast<int>(recipients::kCount); ++r) {
    if (mask & recipientbits::Address(r)) {
      Take(in, st, recipients::Addresses + recipients::kAddressSize * static_cast<std::size_t>(r),
           recipients::kAddressSize);
    }
  }
}

}  // namespace

WriteOutcome ApplyBlockWrite(const BlockInfo& block, ConstBytes incoming, Bytes stored,
                             bool ipv6Capable) {
  const std::uint32_t mask = LoadBE32(incoming, kChangeMask);
  WriteOutcome out;
  if (mask != 0) {
    switch (block.number) {
      case kNetworkBlock:
        out = WriteNetwork(mask, incoming, stored, ipv6Capable);
        break;
      case kClockBlock:
        out = WriteClock(mask, incoming, stored);
        break;
      case kIpFilterBlock:
        WriteIpFilter(mask, incoming, stored);
        break;
      case kDeviceMonitorBlock:
        WriteDeviceMonitor(mask, incoming, stored);
        break;
      case kMailBlock:
        WriteMail(mask, incoming, stored);
        break;
      case kMailRecipientBlock:
        WriteRecipients(mask, incoming, stored);
        break;
      default:
        std::copy_n(incoming.begin(), block.size, stored.begin());
        break;
    }
  }
  StoreBE32(stored, kChangeMask, 0);
  return out;
}

}  // namespace gw::sim
