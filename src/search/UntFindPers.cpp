#include "search/UntFindPers.h"

#include "citizens/CitizenLookups.h"
#include "citizens/CitizenPage.h"
#include "citizens/CitizenScreens.h"
#include "data/Codes.h"
#include "data/DataModule.h"
#include "widgets/DbControls.h"
#include "widgets/FormParts.h"
#include "widgets/InputHelpers.h"
#include "platform/Registry.h"
#include "search/ResultFields.h"
#include "search/SearchScreens.h"
#include "widgets/Ui.h"
#include "citizens/UntIdiothta.h"
#include "search/UntPedia.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QToolButton>
#include <QVBoxLayout>

namespace dorvani {

namespace {

namespace colours = form::citizenColours;

using form::addCheckItem;
using form::boldLabel;
using form::digitEdit;
using form::lineEdit;
using form::lookup;
using form::paint;
using form::pickList;

QLabel *label(const QString &text, QWidget *parent) { return boldLabel(text, parent); }

// A day and month: two digits, a slash, two digits; an unfilled position shows as X.
QLineEdit *dayEdit(const QString &name, QWidget *parent)
{
    QLineEdit *e = lineEdit(name, parent);
    e->setInputMask("99/99;X");
    e->setProperty("digits", true);
    e->setMaximumWidth(70);
    return e;
}

QListWidget *checkList(const QString &name, QWidget *parent)
{
    auto *l = new QListWidget(parent);
    l->setObjectName(name);
    return l;
}

ListChoice choice(const DBLookupComboBox *c) { return ListChoice{c->text(), c->keyValue()}; }

using lookups::keyOf;

int current(Dataset *d) { return d->active() && !d->isEmpty() ? d->integer("AUTONUM") : 0; }


} // namespace

TFindPersFrm::TFindPersFrm(TDataMdl &dm, QWidget *parent)
    : QWidget(parent), m_dm(dm), m_towns(new Query("TownQry", QString(), this)),
      m_cells(new Query("CellQry", QString(), this))
{
    setObjectName("FindPersFrm");
    setWindowTitle("ΑΝΑΖΗΤΗΣΗ ΠΟΛΙΤΩΝ");

    QWidget *left = leftColumn();
    QWidget *middle = middleColumn();
    QWidget *right = rightColumn();
    form::layThreeColumns(this, left, middle, right, bottomBar(), colours::bars);

    QList<QWidget *> order = {EdtEpitheto, EdtOnoma, EdtPatr, EdtMhtr, DBLookupComboBox1, DBLookupComboBox13,
                              DBLookupComboBox2, Edit1, Edit2, DBLookupComboBox3, DBLookupComboBox4,
                              DBLookupComboBox5, DBLookupComboBox6, RadioGroup4, RadioGroup2, Edit5, SpeedButton1,
                              ComboBox1, ComboBox3, DBLookupComboBox7, DBLookupComboBox9, DBLookupComboBox8,
                              DBLookupComboBox10, DBLookupComboBox11, DBLookupComboBox12, RadioGroup1, RadioGroup3,
                              Edit3->edit()};
    for (QLineEdit *e : EdtTELO)
        order << e;
    for (QLineEdit *e : EdtTELE)
        order << e;
    order << Edit10 << Edit11 << EdtFAX << EdtEMAIL << EdtWEB << DBLookupComboBox14 << ChkLstEpafes << ChkBox2
          << Edit17 << Edit18 << Edit6 << Edit12 << Edit13 << EdtBirthDay << EdtBirthDayEos << MskCelebr
          << MskCelebrEos << ChkMemos << Edit4 << BtnDel << BtnFind << CancelBtn << BtnHelp;
    form::setTabOrder(order);

    applyKeyboardRules();
    connectControls();
}

TFindPersFrm::~TFindPersFrm() = default;

QWidget *TFindPersFrm::leftColumn()
{
    auto *col = new QWidget(this);
    auto *cv = new QVBoxLayout(col);
    cv->setContentsMargins(0, 0, 0, 0);
    cv->setSpacing(4);

    auto *w = new QWidget(col);
    w->setObjectName("PanelIdentity");
    paint(w, colours::identity);
    auto *g = new QGridLayout(w);
    g->setVerticalSpacing(3);
    int row = 0;
    auto add = [&](const QString &text, QWidget *control) {
        g->addWidget(label(text, w), row, 0);
        g->addWidget(control, row, 1);
        ++row;
    };
    EdtEpitheto = lineEdit("EdtEpitheto", w, 30);
    EdtOnoma = lineEdit("EdtOnoma", w, 20);
    EdtPatr = lineEdit("EdtPatr", w, 20);
    EdtMhtr = lineEdit("EdtMhtr", w, 20);
    DBLookupComboBox1 = lookup("DBLookupComboBox1", w);
    DBLookupComboBox13 = lookup("DBLookupComboBox13", w);
    DBLookupComboBox2 = lookup("DBLookupComboBox2", w);
    DBLookupComboBox2->setMaxVisibleItems(15);
    Edit1 = lineEdit("Edit1", w, 100);
    Edit2 = digitEdit("Edit2", w, 5);
    Edit2->setMaximumWidth(80);
    DBLookupComboBox3 = lookup("DBLookupComboBox3", w);
    DBLookupComboBox4 = lookup("DBLookupComboBox4", w);
    DBLookupComboBox5 = lookup("DBLookupComboBox5", w);
    DBLookupComboBox6 = lookup("DBLookupComboBox6", w);
    add("ΕΠΙΘΕΤΟ", EdtEpitheto);
    add("ΟΝΟΜΑ", EdtOnoma);
    add("ΠΑΤΡ/ΜΟ", EdtPatr);
    add("ΜΗΤΡ.", EdtMhtr);
    add("ΕΘΝΙΚΟΤΗΤΑ", DBLookupComboBox1);
    add("ΜΟΡΦΩΣΗ", DBLookupComboBox13);
    add("ΕΠΑΓΓΕΛΜΑ", DBLookupComboBox2);
    add("ΔΙΕΥΘΥΝΣΗ", Edit1);
    add("Τ.Κ.", Edit2);
    add("ΠΟΛΗ", DBLookupComboBox3);
    add("ΔΗΜΟΣ", DBLookupComboBox4);
    add("ΕΠΑΡΧΙΑ", DBLookupComboBox5);
    add("ΝΟΜΟΣ", DBLookupComboBox6);
    g->setColumnStretch(1, 1);
    cv->addWidget(w);

    auto *p = new QWidget(col);
    p->setObjectName("PanelPolitical");
    paint(p, colours::political);
    auto *pg = new QGridLayout(p);
    pg->setVerticalSpacing(3);
    RadioGroup4 = new TRadioGroup("RadioGroup4", "ΕΤΕΡΟΔΗΜΟΤΗΣ", codes::yesNo(), 2, p);
    RadioGroup2 = new TRadioGroup("RadioGroup2", "ΣΥΜΜΑΧΙΑ", codes::yesNo(), 2, p);
    pg->addWidget(RadioGroup4, 0, 0, 1, 2);
    pg->addWidget(RadioGroup2, 0, 2, 1, 2);
    Edit5 = lineEdit("Edit5", p);
    Edit5->setReadOnly(true);
    SpeedButton1 = new QToolButton(p);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setText("...");
    SpeedButton1->setToolTip("ΙΔΙΟΤΗΤΕΣ");
    auto *cap = new QHBoxLayout;
    cap->addWidget(Edit5, 1);
    cap->addWidget(SpeedButton1);
    pg->addWidget(label("ΙΔΙΟΤΗΤΑ", p), 1, 0);
    pg->addLayout(cap, 1, 1, 1, 3);
    ComboBox1 = pickList("ComboBox1", codes::sxesh(), p);
    ComboBox3 = pickList("ComboBox3", codes::koma(), p);
    pg->addWidget(label("ΕΚΛ. ΣΧΕΣΗ", p), 2, 0);
    pg->addWidget(ComboBox1, 2, 1, 1, 3);
    pg->addWidget(label("ΚΟΜΜΑ", p), 3, 0);
    pg->addWidget(ComboBox3, 3, 1, 1, 3);
    DBLookupComboBox7 = lookup("DBLookupComboBox7", p);
    DBLookupComboBox7->view()->setMinimumWidth(350);
    pg->addWidget(label("ΤΟΠΟΣ ΑΣΚΗΣΗΣ", p), 4, 0);
    pg->addWidget(DBLookupComboBox7, 4, 1, 1, 3);

    auto *party = new QGroupBox("ΣΧΕΣΗ ΜΕ ΚΟΜΜΑ", p);
    party->setObjectName("GroupParty");
    auto *gp = new QGridLayout(party);
    gp->setVerticalSpacing(3);
    DBLookupComboBox9 = lookup("DBLookupComboBox9", party);
    DBLookupComboBox8 = lookup("DBLookupComboBox8", party);
    DBLookupComboBox10 = lookup("DBLookupComboBox10", party);
    DBLookupComboBox11 = lookup("DBLookupComboBox11", party);
    DBLookupComboBox12 = lookup("DBLookupComboBox12", party);
    const QList<QPair<QString, DBLookupComboBox *>> rows = {{"ΜΕΛΟΣ", DBLookupComboBox9},
                                                            {"ΠΥΡΗΝΑΣ", DBLookupComboBox8},
                                                            {"Τ.Ο.", DBLookupComboBox10},
                                                            {"Ν.Ε.", DBLookupComboBox11},
                                                            {"Ν.Ο.", DBLookupComboBox12}};
    for (int i = 0; i < rows.size(); ++i) {
        gp->addWidget(label(rows[i].first, party), i, 0);
        gp->addWidget(rows[i].second, i, 1);
    }
    gp->setColumnStretch(1, 1);
    pg->addWidget(party, 5, 0, 1, 4);
    pg->setRowStretch(6, 1);
    pg->setColumnStretch(1, 1);
    cv->addWidget(p, 1);
    return col;
}

QWidget *TFindPersFrm::middleColumn()
{
    auto *w = new QWidget(this);
    w->setObjectName("PanelMiddle");
    auto *v = new QVBoxLayout(w);
    v->setSpacing(4);
    RadioGroup1 = new TRadioGroup("RadioGroup1", "ΦΥΛΟ", codes::fylo(), 2, w);
    RadioGroup3 = new TRadioGroup("RadioGroup3", "ΟΙΚΟΓΕΝΕΙΑΚΗ ΚΑΤΑΣΤΑΣΗ", codes::oikogKat(), 2, w);
    v->addWidget(RadioGroup1);
    v->addWidget(RadioGroup3);
    Edit3 = new UpDownEdit(0, 20, w);
    Edit3->edit()->setObjectName("Edit3");
    Edit3->edit()->setProperty("digits", true);
    auto *fam = new QHBoxLayout;
    fam->addWidget(label("ΜΕΛΗ OIKΟΓΕΝΕΙΑΣ", w));
    fam->addWidget(Edit3, 1);
    v->addLayout(fam);

    auto phones = [&](const QString &title, QLineEdit **fields, const QStringList &names) {
        // Two numbers a row, so that the column fits the screen.
        auto *g = new QGroupBox(title, w);
        auto *gl = new QGridLayout(g);
        gl->setVerticalSpacing(2);
        gl->setContentsMargins(6, 2, 6, 4);
        for (int i = 0; i < names.size(); ++i) {
            fields[i] = lineEdit(names[i], g, 12);
            gl->addWidget(fields[i], i / 2, i % 2);
        }
        v->addWidget(g);
    };
    phones("ΤΗΛ. ΟΙΚΙΑΣ", EdtTELO, {"EdtTELO1", "EdtTELO2", "EdtTELO3", "EdtTELO4", "EdtTELO5"});
    phones("ΤΗΛ. ΕΡΓΑΣΙΑΣ", EdtTELE, {"EdtTELE1", "EdtTELE2", "EdtTELE3", "EdtTELE4", "EdtTELE5"});
    QLineEdit *mobiles[2];
    phones("ΚΙΝΗΤΑ ΤΗΛΕΦΩΝΑ", mobiles, {"Edit10", "Edit11"});
    Edit10 = mobiles[0];
    Edit11 = mobiles[1];

    auto *g = new QGridLayout;
    EdtFAX = lineEdit("EdtFAX", w, 12);
    EdtEMAIL = lineEdit("EdtEMAIL", w, 25);
    EdtWEB = lineEdit("EdtWEB", w, 50);
    g->addWidget(label("FAX", w), 0, 0);
    g->addWidget(EdtFAX, 0, 1);
    g->addWidget(label("E-MAIL", w), 1, 0);
    g->addWidget(EdtEMAIL, 1, 1);
    g->addWidget(label("WEB", w), 2, 0);
    g->addWidget(EdtWEB, 2, 1);
    v->addLayout(g);
    v->addWidget(label("ΣΥΝΔΕΣΜΟΣ ΜΕ", w));
    DBLookupComboBox14 = lookup("DBLookupComboBox14", w);
    v->addWidget(DBLookupComboBox14);
    v->addStretch();
    return w;
}

QWidget *TFindPersFrm::rightColumn()
{
    auto *w = new QWidget(this);
    w->setObjectName("PanelRight");
    paint(w, colours::right);
    auto *g = new QGridLayout(w);
    g->setVerticalSpacing(3);
    int row = 0;
    g->addWidget(label("ΕΠΑΦΕΣ", w), row++, 0, 1, 2);
    ChkLstEpafes = checkList("ChkLstEpafes", w);
    for (const QString &t : codes::epafes())
        addCheckItem(ChkLstEpafes, t);
    ChkLstEpafes->setMaximumHeight(115);
    g->addWidget(ChkLstEpafes, row++, 0, 1, 2);
    g->addWidget(label("ΕΠΙΡΡΟΗ ΑΠΟ", w), row++, 0, 1, 2);
    ChkBox2 = checkList("ChkBox2", w);
    ChkBox2->setMaximumHeight(115);
    g->addWidget(ChkBox2, row++, 0, 1, 2);

    Edit17 = digitEdit("Edit17", w);
    Edit18 = digitEdit("Edit18", w);
    Edit6 = digitEdit("Edit6", w);
    Edit12 = digitEdit("Edit12", w);
    Edit13 = digitEdit("Edit13", w);
    for (QLineEdit *e : {Edit17, Edit18, Edit6, Edit12, Edit13})
        e->setMaximumWidth(90);
    auto threshold = [&](QWidget *caption, QLineEdit *field) {
        g->addWidget(caption, row, 0);
        g->addWidget(field, row++, 1);
    };
    threshold(label("ΑΤΟΜΙΚΟΙ  ΨΗΦΟΙ  > =", w), Edit17);
    threshold(label("ΠΕΡΙΦΕΡΕΙΑΚΟΙ ΨΗΦΟΙ  > =", w), Edit18);
    threshold(label("ΣΥΝΟΛΟ ΨΗΦΩΝ  > =", w), Edit6);
    threshold(label("ΨΗΦΟΔΕΛΤΙΑ ΠΡΟΣ ΠΑΡΑΔΟΣΗ  > =", w), Edit12);
    auto *twoLines = new QWidget(w);
    auto *tl = new QVBoxLayout(twoLines);
    tl->setContentsMargins(0, 0, 0, 0);
    tl->setSpacing(0);
    tl->addWidget(label("ΨΗΦΟΔΕΛΤΙΑ ΠΟΥ", twoLines));
    tl->addWidget(label("ΠΑΡΑΔΟΘΗΚΑΝ >=", twoLines));
    threshold(twoLines, Edit13);

    auto *days = new QGroupBox("ΕΟΡΤΕΣ - ΓΕΝΕΘΛΙΑ", w);
    days->setObjectName("GroupDays");
    auto *dg = new QGridLayout(days);
    EdtBirthDay = dayEdit("EdtBirthDay", days);
    EdtBirthDayEos = dayEdit("EdtBirthDayEos", days);
    MskCelebr = dayEdit("MskCelebr", days);
    MskCelebrEos = dayEdit("MskCelebrEos", days);
    dg->addWidget(label("ΓΕΝΕΘΛΙΑ ΑΠΟ", days), 0, 0);
    dg->addWidget(EdtBirthDay, 0, 1);
    dg->addWidget(label("ΕΩΣ", days), 0, 2);
    dg->addWidget(EdtBirthDayEos, 0, 3);
    dg->addWidget(label("ΕΟΡΤΑΖΟΝΤΕΣ", days), 1, 0);
    dg->addWidget(MskCelebr, 1, 1);
    dg->addWidget(label("ΕΩΣ", days), 1, 2);
    dg->addWidget(MskCelebrEos, 1, 3);
    dg->setColumnStretch(4, 1);
    g->addWidget(days, row++, 0, 1, 2);

    ChkMemos = new QCheckBox("ΠΑΡΑΤΗΡΗΣΕΙΣ", w);
    ChkMemos->setObjectName("ChkMemos");
    QFont bold = ChkMemos->font();
    bold.setBold(true);
    ChkMemos->setFont(bold);
    g->addWidget(ChkMemos, row++, 0, 1, 2);
    Edit4 = lineEdit("Edit4", w, 13);
    g->addWidget(label("ΕΙΔΙΚΟΣ ΕΚΛΟΓΙΚΟΣ ΑΡ.", w), row, 0);
    g->addWidget(Edit4, row++, 1);
    g->setRowStretch(row, 1);
    g->setColumnStretch(1, 1);
    return w;
}

QWidget *TFindPersFrm::bottomBar()
{
    auto *w = new QWidget(this);
    w->setObjectName("ButtonBar");
    paint(w, colours::buttons);
    auto *h = new QHBoxLayout(w);
    auto button = [&](const QString &name, const QString &caption) {
        auto *b = new QPushButton(caption, w);
        b->setObjectName(name);
        b->setAutoDefault(false);
        h->addWidget(b);
        return b;
    };
    BtnDel = button("BtnDel", "&ΚΑΘΑΡΙΣΜΟΣ");
    BtnDel->setToolTip("ΚΑΘΑΡΙΣΜΟΣ ΟΛΩΝ ΤΩΝ ΒΑΣΙΚΩΝ");
    BtnFind = button("BtnFind", "&ΑΝΑΖΗΤΗΣΗ");
    CancelBtn = button("CancelBtn", "&ΕΠΙΣΤΡΟΦΗ");
    BtnHelp = button("BtnHelp", "&ΒΟΗΘΕΙΑ");
    h->addStretch();
    return w;
}

void TFindPersFrm::applyKeyboardRules()
{
    for (QLineEdit *e : findChildren<QLineEdit *>()) {
        installEntryKeys(e);
        if (!e->property("digits").toBool() && !e->validator())
            installGreekCapitals(e);
    }
    for (QComboBox *c : findChildren<QComboBox *>()) {
        installEntryKeys(c);
        installGreekCapitals(c);
    }
    for (QListWidget *l : {ChkLstEpafes, ChkBox2}) {
        installEntryKeys(l);
        installGreekCapitals(l);
    }
    form::installLatinField(EdtEMAIL);
    form::installLatinField(EdtWEB);
}

void TFindPersFrm::connectControls()
{
    TDataMdl &dm = m_dm;
    lookups::bind(dm,
                  {DBLookupComboBox1, DBLookupComboBox2, DBLookupComboBox3, DBLookupComboBox4, DBLookupComboBox5,
                   DBLookupComboBox6, DBLookupComboBox7, DBLookupComboBox8, DBLookupComboBox9, DBLookupComboBox10,
                   DBLookupComboBox11, DBLookupComboBox12, DBLookupComboBox13, DBLookupComboBox14},
                  m_towns, m_cells);
    lookups::onChosen(this, DBLookupComboBox6, &TFindPersFrm::prefectureChosen);
    lookups::onChosen(this, DBLookupComboBox5, &TFindPersFrm::provinceChosen);
    lookups::onChosen(this, DBLookupComboBox4, &TFindPersFrm::municipalityChosen);
    lookups::onChosen(this, DBLookupComboBox3, &TFindPersFrm::townChosen);
    lookups::onChosen(this, DBLookupComboBox12, &TFindPersFrm::organisationChosen);
    lookups::onChosen(this, DBLookupComboBox11, &TFindPersFrm::committeeChosen);
    lookups::onChosen(this, DBLookupComboBox10, &TFindPersFrm::localChosen);
    lookups::onChosen(this, DBLookupComboBox8, &TFindPersFrm::cellChosen);

    connect(SpeedButton1, &QToolButton::clicked, this, [this] { guarded([this] { chooseCapacities(); }); });
    connect(BtnDel, &QPushButton::clicked, this, [this] { guarded([this] { clearCriteria(); }); });
    connect(BtnFind, &QPushButton::clicked, this, [this] { guarded([this] { find(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
            sub->close();
        else
            close();
    });
}

// ---------------------------------------------------------------- showing and reset

void TFindPersFrm::prepare()
{
    Keyboard::switchToGreek();
    Keyboard::setCapsLock(true);
    TDataMdl &dm = m_dm;
    // Entries added elsewhere appear in these lists.
    for (Dataset *d : QList<Dataset *>{dm.TblEklogikaK, dm.TblAksiologhsh, dm.TblMorfosh}) {
        d->close();
        d->open();
    }
    for (Dataset *d : QList<Dataset *>{dm.TblEthnikothtes, dm.TblEpagelmata, dm.TblNomoi, dm.TblEPARXIES, dm.TblDHMOI,
                                       dm.TblPOLEIS, dm.TblMELOS, dm.TblNO, dm.TblNE, dm.TblTO, dm.TblPYRHNAS,
                                       dm.TblEpiroes, dm.Query1, dm.Query2, dm.Query3, dm.Query4})
        if (!d->active())
            d->open();

    ChkBox2->clear();
    // The order in which the citizen screens store a citizen's influences.
    QSqlQuery q = Store::instance().exec("Select AUTONUM,EPIROH From EPIROES ORDER BY EPIROH");
    while (q.next())
        addCheckItem(ChkBox2, q.value(1).toString(), q.value(0));
    reset();
}

void TFindPersFrm::reset()
{
    ChkMemos->setChecked(false);
    for (TRadioGroup *g : {RadioGroup1, RadioGroup2, RadioGroup3, RadioGroup4})
        g->setItemIndex(-1);
    ComboBox1->setCurrentIndex(-1);
    ComboBox3->setCurrentIndex(-1);
    for (DBLookupComboBox *c :
         {DBLookupComboBox1, DBLookupComboBox13, DBLookupComboBox2, DBLookupComboBox3, DBLookupComboBox4,
          DBLookupComboBox5, DBLookupComboBox6, DBLookupComboBox7, DBLookupComboBox9, DBLookupComboBox8,
          DBLookupComboBox10, DBLookupComboBox11, DBLookupComboBox12, DBLookupComboBox14})
        c->clearChoice();
    // The telephone fields sit in their own boxes and keep what they hold.
    for (QLineEdit *e : {EdtEpitheto, EdtOnoma, EdtPatr, EdtMhtr, Edit1, Edit2, Edit5, Edit3->edit(), EdtFAX, EdtEMAIL,
                         EdtWEB, Edit17, Edit18, Edit6, Edit12, Edit13, Edit4})
        e->clear();
    EdtBirthDay->clear();
    MskCelebr->clear();
    for (QListWidget *l : {ChkLstEpafes, ChkBox2})
        for (int i = 0; i < l->count(); ++i)
            l->item(i)->setCheckState(Qt::Unchecked);
    m_capacities.clear();
    m_capacityMarks.clear();
    if (TIdiothtaDlg *d = CitizenScreens::idiothta())
        d->setList(QString());

    TDataMdl &dm = m_dm;
    const QString home = Registry(Registry::General).readString("Settings", "Nomos");
    if (!home.isEmpty() && dm.TblNomoi->active() && dm.TblNomoi->locate("NOMOS", home))
        DBLookupComboBox6->setKeyValue(dm.TblNomoi->value("AUTONUM"));
    pointTownsAt(current(dm.TblNomoi));
    if (dm.TblNO->active() && !dm.TblNO->isEmpty())
        pointCellsAt(dm.TblNO->integer("AUTONUM"));
    DBLookupComboBox3->clearChoice();
}

void TFindPersFrm::clearCriteria()
{
    reset();
    DBLookupComboBox6->clearChoice();
}

void TFindPersFrm::pointTownsAt(int nomos)
{
    m_towns->setSql("Select * From POLEIS Where Nomos=" + QString::number(nomos));
    m_towns->open();
}

void TFindPersFrm::pointCellsAt(int no, int ne, int to)
{
    m_cells->setSql(lookups::cellsOf(no, ne, to));
    m_cells->open();
}

// ---------------------------------------------------------------- cascades

void TFindPersFrm::prefectureChosen()
{
    DBLookupComboBox3->clearChoice();
    DBLookupComboBox4->clearChoice();
    DBLookupComboBox5->clearChoice();
    pointTownsAt(keyOf(DBLookupComboBox6));
}

void TFindPersFrm::provinceChosen()
{
    DBLookupComboBox3->clearChoice();
    DBLookupComboBox4->clearChoice();
    DBLookupComboBox6->setKeyValue(m_dm.TblNomoi->value("AUTONUM"));
}

void TFindPersFrm::municipalityChosen()
{
    DBLookupComboBox3->clearChoice();
    DBLookupComboBox5->setKeyValue(m_dm.TblEPARXIES->value("AUTONUM"));
    DBLookupComboBox6->setKeyValue(m_dm.TblNomoi->value("AUTONUM"));
}

void TFindPersFrm::townChosen()
{
    TDataMdl &dm = m_dm;
    const QVariant nomos = m_towns->value("NOMOS"), eparxia = m_towns->value("EPARXIA"),
                   dhmos = m_towns->value("DHMOS");
    const QString town = m_towns->text("POLH");
    dm.TblNomoi->locate("AUTONUM", nomos);
    dm.TblEPARXIES->locate("AUTONUM", eparxia);
    dm.TblDHMOI->locate("AUTONUM", dhmos);
    if (dm.TblPOLEIS->active() && dm.TblPOLEIS->locate("POLH", town)) {
        DBLookupComboBox4->setKeyValue(dm.TblDHMOI->value("AUTONUM"));
        DBLookupComboBox5->setKeyValue(dm.TblEPARXIES->value("AUTONUM"));
        DBLookupComboBox6->setKeyValue(dm.TblNomoi->value("AUTONUM"));
    }
}

void TFindPersFrm::organisationChosen()
{
    DBLookupComboBox8->clearChoice();
    DBLookupComboBox10->clearChoice();
    DBLookupComboBox11->clearChoice();
    pointCellsAt(current(m_dm.TblNO));
}

void TFindPersFrm::committeeChosen()
{
    DBLookupComboBox8->clearChoice();
    DBLookupComboBox10->clearChoice();
    DBLookupComboBox12->setKeyValue(m_dm.TblNO->value("AUTONUM"));
    pointCellsAt(current(m_dm.TblNO), current(m_dm.TblNE));
}

void TFindPersFrm::localChosen()
{
    DBLookupComboBox8->clearChoice();
    DBLookupComboBox11->setKeyValue(m_dm.TblNE->value("AUTONUM"));
    DBLookupComboBox12->setKeyValue(m_dm.TblNO->value("AUTONUM"));
    pointCellsAt(current(m_dm.TblNO), current(m_dm.TblNE), current(m_dm.TblTO));
}

void TFindPersFrm::cellChosen()
{
    TDataMdl &dm = m_dm;
    const QVariant no = m_cells->value("N_O"), ne = m_cells->value("N_E"), to = m_cells->value("T_O");
    const QString cell = m_cells->text("PYRHNAS");
    dm.TblNO->locate("AUTONUM", no);
    dm.TblNE->locate("AUTONUM", ne);
    dm.TblTO->locate("AUTONUM", to);
    if (dm.TblPYRHNAS->active() && dm.TblPYRHNAS->locate("PYRHNAS", cell)) {
        DBLookupComboBox10->setKeyValue(dm.TblTO->value("AUTONUM"));
        DBLookupComboBox11->setKeyValue(dm.TblNE->value("AUTONUM"));
        DBLookupComboBox12->setKeyValue(dm.TblNO->value("AUTONUM"));
    }
}

// ---------------------------------------------------------------- capacities

void TFindPersFrm::chooseCapacities()
{
    TIdiothtaDlg *d = CitizenScreens::idiothta();
    if (!d)
        return;
    // The dialog is shared with the citizen screens: it shows the marks this screen left.
    d->setList(m_capacityMarks);
    const bool ok = ui().exec(d) == QDialog::Accepted;
    m_capacityMarks = d->list();
    if (!ok)
        return;
    m_capacities = d->list();
    const QList<int> items = codes::listItems(m_capacities);
    Edit5->setText(items.isEmpty() ? QString() : codes::text(codes::idiothta(), items.first()));
}

// ---------------------------------------------------------------- the search

SearchCriteria TFindPersFrm::criteria() const
{
    SearchCriteria c;
    c.data1 = Edit4->text();
    c.epitheto = EdtEpitheto->text();
    c.onoma = EdtOnoma->text();
    c.patr = EdtPatr->text();
    c.mhtr = EdtMhtr->text();
    c.ethnikothta = choice(DBLookupComboBox1);
    c.morfosh = choice(DBLookupComboBox13);
    c.epagelma = choice(DBLookupComboBox2);
    c.address = Edit1->text();
    c.tk = Edit2->text();
    c.polh = choice(DBLookupComboBox3);
    c.dhmos = choice(DBLookupComboBox4);
    c.eparxia = choice(DBLookupComboBox5);
    c.nomos = choice(DBLookupComboBox6);
    c.birthFrom = EdtBirthDay->displayText();
    c.birthTo = EdtBirthDayEos->displayText();
    c.celebrFrom = MskCelebr->displayText();
    c.celebrTo = MskCelebrEos->displayText();
    c.eterodhmoths = RadioGroup4->itemIndex();
    c.symaxia = RadioGroup2->itemIndex();
    c.capacities = m_capacities;
    c.sxesh = ComboBox1->currentIndex();
    c.koma = ComboBox3->currentIndex();
    c.askhsh = choice(DBLookupComboBox7);
    c.melos = choice(DBLookupComboBox9);
    c.pyrhnas = choice(DBLookupComboBox8);
    c.to = choice(DBLookupComboBox10);
    c.ne = choice(DBLookupComboBox11);
    c.no = choice(DBLookupComboBox12);
    c.fylo = RadioGroup1->itemIndex();
    c.oikogkat = RadioGroup3->itemIndex();
    c.melhoikog = Edit3->edit()->text();
    for (int i = 0; i < 5; ++i) {
        c.telo[i] = EdtTELO[i]->text();
        c.tele[i] = EdtTELE[i]->text();
    }
    c.mobile1 = Edit10->text();
    c.mobile2 = Edit11->text();
    c.fax = EdtFAX->text();
    c.email = EdtEMAIL->text();
    c.web = EdtWEB->text();
    c.aksiologhsh = choice(DBLookupComboBox14);
    for (int i = 0; i < ChkLstEpafes->count(); ++i)
        if (ChkLstEpafes->item(i)->checkState() == Qt::Checked)
            c.contacts << i;
    for (int i = 0; i < ChkBox2->count(); ++i)
        if (ChkBox2->item(i)->checkState() == Qt::Checked)
            c.influences << qMakePair(ChkBox2->item(i)->data(Qt::UserRole).toInt(), ChkBox2->item(i)->text());
    c.avote = Edit17->text();
    c.pvote = Edit18->text();
    c.totalVotes = Edit6->text();
    c.pPshfoi = Edit12->text();
    c.pshfoiP = Edit13->text();
    c.notes = ChkMemos->isChecked();
    return c;
}

void TFindPersFrm::find()
{
    TPediaDlg *pedia = SearchScreens::pedia();
    if (!pedia || ui().exec(pedia) != QDialog::Accepted)
        return;
    search();
}

bool TFindPersFrm::search()
{
    static const QString failed = "Παρουσιάστηκε σφάλμα στην αναζήτηση";
    const BuiltSearch built = SearchBuilder::build(criteria());
    if (!built.ok()) {
        ui().message(failed + "\n" + built.error);
        return false;
    }
    Query *q = m_dm.SearchQry;
    try {
        q->close();
        q->setSql(built.sqlLines());
        q->open();
    } catch (const DbError &e) {
        ui().message(failed + "\n" + e.message());
        return false;
    }
    if (q->isEmpty()) {
        ui().message("Δεν βρέθηκαν εγγραφές που να πληρούν αυτά τα κριτήρια " + built.description);
        return false;
    }
    try {
        SearchScreens::handOver(results::fields(), built.description);
    } catch (const DbError &e) {
        ui().message(failed + "\n" + e.message());
        return false;
    }
    return true;
}

} // namespace dorvani
