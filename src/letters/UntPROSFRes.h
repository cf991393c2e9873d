// The letter recipients screen: the rows a search found while the letter screen is open,
// laid out like the results screen, with "&OK" to take the columns and the count over
// into the letter screen.
#pragma once

#include "search/UntSearchRes.h"
#include "widgets/DatasetModel.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;

namespace dorvani {

class BackgroundAggregate;
class DBGrid;
class TDataMdl;

class TPROSFRESDlg : public QDialog, public FoundRowsFrame {
    Q_OBJECT
public:
    explicit TPROSFRESDlg(TDataMdl &dm, QWidget *parent = nullptr);
    ~TPROSFRESDlg() override;

    // The frame's BitBtn2, "&OK", takes the recipients over.

    // The columns of the checked fields, the count, the three vote sums and the print
    // chooser's items for the rows SearchQry holds now.
    void fill(const QStringList &resultFields, const QString &description);
    QString description() const { return m_description; }
    QStringList shownCaptions() const { return m_captions; }
    // The grid's columns with their current widths.
    QList<DatasetModel::Column> columns() const;
    // The count text, once the count is known.
    QString countText();

    // "&OK": the citizen search closed and this screen closed with OK.
    void takeOver();
    // Whether the last showing ended with "&OK" (a double click also closes it with OK).
    bool takenOver() const { return m_taken; }
    // "Ε&ΚΤΥΠΩΣΗ": the printed list, with this screen's caption in its title line.
    void print();
    // A double click: the row's citizen opened for editing, as from the results screen.
    void openRow(int row);

    // How the natural width of a column changes for a position of the result field list.
    static double widthFactor(int position);

private:
    TDataMdl &m_dm;
    QString m_description;
    QStringList m_captions;
    bool m_taken = false;
    std::unique_ptr<BackgroundAggregate> m_totals;
};

} // namespace dorvani
