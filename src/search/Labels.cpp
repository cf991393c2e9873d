#include "search/Labels.h"

#include "data/GreekText.h"
#include "platform/IniCodec.h"

#include <QPoint>

#include <algorithm>
#include <cmath>

namespace dorvani::labels {

namespace {

int cut(double v)
{
    return std::isfinite(v) ? int(std::trunc(v)) : 0;
}

QString foldedCaption(const QString &s)
{
    QString key = greekFoldKey(s.trimmed());
    // The Greek capital omicron and the Latin O look the same; take them as one letter.
    key.replace(QChar(0x039F), QLatin1Char('O'));
    return key;
}

} // namespace

int rowsPerPage(const LabelType &t)
{
    const double pitch = t.height + t.spaceY;
    if (!(pitch > 0) || !(t.paperHeight > 0))
        return 0;
    return cut(t.paperHeight / pitch);
}

int labelsPerPage(const LabelType &t)
{
    return rowsPerPage(t) * t.columns;
}

int pageCount(const LabelType &t, int labels, int startAt)
{
    const int perPage = labelsPerPage(t);
    if (perPage <= 0 || labels <= 0)
        return 0;
    const int places = labels + std::clamp(startAt, 0, perPage - 1);
    return (places + perPage - 1) / perPage;
}

int columnsThatFit(const LabelType &t)
{
    const double pitch = t.width + t.spaceX;
    if (!(pitch > 0))
        return 0;
    return int(std::nearbyint(t.paperWidth / pitch)); // the default rounding: halves to even
}

bool isContinuous(const LabelType &t)
{
    return t.paperHeight == 0 && t.paperWidth == 0;
}

QString columnRefusal()
{
    return QStringLiteral("Έχετε ξεπεράσει το όριο στηλών που μπορούν να εκτυπωθούν σε αυτό το "
                          "χαρτί!Παρακαλώ μειώστε τις στήλες.");
}

QString refusal(const LabelType &t)
{
    if (isContinuous(t))
        return QStringLiteral("Ο τύπος ετικέτας «%1» είναι για συνεχές χαρτί, που δεν "
                              "εκτυπώνεται σε σελίδες. Ορίστε ύψος και πλάτος χαρτιού.").arg(t.name);
    const double values[] = {t.leftMargin, t.topMargin, t.width, t.height, t.spaceX, t.spaceY,
                             t.paperHeight, t.paperWidth};
    for (double v : values)
        if (!std::isfinite(v) || v < 0)
            return QStringLiteral("Ο τύπος ετικέτας «%1» έχει αρνητικές ή άκυρες διαστάσεις.").arg(t.name);
    if (!(t.height + t.spaceY > 0) || !(t.width + t.spaceX > 0) || !(t.height > 0) || !(t.width > 0))
        return QStringLiteral("Ο τύπος ετικέτας «%1» δεν έχει ύψος και πλάτος ετικέτας.").arg(t.name);
    if (t.columns < 1)
        return QStringLiteral("Ο τύπος ετικέτας «%1» πρέπει να έχει τουλάχιστον μία στήλη.").arg(t.name);
    if (rowsPerPage(t) < 1)
        return QStringLiteral("Στο χαρτί του τύπου ετικέτας «%1» δεν χωράει ούτε μία σειρά ετικετών.")
            .arg(t.name);
    if (columnsThatFit(t) < t.columns)
        return columnRefusal();
    return {};
}

PixelLayout pixelLayout(const LabelType &t, double k, double dpiX, double dpiY, int lineHeightPx)
{
    PixelLayout l;
    l.left = cut(t.leftMargin * k * dpiX);
    l.top = cut(t.topMargin * k * dpiY);
    l.rowPitch = cut((t.height + t.spaceY) * k * dpiY);
    l.columnPitch = cut((t.width + t.spaceX) * k * dpiX);
    l.lineHeight = lineHeightPx;
    return l;
}

QPoint labelLinePosition(const PixelLayout &l, const LabelType &t, int n, int line)
{
    const int columns = std::max(1, t.columns);
    const int r = n / columns;
    const int c = n % columns;
    return QPoint(c * l.columnPitch + l.left, line * l.lineHeight + l.top + r * l.rowPitch);
}

const QList<LabelField> &labelFields()
{
    static const QList<LabelField> fields = {
        {QStringLiteral("Επώνυμο"), QStringLiteral("EPITHETO"), QStringLiteral("Epitheto"), true},
        {QStringLiteral("Όνομα"), QStringLiteral("ONOMA"), QStringLiteral("Onoma"), true},
        {QStringLiteral("Διεύθυνση"), QStringLiteral("ADDRESS"), QStringLiteral("Address"), true},
        {QStringLiteral("Τ.Κ."), QStringLiteral("TK"), QStringLiteral("TK"), true},
        {QStringLiteral("Πόλη"), QStringLiteral("POLHNAME"), QStringLiteral("POLH"), true},
        {QStringLiteral("Δήμος"), QStringLiteral("DHMOSNAME"), QStringLiteral("DHMOS"), false},
        {QStringLiteral("Επαρχία"), QStringLiteral("EPARXIANAME"), QStringLiteral("EPARXIA"), false},
        {QStringLiteral("Νομός"), QStringLiteral("NOMOSNAME"), QStringLiteral("NOMOS"), false},
        {QStringLiteral("Τηλ.Oικίας"), QStringLiteral("TELO_1"), QStringLiteral("TELO_1"), false},
        {QStringLiteral("Τηλ.Εργασίας"), QStringLiteral("TELE_1"), QStringLiteral("TELE_1"), false},
        {QStringLiteral("Κινητό Τηλ."), QStringLiteral("MOBILE1"), QStringLiteral("MOBILE1"), false},
        {QStringLiteral("FAX"), QStringLiteral("FAX"), QStringLiteral("FAX"), false},
        {QStringLiteral("Επάγγελμα"), QStringLiteral("EPAGELMA"), QStringLiteral("Epagelma"), false},
    };
    return fields;
}

int fieldOfCaption(const QString &name)
{
    const QString key = foldedCaption(name);
    const auto &fields = labelFields();
    for (int i = 0; i < fields.size(); ++i)
        if (foldedCaption(fields[i].caption) == key)
            return i;
    return -1;
}

QString substitute(const QString &line, const std::function<QString(const QString &)> &valueOf)
{
    if (line.trimmed().isEmpty())
        return line;
    QString out;
    qsizetype i = 0;
    while (i < line.size()) {
        const qsizetype open = line.indexOf(QLatin1Char('#'), i);
        if (open < 0) {
            out += line.mid(i);
            break;
        }
        out += line.mid(i, open - i);
        const qsizetype close = line.indexOf(QLatin1Char('#'), open + 1);
        if (close < 0) {
            out += line.mid(open);
            break;
        }
        const int field = fieldOfCaption(line.mid(open + 1, close - open - 1));
        if (field >= 0) {
            out += valueOf(labelFields()[field].field);
            i = close + 1;
        } else {
            // Not a caption: the first "#" is kept and the second may open a placeholder.
            out += line.mid(open, close - open);
            i = close;
        }
    }
    return out;
}

QStringList substitute(const QStringList &lines, const std::function<QString(const QString &)> &valueOf)
{
    QStringList out;
    out.reserve(lines.size());
    for (const QString &l : lines)
        out << substitute(l, valueOf);
    return out;
}

QList<int> fieldsNamedIn(const QStringList &lines)
{
    QList<int> found;
    for (const QString &line : lines) {
        qsizetype i = 0;
        while (true) {
            const qsizetype open = line.indexOf(QLatin1Char('#'), i);
            if (open < 0)
                break;
            const qsizetype close = line.indexOf(QLatin1Char('#'), open + 1);
            if (close < 0)
                break;
            const int field = fieldOfCaption(line.mid(open + 1, close - open - 1));
            if (field >= 0) {
                if (!found.contains(field))
                    found << field;
                i = close + 1;
            } else {
                i = close;
            }
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

bool loadTemplate(const QString &path, QStringList *lines, QString *error)
{
    IniFile ini;
    if (!ini.load(path, error))
        return false;
    bool ok = false;
    const int count = ini.value(QStringLiteral("Count Print Value"), QStringLiteral("Count")).trimmed().toInt(&ok);
    lines->clear();
    for (int i = 0; ok && i < count && i < 10000; ++i)
        *lines << ini.value(QStringLiteral("Print Value"), QStringLiteral("Line%1").arg(i));
    return true;
}

bool saveTemplate(const QString &path, const QStringList &lines, QString *error)
{
    IniFile ini;
    ini.load(path); // other sections of an existing file are kept
    ini.setValue(QStringLiteral("Count Print Value"), QStringLiteral("Count"), QString::number(lines.size()));
    ini.removeSection(QStringLiteral("Print Value"));
    for (int i = 0; i < lines.size(); ++i)
        ini.setValue(QStringLiteral("Print Value"), QStringLiteral("Line%1").arg(i), lines[i]);
    return ini.save(path, error);
}

RunResult drawLabels(PageSink &sink, const LabelType &t, double k, int startAt,
                     const std::function<bool(QStringList *)> &next, const std::function<bool()> &advance)
{
    RunResult result;
    if (!refusal(t).isEmpty())
        return result;
    const int perPage = labelsPerPage(t);
    const int lineHeightPx = cut(sink.lineHeight() / 25.4 * DrawDpi);
    const PixelLayout layout = pixelLayout(t, k, DrawDpi, DrawDpi, lineHeightPx);
    const double mmPerPx = 25.4 / DrawDpi;
    int place = std::clamp(startAt, 0, perPage - 1);
    QStringList lines;
    while (next(&lines)) {
        if (result.pages == 0)
            result.pages = 1;
        else if (place == perPage) {
            sink.newPage();
            ++result.pages;
            place = 0;
        }
        for (int L = 0; L < lines.size(); ++L) {
            const QPoint p = labelLinePosition(layout, t, place, L);
            sink.text(p.x() * mmPerPx, p.y() * mmPerPx, lines[L]);
        }
        ++place;
        ++result.labels;
        if (advance && !advance()) {
            result.cancelled = true;
            break;
        }
    }
    return result;
}

} // namespace dorvani::labels
