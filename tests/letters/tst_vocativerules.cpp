// Vocatives by rule: the rule families and the exceptions over a table of names, the
// office's own forms winning wherever a vocative is proposed (the vocatives screen, the
// entry screen, letters), and the starter names of a first start.
#include "citizens/CitizenStore.h"
#include "citizens/UntNewPers.h"
#include "data/Store.h"
#include "data/Vocative.h"
#include "letters/LetterMerge.h"
#include "letters/Vocatives.h"
#include "ProgramFixture.h"

#include <QComboBox>
#include "widgets/FormParts.h"
#include <QLineEdit>
#include <QTest>

using namespace dorvani;
using test::Program;

class TstVocativeRules : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> p;

    void start(bool starterData = false)
    {
        p = std::make_unique<Program>();
        p->starterData = starterData;
        QVERIFY(p->start());
    }

private slots:
    void cleanup() { p.reset(); }

    void byRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("sex");
        QTest::addColumn<QString>("vocative");
        // -ΟΣ: two syllables take -Ο, longer names -Ε (digraphs and a spoken-together Ι
        // count once).
        QTest::newRow("ΓΙΩΡΓΟΣ") << "ΓΙΩΡΓΟΣ" << 0 << "ΓΙΩΡΓΟ";
        QTest::newRow("ΣΤΑΥΡΟΣ") << "ΣΤΑΥΡΟΣ" << 0 << "ΣΤΑΥΡΟ";
        QTest::newRow("ΑΛΕΞΑΝΔΡΟΣ") << "ΑΛΕΞΑΝΔΡΟΣ" << 0 << "ΑΛΕΞΑΝΔΡΕ";
        QTest::newRow("ΝΙΚΟΛΑΟΣ") << "ΝΙΚΟΛΑΟΣ" << 0 << "ΝΙΚΟΛΑΕ";
        // -ΙΟΣ takes -ΙΕ.
        QTest::newRow("ΓΕΩΡΓΙΟΣ") << "ΓΕΩΡΓΙΟΣ" << 0 << "ΓΕΩΡΓΙΕ";
        QTest::newRow("ΔΗΜΗΤΡΙΟΣ") << "ΔΗΜΗΤΡΙΟΣ" << 0 << "ΔΗΜΗΤΡΙΕ";
        // -ΗΣ, -ΑΣ, -ΟΥΣ drop the Σ.
        QTest::newRow("ΓΙΑΝΝΗΣ") << "ΓΙΑΝΝΗΣ" << 0 << "ΓΙΑΝΝΗ";
        QTest::newRow("ΑΝΔΡΕΑΣ") << "ΑΝΔΡΕΑΣ" << 0 << "ΑΝΔΡΕΑ";
        QTest::newRow("ΙΗΣΟΥΣ") << "ΙΗΣΟΥΣ" << 0 << "ΙΗΣΟΥ";
        // Names the rules do not decline, and women's names, stay as they are.
        QTest::newRow("ΜΙΧΑΗΛ") << "ΜΙΧΑΗΛ" << 0 << "ΜΙΧΑΗΛ";
        QTest::newRow("ΜΑΡΙΑ") << "ΜΑΡΙΑ" << 1 << "ΜΑΡΙΑ";
        QTest::newRow("a woman in -ΟΣ") << "ΔΡΟΣΟΣ" << 1 << "ΔΡΟΣΟΣ";
        // The exceptions win over the rules.
        QTest::newRow("ΚΥΡΙΑΚΟΣ") << "ΚΥΡΙΑΚΟΣ" << 0 << "ΚΥΡΙΑΚΟ";
        QTest::newRow("ΣΤΕΛΙΟΣ") << "ΣΤΕΛΙΟΣ" << 0 << "ΣΤΕΛΙΟ";
        // Accents, small letters and an unknown sex do not change the rule; each word of a
        // double name is declined.
        QTest::newRow("accented small") << "Νικόλαος" << -1 << "ΝΙΚΟΛΑΕ";
        QTest::newRow("double name") << "ΓΙΑΝΝΗΣ-ΑΛΕΞΑΝΔΡΟΣ" << 0 << "ΓΙΑΝΝΗ-ΑΛΕΞΑΝΔΡΕ";
        QTest::newRow("blank") << "  " << 0 << "";
    }
    void byRule()
    {
        QFETCH(QString, name);
        QFETCH(int, sex);
        QFETCH(QString, vocative);
        QCOMPARE(vocative::suggested(name, sex), vocative);
    }

    // The exceptions are what the function gives; the first of several stored forms.
    void exceptionsAndFirstForms()
    {
        for (const vocative::Exception &e : vocative::exceptions()) {
            const QString name = QString::fromUtf8(e.name);
            QCOMPARE(vocative::suggested(name, 0), QString::fromUtf8(e.vocative));
        }
        QCOMPARE(vocative::firstForm(" ΓΙΩΡΓΟ , ΓΙΩΡΓΗ"), QString("ΓΙΩΡΓΟ"));
        QCOMPARE(vocative::firstForm("\"ΑΓΙΕ ΓΙΑΝΝΗ\",ΓΙΑΝΝΗ"), QString("ΑΓΙΕ ΓΙΑΝΝΗ"));
    }

    // Wherever a vocative is proposed, KLHTIKH wins and the rule fills in for a name it lacks.
    void theOfficesFormsWin()
    {
        start();
        Store &s = Store::instance();
        s.run("INSERT INTO KLHTIKH (ONOMA, KLHTIKH, FYLO) VALUES ('ΠΑΥΛΟΣ', 'ΠΑΥΛΕ,ΠΑΥΛΟ', 0)");
        s.run("INSERT INTO POLITES (EPITHETO, ONOMA, FYLO) VALUES ('ΑΛΦΑ', 'ΣΠΥΡΟΣ', 0)");
        s.run("INSERT INTO POLITES (EPITHETO, ONOMA, FYLO) VALUES ('ΒΗΤΑ', 'ΠΑΥΛΟΣ', 0)");

        // Letters: the citizen's own choice, then the office's first form, then the rule.
        QCOMPARE(letters::vocativeOf({"ΠΑΥΛΟΣ", "ΠΑΥΛΑΡΑ", 0}), QString("ΠΑΥΛΑΡΑ"));
        QCOMPARE(letters::vocativeOf({"ΠΑΥΛΟΣ", "", 0}), QString("ΠΑΥΛΕ"));
        QCOMPARE(letters::vocativeOf({"ΣΠΥΡΟΣ", "", 0}), QString("ΣΠΥΡΟ"));

        // The vocatives screen adds the missing name with its form by rule.
        QCOMPARE(letters::addMissingVocatives(), 1);
        QCOMPARE(s.scalar("SELECT KLHTIKH FROM KLHTIKH WHERE ONOMA = 'ΣΠΥΡΟΣ'").toString(), QString("ΣΠΥΡΟ"));
        QCOMPARE(s.scalar("SELECT KLHTIKH FROM KLHTIKH WHERE ONOMA = 'ΠΑΥΛΟΣ'").toString(), QString("ΠΑΥΛΕ,ΠΑΥΛΟ"));

        // The entry screen offers the office's forms, or the rule's form.
        p->main()->action("ΝΕΟI")->trigger();
        TNewPersFrm *frm = nullptr;
        for (QWidget *w : p->main()->openChildren())
            if (auto *f = qobject_cast<TNewPersFrm *>(w))
                frm = f;
        QVERIFY(frm);
        const QList<std::tuple<QString, int, QStringList>> cases = {
            {"ΠΑΥΛΟΣ", -1, {"ΠΑΥΛΕ", "ΠΑΥΛΟ"}},
            {"ΘΕΟΔΩΡΟΣ", -1, {"ΘΕΟΔΩΡΕ"}},
            {"ΔΡΟΣΟΣ", 0, {"ΔΡΟΣΟ"}},
            {"ΔΡΟΣΟΣ", 1, {"ΔΡΟΣΟΣ"}}, // the chosen sex decides for women's names
        };
        for (const auto &[name, sex, forms] : cases) {
            frm->RadioGroup1->setItemIndex(sex);
            frm->EdtOnoma->clear();
            test::typeText(frm->EdtOnoma, name);
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QCoreApplication::sendEvent(frm->EdtOnoma, &out);
            QStringList shown;
            for (int i = 0; i < frm->CmbKLHTIKH->count(); ++i)
                shown << frm->CmbKLHTIKH->itemText(i);
            QCOMPARE(shown, forms);
        }
    }

    // A first start fills an empty KLHTIKH with the starter names; a table the office has
    // changed is left alone on later starts.
    void starterNamesOnAFirstStart()
    {
        test::TestHome home;
        {
            Program first(&home);
            first.starterData = true;
            QVERIFY(first.start());
            Store &s = Store::instance();
            const int count = s.scalar("SELECT COUNT(*) FROM KLHTIKH").toInt();
            QCOMPARE(count, vocative::starterNames().size());
            QVERIFY(count >= 300);
            QVERIFY(s.scalar("SELECT COUNT(*) FROM KLHTIKH WHERE FYLO = 1").toInt() >= 140);
            QCOMPARE(s.scalar("SELECT KLHTIKH FROM KLHTIKH WHERE ONOMA = 'ΚΩΝΣΤΑΝΤΙΝΟΣ'").toString(),
                     QString("ΚΩΝΣΤΑΝΤΙΝΕ"));
            QCOMPARE(s.scalar("SELECT KLHTIKH FROM KLHTIKH WHERE ONOMA = 'ΕΛΕΝΗ'").toString(), QString("ΕΛΕΝΗ"));
            s.run("DELETE FROM KLHTIKH WHERE ONOMA <> 'ΕΛΕΝΗ'");
            s.run("UPDATE KLHTIKH SET KLHTIKH = 'ΛΕΝΑ' WHERE ONOMA = 'ΕΛΕΝΗ'");
        }
        Program again(&home);
        again.starterData = true;
        QVERIFY(again.start());
        QCOMPARE(Store::instance().scalar("SELECT group_concat(ONOMA || '=' || KLHTIKH) FROM KLHTIKH").toString(),
                 QString("ΕΛΕΝΗ=ΛΕΝΑ"));
    }
};

QTEST_MAIN(TstVocativeRules)
#include "tst_vocativerules.moc"
