// Address labels: the sheet geometry of a label type, the label text's placeholders and the
// drawing of label pages through the page-drawing interface.
#pragma once

#include "platform/Printing.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>

namespace dorvani::labels {

// One label type (a row of Printers); lengths in millimetres.
struct LabelType {
    QString name;
    double leftMargin = 0;
    double topMargin = 0;
    double width = 0;
    double height = 0;
    double spaceX = 0;
    double spaceY = 0;
    double paperHeight = 297;
    double paperWidth = 210;
    int columns = 1;
};

constexpr double LabelK = 0.03939; // inch per millimetre on label pages
constexpr double TestK = 0.04;     // and on the test page

// Rows per page: paper height / (label height + gap), the fraction dropped (0 when it
// cannot be worked out).
int rowsPerPage(const LabelType &t);
int labelsPerPage(const LabelType &t);
// Pages for a number of labels starting at place `startAt` (0-based) of the first sheet.
int pageCount(const LabelType &t, int labels, int startAt = 0);
// The columns that fit the paper's width, halves rounded to the even neighbour.
int columnsThatFit(const LabelType &t);
bool isContinuous(const LabelType &t);

// A Greek message why a label type cannot print, or empty when it can.
QString refusal(const LabelType &t);
QString columnRefusal();

// The layout of one page in printer pixels, each value cut to whole pixels.
struct PixelLayout {
    int left = 0;
    int top = 0;
    int rowPitch = 0;
    int columnPitch = 0;
    int lineHeight = 0;
};
PixelLayout pixelLayout(const LabelType &t, double k, double dpiX, double dpiY, int lineHeightPx);
// Where line `line` of label `n` of a page goes, in printer pixels.
QPoint labelLinePosition(const PixelLayout &l, const LabelType &t, int n, int line);

// The thirteen label fields: captions and the fields of the search they stand for.
struct LabelField {
    QString caption;
    QString field;
    QString settingName;
    bool checkedByDefault;
};
const QList<LabelField> &labelFields();
// The position of a caption among the thirteen (case aside; a Greek Ο in "Τηλ.Οικίας" is
// taken as the Latin O), or -1.
int fieldOfCaption(const QString &name);
// A line with every #caption# replaced by the value of its field; names that are none of
// the captions are kept as typed. Lines empty after trimming are kept as they are.
QString substitute(const QString &line, const std::function<QString(const QString &field)> &valueOf);
QStringList substitute(const QStringList &lines, const std::function<QString(const QString &field)> &valueOf);
// The fields named between "#" signs in a text.
QList<int> fieldsNamedIn(const QStringList &lines);

// Template files: section "Count Print Value" key "Count", section "Print Value" keys LineN.
bool loadTemplate(const QString &path, QStringList *lines, QString *error);
bool saveTemplate(const QString &path, const QStringList &lines, QString *error);

// Draws labels on a sink. `next` gives the lines of the next label, or false at the end;
// `advance` is called after every label and returns false to stop. Returns the number of
// labels drawn; *pages gets the pages begun.
struct RunResult {
    int labels = 0;
    int pages = 0;
    bool cancelled = false;
};
RunResult drawLabels(PageSink &sink, const LabelType &t, double k, int startAt,
                     const std::function<bool(QStringList *)> &next,
                     const std::function<bool()> &advance = {});

// Pixels per inch at which label positions are cut before they become millimetres.
constexpr double DrawDpi = 600;

} // namespace dorvani::labels
