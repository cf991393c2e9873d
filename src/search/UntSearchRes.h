// The results screen: the rows of SearchQry in the columns chosen in the field chooser,
// the search description, the count and the vote sums (both from SQL over the search's
// statement, never from walking the rows), the printed list and the way to a citizen's card.
#pragma once

#include "widgets/DatasetModel.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;

namespace dorvani {

class DBGrid;
class TDataMdl;
class TPediaDlg;
class TPrnPEDIADlg;

class BackgroundAggregate;

// The frame of a screen of found rows: the criteria above, the grid of SearchQry, the count,
// the sums and three buttons below (BitBtn2, BitBtn1 "Ε&ΚΤΥΠΩΣΗ", CancelBtn "&ΕΠΙΣΤΡΟΦΗ").
// The results screen and the letters' recipients screen are laid out by it.
struct FoundRowsFrame {
    QLabel *Label5; // "ΚΡΙΤΗΡΙΑ ΑΝΑΖΗΤΗΣΗΣ :"
    QLabel *Label6; // the search description
    DBGrid *DBGrid1;
    QLabel *Label1, *Label2, *Label3, *Label4; // the count and the sums
    QPushButton *BitBtn2;
    QPushButton *BitBtn1;   // print
    QPushButton *CancelBtn; // return
};
FoundRowsFrame layFoundRows(QDialog *screen, TDataMdl &dm, const QString &secondButton);
// The grid's columns with the widths they show now.
QList<DatasetModel::Column> shownColumns(const DBGrid *grid);
// Prints the found rows in the columns ticked in the print chooser (none: nothing), the
// screen disabled meanwhile; every chosen column is printed, a wide list on a turned page.
void printFoundRows(QDialog *screen, TDataMdl &dm, const DBGrid *grid, const TPrnPEDIADlg *chooser,
                    const QString &criteria, const QString &count);
// Opens the citizen of a found row for editing, the screen closed.
void openFoundRow(QDialog *screen, TDataMdl &dm, int row);

class TSearchResDlg : public QDialog, public FoundRowsFrame {
    Q_OBJECT
public:
    TSearchResDlg(TDataMdl &dm, TPediaDlg *pedia, TPrnPEDIADlg *printChooser, QWidget *parent = nullptr);
    ~TSearchResDlg() override;

    // The frame's BitBtn2 opens the address labeller.

    // Builds the columns, the labels and the print chooser's items for the rows SearchQry
    // holds now: the result field list (55 names) and the search description.
    void fill(const QStringList &resultFields, const QString &description);
    QString description() const { return m_description; }
    // The captions of the grid's columns in column order.
    QStringList shownCaptions() const { return m_captions; }
    QList<DatasetModel::Column> columns() const;

    // "Ε&ΚΤΥΠΩΣΗ": the print chooser, then the printed list in a print preview.
    void print();
    // A double click: the row's citizen opened for editing; this screen comes back after.
    void openRow(int row);

    // The width a column of a field starts at: what the field's display size needs in the
    // grid's font, and at least its title's width.
    static int naturalWidth(const class Dataset *ds, const QString &field, const QString &title, const QFont &gridFont,
                            const QFont &titleFont);

protected:
    void showEvent(QShowEvent *e) override;

private:
    TDataMdl &m_dm;
    TPediaDlg *m_pedia;
    TPrnPEDIADlg *m_printChooser;
    QString m_description;
    QStringList m_captions;
    std::unique_ptr<BackgroundAggregate> m_totals;
};

} // namespace dorvani
