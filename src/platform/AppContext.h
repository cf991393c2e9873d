// The program's folder and clock: where Db, Backup, Entypa, LabelTemplates and Tel_Docs
// live, and what "today" is. Both can be set (the --home option; tests choose a day).
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace dorvani {

class AppPaths {
public:
    // The program's folder: the one given with --home, else the folder of the program
    // file when it is writable, else the user's data folder.
    static QString home();
    static void setHome(const QString &dir);
    static QString defaultHome();

    static QString db();             // Db
    static QString backup();         // Backup
    static QString entypa();         // Entypa (letter templates and images)
    static QString labelTemplates(); // LabelTemplates
    static QString telDocs();        // Tel_Docs (conversation notes)
    static QString file(const QString &relative);

    // Creates the folders that are missing; returns false when the home is not writable.
    static bool ensureFolders();
};

class Clock {
public:
    static QDate today();
    static QDateTime now();
    static void setNow(const QDateTime &fixed); // an invalid value returns to the real clock
};

} // namespace dorvani
