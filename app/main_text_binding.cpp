#include "app/main_text_binding.h"

#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace corvane {

namespace {

// The editor would turn a carriage return into a line break (and CR LF into
// one), so it shows the byte as this visible stand-in and maps it back.
constexpr char16_t kCarriageReturnSign = u'\u240D';

QString ToEditor(std::string_view bytes) {
  QString text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  text.replace(QLatin1Char('\r'), QChar(kCarriageReturnSign));
  return text;
}

// The text is single-byte: a character beyond Latin-1 cannot be saved and
// becomes '?'.
bool Storable(QChar c) { return c.unicode() <= 0xFF || c == QChar(kCarriageReturnSign); }

// Bytes of an editor range, with its paragraph separators as line feeds.
std::string EditorBytes(QTextDocument& document, int position, int count) {
  QTextCursor cursor(&document);
  cursor.setPosition(position);
  cursor.setPosition(position + count, QTextCursor::KeepAnchor);
  std::string bytes;
  const QString text = cursor.selectedText();
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) {
    if (c == QChar::ParagraphSeparator) {
      bytes += '\n';
    } else if (c == QChar(kCarriageReturnSign)) {
      bytes += '\r';
    } else {
      bytes += Storable(c) ? static_cast<char>(c.unicode()) : '?';
    }
  }
  return bytes;
}

int EditorLength(const QTextDocument& document) {
  return document.characterCount() - 1;  // without the document's own final separator
}

}  // namespace

EdsTextBinding::EdsTextBinding(EdsTextBuffer& text, QPlainTextEdit& editor, QObject* parent)
    : QObject(parent), text_(text), editor_(editor) {
  editor_.setPlainText(ToEditor(text_.Text()));
  connect(editor_.document(), &QTextDocument::contentsChange, this,
          &EdsTextBinding::EditorContentsChange);
  subscription_ = text_.Subscribe(*this);
}

void EdsTextBinding::TextChanged(std::size_t position, std::size_t removed, std::size_t inserted) {
  if (applyingDocumentChange_) return;  // our own write-back
  QScopedValueRollback<bool> guard(applyingDocumentChange_, true);
  QTextDocument& document = *editor_.document();
  const std::string added = text_.Text().substr(position, inserted);
  QTextCursor cursor(&document);
  cursor.setPosition(static_cast<int>(position));
  cursor.setPosition(static_cast<int>(position + removed), QTextCursor::KeepAnchor);
  cursor.insertText(ToEditor(added));
  // A program change is not the user's to undo.
  document.clearUndoRedoStacks();
}

void EdsTextBinding::EditorContentsChange(int position, int charsRemoved, int charsAdded) {
  if (applyingDocumentChange_) return;
  QScopedValueRollback<bool> guard(applyingDocumentChange_, true);
  QTextDocument& document = *editor_.document();
  // Qt may count the document's final separator in both numbers; clamp both to
  // the real text so the splice stays exact.
  const int oldLength = static_cast<int>(text_.Size());
  const int newLength = EditorLength(document);
  position = std::clamp(position, 0, std::min(oldLength, newLength));
  const int removed = std::clamp(charsRemoved, 0, oldLength - position);
  const int added = std::clamp(charsAdded, 0, newLength - position);
  text_.Splice(static_cast<std::size_t>(position), static_cast<std::size_t>(removed),
               EditorBytes(document, position, added));
  if (static_cast<int>(text_.Size()) != newLength) {
    // The report did not describe the change; take the editor's whole text.
    text_.Splice(0, text_.Size(), EditorBytes(document, 0, newLength));
  }
  for (int k = position; k < position + added; ++k) {
    if (!Storable(document.characterAt(k))) {
      // Show what will be saved; not from inside the document's own signal.
      QMetaObject::invokeMethod(this, &EdsTextBinding::ShowUnstorableAsSaved, Qt::QueuedConnection);
      break;
    }
  }
}

void EdsTextBinding::ShowUnstorableAsSaved() {
  QScopedValueRollback<bool> guard(applyingDocumentChange_, true);  // the text has '?' already
  QTextDocument& document = *editor_.document();
  QTextCursor cursor(&document);
  cursor.beginEditBlock();
  const int length = EditorLength(document);
  for (int k = 0; k < length; ++k) {
    if (Storable(document.characterAt(k))) continue;
    cursor.setPosition(k);
    cursor.setPosition(k + 1, QTextCursor::KeepAnchor);
    cursor.insertText(QStringLiteral("?"));
  }
  cursor.endEditBlock();
}

}  // namespace corvane
