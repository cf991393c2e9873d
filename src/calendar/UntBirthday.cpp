#include "calendar/UntBirthday.h"

#include "platform/AppContext.h"
#include "calendar/Calendar.h"
#include "calendar/CalendarScreens.h"
#include "citizens/CitizenScreens.h"
#include "data/DataModule.h"
#include "widgets/DbControls.h"
#include "widgets/FormParts.h"
#include "widgets/Ui.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace dorvani {

namespace {
const QList<DatasetModel::Column> &columns()
{
    static const QList<DatasetModel::Column> c = {
        {"EPITHETO", "ΕΠΙΘΕΤΟ", 107},       {"ONOMA", "ONOMA", 72},           {"PATR", "ΠΑΤΡ.", 62},
        {"PolhOnoma", "ΠΟΛΗ", 133},         {"TELO_1", "ΤΗΛ.ΟΙΚΙΑΣ", 0},      {"TELE_1", "ΤΗΛ.ΕΡΓΑΣΙΑΣ", 76},
        {"MOBILE1", "KINHTO THΛ.", 79},     {"BIRTHDAY", "ΗΜ.ΓΕΝΝΗΣΗΣ", 71}, {"CELEBRDAY", "ΕΟΡΤΑΖΕΙ ΣΤΙΣ", 62}};
    return c;
}

QDateEdit *datePicker(const QString &name, QWidget *parent)
{
    auto *d = new QDateEdit(parent);
    d->setObjectName(name);
    d->setCalendarPopup(true);
    d->setDisplayFormat("dd/MM/yyyy");
    d->setMinimumDate(QDate(1900, 1, 1));
    d->setMaximumDate(QDate(9999, 12, 31));
    return d;
}
} // namespace

TBirthdayDlg::TBirthdayDlg(TDataMdl &dm, QWidget *parent) : QDialog(parent), m_dm(dm)
{
    setObjectName("BirthdayDlg");
    setWindowTitle("ΓΕΝΕΘΛΙΟΛΟΓΙΟ");
    setModal(true);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setAutoFillBackground(true);
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, QColor(231, 207, 5));
    Panel1->setPalette(pal);
    DatePick1 = datePicker("DatePick1", Panel1);
    DatePick2 = datePicker("DatePick2", Panel1);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName("Image1");
    Image1->setPixmap(CalendarScreens::birthdayPicture(40));
    Label3 = new QLabel(Panel1);
    Label3->setObjectName("Label3");
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    BtnSearch = form::button("BtnSearch", "ΑΝΑΖΗΤΗΣΗ", Panel1);
    BtnReturn = form::button("BtnReturn", "ΕΠΙΣΤΡΟΦΗ", Panel1);
    auto *h = new QHBoxLayout(Panel1);
    h->addWidget(new QLabel("ΑΠΟ", Panel1));
    h->addWidget(DatePick1);
    h->addSpacing(12);
    h->addWidget(new QLabel("ΕΩΣ", Panel1));
    h->addWidget(DatePick2);
    h->addSpacing(12);
    h->addWidget(Image1);
    h->addSpacing(12);
    h->addWidget(Label3, 1);
    h->addWidget(BtnSearch);
    h->addWidget(BtnReturn);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setToolTip("ΜΕ ΔΙΠΛΟ ΑΡΙΣΤΕΡΟ ΠΡΟΒΟΛΗ ΚΑΡΤΕΛΛΑΣ ΠΟΛΙΤΗ");
    DBGrid1->setDataset(dm.CelebrQry, columns());
    form::boldHeader(DBGrid1);

    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->addWidget(Panel1);
    v->addWidget(DBGrid1, 1);
    resize(960, 520);

    connect(BtnSearch, &QPushButton::clicked, this, [this] { guarded([this] { search(); }); });
    connect(BtnReturn, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGrid1, &DBGrid::rowDoubleClicked, this, [this](int row) { guarded([&] { openRow(row); }); });
}

Query *TBirthdayDlg::query() const { return m_dm.CelebrQry; }

void TBirthdayDlg::prepare()
{
    const QDate today = Clock::today();
    DatePick1->setDate(today);
    DatePick2->setDate(today);
    search();
}

bool TBirthdayDlg::search()
{
    const auto sql = calendar::birthdaySql(DatePick1->date(), DatePick2->date());
    if (!sql) {
        ui().message(calendar::periodEndsBeforeStartMessage());
        return false;
    }
    Query *q = query();
    q->setSql(*sql);
    q->open();
    CalendarScreens::fitColumns(DBGrid1, columns());
    showCount();
    return true;
}

void TBirthdayDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // Laid out now: the columns take the room their values need.
    CalendarScreens::fitColumns(DBGrid1, columns());
}

void TBirthdayDlg::showCount()
{
    Query *q = query();
    Label3->setText(calendar::countLine(q->active() ? q->recordCount() : 0));
}

void TBirthdayDlg::openRow(int row)
{
    Query *q = query();
    if (!q->active())
        return;
    q->moveTo(row);
    const int autonum = q->integer("AUTONUM");
    if (autonum <= 0)
        return;
    accept();
    CitizenScreens::edit(autonum, CitizenScreens::Birthdays);
}

void TBirthdayDlg::showAgain(int autonum)
{
    Query *q = query();
    if (q->active()) {
        if (autonum > 0)
            q->locate("AUTONUM", autonum);
        showCount();
    }
    ui().exec(this);
}

} // namespace dorvani
