// The ruler of the template editor: a strip above the text with tick marks at the tab
// stops and three markers dragged with the mouse, "κ" (first-line indent), "ι" (left
// indent) and "ρ" (right indent), applied to the current paragraph when released.
//
// The arithmetic is in plain functions. Indents are kept in points the way the markers
// read them: the first line starts `first` from the left, the other lines `first + left`,
// and `right` is the right indent. A document counts in 96-dpi pixels (4/3 of a point):
// left margin (first + left), first-line offset -left, right margin right.
#pragma once

#include <QWidget>

class QLabel;
class QTextBlockFormat;
class QTextEdit;

namespace dorvani {

namespace ruler {

inline constexpr int Gutter = 6;          // ruler pixels before the text starts
inline constexpr double Adjust = 4.0 / 3; // ruler pixels per point
inline constexpr int MarkerWidth = 9;

struct Indents {
    int first = 0, left = 0, right = 0; // points
    bool operator==(const Indents &) const = default;
};

// The indents a released marker gives, with x the marker's left position plus half its
// width, in ruler pixels.
int firstIndentAt(int x);
int leftIndentAt(int x, int firstIndent);
// The right indent of the right marker at `markerLeft` on a ruler `rulerWidth` wide.
int rightIndentAt(int rulerWidth, int markerLeft, int markerWidth);

// Where the markers stand for a paragraph's indents (their left positions).
int firstMarkerLeft(const Indents &i);
int leftMarkerLeft(const Indents &i);
int rightMarkerLeft(int rulerWidth, const Indents &i);

// A paragraph's indents and back. Nothing is set before the page's left edge or beyond its
// right one: negative margins are taken as none.
Indents of(const QTextBlockFormat &f);
void apply(const Indents &i, QTextBlockFormat &f);

} // namespace ruler

class TRuler : public QWidget {
    Q_OBJECT
public:
    TRuler(QTextEdit *text, QWidget *parent = nullptr);

    QLabel *FirstInd, *LeftInd, *RightInd;

    // The markers placed for the paragraph at the caret.
    void showParagraph();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void released(QLabel *marker);
    QTextEdit *m_text;
    int m_dragOffset = 0;
    bool m_dragging = false;
};

} // namespace dorvani
