#include "platform/Printing.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <vector>

namespace dorvani {

namespace {

constexpr double MmPerInch = 25.4;

// The resolution that the pixels of a document's formats refer to, as Qt's text layout
// takes it.
double screenDpi()
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return std::max(1, qRound(screen->logicalDotsPerInchY()));
    return 96;
}

// Qt's layout scales vertical spacing, list indents, tables and images to the paint
// device but takes a block's left and right margins and first-line indent as device
// pixels: they are scaled here so that a page looks as the document does on screen.
void scaleHorizontalIndents(QTextDocument &doc, double factor)
{
    QTextCursor cursor(&doc);
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextBlockFormat f = b.blockFormat();
        if (f.leftMargin() == 0 && f.rightMargin() == 0 && f.textIndent() == 0)
            continue;
        f.setLeftMargin(f.leftMargin() * factor);
        f.setRightMargin(f.rightMargin() * factor);
        f.setTextIndent(f.textIndent() * factor);
        cursor.setPosition(b.position());
        cursor.setBlockFormat(f);
    }
}

QFont defaultPrintFont()
{
    QFont f = QGuiApplication::font();
    f.setPointSizeF(10);
    return f;
}

} // namespace

struct PainterSink::Impl {
    QPagedPaintDevice *device = nullptr;
    QPainter painter;
    QFont font;
    int page = 1;
    double dotsPerMmX = 1;
    double dotsPerMmY = 1;

    double px(double mm) const { return mm * dotsPerMmX; }
    double py(double mm) const { return mm * dotsPerMmY; }
    QPointF toDevice(const QPointF &mm) const { return {px(mm.x()), py(mm.y())}; }
    QRectF toDevice(const QRectF &mm) const { return {toDevice(mm.topLeft()), QSizeF(px(mm.width()), py(mm.height()))}; }
    QFontMetricsF metrics() const { return QFontMetricsF(font, device); }
};

PainterSink::PainterSink(QPagedPaintDevice *device) : d(std::make_unique<Impl>())
{
    d->device = device;
    // Millimetres are scaled by the device's own resolution (1200 dpi for a
    // high-resolution printer or a PDF file); fonts keep their point sizes.
    d->dotsPerMmX = std::max(1, device->logicalDpiX()) / MmPerInch;
    d->dotsPerMmY = std::max(1, device->logicalDpiY()) / MmPerInch;
    d->font = defaultPrintFont();
    if (d->painter.begin(device)) {
        d->painter.setFont(d->font);
        d->painter.setPen(Qt::black);
        d->painter.setRenderHint(QPainter::Antialiasing);
        d->painter.setRenderHint(QPainter::SmoothPixmapTransform);
    }
}

PainterSink::~PainterSink()
{
    if (d->painter.isActive())
        d->painter.end();
}

bool PainterSink::isActive() const { return d->painter.isActive(); }

QPainter *PainterSink::painter() { return &d->painter; }

QSizeF PainterSink::pageSize() const
{
    return {d->device->width() / d->dotsPerMmX, d->device->height() / d->dotsPerMmY};
}

void PainterSink::setFont(const QFont &f)
{
    d->font = f;
    if (d->painter.isActive())
        d->painter.setFont(f);
}

QFont PainterSink::font() const { return d->font; }

double PainterSink::lineHeight() const
{
    const QFontMetricsF fm = d->metrics();
    return (fm.ascent() + fm.descent()) / d->dotsPerMmY;
}

double PainterSink::textWidth(const QString &text) const
{
    return d->metrics().horizontalAdvance(text) / d->dotsPerMmX;
}

void PainterSink::text(double x, double y, const QString &text)
{
    if (!d->painter.isActive())
        return;
    const QFontMetricsF fm = d->metrics();
    const double step = fm.ascent() + fm.descent();
    double baseline = d->py(y) + fm.ascent();
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        d->painter.drawText(QPointF(d->px(x), baseline), line);
        baseline += step;
    }
}

void PainterSink::textInRect(const QRectF &mm, const QString &text, int alignment)
{
    if (!d->painter.isActive())
        return;
    const QRectF r = d->toDevice(mm);
    d->painter.save();
    d->painter.setClipRect(r, Qt::IntersectClip);
    d->painter.drawText(r, alignment ? alignment : int(Qt::AlignLeft | Qt::AlignTop), text);
    d->painter.restore();
}

void PainterSink::line(const QPointF &from, const QPointF &to, double widthMm)
{
    if (!d->painter.isActive())
        return;
    QPen pen(Qt::black);
    pen.setWidthF(std::max(0.0, widthMm) * d->dotsPerMmX);
    d->painter.save();
    d->painter.setPen(pen);
    d->painter.drawLine(d->toDevice(from), d->toDevice(to));
    d->painter.restore();
}

void PainterSink::image(const QRectF &mm, const QImage &img)
{
    if (!d->painter.isActive() || img.isNull() || mm.width() <= 0 || mm.height() <= 0)
        return;
    // As large as fits in the rectangle, proportions kept, centred.
    const QRectF box = d->toDevice(mm);
    const QSizeF size = QSizeF(img.size()).scaled(box.size(), Qt::KeepAspectRatio);
    const QPointF at(box.x() + (box.width() - size.width()) / 2, box.y() + (box.height() - size.height()) / 2);
    d->painter.drawImage(QRectF(at, size), img);
}

double PainterSink::document(const QTextDocument &source, const QRectF &mm)
{
    // A copy laid out on this device: point sizes, indents and images are scaled to its
    // resolution by the layout itself.
    std::unique_ptr<QTextDocument> doc(source.clone());
    QAbstractTextDocumentLayout *layout = doc->documentLayout();
    layout->setPaintDevice(d->device);
    const double layoutScale = d->device->logicalDpiX() / screenDpi();
    scaleHorizontalIndents(*doc, layoutScale);
    doc->setDocumentMargin(0);
    const double width = mm.width() > 0 ? mm.width() : pageSize().width() - mm.x();
    doc->setTextWidth(std::max(1.0, d->px(width)));
    const double total = layout->documentSize().height();

    // The blocks' places, and where a page may end: at the top of a line that no other
    // line (of a table's neighbouring cell) straddles.
    struct Box {
        QTextBlock block;
        double top, bottom;
        bool inRootFrame;
    };
    std::vector<Box> boxes;
    std::vector<std::pair<double, double>> lines; // top, bottom
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const QTextLayout *tl = b.layout();
        if (!tl || tl->lineCount() == 0)
            continue;
        const QRectF br = layout->blockBoundingRect(b);
        QTextFrame *frame = doc->frameAt(b.position());
        boxes.push_back({b, br.top(), br.bottom(), frame == doc->rootFrame()});
        // A page breaks above a table row's border and padding, not through them.
        double rowInset = 0;
        if (auto *table = qobject_cast<QTextTable *>(frame)) {
            const QTextTableCell cell = table->cellAt(b.position());
            if (cell.isValid() && cell.firstPosition() == b.position()) {
                const QTextTableFormat tf = table->format();
                const QTextTableCellFormat cf = cell.format().toTableCellFormat();
                const double padding = cf.hasProperty(QTextFormat::TableCellTopPadding) ? cf.topPadding()
                                                                                         : tf.cellPadding();
                rowInset = (tf.border() + tf.cellSpacing() + padding) * layoutScale;
            }
        }
        for (int i = 0; i < tl->lineCount(); ++i) {
            const QTextLine l = tl->lineAt(i);
            const double top = br.top() + l.y();
            lines.emplace_back(i == 0 ? std::max(0.0, top - rowInset) : top, top + l.height());
        }
    }
    std::sort(lines.begin(), lines.end());
    constexpr double Eps = 0.25; // device pixels
    std::vector<double> breaks;
    double reach = 0;
    for (const auto &[top, bottom] : lines) {
        if (top > 0 && reach <= top + Eps)
            breaks.push_back(top);
        reach = std::max(reach, bottom);
    }

    // Draws the part of the document between two breaks with its top at pageTop.
    const auto drawSlice = [&](double start, double end, double pageTop) {
        QPainter &p = d->painter;
        if (!p.isActive())
            return;
        p.save();
        p.translate(d->px(mm.x()), pageTop - start);
        p.setClipRect(QRectF(-d->px(mm.x()), start, d->device->width(), end - start), Qt::IntersectClip);
        p.setPen(Qt::black);
        // Qt's layout also draws the line just above its clip rectangle when a block
        // begins above it: the ink is clipped away, but the text would remain in a PDF
        // file, once on each page. A paragraph continued from the previous page is
        // therefore drawn line by line here, and the layout draws from below it.
        double from = start;
        for (const Box &box : boxes) {
            if (box.top >= start - Eps)
                break;
            if (!box.inRootFrame || box.bottom <= start + Eps)
                continue;
            const QTextLayout *tl = box.block.layout();
            const QPointF origin(tl->position().x(), box.top);
            for (int i = 0; i < tl->lineCount(); ++i) {
                const QTextLine l = tl->lineAt(i);
                const double top = box.top + l.y();
                if (top >= start - Eps && top < end - Eps)
                    l.draw(&p, origin);
            }
            from = std::max(from, box.bottom);
        }
        if (from < end - 2 * Eps) {
            QAbstractTextDocumentLayout::PaintContext ctx;
            ctx.palette.setColor(QPalette::Text, Qt::black);
            // Lines touching the edges belong to the neighbouring slices.
            ctx.clip = QRectF(0, from + Eps, doc->textWidth(), end - from - 2 * Eps);
            layout->draw(&p, ctx);
        }
        p.restore();
    };

    const double pageBottom = d->device->height();
    double pageTop = std::max(0.0, d->py(mm.y()));
    double start = 0;
    while (true) {
        const double limit = start + (pageBottom - pageTop);
        double end = total;
        if (limit < total) {
            auto it = std::upper_bound(breaks.begin(), breaks.end(), limit);
            end = it == breaks.begin() ? start : *std::prev(it);
            if (end <= start + Eps) {
                if (pageTop > 0) { // nothing fits under what is already on this page
                    newPage();
                    pageTop = 0;
                    continue;
                }
                end = limit; // taller than a whole page: cut where the page ends
            }
        }
        drawSlice(start, end, pageTop);
        if (end >= total)
            return (pageTop + total - start) / d->dotsPerMmY;
        newPage();
        pageTop = 0;
        start = end;
    }
}

void PainterSink::newPage()
{
    if (d->painter.isActive())
        d->device->newPage();
    ++d->page;
}

int PainterSink::pageNumber() const { return d->page; }

// ---------------------------------------------------------------------------------------

double RecordingSink::document(const QTextDocument &doc, const QRectF &mm)
{
    double y = mm.y();
    const double h = lineHeight();
    for (const QString &line : doc.toPlainText().split(QLatin1Char('\n'))) {
        if (y + h > size.height() && y > 0) {
            newPage();
            y = 0;
        }
        if (!line.isEmpty())
            pages.last().texts << line;
        y += h;
    }
    return y;
}

QString RecordingSink::allText() const
{
    QStringList all;
    for (const Page &p : pages)
        all << p.texts;
    return all.join(QLatin1Char('\n'));
}

// ---------------------------------------------------------------------------------------

namespace {
// Why a file could not be written, in words an office reads.
QString writeFailure(const QString &path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (path.isEmpty())
        return QStringLiteral("Δεν δόθηκε όνομα αρχείου.");
    if (!folder.exists())
        return QStringLiteral("Ο φάκελος «%1» δεν υπάρχει.").arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (file.isDir())
        return QStringLiteral("Υπάρχει φάκελος με αυτό το όνομα.");
    if (!folder.isWritable() || (file.exists() && !file.isWritable()))
        return QStringLiteral("Δεν επιτρέπεται η εγγραφή στο φάκελο «%1».")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    return QStringLiteral("Η εγγραφή απέτυχε· ο δίσκος μπορεί να είναι γεμάτος.");
}
} // namespace

bool printToPdf(const QString &path, const QString &title, const Printout &draw, QString *error,
                PageOrientation orientation)
{
    const auto fail = [&](const QString &) {
        if (error)
            *error = QStringLiteral("Δεν ήταν δυνατή η εγγραφή του αρχείου PDF «%1».\n%2")
                         .arg(QDir::toNativeSeparators(path), writeFailure(path));
        return false;
    };
    // Written whole or not at all: the file appears only once the last page is done.
    QSaveFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        writer.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                            : QPageLayout::Portrait);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("DORVANI"));
        PainterSink sink(&writer);
        if (!sink.isActive()) {
            file.cancelWriting();
            return fail(file.errorString());
        }
        if (draw)
            draw(sink);
    }
    if (!file.commit())
        return fail(file.errorString());
    if (error)
        error->clear();
    return true;
}

} // namespace dorvani
