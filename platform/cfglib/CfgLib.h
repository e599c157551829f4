// CfgLib: the host's byte store for the document's serialized node list.
#pragma once

#include <cstdint>

#define CFGLIB_API __attribute__((visibility("default")))

class CFGLIB_API CCfgLib {
 public:
  CCfgLib();
  // Copies the stored bytes (at most 10240) into `buffer` and returns their
  // number; 0 when nothing is stored.
  int GetSerializeData(std::uint8_t* buffer);
  // Stores the bytes, replacing what was stored; returns the number stored or
  // -1 when they could not be kept.
  int SetSerializeData(const std::uint8_t* data, int length);
};
