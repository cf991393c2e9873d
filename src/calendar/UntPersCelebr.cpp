#include "calendar/UntPersCelebr.h"

#include "calendar/Calendar.h"
#include "calendar/CalendarScreens.h"
#include "citizens/CitizenScreens.h"
#include "data/DataModule.h"
#include "widgets/DbControls.h"
#include "widgets/FormParts.h"
#include "widgets/Ui.h"
#include "calendar/UntCelebritiesDlg.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QResizeEvent>

namespace dorvani {

namespace {
const QList<DatasetModel::Column> &columns()
{
    static const QList<DatasetModel::Column> c = {{"EPITHETO", "ΕΠΙΘΕΤΟ", 150}, {"ONOMA", "ONOMA", 100},
                                                  {"PATR", "ΠΑΤΡ.", 80},         {"TELO_1", "ΤΗΛ.ΟΙΚΙΑΣ", 0},
                                                  {"TELE_1", "ΤΗΛ.ΕΡΓΑΣΙΑΣ", 0}, {"MOBILE1", "ΚΙΝΗΤΟ", 0}};
    return c;
}
} // namespace

TPersCelebrDlg::TPersCelebrDlg(TDataMdl &dm, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_qry(new Query("PersCelebrQry", QString(), this))
{
    setObjectName("PersCelebrDlg");
    setWindowTitle("ΠΡΟΒΟΛΗ ΕΟΡΤΑΖΟΝΤΩΝ");
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(230, 184, 160));
    setPalette(pal);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setToolTip("ΜΕ ΔΙΠΛΟ ΑΡΙΣΤΕΡΟ ΠΡΟΒΟΛΗ ΚΑΡΤΕΛΛΑΣ ΠΟΛΙΤΗ");
    DBGrid1->setDataset(m_qry, columns());
    QFont bold = DBGrid1->horizontalHeader()->font();
    bold.setBold(true);
    DBGrid1->horizontalHeader()->setFont(bold);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    QFont f = Label1->font();
    f.setBold(true);
    Label1->setFont(f);
    BtnCancel = form::button("BtnCancel", "Επιστροφή", this);

    resize(720, 420);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGrid1, &DBGrid::rowDoubleClicked, this, [this](int row) { guarded([&] { openRow(row); }); });
}

void TPersCelebrDlg::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    const int w = width(), h = height();
    const int bh = BtnCancel->sizeHint().height();
    const int bottom = h - 8 - bh;
    BtnCancel->setGeometry(w - 8 - qMax(110, BtnCancel->sizeHint().width()), bottom,
                           qMax(110, BtnCancel->sizeHint().width()), bh);
    Label1->setGeometry(10, bottom, qMax(0, BtnCancel->x() - 20), bh);
    // The grid reaches down to 10 pixels above the count line.
    DBGrid1->setGeometry(0, 0, w, qMax(0, Label1->y() - 10));
}

bool TPersCelebrDlg::search(const QString &names, const QString &day, const QString &month)
{
    const QString sql = calendar::celebrantsSql(names, day, month);
    bool found = false;
    if (sql.isEmpty()) {
        m_qry->close(); // no names: nobody to look for, and nothing of an earlier list stays
    } else {
        m_qry->setSql(sql);
        m_qry->open();
        found = !m_qry->isEmpty();
    }
    CalendarScreens::fitColumns(DBGrid1, columns());
    if (!found) {
        m_qry->close();
        ui().message(calendar::nobodyCelebratesMessage(), QString(), Ui::Icon::Information);
    }
    showCount();
    return found;
}

void TPersCelebrDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // Laid out now: the columns take the room their values need.
    CalendarScreens::fitColumns(DBGrid1, columns());
}

void TPersCelebrDlg::showCount()
{
    Label1->setText(calendar::countLine(m_qry->active() ? m_qry->recordCount() : 0));
}

void TPersCelebrDlg::openRow(int row)
{
    if (!m_qry->active())
        return;
    m_qry->moveTo(row);
    const int autonum = m_qry->integer("AUTONUM");
    if (autonum <= 0)
        return;
    accept();
    // The editing screen is a working window: no modal calendar may stay over it.
    if (TCelebritiesDlg *cal = CalendarScreens::celebrities(); cal && cal->isVisible())
        cal->reject();
    CitizenScreens::edit(autonum, CitizenScreens::Celebrants);
}

void TPersCelebrDlg::showAgain(int autonum)
{
    if (m_qry->active()) {
        if (autonum > 0)
            m_qry->locate("AUTONUM", autonum);
        showCount();
    }
    ui().exec(this);
}

} // namespace dorvani
