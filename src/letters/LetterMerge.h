// The letters' own rules, outside any screen: the salutation line of a template and its
// rewriting for one citizen, the vocative a citizen is greeted with, and the run that
// merges one letter per recipient.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QTextDocument;

namespace dorvani {

class PageSink;
struct LetterPage;

namespace letters {

// The salutation marker of a template.
inline constexpr QChar Marker = QLatin1Char('#');

// The text areas' font: Arial 16 pixels high on a 96-dpi screen, given in points (12) so
// that a letter keeps its size on a printer or a PDF file.
QFont defaultFont();
// A document whose default font is sized in pixels gets the same size in points: pixels
// are the device's, so on paper such text would shrink to a sliver.
void sizeDefaultFontInPoints(QTextDocument &doc);

// The salutation line: the first paragraph of the document that holds a "#"; -1 when none.
int salutationLine(const QTextDocument &doc);

// The kept text of the salutation line with every "#" replaced by the salutation, one
// space and the vocative ("#," with ΑΓΑΠΗΤΕ and ΓΙΩΡΓΟ gives "ΑΓΑΠΗΤΕ ΓΙΩΡΓΟ,").
QString salutationText(const QString &lineText, const QString &salutation, const QString &vocative);

// Replaces the text of a paragraph with plain text in the format of its first character.
void setLineText(QTextDocument &doc, int line, const QString &text);

// One recipient of a letter, as the run needs it.
struct Recipient {
    QString firstName;
    QString vocative; // the citizen's chosen vocative (POLITES.KLHTIKH), may be empty
    int sex = -1;     // FYLO, -1 when unknown
};

// The vocative a letter greets the recipient with: the citizen's chosen form; without one,
// the first form KLHTIKH keeps for the first name, else the form the rules give.
QString vocativeOf(const Recipient &r);

// The salutation line of a document kept and put back: the destructor puts it back on
// every way out (a finished run, a cancel, an error).
class SalutationLine {
public:
    explicit SalutationLine(QTextDocument &doc);
    ~SalutationLine();
    SalutationLine(const SalutationLine &) = delete;
    SalutationLine &operator=(const SalutationLine &) = delete;

    bool found() const { return m_line >= 0; }
    int line() const { return m_line; }
    QString keptText() const { return m_kept; }
    // Writes the line for one recipient.
    void fill(const QString &salutation, const QString &vocative);
    void restore();

private:
    QTextDocument &m_doc;
    int m_line = -1;
    QString m_kept;
    bool m_changed = false;
};

// Draws one letter per recipient on a sink, each starting on a new page, the template's
// salutation line filled for each. The template is not changed. `progress` is called
// before each letter with its index and returns false to stop the run there (cancel).
// Returns the number of letters drawn.
int drawLetters(PageSink &sink, const QTextDocument &templ, const QString &salutation,
                const QList<Recipient> &recipients, const LetterPage &page,
                const std::function<bool(int)> &progress = {});

} // namespace letters
} // namespace dorvani
