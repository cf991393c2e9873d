// Printing: every printout draws its pages through one page-drawing interface measured in
// millimetres, which a printer, a PDF file or a test recorder implements. Printouts are
// shown in a print preview from which they are printed or saved as a PDF file.
#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QPainter;
class QPagedPaintDevice;
class QTextDocument;

namespace dorvani {

class PageSink {
public:
    virtual ~PageSink() = default;

    virtual QSizeF pageSize() const = 0;   // the printable area, mm
    virtual void setFont(const QFont &f) = 0;
    virtual QFont font() const = 0;
    // The full height of a line of the current font on this device (ascent + descent), mm.
    virtual double lineHeight() const = 0;
    virtual double textWidth(const QString &text) const = 0; // mm
    // Text with its top-left corner at (x, y), mm.
    virtual void text(double x, double y, const QString &text) = 0;
    // Text clipped to a rectangle, aligned by Qt::Alignment flags.
    virtual void textInRect(const QRectF &mm, const QString &text, int alignment = 0) = 0;
    virtual void line(const QPointF &from, const QPointF &to, double widthMm = 0.2) = 0;
    virtual void image(const QRectF &mm, const QImage &img) = 0;
    // A rich-text document laid out in the rectangle's width, from its top; as many pages
    // as it needs, continuing at the top of each new page. Returns the y where it ended.
    virtual double document(const QTextDocument &doc, const QRectF &mm) = 0;
    virtual void newPage() = 0;
    virtual int pageNumber() const = 0; // 1-based
};

// Draws on a printer or a PDF writer through a QPainter, scaling millimetres to the
// device's resolution.
class PainterSink : public PageSink {
public:
    explicit PainterSink(QPagedPaintDevice *device);
    ~PainterSink() override;
    QSizeF pageSize() const override;
    void setFont(const QFont &f) override;
    QFont font() const override;
    double lineHeight() const override;
    double textWidth(const QString &text) const override;
    void text(double x, double y, const QString &text) override;
    void textInRect(const QRectF &mm, const QString &text, int alignment) override;
    void line(const QPointF &from, const QPointF &to, double widthMm) override;
    void image(const QRectF &mm, const QImage &img) override;
    double document(const QTextDocument &doc, const QRectF &mm) override;
    void newPage() override;
    int pageNumber() const override;
    // False when the device could not be opened for painting (nothing is drawn then).
    bool isActive() const;
    // The painter, in the device's own pixels.
    QPainter *painter();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Records what a printout draws, page by page, for tests (fixed metrics: an A4 page,
// lines of 5 mm, 2 mm per character).
class RecordingSink : public PageSink {
public:
    struct Page {
        QStringList texts; // every text drawn, in order
        int lines = 0;
        int images = 0;
    };
    QList<Page> pages{Page()};
    QSizeF size{190, 277};

    QSizeF pageSize() const override { return size; }
    void setFont(const QFont &f) override { m_font = f; }
    QFont font() const override { return m_font; }
    double lineHeight() const override { return 5; }
    double textWidth(const QString &t) const override { return 2.0 * t.size(); }
    void text(double, double, const QString &t) override { pages.last().texts << t; }
    void textInRect(const QRectF &, const QString &t, int) override { pages.last().texts << t; }
    void line(const QPointF &, const QPointF &, double) override { ++pages.last().lines; }
    void image(const QRectF &, const QImage &) override { ++pages.last().images; }
    double document(const QTextDocument &doc, const QRectF &mm) override;
    void newPage() override { pages << Page(); }
    int pageNumber() const override { return int(pages.size()); }
    QString allText() const; // every text of every page, one per line

private:
    QFont m_font;
};

// A printout: a title and the drawing of its pages.
using Printout = std::function<void(PageSink &)>;

// How a printout's pages stand: upright, or turned for a table wider than A4 is tall.
enum class PageOrientation { Portrait, Landscape };

// Renders a printout into a PDF file; returns false with the reason in *error.
bool printToPdf(const QString &path, const QString &title, const Printout &draw, QString *error = nullptr,
                PageOrientation orientation = PageOrientation::Portrait);

} // namespace dorvani
