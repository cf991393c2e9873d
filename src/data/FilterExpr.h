// Dataset filters are written as the screens write them: comparisons of a field with a
// number or a quoted text, joined with AND and OR ("Nomos=3 AND Eparxia=7",
// "Password='x' and IsForAll=1"). They are compiled to SQL of our own making: field names
// are checked and quoted, texts are re-quoted and numbers re-written, so no text inside a
// filter can change the statement it becomes part of.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

namespace dorvani {

// Returns an SQL condition over quoted field names (empty for an empty filter).
// Throws DbError with a Greek message when the text is not a filter over the given fields.
QString compileFilter(const QString &text, const QStringList &fields);

} // namespace dorvani
