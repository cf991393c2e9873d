#include "letters/Ruler.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace dorvani {

namespace ruler {

namespace {
int points(double x) { return int(std::trunc(x / Adjust)); }
int pixels(double pt) { return int(std::trunc(pt * Adjust)); }
} // namespace

int firstIndentAt(int x) { return points(x - Gutter); }

int leftIndentAt(int x, int firstIndent) { return points(x - Gutter) - firstIndent; }

int rightIndentAt(int rulerWidth, int markerLeft, int markerWidth)
{
    return points(rulerWidth - markerLeft + markerWidth / 2 - 2) - 2 * Gutter;
}

int firstMarkerLeft(const Indents &i) { return pixels(i.first) - 4 + Gutter; }

int leftMarkerLeft(const Indents &i) { return pixels(i.left + i.first) - 4 + Gutter; }

int rightMarkerLeft(int rulerWidth, const Indents &i) { return rulerWidth - 6 - pixels(i.right + Gutter); }

Indents of(const QTextBlockFormat &f)
{
    Indents i;
    i.left = int(std::lround(-f.textIndent() / Adjust));
    i.first = int(std::lround((f.leftMargin() + f.textIndent()) / Adjust));
    i.right = int(std::lround(f.rightMargin() / Adjust));
    return i;
}

void apply(const Indents &i, QTextBlockFormat &f)
{
    const int first = std::max(0, i.first);
    const int rest = std::max(0, first + i.left);
    f.setLeftMargin(rest * Adjust);
    f.setTextIndent((first - rest) * Adjust);
    f.setRightMargin(std::max(0, i.right) * Adjust);
}

} // namespace ruler

namespace {
QLabel *marker(const QString &name, const QString &text, const QString &tip, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setToolTip(tip);
    l->setAlignment(Qt::AlignCenter);
    l->setFixedSize(ruler::MarkerWidth, 14);
    l->setCursor(Qt::SizeHorCursor);
    QFont f = l->font();
    f.setPixelSize(11);
    f.setBold(true);
    l->setFont(f);
    return l;
}
} // namespace

TRuler::TRuler(QTextEdit *text, QWidget *parent) : QWidget(parent), m_text(text)
{
    setObjectName("Ruler");
    setFixedHeight(26);
    FirstInd = marker("FirstInd", "κ", "Εσοχή πρώτης γραμμής", this);
    LeftInd = marker("LeftInd", "ι", "Αριστερή εσοχή", this);
    RightInd = marker("RightInd", "ρ", "Δεξιά εσοχή", this);
    FirstInd->move(0, 0);
    LeftInd->move(0, 12);
    RightInd->move(0, 12);
    for (QLabel *m : {FirstInd, LeftInd, RightInd})
        m->installEventFilter(this);
    connect(m_text, &QTextEdit::cursorPositionChanged, this, &TRuler::showParagraph);
}

void TRuler::showParagraph()
{
    if (m_dragging)
        return;
    const ruler::Indents i = ruler::of(m_text->textCursor().blockFormat());
    FirstInd->move(ruler::firstMarkerLeft(i), FirstInd->y());
    LeftInd->move(ruler::leftMarkerLeft(i), LeftInd->y());
    RightInd->move(ruler::rightMarkerLeft(width(), i), RightInd->y());
}

bool TRuler::eventFilter(QObject *watched, QEvent *event)
{
    auto *m = qobject_cast<QLabel *>(watched);
    if (!m || (m != FirstInd && m != LeftInd && m != RightInd))
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (e->button() != Qt::LeftButton)
            break;
        // Grabbed by its middle.
        m_dragOffset = m->width() / 2;
        m->move(m->x() + int(e->position().x()) - m_dragOffset, m->y());
        m_dragging = true;
        return true;
    }
    case QEvent::MouseMove: {
        if (!m_dragging)
            break;
        auto *e = static_cast<QMouseEvent *>(event);
        m->move(m->x() + int(e->position().x()) - m_dragOffset, m->y());
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!m_dragging)
            break;
        m_dragging = false;
        released(m);
        return true;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void TRuler::released(QLabel *m)
{
    QTextCursor c = m_text->textCursor();
    ruler::Indents i = ruler::of(c.blockFormat());
    if (m == FirstInd) {
        i.first = ruler::firstIndentAt(FirstInd->x() + m_dragOffset);
        i.left = ruler::leftIndentAt(LeftInd->x() + m_dragOffset, i.first);
    } else if (m == LeftInd) {
        i.left = ruler::leftIndentAt(LeftInd->x() + m_dragOffset, i.first);
    } else {
        i.right = ruler::rightIndentAt(width(), RightInd->x(), RightInd->width());
    }
    QTextBlockFormat f = c.blockFormat();
    ruler::apply(i, f);
    c.setBlockFormat(f);
    m_text->setTextCursor(c);
    showParagraph();
    m_text->setFocus();
}

void TRuler::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    showParagraph();
}

void TRuler::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    // The line spans the ruler less equal margins on both sides; a tick at every tab stop.
    const int margin = ruler::Gutter;
    const int y = height() / 2;
    p.setPen(palette().color(QPalette::WindowText));
    p.drawLine(margin, y, width() - margin, y);
    double tab = m_text->document()->defaultTextOption().tabStopDistance();
    if (tab <= 0)
        tab = 80;
    for (double x = margin + tab; x < width() - margin; x += tab)
        p.drawLine(QPointF(x, y - 3), QPointF(x, y + 3));
}

} // namespace dorvani
