#pragma once
// The Time Zone list of the clock page: the module keeps the position of the
// chosen entry (TimeZone) and its offset from GMT in seconds
// (TimeZoneOffset).

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace gw {

inline constexpr std::array<std::string_view, 74> kTimeZones = {
    "(GMT-12:00) Eniwetok, Kwajalein ",
    "(GMT-11:00) Midway Island, Samoa",
    "(GMT-10:00) Hawaii",
    "(GMT-09:00) Alaska",
    "(GMT-08:00) Pacific Time (US & Canada); Tijuana",
    "(GMT-07:00) Arizona",
    "(GMT-07:00) Mountain Time (US & Canada)",
    "(GMT-06:00) Central America",
    "(GMT-06:00) Central Time (US & Canada)",
    "(GMT-06:00) Mexico City",
    "(GMT-06:00) Saskatchewan",
    "(GMT-05:00) Bogota, Lima, Quito",
    "(GMT-05:00) Eastern Time (US & Canada)",
    "(GMT-05:00) Indiana (East)",
    "(GMT-04:00) Atlantic Time (Canada)",
    "(GMT-04:00) Caracas, La Paz",
    "(GMT-04:00) Santiago",
    "(GMT-03:30) Newfoundland",
    "(GMT-03:00) Brasilia",
    "(GMT-03:00) Buenos Aires, Georgetown",
    "(GMT-03:00) Greenland",
    "(GMT-02:00) Mid-Atlantic",
    "(GMT-01:00) Azores",
    "(GMT-01:00) Cape Verde Is.",
    "(GMT) Casablanca, Monrovia",
    "(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London",
    "(GMT+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna",
    "(GMT+01:00) Belgrade, Bratislava, Budapest, Ljubljana, Prague",
    "(GMT+01:00) Brussels, Copenhagen, Madrid, Paris",
    "(GMT+01:00) Sarajevo, Skopje, Sofija, Vilnius, Warsaw, Zagreb",
    "(GMT+01:00) West Central Africa",
    "(GMT+02:00) Athens, Istanbul, Minsk",
    "(GMT+02:00) Bucharest",
    "(GMT+02:00) Cairo",
    "(GMT+02:00) Harare, Pretoria",
    "(GMT+02:00) Helsinki, Riga, Tallinn",
    "(GMT+02:00) Jerusalem",
    "(GMT+03:00) Baghdad",
    "(GMT+03:00) Kuwait, Riyadh",
    "(GMT+03:00) Moscow, St. Petersburg, Volgograd",
    "(GMT+03:00) Nairobi",
    "(GMT+03:30) Tehran",
    "(GMT+04:00) Abu Dhabi, Muscat",
    "(GMT+04:00) Baku, Tbilisi, Yerevan",
    "(GMT+04:30) Kabul",
    "(GMT+05:00) Ekaterinburg",
    "(GMT+05:00) Islamabad, Karachi, Tashkent",
    "(GMT+05:30) Calcutta, Chennai, Mumbai, New Delhi",
    "(GMT+05:45) Kathmandu",
    "(GMT+06:00) Almaty, Novosibirsk",
    "(GMT+06:00) Astana, Dhaka",
    "(GMT+06:00) Sri Jayawardenepura",
    "(GMT+06:30) Rangoon",
    "(GMT+07:00) Bangkok, Hanoi, Jakarta",
    "(GMT+07:00) Krasnoyarsk",
    "(GMT+08:00) Beijing, Chongqing, Hong Kong, Urumqi",
    "(GMT+08:00) Irkutsk, Ulaan Bataar",
    "(GMT+08:00) Kuala Lumpur, Singapore",
    "(GMT+08:00) Perth",
    "(GMT+08:00) Taipei",
    "(GMT+09:00) Osaka, Sapporo, Tokyo",
    "(GMT+09:00) Seoul",
    "(GMT+09:00) Yakutsk",
    "(GMT+09:30) Adelaide",
    "(GMT+09:30) Darwin",
    "(GMT+10:00) Brisbane",
    "(GMT+10:00) Canberra, Melbourne, Sydney",
    "(GMT+10:00) Guam, Port Moresby",
    "(GMT+10:00) Hobart",
    "(GMT+10:00) Vladivostok",
    "(GMT+11:00) Magadan, Solomon Is., New Caledonia",
    "(GMT+12:00) Auckland, Wellington",
    "(GMT+12:00) Fiji, Kamchatka, Marshall Is.",
    "(GMT+13:00) Nuku'alofa",
};

// The entry the module sends one hour west of its caption: "(GMT) Casablanca,
// Monrovia" has always gone out with -3600.
inline constexpr int kCasablancaZone = 24;

// The offset in seconds written in an entry's caption "(GMT+hh:mm) ..." or
// "(GMT) ...".
constexpr std::int32_t CaptionOffset(std::string_view caption) {
  if (caption.size() < 11 || caption[4] == ')') return 0;
  const int sign = caption[4] == '-' ? -1 : 1;
  const auto digit = [&](std::size_t i) { return caption[i] - '0'; };
  const int hours = digit(5) * 10 + digit(6);
  const int minutes = digit(8) * 10 + digit(9);
  return sign * (hours * 3600 + minutes * 60);
}

// The TimeZoneOffset of list entry `index`; none outside the list.
constexpr std::optional<std::int32_t> TimeZoneOffset(int index) {
  if (index < 0 || index >= static_cast<int>(kTimeZones.size())) return std::nullopt;
  if (index == kCasablancaZone) return -3600;
  return CaptionOffset(kTimeZones[static_cast<std::size_t>(index)]);
}

}  // namespace gw
