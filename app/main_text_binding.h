#pragma once
// Binds a QPlainTextEdit to the document's EdsText: program changes to the text
// show in the editor, and what the user types goes straight back into the text,
// so saving always writes what the editor shows. The text is single-byte: a
// carriage return shows as a visible sign, and a typed character beyond Latin-1
// becomes '?' on the page as in the text.

#include <QObject>

#include "eds/eds_text_buffer.h"

class QPlainTextEdit;

namespace corvane {

class EdsTextBinding : public QObject, private TextObserver {
  Q_OBJECT

 public:
  EdsTextBinding(EdsTextBuffer& text, QPlainTextEdit& editor, QObject* parent = nullptr);

 private:
  void TextChanged(std::size_t position, std::size_t removed, std::size_t inserted) override;
  void EditorContentsChange(int position, int charsRemoved, int charsAdded);
  void ShowUnstorableAsSaved();

  EdsTextBuffer& text_;
  QPlainTextEdit& editor_;
  bool applyingDocumentChange_ = false;
  Subscription subscription_;
};

}  // namespace corvane
