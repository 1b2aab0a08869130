#include "eds/eds_text_buffer.h"

#include <algorithm>
#include <stdexcept>

namespace corvane {

std::vector<std::string> EdsTextBuffer::Lines() const {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text_.size()) {
    const std::size_t end = text_.find('\n', start);
    if (end == std::string::npos) {
      lines.emplace_back(text_.substr(start));
      break;
    }
    lines.emplace_back(text_.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

void EdsTextBuffer::Clear() {
  if (text_.empty()) return;
  const std::size_t removed = text_.size();
  text_.clear();
  Notify(0, removed, 0);
}

void EdsTextBuffer::EndOpenLine(std::string& added) const {
  if (!text_.empty() && text_.back() != '\n') added.push_back('\n');
}

void EdsTextBuffer::AppendLine(std::string_view line) {
  std::string added;
  EndOpenLine(added);
  added.append(line);
  added.push_back('\n');
  Splice(text_.size(), 0, added);
}

void EdsTextBuffer::AppendBlock(std::string_view block) {
  if (block.empty()) return;
  std::string added;
  EndOpenLine(added);
  added.append(block);
  if (added.back() != '\n') added.push_back('\n');
  Splice(text_.size(), 0, added);
}

void EdsTextBuffer::Splice(std::size_t position, std::size_t removeCount, std::string_view insert) {
  if (position > text_.size()) {
    throw std::out_of_range("Text position " + std::to_string(position) +
                            " lies beyond the end of a text of " + std::to_string(text_.size()) +
                            " characters");
  }
  const std::size_t removed = std::min(removeCount, text_.size() - position);
  if (removed == 0 && insert.empty()) return;
  text_.replace(position, removed, insert);
  Notify(position, removed, insert.size());
}

void EdsTextBuffer::Notify(std::size_t position, std::size_t removed, std::size_t inserted) {
  observers_.ForEach([&](TextObserver& o) { o.TextChanged(position, removed, inserted); });
}

}  // namespace corvane
