// Rich Text Format to and from QTextDocument: the letter templates and the conversation
// notes are RTF files. The reader is iterative with a depth limit, reads the control words
// the program's own documents use and skips unknown destinations; a file that is not RTF
// is read as plain text (UTF-8, else Windows Greek, code page 1253).
#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace dorvani::rtf {

// Replaces the document's content with the RTF (or plain text) given. Never fails: what
// cannot be read is skipped.
void read(const QByteArray &data, QTextDocument &doc);
// The document as RTF: \ansi\ansicpg1253, a font table and a colour table, paragraphs
// with alignment, indents and tab stops, bold, italic, underline, font, size and colour.
QByteArray write(const QTextDocument &doc);

// Files: a missing or unreadable file reads as empty and returns false.
bool load(const QString &path, QTextDocument &doc);
// Writes the file whole or not at all (a temporary file renamed into place); returns the
// system's error text on failure, empty on success.
QString save(const QString &path, const QTextDocument &doc);

} // namespace dorvani::rtf
