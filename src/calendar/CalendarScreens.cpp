#include "calendar/CalendarScreens.h"
#include "widgets/FormParts.h"

#include "platform/AppContext.h"
#include "calendar/Calendar.h"
#include "citizens/CitizenScreens.h"
#include "data/DataModule.h"
#include "widgets/DbControls.h"
#include "widgets/Screens.h"
#include "widgets/Ui.h"
#include "calendar/UntBirthday.h"
#include "calendar/UntCelebritiesDlg.h"
#include "widgets/MainWindow.h"
#include "calendar/UntPersCelebr.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPointer>

namespace dorvani {

namespace {
QPointer<TCelebritiesDlg> g_celebrities;
QPointer<TPersCelebrDlg> g_persCelebr;
QPointer<TBirthdayDlg> g_birthday;
} // namespace

TCelebritiesDlg *CalendarScreens::celebrities() { return g_celebrities; }
TPersCelebrDlg *CalendarScreens::persCelebr() { return g_persCelebr; }
TBirthdayDlg *CalendarScreens::birthday() { return g_birthday; }

QPixmap CalendarScreens::calendarPicture(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF leaf(1.5, 3.5, size - 3, size - 5);
    p.setPen(QPen(QColor(120, 60, 40), 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(leaf, 3, 3);
    p.setBrush(QColor(190, 40, 40));
    p.drawRect(QRectF(leaf.left(), leaf.top(), leaf.width(), size * 0.28));
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(int(size * 0.45));
    p.setFont(f);
    p.setPen(QColor(60, 30, 20));
    p.drawText(QRectF(leaf.left(), leaf.top() + size * 0.28, leaf.width(), leaf.height() - size * 0.28),
               Qt::AlignCenter, QString::number(Clock::today().day()));
    return pm;
}

QPixmap CalendarScreens::birthdayPicture(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    p.setPen(QPen(QColor(120, 60, 20), 1.2));
    p.setBrush(QColor(240, 170, 190));
    p.drawRoundedRect(QRectF(s * 0.12, s * 0.5, s * 0.76, s * 0.42), 3, 3);
    p.setBrush(QColor(250, 240, 220));
    p.drawRect(QRectF(s * 0.12, s * 0.5, s * 0.76, s * 0.1));
    for (double x : {0.3, 0.5, 0.7}) {
        p.setBrush(QColor(80, 120, 200));
        p.drawRect(QRectF(s * x - s * 0.03, s * 0.26, s * 0.06, s * 0.24));
        p.setBrush(QColor(250, 190, 30));
        p.drawEllipse(QPointF(s * x, s * 0.2), s * 0.04, s * 0.07);
    }
    return pm;
}

void CalendarScreens::fitColumns(DBGrid *grid, const QList<DatasetModel::Column> &columns)
{
    // Only widths: the columns themselves stay, and so does the row the list is on.
    QList<int> designed;
    for (const DatasetModel::Column &c : columns)
        designed << c.width;
    form::fitColumns(grid, designed);
}

void registerCalendarScreens(MainWindow &main, TDataMdl &dm)
{
    g_persCelebr = new TPersCelebrDlg(dm, main.widget());
    g_celebrities = new TCelebritiesDlg(dm, *g_persCelebr, main.widget());
    g_birthday = new TBirthdayDlg(dm, main.widget());

    // Today's celebrants, when the main window is shown.
    Screens::add("Celebrants", [&main] {
        const calendar::Celebrants c = calendar::celebrantsOf(Clock::today());
        main.setCelebrantsLabel(c.label);
        if (c.found)
            main.setCelebrants(c.names, c.day, c.month);
    });
    Screens::add("TCelebritiesDlg", [] {
        if (g_celebrities)
            ui().exec(g_celebrities);
    });
    Screens::add("TPersCelebrDlg", [&main] {
        if (g_persCelebr
            && g_persCelebr->search(main.celebrantNames(), main.celebrantDay(), main.celebrantMonth()))
            ui().exec(g_persCelebr);
    });
    Screens::add("TBirthdayDlg", [] {
        if (!g_birthday)
            return;
        g_birthday->prepare();
        ui().exec(g_birthday);
    });

    CitizenScreens::setReturn(CitizenScreens::Celebrants, [](int autonum) {
        if (g_persCelebr)
            g_persCelebr->showAgain(autonum);
    });
    CitizenScreens::setReturn(CitizenScreens::Birthdays, [](int autonum) {
        if (g_birthday)
            g_birthday->showAgain(autonum);
    });
}

} // namespace dorvani
