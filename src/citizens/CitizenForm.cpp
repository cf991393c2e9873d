#include "citizens/CitizenForm.h"

#include "citizens/CitizenLookups.h"
#include "data/Codes.h"
#include "data/DataModule.h"
#include "data/Store.h"
#include "platform/Registry.h"
#include "widgets/DbControls.h"
#include "widgets/InputHelpers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QSqlQuery>
#include <QToolButton>
#include <QVBoxLayout>

namespace dorvani {

namespace colours = form::citizenColours;
using form::boldLabel;
using form::lineEdit;
using form::lookup;
using lookups::keyOf;

namespace {

QGridLayout *panelGrid(QWidget *w)
{
    auto *g = new QGridLayout(w);
    g->setContentsMargins(6, 2, 6, 2);
    g->setVerticalSpacing(1);
    return g;
}

int current(Dataset *d) { return d->active() && !d->isEmpty() ? d->integer("AUTONUM") : 0; }

} // namespace

TCitizenForm::TCitizenForm(TDataMdl &dm, QWidget *parent)
    : QWidget(parent), m_dm(dm), m_towns(new Query("TownQry", QString(), this)),
      m_cells(new Query("CellQry", QString(), this))
{
    EdtEpitheto = lineEdit("EdtEpitheto", this, 30);
    EdtOnoma = lineEdit("EdtOnoma", this, 20);
    EdtPatr = lineEdit("EdtPatr", this, 20);
    EdtMhtr = lineEdit("EdtMhtr", this, 20);
    DBLookupComboBox1 = lookup("DBLookupComboBox1", this);
    DBLookupComboBox13 = lookup("DBLookupComboBox13", this);
    DBLookupComboBox2 = lookup("DBLookupComboBox2", this);
    DBLookupComboBox2->setMaxVisibleItems(15);
    Edit1 = lineEdit("Edit1", this, 100);
    Edit2 = form::digitEdit("Edit2", this, 5);
    Edit2->setMaximumWidth(80);
    DBLookupComboBox3 = lookup("DBLookupComboBox3", this);
    DBLookupComboBox4 = lookup("DBLookupComboBox4", this);
    DBLookupComboBox5 = lookup("DBLookupComboBox5", this);
    DBLookupComboBox6 = lookup("DBLookupComboBox6", this);

    RadioGroup4 = new TRadioGroup("RadioGroup4", "ΕΤΕΡΟΔΗΜΟΤΗΣ", codes::yesNo(), 2, this);
    RadioGroup2 = new TRadioGroup("RadioGroup2", "ΣΥΜΜΑΧΙΑ", codes::yesNo(), 2, this);
    Edit5 = lineEdit("Edit5", this);
    Edit5->setReadOnly(true);
    ComboBox1 = form::pickList("ComboBox1", codes::sxesh(), this);
    ComboBox3 = form::pickList("ComboBox3", codes::koma(), this);
    DBLookupComboBox7 = lookup("DBLookupComboBox7", this);
    DBLookupComboBox7->view()->setMinimumWidth(350);
    DBLookupComboBox8 = lookup("DBLookupComboBox8", this);
    DBLookupComboBox9 = lookup("DBLookupComboBox9", this);
    DBLookupComboBox10 = lookup("DBLookupComboBox10", this);
    DBLookupComboBox11 = lookup("DBLookupComboBox11", this);
    DBLookupComboBox12 = lookup("DBLookupComboBox12", this);

    RadioGroup1 = new TRadioGroup("RadioGroup1", "ΦΥΛΟ", codes::fylo(), 2, this);
    RadioGroup3 = new TRadioGroup("RadioGroup3", "ΟΙΚΟΓΕΝΕΙΑΚΗ ΚΑΤΑΣΤΑΣΗ", codes::oikogKat(), 2, this);
    Edit3 = new UpDownEdit(0, 20, this);
    Edit3->edit()->setObjectName("Edit3");
    Edit3->edit()->setProperty("digits", true);
    for (int i = 0; i < 5; ++i) {
        EdtTELO[i] = lineEdit(QString("EdtTELO%1").arg(i + 1), this, 12);
        EdtTELE[i] = lineEdit(QString("EdtTELE%1").arg(i + 1), this, 12);
    }
    Edit10 = lineEdit("Edit10", this, 12);
    Edit11 = lineEdit("Edit11", this, 12);
    EdtFAX = lineEdit("EdtFAX", this, 12);
    EdtEMAIL = lineEdit("EdtEMAIL", this, 25);
    EdtWEB = lineEdit("EdtWEB", this, 50);
    DBLookupComboBox14 = lookup("DBLookupComboBox14", this);
    ChkLstEpafes = new QListWidget(this);
    ChkLstEpafes->setObjectName("ChkLstEpafes");
    for (const QString &t : codes::epafes())
        form::addCheckItem(ChkLstEpafes, t);
    ChkLstEpafes->setMaximumHeight(110);
    ChkBox2 = new QListWidget(this);
    ChkBox2->setObjectName("ChkBox2");
    ChkBox2->setMaximumHeight(110);
}

TCitizenForm::~TCitizenForm() = default;

QString TCitizenForm::townsOf(int nomos)
{
    return "Select P.*, P.POLH || Case When Exists (Select 1 From POLEIS Q Where Q.NOMOS = P.NOMOS "
           "And Q.POLH = P.POLH And Q.AUTONUM <> P.AUTONUM) Then ' (' || Coalesce(D.DHMOS, '') || ')' "
           "Else '' End As POLH_SHOWN From POLEIS P Left Join DHMOI D On D.NOMOS = P.NOMOS And D.AUTONUM = P.DHMOS "
           "Where P.NOMOS = "
           + QString::number(nomos) + " Order By P.POLH, D.DHMOS";
}

// ---------------------------------------------------------------- the panels

QList<TCitizenForm::Row> TCitizenForm::identityHead() const
{
    return {{"ΕΠΙΘΕΤΟ", EdtEpitheto}, {"ΟΝΟΜΑ", EdtOnoma}, {"ΠΑΤΡ/ΜΟ", EdtPatr}};
}

QList<TCitizenForm::Row> TCitizenForm::identityAddress() const
{
    return {{"ΜΗΤΡ.", EdtMhtr},          {"ΕΘΝΙΚΟΤΗΤΑ", DBLookupComboBox1}, {"ΜΟΡΦΩΣΗ", DBLookupComboBox13},
            {"ΕΠΑΓΓΕΛΜΑ", DBLookupComboBox2}, {"ΔΙΕΥΘΥΝΣΗ", Edit1},              {"Τ.Κ.", Edit2},
            {"ΠΟΛΗ", DBLookupComboBox3},   {"ΔΗΜΟΣ", DBLookupComboBox4},      {"ΕΠΑΡΧΙΑ", DBLookupComboBox5},
            {"ΝΟΜΟΣ", DBLookupComboBox6}};
}

QWidget *TCitizenForm::identityPanel(const QList<Row> &rows)
{
    auto *w = new QWidget(this);
    w->setObjectName("PanelIdentity");
    form::paint(w, colours::identity);
    auto *g = new QGridLayout(w);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(1);
    for (int row = 0; row < rows.size(); ++row) {
        g->addWidget(boldLabel(rows[row].first, w), row, 0);
        g->addWidget(rows[row].second, row, 1);
    }
    g->setColumnStretch(1, 1);
    return w;
}

QWidget *TCitizenForm::politicalPanel(QToolButton *capacities, const QList<DBLookupComboBox *> &partyRows)
{
    auto *w = new QWidget(this);
    w->setObjectName("PanelPolitical");
    form::paint(w, colours::political);
    QGridLayout *g = panelGrid(w);
    g->addWidget(RadioGroup4, 0, 0, 1, 2);
    g->addWidget(RadioGroup2, 0, 2, 1, 2);
    auto *cap = new QHBoxLayout;
    cap->addWidget(Edit5, 1);
    cap->addWidget(capacities);
    g->addWidget(boldLabel("ΙΔΙΟΤΗΤΑ", w), 1, 0);
    g->addLayout(cap, 1, 1, 1, 3);
    g->addWidget(boldLabel("ΕΚΛ. ΣΧΕΣΗ", w), 2, 0);
    g->addWidget(ComboBox1, 2, 1, 1, 3);
    g->addWidget(boldLabel("ΚΟΜΜΑ", w), 3, 0);
    g->addWidget(ComboBox3, 3, 1, 1, 3);
    g->addWidget(boldLabel("ΤΟΠΟΣ ΑΣΚΗΣΗΣ", w), 4, 0);
    g->addWidget(DBLookupComboBox7, 4, 1, 1, 3);

    auto *party = new QGroupBox("ΣΧΕΣΗ ΜΕ ΚΟΜΜΑ", w);
    party->setObjectName("GroupParty");
    QGridLayout *pg = panelGrid(party);
    const QList<QPair<DBLookupComboBox *, QString>> captions = {{DBLookupComboBox9, "ΜΕΛΟΣ"},
                                                                {DBLookupComboBox8, "ΠΥΡΗΝΑΣ"},
                                                                {DBLookupComboBox10, "Τ.Ο."},
                                                                {DBLookupComboBox11, "Ν.Ε."},
                                                                {DBLookupComboBox12, "Ν.Ο."}};
    for (int i = 0; i < partyRows.size(); ++i) {
        for (const auto &[box, caption] : captions)
            if (box == partyRows[i])
                pg->addWidget(boldLabel(caption, party), i, 0);
        pg->addWidget(partyRows[i], i, 1);
    }
    pg->setColumnStretch(1, 1);
    g->addWidget(party, 5, 0, 1, 4);
    g->setRowStretch(6, 1);
    g->setColumnStretch(1, 1);
    return w;
}

QWidget *TCitizenForm::familyColumn(int perRow, const std::function<void(QGridLayout *, int, int, int)> &beside,
                                    const std::function<void(QGridLayout *)> &contact)
{
    auto *w = new QWidget(this);
    w->setObjectName("PanelMiddle");
    auto *v = new QVBoxLayout(w);
    v->setContentsMargins(6, 4, 6, 4);
    v->setSpacing(2);
    v->addWidget(RadioGroup1);
    v->addWidget(RadioGroup3);
    auto *fam = new QHBoxLayout;
    fam->addWidget(boldLabel("ΜΕΛΗ OIKΟΓΕΝΕΙΑΣ", w));
    fam->addWidget(Edit3, 1);
    v->addLayout(fam);

    const std::array<QLineEdit *, 12> all = phones();
    auto group = [&](const QString &title, int first, int n) {
        auto *g = new QGroupBox(title, w);
        auto *gl = new QGridLayout(g);
        gl->setContentsMargins(6, 2, 6, 2);
        gl->setVerticalSpacing(1);
        // With a control beside each telephone, a telephone takes two grid columns.
        const int span = beside ? 2 : 1;
        for (int i = 0; i < n; ++i) {
            const int row = i / perRow, column = (i % perRow) * span;
            gl->addWidget(all[first + i], row, column);
            if (beside)
                beside(gl, row, column + 1, first + i);
        }
        v->addWidget(g);
    };
    group("ΤΗΛ. ΟΙΚΙΑΣ", 0, 5);
    group("ΤΗΛ. ΕΡΓΑΣΙΑΣ", 5, 5);
    group("ΚΙΝΗΤΑ ΤΗΛΕΦΩΝΑ", 10, 2);

    auto *g = new QGridLayout;
    g->addWidget(boldLabel("FAX", w), 0, 0);
    g->addWidget(EdtFAX, 0, 1);
    g->addWidget(boldLabel("E-MAIL", w), 1, 0);
    g->addWidget(EdtEMAIL, 1, 1);
    g->addWidget(boldLabel("WEB", w), 2, 0);
    g->addWidget(EdtWEB, 2, 1);
    if (contact)
        contact(g);
    g->addWidget(boldLabel("ΣΥΝΔΕΣΜΟΣ ΜΕ", w), 3, 0);
    g->addWidget(DBLookupComboBox14, 3, 1, 1, 2);
    v->addLayout(g);
    v->addStretch();
    return w;
}

QWidget *TCitizenForm::rightPanel(QGridLayout *&grid)
{
    auto *w = new QWidget(this);
    w->setObjectName("PanelRight");
    form::paint(w, colours::right);
    grid = new QGridLayout(w);
    grid->setVerticalSpacing(3);
    grid->addWidget(boldLabel("ΕΠΑΦΕΣ", w), 0, 0, 1, 2);
    grid->addWidget(ChkLstEpafes, 1, 0, 1, 2);
    return w;
}

void TCitizenForm::fillInfluences()
{
    ChkBox2->clear();
    QSqlQuery q = Store::instance().exec("Select AUTONUM,EPIROH From EPIROES ORDER BY EPIROH");
    while (q.next())
        form::addCheckItem(ChkBox2, q.value(1).toString(), q.value(0));
}

QToolButton *TCitizenForm::toolButton(const QString &name, const QString &text, const QString &hint)
{
    auto *b = new QToolButton(this);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    return b;
}

std::array<QLineEdit *, 12> TCitizenForm::phones() const
{
    return {EdtTELO[0], EdtTELO[1], EdtTELO[2], EdtTELO[3], EdtTELO[4], EdtTELE[0],
            EdtTELE[1], EdtTELE[2], EdtTELE[3], EdtTELE[4], Edit10,     Edit11};
}

// ---------------------------------------------------------------- keyboard and lists

void TCitizenForm::applyKeyboardRules(bool capitalsInLists)
{
    for (QLineEdit *e : findChildren<QLineEdit *>()) {
        installEntryKeys(e);
        if (!e->property("digits").toBool() && !e->validator())
            installGreekCapitals(e);
    }
    for (QComboBox *c : findChildren<QComboBox *>()) {
        installEntryKeys(c);
        if (capitalsInLists)
            installGreekCapitals(c);
    }
    for (QListWidget *l : findChildren<QListWidget *>()) {
        installEntryKeys(l);
        if (capitalsInLists)
            installGreekCapitals(l);
    }
    for (TRadioGroup *g : {RadioGroup1, RadioGroup2, RadioGroup3, RadioGroup4})
        for (QRadioButton *r : g->findChildren<QRadioButton *>())
            installEntryKeys(r);
    form::installLatinField(EdtEMAIL);
    form::installLatinField(EdtWEB);
}

void TCitizenForm::connectCascades(Dataset *towns)
{
    lookups::bind(m_dm,
                  {DBLookupComboBox1, DBLookupComboBox2, DBLookupComboBox3, DBLookupComboBox4, DBLookupComboBox5,
                   DBLookupComboBox6, DBLookupComboBox7, DBLookupComboBox8, DBLookupComboBox9, DBLookupComboBox10,
                   DBLookupComboBox11, DBLookupComboBox12, DBLookupComboBox13, DBLookupComboBox14},
                  towns, m_cells, towns == m_towns ? "POLH_SHOWN" : "POLH");
    lookups::onChosen(this, DBLookupComboBox6, &TCitizenForm::prefectureChosen);
    lookups::onChosen(this, DBLookupComboBox5, &TCitizenForm::provinceChosen);
    lookups::onChosen(this, DBLookupComboBox4, &TCitizenForm::municipalityChosen);
    lookups::onChosen(this, DBLookupComboBox3, &TCitizenForm::townChosen);
    lookups::onChosen(this, DBLookupComboBox12, &TCitizenForm::organisationChosen);
    lookups::onChosen(this, DBLookupComboBox11, &TCitizenForm::committeeChosen);
    lookups::onChosen(this, DBLookupComboBox10, &TCitizenForm::localChosen);
    lookups::onChosen(this, DBLookupComboBox8, &TCitizenForm::cellChosen);
}

void TCitizenForm::pointTownsAt(int nomos)
{
    m_towns->setSql(townsOf(nomos));
    m_towns->open();
}

void TCitizenForm::pointCellsAt(int no, int ne, int to)
{
    m_cells->setSql(lookups::cellsOf(no, ne, to));
    m_cells->open();
}

int TCitizenForm::chooseHomePrefecture()
{
    const QString home = Registry(Registry::General).readString("Settings", "Nomos");
    if (!home.isEmpty() && m_dm.TblNomoi->active() && m_dm.TblNomoi->locate("NOMOS", home))
        DBLookupComboBox6->setKeyValue(m_dm.TblNomoi->value("AUTONUM"));
    return current(m_dm.TblNomoi);
}

void TCitizenForm::closeScreen()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

// ---------------------------------------------------------------- geographic cascade

void TCitizenForm::prefectureChosen()
{
    DBLookupComboBox3->clearChoice();
    DBLookupComboBox4->clearChoice();
    DBLookupComboBox5->clearChoice();
    pointTownsAt(keyOf(DBLookupComboBox6));
}

void TCitizenForm::provinceChosen()
{
    DBLookupComboBox3->clearChoice();
    DBLookupComboBox4->clearChoice();
    DBLookupComboBox6->setKeyValue(m_dm.TblNomoi->value("AUTONUM"));
}

void TCitizenForm::municipalityChosen()
{
    DBLookupComboBox3->clearChoice();
    DBLookupComboBox5->setKeyValue(m_dm.TblEPARXIES->value("AUTONUM"));
    DBLookupComboBox6->setKeyValue(m_dm.TblNomoi->value("AUTONUM"));
}

void TCitizenForm::townChosen()
{
    const QVariant nomos = m_towns->value("NOMOS"), eparxia = m_towns->value("EPARXIA"), dhmos = m_towns->value("DHMOS");
    const QString town = m_towns->text("POLH");
    // A municipality is known by its prefecture and number.
    if (!m_dm.TblNomoi->locate("AUTONUM", nomos) || !m_dm.TblEPARXIES->locate("AUTONUM", eparxia)
        || !m_dm.TblDHMOI->locate(QStringList{"NOMOS", "AUTONUM"}, {nomos, dhmos}))
        return;
    if (m_dm.TblPOLEIS->active() && m_dm.TblPOLEIS->locate("POLH", town)) {
        DBLookupComboBox4->setKeyValue(dhmos);
        DBLookupComboBox5->setKeyValue(eparxia);
        DBLookupComboBox6->setKeyValue(nomos);
    }
}

// ---------------------------------------------------------------- party cascade

void TCitizenForm::organisationChosen()
{
    DBLookupComboBox8->clearChoice();
    DBLookupComboBox10->clearChoice();
    DBLookupComboBox11->clearChoice();
    pointCellsAt(keyOf(DBLookupComboBox12));
}

void TCitizenForm::committeeChosen()
{
    DBLookupComboBox8->clearChoice();
    DBLookupComboBox10->clearChoice();
    DBLookupComboBox12->setKeyValue(m_dm.TblNO->value("AUTONUM"));
    pointCellsAt(current(m_dm.TblNO), keyOf(DBLookupComboBox11));
}

void TCitizenForm::localChosen()
{
    DBLookupComboBox8->clearChoice();
    DBLookupComboBox11->setKeyValue(m_dm.TblNE->value("AUTONUM"));
    DBLookupComboBox12->setKeyValue(m_dm.TblNO->value("AUTONUM"));
    pointCellsAt(current(m_dm.TblNO), current(m_dm.TblNE), keyOf(DBLookupComboBox10));
}

void TCitizenForm::cellChosen()
{
    const QVariant no = m_cells->value("N_O"), ne = m_cells->value("N_E"), to = m_cells->value("T_O");
    const QString cell = m_cells->text("PYRHNAS");
    if (!m_dm.TblNO->locate("AUTONUM", no) || !m_dm.TblNE->locate("AUTONUM", ne) || !m_dm.TblTO->locate("AUTONUM", to))
        return;
    if (m_dm.TblPYRHNAS->active() && m_dm.TblPYRHNAS->locate("PYRHNAS", cell)) {
        DBLookupComboBox10->setKeyValue(to);
        DBLookupComboBox11->setKeyValue(ne);
        DBLookupComboBox12->setKeyValue(no);
    }
}

} // namespace dorvani
