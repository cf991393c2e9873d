// What the statistics tables share: the string grid of the results, its printout through
// the grid printout (every row, under the caption with the date and the banner), and the
// saving of any table as a CSV file that office spreadsheets open with the Greek right
// (UTF-8 with a byte-order mark, fields separated by ";").
#pragma once

#include "widgets/DatasetModel.h"

#include <QList>
#include <QString>
#include <QStringList>

class QTableWidget;
class QWidget;

namespace dorvani {

class Dataset;

namespace csv {
// The rows as CSV text: the byte-order mark, one line per row ended by CR LF, fields
// separated by ";" and enclosed in double quotes (inner ones doubled) when they hold a ";",
// a quote, a line break or blanks at either end.
QByteArray encode(const QList<QStringList> &rows);
// Writes the rows to the file whole, or not at all; false with a Greek reason in error.
bool save(const QString &path, const QList<QStringList> &rows, QString *error);
} // namespace csv

namespace stattables {
// A read-only string grid: one header row, rows 20 pixels high, whole-row selection,
// columns resizable.
QTableWidget *stringGrid(const QString &name, QWidget *parent);
// Sets the header and the rows of a string grid.
void fill(QTableWidget *grid, const QStringList &header, const QList<QStringList> &rows);
// The header and then every row of a string grid, as shown.
QList<QStringList> rowsOf(const QTableWidget *grid);
// The titles and then every row of a dataset in the given columns (every row is read).
QList<QStringList> rowsOf(Dataset *ds, const QList<DatasetModel::Column> &columns);
// The screen widths of a string grid's columns, in pixels.
QList<int> widthsOf(const QTableWidget *grid);

// Asks for a file and saves the rows (their first row is the header) as CSV; a failure
// is shown. Returns the file written, empty when cancelled or failed.
QString saveCsv(const QString &caption, const QList<QStringList> &rows);
// Shows the rows (the first is the header) in the print preview as a grid printout
// under the caption, with the given screen widths of the columns.
void printTable(const QString &caption, const QList<QStringList> &rows, const QList<int> &widths, QWidget *screen);
} // namespace stattables

} // namespace dorvani
