#pragma once
// The four drive families the program serves; chosen by the user, held by the
// main window for the read-out.

#include <cstdint>

namespace corvane {

enum class DriveFamily : std::uint8_t {
  VelkoQdr = 0,       // the maker's own drives, seven series
  OrsolanQrt410 = 1,  // first OEM family
  OrsolanHlw620 = 2,  // second OEM family
  LumetPx = 3,        // second OEM customer's series
};

}  // namespace corvane
