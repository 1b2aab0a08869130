#include "sim/profile_loader.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>
#include <vector>

namespace corvane::sim {
namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// One optional sign, then decimal digits or 0x and hexadecimal digits. A second
// sign ("--5", "+-5", "0x-5") makes it no number.
std::optional<long> ParseNumber(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  // Unsigned, so that from_chars takes no sign of its own.
  unsigned long magnitude = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (magnitude > static_cast<unsigned long>(std::numeric_limits<long>::max())) {
    return std::nullopt;
  }
  const auto value = static_cast<long>(magnitude);
  return negative ? -value : value;
}

std::string Quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

class Parser {
 public:
  Parser(const std::string& source, const std::string& name) : source_(source) {
    profile_.name = name;
  }

  DriveProfile Run(std::string_view text) {
    std::size_t start = 0;
    while (start <= text.size()) {
      auto end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      std::string_view line = text.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      ++line_;
      ParseLine(Trim(line));
      start = end + 1;
    }
    Finish();
    return profile_;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw ProfileError(source_, line_, what);
  }
  [[noreturn]] void FailAt(int line, const std::string& what) const {
    throw ProfileError(source_, line, what);
  }

  void ParseLine(std::string_view line) {
    if (line.empty() || line.front() == '#') return;
    const auto space = line.find_first_of(" \t");
    const std::string_view keyword = line.substr(0, space);
    const std::string_view rest =
        space == std::string_view::npos ? std::string_view{} : Trim(line.substr(space));
    if (keyword == "family") return SetFamily(rest);
    if (!familyLine_) Fail(Quoted(keyword) + " before the 'family' line");
    if (keyword == "series") return SetSeries(rest);
    if (keyword == "code") return SetCode(rest);
    if (keyword == "firmware") return SetFirmware(rest);
    if (keyword == "status") return SetStatus(rest);
    if (keyword == "padding") return SetPadding(rest);
    if (keyword == "group") return AddGroup(rest);
    if (keyword == "param") return AddParameter(rest);
    Fail("unknown keyword " + Quoted(keyword) +
         " (expected family, series, code, firmware, status, padding, group or param)");
  }

  void SetFamily(std::string_view value) {
    if (familyLine_)
      Fail("a second 'family' line (the first is on line " + std::to_string(familyLine_) + ")");
    for (DriveFamily family : {DriveFamily::VelkoQdr, DriveFamily::OrsolanQrt410,
                               DriveFamily::OrsolanHlw620, DriveFamily::LumetPx}) {
      if (LayoutOf(family).keyword == value) {
        profile_.family = family;
        familyLine_ = line_;
        // A code of its own for the family without series; the program ignores it.
        if (family == DriveFamily::LumetPx) profile_.seriesCode = 0x0A;
        return;
      }
    }
    Fail("unknown family " + Quoted(value) + " (expected qdr, qrt410, hlw620 or px)");
  }

  void SetSeries(std::string_view value) {
    if (profile_.family != DriveFamily::VelkoQdr) Fail("'series' is only for family qdr");
    if (!profile_.groups.empty()) Fail("'series' must come before the first group");
    const auto code = kQdrSeriesLetters.find(value);
    if (value.size() != 1 || code == std::string_view::npos) {
      Fail("unknown series " + Quoted(value) + " (expected one of R T H N W K P)");
    }
    profile_.series = value.front();
    if (!codeSet_) profile_.seriesCode = static_cast<std::uint8_t>(code);
  }

  long Number(std::string_view text, const std::string& what, long low, long high) const {
    const auto value = ParseNumber(text);
    if (!value) {
      Fail(what + " " + Quoted(text) +
           " is not a number (expected decimal digits or 0x and hexadecimal digits, with at "
           "most one sign)");
    }
    if (*value < low || *value > high) {
      Fail(what + " " + std::to_string(*value) + " is outside " + std::to_string(low) + ".." +
           std::to_string(high));
    }
    return *value;
  }

  void SetCode(std::string_view value) {
    profile_.seriesCode = static_cast<std::uint8_t>(Number(value, "code", 0, 255));
    codeSet_ = true;
  }

  void SetFirmware(std::string_view value) {
    const long high = profile_.family == DriveFamily::OrsolanQrt410 ? 255 : 65535;
    profile_.firmware = static_cast<std::uint16_t>(Number(value, "firmware", 0, high));
  }

  void SetStatus(std::string_view value) {
    std::istringstream words{std::string(value)};
    std::string first, second, extra;
    if (!(words >> first >> second) || (words >> extra)) Fail("'status' needs two register values");
    profile_.status[0] = static_cast<std::uint16_t>(Number(first, "status", 0, 65535));
    profile_.status[1] = static_cast<std::uint16_t>(Number(second, "status", 0, 65535));
  }

  void SetPadding(std::string_view value) {
    if (value == "zero") {
      profile_.padding = NamePadding::Zero;
    } else if (value == "space") {
      profile_.padding = NamePadding::Space;
    } else {
      Fail("unknown padding " + Quoted(value) + " (expected zero or space)");
    }
  }

  void AddGroup(std::string_view name) {
    const FamilyLayout& layout = LayoutOf(profile_.family);
    if (layout.maxGroups == 0) Fail("family " + std::string(layout.keyword) + " has no groups");
    CheckGroupClosed();
    if (profile_.groups.size() == layout.maxGroups) {
      Fail("more than " + std::to_string(layout.maxGroups) +
           " groups; the identification reply of family " + std::string(layout.keyword) +
           " cannot report more");
    }
    if (name.empty()) Fail("'group' needs a name");
    profile_.groups.push_back(SimGroup{std::string(name), {}});
    groupLine_ = line_;
  }

  // \xNN, \\ and \| let a profile hold any byte, including zero and the separator.
  std::string Unescape(std::string_view text, const std::string& what) const {
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
      if (text[k] != '\\') {
        out += text[k];
      } else if (k + 1 < text.size() && (text[k + 1] == '\\' || text[k + 1] == '|')) {
        out += text[++k];
      } else if (k + 3 < text.size() && text[k + 1] == 'x') {
        const char* digits = text.data() + k + 2;
        unsigned value = 0;
        const auto [end, error] = std::from_chars(digits, digits + 2, value, 16);
        if (error != std::errc() || end != digits + 2) {
          Fail("bad escape in " + what + " (use \\xNN, \\\\ or \\|)");
        }
        out += static_cast<char>(value);
        k += 3;
      } else {
        Fail("bad escape in " + what + " (use \\xNN, \\\\ or \\|)");
      }
    }
    return out;
  }

  std::vector<std::string_view> SplitFields(std::string_view text) const {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t k = 0; k <= text.size(); ++k) {
      if (k < text.size() && text[k] == '\\') {
        ++k;
      } else if (k == text.size() || text[k] == '|') {
        fields.push_back(Trim(text.substr(start, k - start)));
        start = k + 1;
      }
    }
    return fields;
  }

  void AddParameter(std::string_view rest) {
    if (profile_.groups.empty()) Fail("'param' before the first 'group'");
    const auto fields = SplitFields(rest);
    if (fields.size() != 7 && fields.size() != 8) {
      Fail(
          "expected 7 or 8 fields separated by '|' (name | units | min | max | default | "
          "decimals | flags [| value]), found " +
          std::to_string(fields.size()));
    }
    const FamilyLayout& layout = LayoutOf(profile_.family);
    SimParameter parameter;
    parameter.name = Unescape(fields[0], "the name");
    parameter.units = Unescape(fields[1], "the units");
    if (parameter.name.size() > layout.nameWidth) {
      Fail("name " + Quoted(parameter.name) + " has " + std::to_string(parameter.name.size()) +
           " characters; this family sends at most " + std::to_string(layout.nameWidth));
    }
    if (parameter.units.size() > layout.unitsWidth) {
      Fail("units " + Quoted(parameter.units) + " have more than " +
           std::to_string(layout.unitsWidth) + " characters");
    }
    ParseFlags(fields[6], parameter);
    const long low = parameter.isSigned ? -32768 : 0;
    const long high = parameter.isSigned ? 32767 : 65535;
    parameter.minimum = static_cast<int>(Number(fields[2], "minimum", low, high));
    parameter.maximum = static_cast<int>(Number(fields[3], "maximum", low, high));
    parameter.defaultValue = static_cast<int>(Number(fields[4], "default", low, high));
    parameter.value = fields.size() == 8 ? static_cast<int>(Number(fields[7], "value", low, high))
                                         : parameter.defaultValue;
    parameter.decimals = static_cast<int>(Number(fields[5], "decimals", 0, 3));
    if (profile_.series == 'T' && parameter.decimals != 0 && parameter.decimals != 2) {
      Fail("series T shows only 0 or 2 decimals, not " + std::to_string(parameter.decimals));
    }
    // The program reads the low byte of the group-size register: size - 1 there
    // covers 256 parameters, a size sent as it is only 255.
    auto& group = profile_.groups.back();
    const std::size_t limit = layout.sizeMinusOne ? 256 : 255;
    if (group.parameters.size() == limit) {
      Fail("group " + Quoted(group.name) + " has more than " + std::to_string(limit) +
           " parameters; family " + std::string(layout.keyword) + " reports a group's size" +
           (layout.sizeMinusOne ? " - 1" : "") + " in one byte");
    }
    group.parameters.push_back(std::move(parameter));
  }

  void ParseFlags(std::string_view text, SimParameter& parameter) const {
    if (text == "-") return;
    std::size_t start = 0;
    while (start <= text.size()) {
      auto end = text.find(',', start);
      if (end == std::string_view::npos) end = text.size();
      const auto flag = Trim(text.substr(start, end - start));
      if (flag == "ro") {
        parameter.readOnly = true;
      } else if (flag == "signed") {
        if (!SupportsSigned(profile_)) {
          Fail("signed parameters exist only on series W (family qdr) and family hlw620");
        }
        parameter.isSigned = true;
      } else {
        Fail("unknown flag " + Quoted(flag) + " (expected ro, signed or -)");
      }
      start = end + 1;
    }
  }

  // Family QDR and HLW620 report a group's size as size - 1, so an empty group
  // cannot be told to the program.
  void CheckGroupClosed() const {
    if (profile_.groups.empty()) return;
    const auto& group = profile_.groups.back();
    if (group.parameters.empty() && LayoutOf(profile_.family).sizeMinusOne) {
      FailAt(groupLine_, "group " + Quoted(group.name) +
                             " has no parameters; this family reports size - 1, so a group "
                             "needs at least one");
    }
  }

  void Finish() {
    if (!familyLine_) FailAt(0, "no 'family' line");
    if (profile_.family == DriveFamily::VelkoQdr && profile_.series == 0) {
      FailAt(familyLine_, "family qdr needs a 'series' line");
    }
    CheckGroupClosed();
  }

  std::string source_;
  DriveProfile profile_;
  int line_ = 0;
  int familyLine_ = 0;
  int groupLine_ = 0;
  bool codeSet_ = false;
};

std::string StemOf(const std::string& path) {
  auto stem = path.substr(path.find_last_of('/') + 1);
  const auto dot = stem.rfind('.');
  if (dot != std::string::npos && dot > 0) stem.erase(dot);
  return stem;
}

}  // namespace

ProfileError::ProfileError(const std::string& source, int line, const std::string& what)
    : std::runtime_error(source + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " +
                         what),
      source_(source),
      line_(line) {}

DriveProfile ParseProfile(std::string_view text, const std::string& source,
                          const std::string& name) {
  return Parser(source, name).Run(text);
}

DriveProfile LoadProfileFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw ProfileError(path, 0, std::string("cannot open: ") + std::strerror(errno));
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) throw ProfileError(path, 0, "cannot read the file");
  return ParseProfile(text.str(), path, StemOf(path));
}

}  // namespace corvane::sim
