// The housekeeping commands of the utilities menu: backup (from the menu and on exit),
// restore, the reset of files, the settings, the office owner and the information box.
// The copying itself is done by DataBackup and DataRestore; here the user chooses the
// folder, answers the questions and sees the progress and the results.
#pragma once

#include "shell/Backup.h"

#include <QDialog>
#include <QObject>

class QLabel;
class QProgressBar;

namespace dorvani {

class TDataMdl;
class TMainFrm;
class TDelTablesDlg;
class TRythmiseisDlg;
class TKatoxosDlg;
class TAboutDlg;

// The window shown, without blocking, while the data files are copied.
class TCopyProgressDlg : public QDialog {
    Q_OBJECT
public:
    explicit TCopyProgressDlg(QWidget *parent = nullptr);

    QLabel *Label1;
    QProgressBar *ProgBar;

    void begin();
    void fileStarted(const QString &file, int index, int count);
    void pages(int done, int total);
    void end();
};

class Housekeeping : public QObject {
    Q_OBJECT
public:
    Housekeeping(TMainFrm &main, TDataMdl &dm);

    // The menu's backup; on exit the shared datasets are left as they are.
    void backup(bool onExit);
    void restore();

    // The thirteen datasets that a backup or restore from the menu leaves open, in the
    // order they are opened.
    static QStringList sharedDatasets();
    static void reopenShared(TDataMdl &dm);

    TCopyProgressDlg *progress() const { return m_progress; }
    TDelTablesDlg *delTablesDlg() const { return m_delTables; }
    TRythmiseisDlg *rythmiseisDlg() const { return m_rythmiseis; }
    TKatoxosDlg *katoxosDlg() const { return m_katoxos; }
    TAboutDlg *aboutDlg() const { return m_about; }

    static Housekeeping *instance();

private:
    // The folder choice: a folder that does not exist is created after asking.
    QString chooseFolder(const QString &caption, const QString &start);
    CopyHooks hooks();

    TMainFrm &m_main;
    TDataMdl &m_dm;
    TCopyProgressDlg *m_progress;
    TDelTablesDlg *m_delTables;
    TRythmiseisDlg *m_rythmiseis;
    TKatoxosDlg *m_katoxos;
    TAboutDlg *m_about;
};

// Registers Backup, BackupOnExit, Restore, TDelTablesDlg, TRythmiseisDlg, TKatoxosDlg
// and TAboutDlg.
void registerHousekeepingScreens(TMainFrm &main, TDataMdl &dm);

} // namespace dorvani
