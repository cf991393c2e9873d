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

using form::boldLabel;
using form::digitEdit;
using form::lineEdit;

// A day and month: two digits, a slash, two digits; an unfilled position shows as X.
QLineEdit *dayEdit(const QString &name, QWidget *parent)
{
    QLineEdit *e = lineEdit(name, parent);
    e->setInputMask("99/99;X");
    e->setProperty("digits", true);
    e->setMaximumWidth(70);
    return e;
}


ListChoice choice(const DBLookupComboBox *c) { return ListChoice{c->text(), c->keyValue()}; }




} // namespace

TFindPersFrm::TFindPersFrm(TDataMdl &dm, QWidget *parent) : TCitizenForm(dm, parent)
{
    setObjectName("FindPersFrm");
    setWindowTitle("ΑΝΑΖΗΤΗΣΗ ΠΟΛΙΤΩΝ");

    SpeedButton1 = toolButton("SpeedButton1", "...", "ΙΔΙΟΤΗΤΕΣ");
    const QList<DBLookupComboBox *> party = {DBLookupComboBox9, DBLookupComboBox8, DBLookupComboBox10,
                                             DBLookupComboBox11, DBLookupComboBox12};
    auto *left = new QWidget(this);
    auto *lv = new QVBoxLayout(left);
    lv->setContentsMargins(0, 0, 0, 0);
    lv->setSpacing(4);
    lv->addWidget(identityPanel(identityHead() + identityAddress()));
    lv->addWidget(politicalPanel(SpeedButton1, party), 1);
    // Two telephones a row, so that the column fits the screen.
    QWidget *middle = familyColumn(2);
    QWidget *right = rightColumn();
    form::layThreeColumns(this, left, middle, right, bottomBar(), colours::bars);

    QList<QWidget *> order = {EdtEpitheto, EdtOnoma, EdtPatr, EdtMhtr, DBLookupComboBox1, DBLookupComboBox13,
                              DBLookupComboBox2, Edit1, Edit2, DBLookupComboBox3, DBLookupComboBox4,
                              DBLookupComboBox5, DBLookupComboBox6, RadioGroup4, RadioGroup2, Edit5, SpeedButton1,
                              ComboBox1, ComboBox3, DBLookupComboBox7};
    for (DBLookupComboBox *c : party)
        order << c;
    order << RadioGroup1 << RadioGroup3 << Edit3->edit();
    for (QLineEdit *e : phones())
        order << e;
    order << EdtFAX << EdtEMAIL << EdtWEB << DBLookupComboBox14 << ChkLstEpafes << ChkBox2 << Edit17 << Edit18
          << Edit6 << Edit12 << Edit13 << EdtBirthDay << EdtBirthDayEos << MskCelebr << MskCelebrEos << ChkMemos
          << Edit4 << BtnDel << BtnFind << CancelBtn << BtnHelp;
    form::setTabOrder(order);

    applyKeyboardRules(true);
    connectCascades(townQuery());
    connectControls();
}

TFindPersFrm::~TFindPersFrm() = default;

QWidget *TFindPersFrm::rightColumn()
{
    QGridLayout *g = nullptr;
    QWidget *w = rightPanel(g);
    int row = 2;
    g->addWidget(boldLabel("ΕΠΙΡΡΟΗ ΑΠΟ", w), row++, 0, 1, 2);
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
    threshold(boldLabel("ΑΤΟΜΙΚΟΙ  ΨΗΦΟΙ  > =", w), Edit17);
    threshold(boldLabel("ΠΕΡΙΦΕΡΕΙΑΚΟΙ ΨΗΦΟΙ  > =", w), Edit18);
    threshold(boldLabel("ΣΥΝΟΛΟ ΨΗΦΩΝ  > =", w), Edit6);
    threshold(boldLabel("ΨΗΦΟΔΕΛΤΙΑ ΠΡΟΣ ΠΑΡΑΔΟΣΗ  > =", w), Edit12);
    auto *twoLines = new QWidget(w);
    auto *tl = new QVBoxLayout(twoLines);
    tl->setContentsMargins(0, 0, 0, 0);
    tl->setSpacing(0);
    tl->addWidget(boldLabel("ΨΗΦΟΔΕΛΤΙΑ ΠΟΥ", twoLines));
    tl->addWidget(boldLabel("ΠΑΡΑΔΟΘΗΚΑΝ >=", twoLines));
    threshold(twoLines, Edit13);

    auto *days = new QGroupBox("ΕΟΡΤΕΣ - ΓΕΝΕΘΛΙΑ", w);
    days->setObjectName("GroupDays");
    auto *dg = new QGridLayout(days);
    EdtBirthDay = dayEdit("EdtBirthDay", days);
    EdtBirthDayEos = dayEdit("EdtBirthDayEos", days);
    MskCelebr = dayEdit("MskCelebr", days);
    MskCelebrEos = dayEdit("MskCelebrEos", days);
    dg->addWidget(boldLabel("ΓΕΝΕΘΛΙΑ ΑΠΟ", days), 0, 0);
    dg->addWidget(EdtBirthDay, 0, 1);
    dg->addWidget(boldLabel("ΕΩΣ", days), 0, 2);
    dg->addWidget(EdtBirthDayEos, 0, 3);
    dg->addWidget(boldLabel("ΕΟΡΤΑΖΟΝΤΕΣ", days), 1, 0);
    dg->addWidget(MskCelebr, 1, 1);
    dg->addWidget(boldLabel("ΕΩΣ", days), 1, 2);
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
    g->addWidget(boldLabel("ΕΙΔΙΚΟΣ ΕΚΛΟΓΙΚΟΣ ΑΡ.", w), row, 0);
    g->addWidget(Edit4, row++, 1);
    g->setRowStretch(row, 1);
    g->setColumnStretch(1, 1);
    return w;
}

QWidget *TFindPersFrm::bottomBar()
{
    auto *w = new QWidget(this);
    w->setObjectName("ButtonBar");
    form::paint(w, colours::buttons);
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

void TFindPersFrm::connectControls()
{
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { guarded([this] { chooseCapacities(); }); });
    connect(BtnDel, &QPushButton::clicked, this, [this] { guarded([this] { clearCriteria(); }); });
    connect(BtnFind, &QPushButton::clicked, this, [this] { guarded([this] { find(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { closeScreen(); });
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

    fillInfluences();
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
    pointTownsAt(chooseHomePrefecture());
    if (dm.TblNO->active() && !dm.TblNO->isEmpty())
        pointCellsAt(dm.TblNO->integer("AUTONUM"));
    DBLookupComboBox3->clearChoice();
}

void TFindPersFrm::clearCriteria()
{
    reset();
    DBLookupComboBox6->clearChoice();
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
