#include "statistics/StatTables.h"

#include "data/Dataset.h"
#include "platform/AppContext.h"
#include "widgets/GridPrintout.h"
#include "widgets/Ui.h"

#include <QHeaderView>
#include <QSaveFile>
#include <QTableWidget>

namespace dorvani {

namespace csv {

namespace {
QString field(const QString &text)
{
    const bool quoted = text.contains(';') || text.contains('"') || text.contains('\n') || text.contains('\r')
                        || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quoted)
        return text;
    QString t = text;
    t.replace('"', "\"\"");
    return '"' + t + '"';
}
} // namespace

QByteArray encode(const QList<QStringList> &rows)
{
    QByteArray out("\xEF\xBB\xBF");
    for (const QStringList &row : rows) {
        QStringList fields;
        for (const QString &f : row)
            fields << field(f);
        out += fields.join(';').toUtf8();
        out += "\r\n";
    }
    return out;
}

bool save(const QString &path, const QList<QStringList> &rows, QString *error)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(encode(rows)) < 0 || !f.commit()) {
        if (error)
            *error = "Δεν ήταν δυνατή η αποθήκευση του αρχείου " + path + ".";
        return false;
    }
    return true;
}

} // namespace csv

namespace stattables {

QTableWidget *stringGrid(const QString &name, QWidget *parent)
{
    auto *g = new QTableWidget(parent);
    g->setObjectName(name);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(20);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    QFont bold = g->horizontalHeader()->font();
    bold.setBold(true);
    g->horizontalHeader()->setFont(bold);
    return g;
}

void fill(QTableWidget *grid, const QStringList &header, const QList<QStringList> &rows)
{
    grid->clearContents();
    grid->setColumnCount(int(header.size()));
    grid->setHorizontalHeaderLabels(header);
    grid->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < header.size(); ++c)
            grid->setItem(r, c, new QTableWidgetItem(rows[r].value(c)));
}

QList<QStringList> rowsOf(const QTableWidget *grid)
{
    QList<QStringList> rows;
    QStringList header;
    for (int c = 0; c < grid->columnCount(); ++c) {
        const QTableWidgetItem *h = grid->horizontalHeaderItem(c);
        header << (h ? h->text() : QString());
    }
    rows << header;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c) {
            const QTableWidgetItem *i = grid->item(r, c);
            cells << (i ? i->text() : QString());
        }
        rows << cells;
    }
    return rows;
}

QList<QStringList> rowsOf(Dataset *ds, const QList<DatasetModel::Column> &columns)
{
    QList<QStringList> rows;
    QStringList header;
    QList<int> fields;
    for (const DatasetModel::Column &c : columns) {
        header << c.title;
        fields << ds->fieldIndex(c.field);
    }
    rows << header;
    if (!ds->active())
        return rows;
    for (int r = 0; ds->rowsAvailable(r + 1) > r; ++r) {
        QStringList cells;
        for (int f : fields)
            cells << (f < 0 ? QString() : ds->valueAt(r, f).toString());
        rows << cells;
    }
    return rows;
}

QList<int> widthsOf(const QTableWidget *grid)
{
    QList<int> w;
    for (int c = 0; c < grid->columnCount(); ++c)
        w << grid->columnWidth(c);
    return w;
}

QString saveCsv(const QString &caption, const QList<QStringList> &rows)
{
    QString path = ui().saveFile(caption, AppPaths::home(), "Αρχεία CSV (*.csv)");
    if (path.isEmpty())
        return QString();
    if (!path.endsWith(".csv", Qt::CaseInsensitive))
        path += ".csv";
    QString error;
    if (!csv::save(path, rows, &error)) {
        ui().message(error);
        return QString();
    }
    return path;
}

void printTable(const QString &caption, const QList<QStringList> &rows, const QList<int> &widths, QWidget *screen)
{
    if (rows.isEmpty())
        return;
    QList<int> tenths;
    double mm = 0;
    for (int w : widths) {
        tenths << GridPrintout::tenthsOfPixels(w);
        mm += tenths.last() * GridPrintout::TenthMm;
    }
    // A table wider than an upright A4 page (190 mm) is printed across the page.
    const PageOrientation orientation = mm > 190 ? PageOrientation::Landscape : PageOrientation::Portrait;
    const QFont titleFont = pageFont(screen ? screen->font() : QFont());
    // Every row is printed, also one whose place is empty.
    ui().printPreview(caption, [=](PageSink &sink) {
        GridPrintout p(sink);
        p.setTitleFont(titleFont);
        p.setBodyFont(gridBodyFont());
        p.addTitleLine(GridPrintout::captionLine(caption));
        p.addTitleLine(GridPrintout::banner());
        p.setColumns(rows.first(), tenths);
        p.begin();
        for (int r = 1; r < rows.size(); ++r)
            p.row(rows[r]);
    }, orientation);
}

} // namespace stattables

} // namespace dorvani
