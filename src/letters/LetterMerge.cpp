#include "letters/LetterMerge.h"

#include "data/Vocative.h"
#include "letters/LetterPage.h"
#include "platform/Printing.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace dorvani::letters {

int salutationLine(const QTextDocument &doc)
{
    int line = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next(), ++line)
        if (b.text().contains(Marker))
            return line;
    return -1;
}

QString salutationText(const QString &lineText, const QString &salutation, const QString &vocative)
{
    QString out = lineText;
    out.replace(Marker, salutation + QLatin1Char(' ') + vocative);
    return out;
}

void setLineText(QTextDocument &doc, int line, const QString &text)
{
    const QTextBlock block = doc.findBlockByNumber(line);
    if (!block.isValid())
        return;
    // The format of the first character (that of the paragraph when it is empty).
    QTextCharFormat format = block.charFormat();
    if (block.begin() != block.end()) {
        const QTextFragment first = block.begin().fragment();
        if (first.isValid())
            format = first.charFormat();
    }
    QTextCursor c(block);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.insertText(text, format);
}

QString vocativeOf(const Recipient &r)
{
    const QString chosen = r.vocative.trimmed();
    if (!chosen.isEmpty())
        return chosen;
    return vocative::preferred(r.firstName, r.sex);
}

SalutationLine::SalutationLine(QTextDocument &doc) : m_doc(doc), m_line(salutationLine(doc))
{
    if (m_line >= 0)
        m_kept = doc.findBlockByNumber(m_line).text();
}

SalutationLine::~SalutationLine()
{
    restore();
}

void SalutationLine::fill(const QString &salutation, const QString &vocative)
{
    if (m_line < 0)
        return;
    setLineText(m_doc, m_line, salutationText(m_kept, salutation, vocative));
    m_changed = true;
}

void SalutationLine::restore()
{
    if (m_line < 0 || !m_changed)
        return;
    setLineText(m_doc, m_line, m_kept);
    m_changed = false;
}

QFont defaultFont()
{
    QFont f("Arial");
    f.setPointSizeF(12);
    return f;
}

void sizeDefaultFontInPoints(QTextDocument &doc)
{
    QFont f = doc.defaultFont();
    if (f.pixelSize() <= 0)
        return;
    f.setPointSizeF(f.pixelSize() * 72.0 / 96.0);
    doc.setDefaultFont(f);
}

int drawLetters(PageSink &sink, const QTextDocument &templ, const QString &salutation,
                const QList<Recipient> &recipients, const LetterPage &page, const std::function<bool(int)> &progress)
{
    // One working copy of the template, its salutation line rewritten for each letter.
    std::unique_ptr<QTextDocument> letter(templ.clone());
    sizeDefaultFontInPoints(*letter);
    SalutationLine line(*letter);
    int drawn = 0;
    for (int i = 0; i < recipients.size(); ++i) {
        if (progress && !progress(i))
            break;
        if (drawn > 0)
            sink.newPage();
        line.fill(salutation, vocativeOf(recipients[i]));
        page.draw(sink, *letter);
        ++drawn;
    }
    return drawn;
}

} // namespace dorvani::letters
