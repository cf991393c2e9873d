// The calendar's screens: the name-day calendar, the celebrants of a day and the
// birthday list, created at start-up; the main window's commands for them, today's
// celebrants in its label, and the way back to a list from the citizen it opened.
#pragma once

#include "widgets/DatasetModel.h"

#include <QPixmap>

namespace dorvani {

class TDataMdl;
class MainWindow;
class TCelebritiesDlg;
class TPersCelebrDlg;
class TBirthdayDlg;
class DBGrid;

// Registers Celebrants (the label at start-up), TCelebritiesDlg, TPersCelebrDlg and
// TBirthdayDlg. Comes after the citizen screens, whose registration starts the ways back
// afresh.
void registerCalendarScreens(MainWindow &main, TDataMdl &dm);

namespace CalendarScreens {
TCelebritiesDlg *celebrities();
TPersCelebrDlg *persCelebr();
TBirthdayDlg *birthday();
// The small pictures of the calendar's screens: a leaf of a wall calendar, a cake.
QPixmap calendarPicture(int size);
QPixmap birthdayPicture(int size);
// Shows the columns of a list of citizens: each at least its given width, and wide
// enough for its title and for the values now in view.
void fitColumns(DBGrid *grid, const QList<DatasetModel::Column> &columns);
} // namespace CalendarScreens

} // namespace dorvani
