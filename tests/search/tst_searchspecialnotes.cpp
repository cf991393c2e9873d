// The special-notes search screen: closed to the ordinary key, its results on the results screen.
#include "data/Store.h"
#include "ProgramFixture.h"
#include "search/UntSearchSpecialNotes.h"
#include "widgets/Access.h"
#include "widgets/Screens.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace dorvani;
using test::Program;

class TstSearchSpecialNotes : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> p;

    TSearchSpecialNotesFrm *screen()
    {
        for (QWidget *w : p->main()->openChildren())
            if (auto *s = qobject_cast<TSearchSpecialNotesFrm *>(w))
                return s;
        return nullptr;
    }

private slots:
    void init()
    {
        p = std::make_unique<Program>();
        QVERIFY(p->start());
        Store::instance().exec("INSERT INTO POLITES (EPITHETO, ONOMA, PATR) VALUES ('ΝΙΚΟΥ', '', '')");
        const int id = Store::instance().scalar("SELECT MAX(AUTONUM) FROM POLITES").toInt();
        Store::instance().exec("INSERT INTO EPAFES (EDate, POLITES_ID, THEMA, PARATHRHSEIS) VALUES ('2004-01-20', ?, 'ΕΡΓΑΣΙΑ', '')",
                               {id});
    }
    void cleanup()
    {
        Access::setFull(false);
        p.reset();
    }

    void theOrdinaryKeyIsRefused()
    {
        Access::setFull(false);
        Screens::run("TSearchSpecialNotesFrm");
        QVERIFY(!screen());
        QVERIFY(p->ui.messages().contains("Η πρόσβαση δεν επιτρέπεται!"));
    }

    void resultsGoToTheResultsScreen()
    {
        Access::setFull(true);
        Screens::run("TSearchSpecialNotesFrm");
        TSearchSpecialNotesFrm *s = screen();
        QVERIFY(s);
        s->EdtThema->setText("ΕΡΓ*");
        s->MskFrom->setText("01012004");
        s->MskTo->setText("31012004");
        p->ui.onExec["PediaDlg"] = test::acceptDialog;
        bool shown = false;
        p->ui.onExec["SearchResDlg"] = [&](QDialog *) {
            shown = true;
            return int(QDialog::Rejected);
        };
        s->BtnFind->click();
        QVERIFY(shown);
        // An impossible date stops the search with the message.
        shown = false;
        s->MskTo->setText("31022004");
        s->BtnFind->click();
        QVERIFY(!shown);
        QVERIFY(p->ui.messages().contains("Παρουσιάστηκε σφάλμα στην αναζήτηση"));
        // Losing full access meanwhile refuses the search itself.
        s->MskTo->setText("31012004");
        Access::setFull(false);
        s->BtnFind->click();
        QVERIFY(!shown);
    }
};

QTEST_MAIN(TstSearchSpecialNotes)
#include "tst_searchspecialnotes.moc"
