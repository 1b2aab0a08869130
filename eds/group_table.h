#pragma once
// The [Groups] grid: row g holds "Group" + g, the group's name and its list of
// parameter numbers ("1, 2, 3;"). A single large group may spread its list over
// column 2 of further rows.

namespace corvane {

struct GroupColumn {
  static constexpr int Keyword = 0;
  static constexpr int Name = 1;
  static constexpr int Params = 2;
  static constexpr int Count = 3;
};

// GroupParamCounts has room for this many groups; GroupCount never exceeds it.
inline constexpr int MaxGroups = 20;

}  // namespace corvane
