#include "calendar/UntCelebritiesDlg.h"

#include "platform/AppContext.h"
#include "calendar/Calendar.h"
#include "data/NameDays.h"
#include "calendar/CalendarScreens.h"
#include "data/DataModule.h"
#include "widgets/DbControls.h"
#include "widgets/InputHelpers.h"
#include "widgets/Ui.h"
#include "calendar/UntPersCelebr.h"
#include "calendar/UntPrnCelebr.h"
#include "widgets/FormParts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace dorvani {

namespace {
const QString namesRequired = "Τα ονόματα είναι υποχρεωτικά πεδία\n"
                              "Παρακαλώ συμπληρώστε τα για να ολοκληρωθεί η αποθήκευση.";

// Gives the focus back to a field after the focus change now under way.
void keepFocus(QLineEdit *field)
{
    QTimer::singleShot(0, field, [field] {
        if (field->isVisible() && field->isEnabled()) {
            field->setFocus(Qt::OtherFocusReason);
            field->selectAll();
        }
    });
}
} // namespace

TCelebritiesDlg::TCelebritiesDlg(TDataMdl &dm, TPersCelebrDlg &celebrants, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_celebrants(celebrants)
{
    setObjectName("CelebritiesDlg");
    setWindowTitle("ΔΙΑΧΕΙΡΙΣΗ ΕΟΡΤΟΛΟΓΙΟΥ");
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(230, 184, 160));
    setPalette(pal);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName("GroupBox1");
    LblN = new QLabel(GroupBox1);
    LblN->setObjectName("LblN");
    LblN->setWordWrap(true);
    QFont bold = LblN->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    LblN->setFont(bold);
    Image1 = new QLabel(GroupBox1);
    Image1->setObjectName("Image1");
    Image1->setPixmap(CalendarScreens::calendarPicture(40));
    auto *top = new QHBoxLayout(GroupBox1);
    top->addWidget(LblN, 1);
    top->addWidget(Image1, 0, Qt::AlignRight | Qt::AlignVCenter);

    RadioGroup1 = new TRadioGroup("RadioGroup1", "Ταξινόμηση κατά", {"Όνομα", "Μήνα και Ημέρα"}, 2, this);
    RadioGroup1->setItemIndex(1);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setToolTip("Με διπλό κλικ προβολή αυτών που γιορτάζουν");
    DBGrid1->setDataset(dm.TblCelebrities, {{"NAME", "Ονόματα", 330},
                                             {"DDate", "Ημ.", 45},
                                             {"MonthsID", "Μήνας", 55},
                                             {"Sxolio", "Σχόλιο", 0}});
    DBGrid1->horizontalHeader()->setStretchLastSection(true);

    GroupBox2 = new QGroupBox("Νέα", this);
    GroupBox2->setObjectName("GroupBox2");
    auto field = [this](const QString &name) {
        auto *e = new QLineEdit(GroupBox2);
        e->setObjectName(name);
        e->installEventFilter(this);
        return e;
    };
    Edit1 = field("Edit1");
    Edit2 = field("Edit2");
    Edit3 = field("Edit3");
    Edit4 = field("Edit4");
    EdtPasxa = field("EdtPasxa");
    EdtPasxa->setMaxLength(4);
    EdtPasxa->setMaximumWidth(50);
    EdtPasxa->setToolTip("Για τις γιορτές που ακολουθούν το Πάσχα: ημέρες πριν (-) ή μετά από αυτό. "
                         "Με ημέρα και μήνα, η γιορτή πάει στην ημέρα από το Πάσχα όταν η ημερομηνία πέφτει νωρίτερα.");
    for (QLineEdit *e : {Edit1, Edit2}) {
        setDigitsOnly(e);
        e->setMaxLength(2);
        e->setMaximumWidth(50);
    }
    Edit3->setMaxLength(200);
    Edit4->setMaxLength(150);
    installGreekCapitals(Edit3);
    auto *g = new QGridLayout(GroupBox2);
    g->addWidget(new QLabel("Ημέρα", GroupBox2), 0, 0);
    g->addWidget(Edit1, 0, 1);
    g->addWidget(new QLabel("Μήνας", GroupBox2), 0, 2);
    g->addWidget(Edit2, 0, 3);
    g->addWidget(new QLabel("Ημέρες από το Πάσχα", GroupBox2), 0, 4);
    g->addWidget(EdtPasxa, 0, 5);
    g->setColumnStretch(6, 1);
    g->addWidget(new QLabel("Ονόματα", GroupBox2), 1, 0);
    g->addWidget(Edit3, 1, 1, 1, 6);
    g->addWidget(new QLabel("Σχόλιο", GroupBox2), 2, 0);
    g->addWidget(Edit4, 2, 1, 1, 6);
    GroupBox2->setEnabled(false);

    auto button = [this](const QString &name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    BtnNew = button("BtnNew", "Νέα");
    BtnPrint = button("BtnPrint", "Εκτύπωση");
    BtnCancel = button("BtnCancel", "Επιστροφή");
    BtnHelp = button("BtnHelp", "Βοήθεια");
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {BtnNew, BtnPrint, BtnCancel, BtnHelp})
        buttons->addWidget(b);
    buttons->insertStretch(2);

    auto *v = new QVBoxLayout(this);
    v->addWidget(GroupBox1);
    v->addWidget(RadioGroup1);
    v->addWidget(DBGrid1, 1);
    v->addWidget(GroupBox2);
    v->addLayout(buttons);
    resize(680, 620);

    connect(RadioGroup1->button(0), &QRadioButton::toggled, this, [this](bool on) {
        guarded([&] { setSortByName(on); });
    });
    connect(BtnNew, &QPushButton::clicked, this, [this] { newDay(); });
    connect(BtnPrint, &QPushButton::clicked, this, [this] { guarded([this] { print(); }); });
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    // BtnHelp has no action.
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &i) {
        if (i.isValid())
            guarded([&] { showCelebrants(i.row(), i.column()); });
    });
}

void TCelebritiesDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        guarded([this] { prepare(); });
}

void TCelebritiesDlg::prepare()
{
    const QDate today = Clock::today();
    LblN->setText(namedays::namesOn(today));
    GroupBox1->setTitle(calendar::todayCaption(today));
    Table *t = m_dm.TblCelebrities;
    if (t->active())
        t->close();
    t->open();
    if (const auto day = calendar::latestDayWithNames(today))
        t->locate({"MONTHSID", "DDATE"}, {day->month, day->day});
    else
        t->first();
}

void TCelebritiesDlg::setSortByName(bool byName)
{
    Table *t = m_dm.TblCelebrities;
    // Names are ordered as a Greek reader orders them; days by month and day.
    t->setGreekOrder(true);
    t->setIndexName(byName ? "BYCELEBRITYNAME" : "MD_DATE");
}

void TCelebritiesDlg::newDay()
{
    GroupBox2->setEnabled(true);
    Edit1->setFocus(Qt::OtherFocusReason);
}

void TCelebritiesDlg::dayLeft()
{
    const QString limited = calendar::limitDay(Edit1->text());
    if (limited != Edit1->text()) {
        Edit1->setText(limited);
        keepFocus(Edit1);
    }
}

void TCelebritiesDlg::monthLeft()
{
    const QString limited = calendar::limitMonth(Edit2->text());
    if (limited != Edit2->text()) {
        Edit2->setText(limited);
        keepFocus(Edit2);
    }
}

void TCelebritiesDlg::monthEntered()
{
    const QString limited = calendar::limitMonth(Edit2->text());
    if (limited != Edit2->text()) {
        Edit2->setText(limited); // as when the field is left: it keeps the focus
        Edit2->selectAll();
        return;
    }
    const auto day = calendar::typedDayMonth(Edit1->text(), Edit2->text());
    if (!day) {
        ui().message(calendar::invalidDayMessage());
        Edit1->setFocus(Qt::OtherFocusReason);
        Edit1->selectAll();
        return;
    }
    // A day that has names is edited rather than typed again.
    if (const auto row = calendar::findDay(day->day, day->month)) {
        Edit3->setText(row->names);
        Edit4->setText(row->comment);
        EdtPasxa->setText(row->fromEaster ? QString::number(*row->fromEaster) : QString());
    }
    Edit3->setFocus(Qt::OtherFocusReason);
}

void TCelebritiesDlg::fromEasterEntered()
{
    bool ok = true;
    const auto days = calendar::typedFromEaster(EdtPasxa->text(), &ok);
    if (!ok) {
        ui().message(calendar::invalidFromEasterMessage());
        EdtPasxa->selectAll();
        return;
    }
    // Without a day and month, the moving day of that many days from Easter is edited.
    if (days && Edit1->text().trimmed().isEmpty() && Edit2->text().trimmed().isEmpty()) {
        if (const auto row = calendar::findMovingDay(*days)) {
            Edit3->setText(row->names);
            Edit4->setText(row->comment);
        }
    }
    Edit3->setFocus(Qt::OtherFocusReason);
}

void TCelebritiesDlg::store()
{
    const QString names = calendar::storedNames(Edit3->text());
    const auto day = calendar::typedDayMonth(Edit1->text(), Edit2->text());
    bool fromEasterOk = true;
    const auto fromEaster = calendar::typedFromEaster(EdtPasxa->text(), &fromEasterOk);
    const bool movingOnly = fromEaster && Edit1->text().trimmed().isEmpty() && Edit2->text().trimmed().isEmpty();
    bool stored = false;
    if (names.isEmpty()) {
        ui().message(namesRequired);
    } else if (!fromEasterOk) {
        ui().message(calendar::invalidFromEasterMessage());
        EdtPasxa->setFocus(Qt::OtherFocusReason);
    } else if (movingOnly) {
        try {
            if (!calendar::findMovingDay(*fromEaster) || ui().question("Να καταχωρηθεί η εγγραφή;", "ΕΠΙΒΕΒΑΙΩΣΗ")) {
                calendar::storeMovingDay(*fromEaster, names, Edit4->text().trimmed());
                stored = true;
            }
        } catch (const DbError &e) {
            ui().message(e.message(), QString(), Ui::Icon::Error);
        }
    } else if (!day) {
        ui().message(calendar::invalidDayMessage());
        Edit1->setFocus(Qt::OtherFocusReason);
    } else {
        try {
            if (!calendar::findDay(day->day, day->month)
                || ui().question("Να καταχωρηθεί η εγγραφή;", "ΕΠΙΒΕΒΑΙΩΣΗ")) {
                calendar::storeDay(day->day, day->month, names, Edit4->text().trimmed(), fromEaster);
                stored = true;
            }
        } catch (const DbError &e) {
            ui().message(e.message(), QString(), Ui::Icon::Error);
        }
    }
    if (stored) {
        ui().message("Η αποθήκευση ολοκληρώθηκε.");
        for (QLineEdit *e : {Edit1, Edit2, Edit3, Edit4, EdtPasxa})
            e->clear();
        GroupBox2->setEnabled(false);
    }
    reread();
    if (stored && day)
        m_dm.TblCelebrities->locate({"MONTHSID", "DDATE"}, {day->month, day->day});
}

void TCelebritiesDlg::reread()
{
    Table *t = m_dm.TblCelebrities;
    if (t->active())
        t->refresh();
    else
        t->open();
    DBGrid1->viewport()->update();
}

void TCelebritiesDlg::print() { TPrnCelebr::preview(m_dm.TblCelebrities); }

void TCelebritiesDlg::showCelebrants(int row, int column)
{
    Table *t = m_dm.TblCelebrities;
    if (!t->active())
        return;
    const QString names = DBGrid1->model()->index(row, column).data().toString();
    if (names.isEmpty())
        return;
    t->moveTo(row);
    QString day = calendar::twoDigits(t->text("DDATE"));
    QString month = calendar::twoDigits(t->text("MONTHSID"));
    if (!t->fieldByName("PASXA").isNull()) {
        // A day that moves with Easter: its day this year.
        namedays::Feast f;
        f.day = t->integer("DDATE");
        f.month = t->integer("MONTHSID");
        f.fromEaster = t->integer("PASXA");
        const QDate d = namedays::dateIn(f, Clock::today().year());
        if (d.isValid()) {
            day = calendar::twoDigits(d.day());
            month = calendar::twoDigits(d.month());
        }
    }
    if (m_celebrants.search(names, day, month))
        ui().exec(&m_celebrants);
}

bool TCelebritiesDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == Edit1)
            guarded([this] { dayLeft(); });
        else if (watched == Edit2)
            guarded([this] { monthLeft(); });
    } else if (event->type() == QEvent::FocusIn && watched == Edit3) {
        Keyboard::switchToGreek();
        Keyboard::setCapsLock(true);
    } else if (event->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(event);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            if (watched == Edit1)
                Edit2->setFocus(Qt::TabFocusReason);
            else if (watched == Edit2)
                guarded([this] { monthEntered(); });
            else if (watched == EdtPasxa)
                guarded([this] { fromEasterEntered(); });
            else if (watched == Edit3 || watched == Edit4)
                guarded([this] { store(); });
            else
                return QDialog::eventFilter(watched, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace dorvani
