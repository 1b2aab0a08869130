#pragma once
// The composed EDS as the EDS tab shows and edits it: single-byte text (it may
// hold NUL characters) whose lines are separated by '\n'. Saving turns each line
// into the file's CR LF line; the text itself never holds the CR.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "eds/subscription.h"

namespace corvane {

class TextObserver {
 public:
  // removed characters at position were replaced by inserted characters; the new
  // ones are Text().substr(position, inserted).
  virtual void TextChanged(std::size_t position, std::size_t removed, std::size_t inserted) = 0;

 protected:
  ~TextObserver() = default;
};

class EdsTextBuffer {
 public:
  EdsTextBuffer() = default;
  EdsTextBuffer(const EdsTextBuffer&) = delete;
  EdsTextBuffer& operator=(const EdsTextBuffer&) = delete;

  const std::string& Text() const { return text_; }
  std::size_t Size() const { return text_.size(); }
  bool Empty() const { return text_.empty(); }

  // The lines of the text; a final '\n' ends the last line rather than
  // starting an empty one ("a\nb\n" and "a\nb" both give a, b).
  std::vector<std::string> Lines() const;

  void Clear();
  // Adds line as a line of its own: a text ending inside a line is ended first.
  void AppendLine(std::string_view line);
  // Adds a block of whole lines the same way; the block's last line is ended
  // when the block does not end with '\n'. An empty block adds nothing.
  void AppendBlock(std::string_view block);

  // Replaces removeCount characters from position (fewer when the text ends
  // first) by insert: the way an editor view writes the user's edits back.
  // Throws std::out_of_range when position lies beyond the end.
  void Splice(std::size_t position, std::size_t removeCount, std::string_view insert);

  Subscription Subscribe(TextObserver& observer) { return observers_.Add(observer); }

 private:
  void EndOpenLine(std::string& added) const;
  void Notify(std::size_t position, std::size_t removed, std::size_t inserted);

  std::string text_;
  ObserverList<TextObserver> observers_;
};

}  // namespace corvane
