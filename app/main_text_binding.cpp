#include "app/main_text_binding.h"

#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace corvane {

namespace {

// Characters of the editor, with its paragraph separators as line feeds.
QString EditorText(QTextDocument& document, int position, int count) {
  QTextCursor cursor(&document);
  cursor.setPosition(position);
  cursor.setPosition(position + count, QTextCursor::KeepAnchor);
  QString text = cursor.selectedText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return text;
}

int EditorLength(const QTextDocument& document) {
  return document.characterCount() - 1;  // without the document's own final separator
}

}  // namespace

EdsTextBinding::EdsTextBinding(EdsTextBuffer& text, QPlainTextEdit& editor, QObject* parent)
    : QObject(parent), text_(text), editor_(editor) {
  editor_.setPlainText(
      QString::fromLatin1(text_.Text().data(), static_cast<qsizetype>(text_.Size())));
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
  cursor.insertText(QString::fromLatin1(added.data(), static_cast<qsizetype>(added.size())));
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
               EditorText(document, position, added).toLatin1().toStdString());
  if (static_cast<int>(text_.Size()) != newLength) {
    // The report did not describe the change; take the editor's whole text.
    text_.Splice(0, text_.Size(), EditorText(document, 0, newLength).toLatin1().toStdString());
  }
}

}  // namespace corvane
