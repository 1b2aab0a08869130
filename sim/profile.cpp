#include "sim/profile.h"

namespace corvane::sim {

std::size_t DriveProfile::ParameterCount() const {
  std::size_t count = 0;
  for (const auto& group : groups) count += group.parameters.size();
  return count;
}

const FamilyLayout& LayoutOf(DriveFamily family) {
  // The identification reply carries the group count in one hex digit, so 15 is
  // the most a drive can report (QRT410 sends count + 1 there, hence 14).
  static const FamilyLayout kQdr{"qdr", 16, 4, 15, 15, true};
  static const FamilyLayout kQrt410{"qrt410", 24, 4, 18, 14, false};
  static const FamilyLayout kHlw620{"hlw620", 24, 4, 19, 15, true};
  static const FamilyLayout kPx{"px", 0, 0, 0, 0, false};
  switch (family) {
    case DriveFamily::VelkoQdr:
      return kQdr;
    case DriveFamily::OrsolanQrt410:
      return kQrt410;
    case DriveFamily::OrsolanHlw620:
      return kHlw620;
    case DriveFamily::LumetPx:
      break;
  }
  return kPx;
}

bool SupportsSigned(const DriveProfile& profile) {
  return (profile.family == DriveFamily::VelkoQdr && profile.series == 'W') ||
         profile.family == DriveFamily::OrsolanHlw620;
}

}  // namespace corvane::sim
