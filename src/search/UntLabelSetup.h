// The label screen: the rows of the search, the label type, the fields and the label text,
// templates, and the label run (previewed, then printed or saved as a PDF file).
#pragma once

#include "search/Labels.h"
#include "widgets/DatasetModel.h"

#include <QDialog>

class QComboBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace dorvani {

class DBGrid;
class Dataset;
class TDataMdl;
class TPrintFrm;
class TSelectPrintDlg;
class TProgressDlg;

class TLabelSetupFrm : public QDialog {
    Q_OBJECT
public:
    TLabelSetupFrm(TDataMdl &dm, TPrintFrm *printFrm, TSelectPrintDlg *selectPrint,
                   const QList<DatasetModel::Column> &columns, QWidget *parent = nullptr);

    QComboBox *DBLookupComboBox1;
    QListWidget *ChkLstPedia;
    QToolButton *SBtnLoad, *SBtnSave, *SpeedButton2, *SpeedButton1;
    QPlainTextEdit *Memo1;
    DBGrid *DBGrid1;
    QSpinBox *SpinStart; // the first free place on the first sheet, from 1
    QPushButton *BtnAll, *BtnNone, *BitBtn3, *BtnCancel, *BtnHelp;

    // Marking: all rows (without walking them), none, or the rows chosen in the grid.
    void markAll();
    void markNone();
    // The marked rows in row order, as ranges [first, last]; all rows when marked all.
    QList<QPair<int, int>> markedRanges() const;
    int markedCount() const;

    void rebuildText();
    void loadTemplate();
    void saveTemplate();
    // "Ε&κτύπωση": the label run.
    void print();
    bool running() const { return m_running; }
    // The lines of the current row of SearchQry.
    QStringList currentLabel() const;

protected:
    void closeEvent(QCloseEvent *e) override;
    void reject() override;
    void done(int r) override;

private:
    void saveSettings();
    void refreshTypes();
    labels::RunResult run(PageSink &sink, const labels::LabelType &t, int startAt, TProgressDlg *progress);

    TDataMdl &m_dm;
    Dataset *m_ds;
    TPrintFrm *m_printFrm;
    TSelectPrintDlg *m_selectPrint;
    QString m_templatePath;
    bool m_allMarked = false;
    bool m_running = false;
    bool m_settingsSaved = false;
};

} // namespace dorvani
