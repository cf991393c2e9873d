// Greek texts for what Qt's own dialogs and controls show (the file and folder dialogs,
// the context menu of text fields). Qt ships no Greek translation of its own.
#pragma once

class QCoreApplication;

namespace dorvani {

// Installs the Greek texts on the application (once).
void installQtGreek(QCoreApplication &app);

} // namespace dorvani
