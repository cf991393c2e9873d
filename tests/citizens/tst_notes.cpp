// Remarks, confidential notes with the contact history, and conversation notes: what each
// stores, the access they need, that one citizen's notes never land on another, printouts.
#include "platform/AppContext.h"
#include "citizens/CitizenScreens.h"
#include "citizens/CitizenStore.h"
#include "widgets/DbControls.h"
#include "shell/EntryKeys.h"
#include "ProgramFixture.h"
#include "RegisterFixture.h"
#include "data/Store.h"
#include "citizens/UntEditPers.h"
#include "citizens/UntNOTES.h"
#include "citizens/UntNewPers.h"
#include "citizens/UntPolitesInfo.h"
#include "citizens/UntSpecialNotes.h"

#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace dorvani;
using test::Program;

class TstNotes : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> p;
    test::RegisterFixture f;

    int citizen(const QString &surname)
    {
        CitizenRecord r;
        r.fields = {{"EPITHETO", surname}, {"ONOMA", "ΑΡΗΣ"}, {"SXESH", -1}, {"KOMA", -1}};
        r.votes = CitizenStore::coCandidates();
        return CitizenStore::insert(r);
    }
    template <class T> T *child()
    {
        for (QWidget *w : p->main()->openChildren())
            if (auto *c = qobject_cast<T *>(w))
                return c;
        return nullptr;
    }
    QString notesOf(int id)
    {
        return Store::instance()
            .scalar("SELECT ESOK_ANT || '|' || AITHMATA || '|' || PLHROFORIES FROM SpecialNotes WHERE POLITES_ID = ?",
                    {id})
            .toString();
    }

private slots:
    void init()
    {
        p = std::make_unique<Program>();
        QVERIFY(p->start());
        f = test::RegisterFixture::fill();
        Clock::setNow(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    }
    void cleanup()
    {
        Clock::setNow(QDateTime());
        Access::setFull(false);
        p.reset();
    }

    void remarksAreStoredWithTheCitizen()
    {
        const int id = citizen("ΑΛΕΞΙΟΥ");
        Store::instance().exec("UPDATE POLITES SET NOTES = 'ΠΑΛΙΟ' WHERE AUTONUM = ?", {id});
        CitizenScreens::edit(id, CitizenScreens::SearchResults);
        TEditPersFrm *e = child<TEditPersFrm>();
        QString shown;
        p->ui.onExec["NOTESDlg"] = [&](QDialog *d) {
            auto *n = static_cast<TNOTESDlg *>(d);
            shown = n->RichEdit1->toPlainText();
            n->RichEdit1->setPlainText("ΝΕΟ ΣΧΟΛΙΟ");
            n->OKBtn->click();
            return d->result();
        };
        e->BitBtn2->click();
        QCOMPARE(shown, QString("ΠΑΛΙΟ"));
        e->BtnSave->click();
        QCOMPARE(CitizenStore::load(id)["NOTES"].toString(), QString("ΝΕΟ ΣΧΟΛΙΟ"));
    }

    void contactHistoryAndTexts()
    {
        const int id = citizen("ΑΛΕΞΙΟΥ");
        const int other = citizen("ΒΑΣΙΛΕΙΟΥ");
        Store::instance().exec("INSERT INTO EPAFES (EDate, POLITES_ID, THEMA) VALUES ('2026-01-02', ?, 'ΑΛΛΟΥ')", {other});
        TSpecialNotesFrm *s = CitizenScreens::specialNotes();
        s->setCitizen(id, "ΕΠΑΦΕΣ : ΑΛΕΞΙΟΥ  ΑΡΗΣ");
        s->show();
        QCOMPARE(s->DateEpafes->date(), QDate(2026, 12, 10));
        QCOMPARE(s->DBGrid1->model()->rowCount(), 0); // only this citizen's contacts

        // An empty subject inserts nothing, even with remarks.
        s->Memo1->setPlainText("ΚΑΤΙ");
        s->BtnInsert->click();
        QCOMPARE(s->DBGrid1->model()->rowCount(), 0);
        s->DateEpafes->setDate(QDate(2026, 11, 3));
        test::typeText(s->EdtThema, "ΤΗΛΕΦΩΝΟ");
        s->Memo1->setPlainText("ΓΙΑ ΤΗ ΔΟΥΛΕΙΑ");
        s->BtnInsert->click();
        QCOMPARE(s->DBGrid1->model()->rowCount(), 1);
        QCOMPARE(s->EdtThema->text(), QString());
        QCOMPARE(Store::instance().scalar("SELECT EDate FROM EPAFES WHERE POLITES_ID = ?", {id}).toString(),
                 QString("2026-11-03"));
        // The same contact again breaks the key: the store's message, nothing inserted.
        s->DateEpafes->setDate(QDate(2026, 11, 3));
        s->EdtThema->setText("ΤΗΛΕΦΩΝΟ");
        s->Memo1->setPlainText("ΓΙΑ ΤΗ ΔΟΥΛΕΙΑ");
        s->BtnInsert->click();
        QVERIFY(p->ui.messages().last().startsWith("Παραβίαση κλειδιού"));
        QCOMPARE(Store::instance().scalar("SELECT COUNT(*) FROM EPAFES WHERE POLITES_ID = ?", {id}).toInt(), 1);

        // Three blank texts keep a stored row; one filled text replaces it whole.
        Store::instance().exec("INSERT INTO SpecialNotes (POLITES_ID, ESOK_ANT, AITHMATA) VALUES (?, 'Α', 'Β')", {id});
        s->setTexts({});
        s->BtnSave->click();
        QCOMPARE(notesOf(id), QString("Α|Β|"));
        s->Memo4->setPlainText("ΠΛΗΡΟΦΟΡΙΑ");
        s->BtnSave->click();
        QCOMPARE(p->ui.messages().last(), QString("Η αποθήκευση ολοκληρώθηκε"));
        QCOMPARE(notesOf(id), QString("||ΠΛΗΡΟΦΟΡΙΑ"));

        const QStringList lines = s->printLines();
        QCOMPARE(lines.mid(0, 5), (QStringList{QString(), QString(73, '_'), "ΕΠΑΦΕΣ : ΑΛΕΞΙΟΥ  ΑΡΗΣ", QString(73, '_'),
                                               QString()}));
        QVERIFY(lines.at(5).endsWith("   ΤΗΛΕΦΩΝΟ"));
        QCOMPARE(lines.at(6), QString(19, ' ') + "ΓΙΑ ΤΗ ΔΟΥΛΕΙΑ");
        QCOMPARE(lines.at(7), QString(71, '-'));
        QCOMPARE(lines.mid(8), (QStringList{QString(), QString(73, '_'), "ΠΛΗΡΟΦΟΡΙΕΣ", QString(73, '_'), QString(),
                                            "ΠΛΗΡΟΦΟΡΙΑ"}));
        s->BtnPrint->click();
        QCOMPARE(p->ui.printouts.size(), 1);
        QVERIFY(p->ui.printouts[0].allText().contains("ΠΛΗΡΟΦΟΡΙΑ"));
        s->hide();

        // With no contacts and no texts only the heading block is printed.
        s->setCitizen(other + 100, "ΕΠΑΦΕΣ : Χ  Ψ");
        s->show();
        s->setTexts({});
        QCOMPARE(s->printLines().size(), 5);
        s->hide();
    }

    void oneCitizensNotesNeverLandOnAnother()
    {
        Access::setFull(true);
        const int a = citizen("ΑΛΕΞΙΟΥ");
        Store::instance().exec("INSERT INTO SpecialNotes (POLITES_ID, AITHMATA) VALUES (?, 'ΤΟΥ ΑΛΕΞΙΟΥ')", {a});
        CitizenScreens::edit(a, CitizenScreens::SearchResults);
        TEditPersFrm *e = child<TEditPersFrm>();
        QCOMPARE(e->specialNotes().requests, QString("ΤΟΥ ΑΛΕΞΙΟΥ"));
        // The entry screen opens and clears its own texts meanwhile.
        p->main()->action("ΝΕΟI")->trigger();
        TNewPersFrm *n = child<TNewPersFrm>();
        QVERIFY(n);
        test::typeText(n->EdtEpitheto, "ΒΑΣΙΛΕΙΟΥ");
        test::typeText(n->EdtOnoma, "ΝΙΚΟΣ");
        n->BtnSave->click();
        const int b = n->citizenNumber();
        QString shownForB = "?";
        p->ui.onExec["SpecialNotesFrm"] = [&](QDialog *d) {
            auto *s = static_cast<TSpecialNotesFrm *>(d);
            shownForB = s->texts().requests;
            s->Memo2->setPlainText("ΤΟΥ ΒΑΣΙΛΕΙΟΥ");
            return test::rejectDialog(d);
        };
        n->BBtnSpecialNotes->click();
        QCOMPARE(shownForB, QString());
        // Saving the editor stores A's texts on A, whatever the other screen did.
        e->BtnSave->click();
        QCOMPARE(notesOf(a), QString("|ΤΟΥ ΑΛΕΞΙΟΥ|"));
        QCOMPARE(Store::instance().scalar("SELECT COUNT(*) FROM SpecialNotes WHERE POLITES_ID = ?", {b}).toInt(), 0);
    }

    void conversationNotesAreAFilePerCitizen()
    {
        const int id = citizen("ΑΛΕΞΙΟΥ");
        TPolitesInfoDlg *d = CitizenScreens::conversation();
        d->setCitizen(id, "ΑΛΕΞΙΟΥ ΑΡΗΣ");
        d->show();
        QCOMPARE(d->windowTitle(), QString("ΠΛΗΡΟΦΟΡΙΕΣ ΓΙΑ ΤΟΝ ΠΟΛΙΤΗ ΑΛΕΞΙΟΥ ΑΡΗΣ ΜΕ ΚΩΔΙΚΟ %1").arg(id));
        QCOMPARE(d->RchPolithsInfo->toPlainText(), QString());
        d->RchPolithsInfo->setHtml("<p><b>Συζήτηση</b> για το σχολείο</p>");
        d->BtnSave->click();
        QCOMPARE(p->ui.messages().last(), QString("Η αποθήκευση ολοκληρώθηκε"));
        const QString file = AppPaths::telDocs() + QString("/%1.rtf").arg(id);
        QVERIFY(QFile::exists(file));
        QFile rtfFile(file);
        QVERIFY(rtfFile.open(QIODevice::ReadOnly));
        QVERIFY(rtfFile.readAll().startsWith("{\\rtf1"));
        d->hide();
        d->show(); // shown again: read from the file
        QCOMPARE(d->RchPolithsInfo->toPlainText(), QString("Συζήτηση για το σχολείο"));
        d->BtnPrint->click();
        QCOMPARE(p->ui.printouts.size(), 1);
        QVERIFY(p->ui.printouts[0].allText().contains("σχολείο"));
        d->hide();

        // Citizen 0 has the file named 0; a citizen without a file shows an empty box.
        d->setCitizen(0, "Χ");
        d->show();
        d->RchPolithsInfo->setPlainText("μηδέν");
        d->BtnSave->click();
        QVERIFY(QFile::exists(AppPaths::telDocs() + "/0.rtf"));
        d->hide();
        d->setCitizen(id + 1, "Ψ");
        d->show();
        QCOMPARE(d->RchPolithsInfo->toPlainText(), QString());
        d->hide();
    }
};

QTEST_MAIN(TstNotes)
#include "tst_notes.moc"
