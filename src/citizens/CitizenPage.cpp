#include "citizens/CitizenPage.h"

#include "data/Codes.h"
#include "citizens/CitizenScreens.h"
#include "data/DataModule.h"
#include "widgets/DbControls.h"
#include "widgets/Access.h"
#include "widgets/InputHelpers.h"
#include "platform/Registry.h"
#include "widgets/Ui.h"
#include "citizens/UntIdiothta.h"
#include "citizens/UntNOTES.h"
#include "citizens/UntPolitesInfo.h"
#include "citizens/UntSpecialNotes.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace dorvani {

namespace {

namespace colours = form::citizenColours;

using form::boldLabel;
using form::digitEdit;
using form::lineEdit;
using form::lookup;
using form::paint;
using form::pickList;

QLabel *label(const QString &text, QWidget *parent) { return boldLabel(text, parent); }

QToolButton *speedButton(const QString &name, const QString &text, const QString &hint, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    return b;
}

// Leaving a field runs an action.
class LeaveFilter : public QObject {
public:
    LeaveFilter(QObject *parent, std::function<void()> f) : QObject(parent), m_f(std::move(f)) {}
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::FocusOut)
            guarded(m_f);
        return QObject::eventFilter(o, e);
    }

private:
    std::function<void()> m_f;
};

class DigitsDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *e = new QLineEdit(parent);
        setDigitsOnly(e);
        return e;
    }
};

using lookups::keyOf;

QVariant numberOrNull(const QLineEdit *e)
{
    const QString t = e->text().trimmed();
    if (t.isEmpty())
        return {};
    bool ok = false;
    const int n = t.toInt(&ok);
    return ok ? QVariant(n) : QVariant();
}

} // namespace

// ---------------------------------------------------------------- small controls

void VotesModel::setRows(const QList<CoCandidateVotes> &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

void VotesModel::setVotes(const QString &name, const QVariant &v)
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].name == name) {
            m_rows[i].votes = v;
            emit dataChanged(index(i, 1), index(i, 1));
        }
}

QVariant VotesModel::votes(const QString &name) const
{
    for (const CoCandidateVotes &r : m_rows)
        if (r.name == name)
            return r.votes;
    return {};
}

void VotesModel::clearVotes()
{
    for (CoCandidateVotes &r : m_rows)
        r.votes = QVariant();
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 1), index(int(m_rows.size()) - 1, 1));
}

QVariant VotesModel::data(const QModelIndex &i, int role) const
{
    if (!i.isValid() || i.row() >= m_rows.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return i.column() == 0 ? QVariant(m_rows[i.row()].name) : m_rows[i.row()].votes;
    return {};
}

QVariant VotesModel::headerData(int s, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole)
        return m_titles.value(s);
    if (o == Qt::Horizontal && role == Qt::FontRole) {
        QFont f;
        f.setBold(true);
        return f;
    }
    if (o == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags VotesModel::flags(const QModelIndex &i) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(i);
    if (i.column() == 1)
        f |= Qt::ItemIsEditable;
    return f;
}

bool VotesModel::setData(const QModelIndex &i, const QVariant &v, int role)
{
    if (role != Qt::EditRole || i.column() != 1 || i.row() >= m_rows.size())
        return false;
    const QString t = v.toString().trimmed();
    bool ok = false;
    const int n = t.toInt(&ok);
    m_rows[i.row()].votes = t.isEmpty() || !ok ? QVariant() : QVariant(n);
    emit dataChanged(i, i);
    return true;
}

// ---------------------------------------------------------------- the page

TCitizenPage::TCitizenPage(bool editing, TDataMdl &dm, QWidget *parent)
    : QWidget(parent), m_editing(editing), m_dm(dm), m_towns(new Query("TownQry", QString(), this)),
      m_cells(new Query("CellQry", QString(), this))
{
    build();
    applyKeyboardRules();
    connectCascades();
}

TCitizenPage::~TCitizenPage() = default;

void TCitizenPage::build()
{
    auto *left = new QWidget(this);
    auto *ll = new QVBoxLayout(left);
    ll->setContentsMargins(0, 0, 0, 0);
    ll->setSpacing(4);
    ll->addWidget(identityColumn());
    ll->addWidget(politicalPanel(), 1);
    QWidget *middle = middleColumn();
    QWidget *right = rightColumn();
    form::layThreeColumns(this, left, middle, right, buttonBar(), colours::bars);

    // Tab and Enter visit the areas in order: identity with the political panel, the
    // middle column, the right column, the buttons.
    QList<QWidget *> order = {EdtEpitheto, EdtOnoma, EdtPatr, CmbKLHTIKH, EdtMhtr, DBLookupComboBox1,
                              DBLookupComboBox13, DBLookupComboBox2, Edit1, Edit2, DBLookupComboBox3,
                              DBLookupComboBox4, DBLookupComboBox5, DBLookupComboBox6, EdtBirthDay, MskCelebr,
                              RadioGroup4, RadioGroup2, Edit5, BtnIdiothta, ComboBox1, ComboBox3, DBLookupComboBox7};
    if (m_editing)
        order << DBLookupComboBox9 << DBLookupComboBox8 << DBLookupComboBox10 << DBLookupComboBox12
              << DBLookupComboBox11;
    else
        order << DBLookupComboBox8 << DBLookupComboBox9 << DBLookupComboBox10 << DBLookupComboBox11
              << DBLookupComboBox12;
    order << RadioGroup1 << RadioGroup3 << Edit3->edit();
    for (int i = 0; i < 5; ++i)
        order << EdtTELO[i];
    for (int i = 0; i < 5; ++i)
        order << EdtTELE[i];
    order << Edit10 << Edit11 << EdtFAX << EdtEMAIL << EdtWEB << DBLookupComboBox14 << ChkLstEpafes << ChkBox2 << Edit17
          << Edit18 << DBGrid1 << Edit12 << Edit13 << Edit4;
    QList<QWidget *> buttons = findChild<QWidget *>("ButtonBar")->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *b : buttons)
        if (qobject_cast<QAbstractButton *>(b))
            order << b;
    form::setTabOrder(order);
}

QWidget *TCitizenPage::identityColumn()
{
    auto *w = new QWidget(this);
    w->setObjectName("PanelIdentity");
    paint(w, colours::identity);
    auto *g = new QGridLayout(w);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(1);
    int row = 0;
    auto add = [&](const QString &text, QWidget *control) {
        g->addWidget(label(text, w), row, 0);
        g->addWidget(control, row, 1);
        ++row;
    };
    EdtEpitheto = lineEdit("EdtEpitheto", w, 30);
    EdtOnoma = lineEdit("EdtOnoma", w, 20);
    EdtPatr = lineEdit("EdtPatr", w, 20);
    CmbKLHTIKH = pickList("CmbKLHTIKH", {}, w);
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
    EdtBirthDay = lineEdit("EdtBirthDay", w);
    EdtBirthDay->setInputMask("99/99/9999;_");
    EdtBirthDay->setMaximumWidth(110);
    EdtBirthDay->setProperty("digits", true);
    MskCelebr = lineEdit("MskCelebr", w);
    MskCelebr->setInputMask("99/99;_");
    MskCelebr->setMaximumWidth(70);
    MskCelebr->setProperty("digits", true);

    add("ΕΠΙΘΕΤΟ", EdtEpitheto);
    add("ΟΝΟΜΑ", EdtOnoma);
    add("ΠΑΤΡ/ΜΟ", EdtPatr);
    add("ΚΛΗΤΙΚΗ", CmbKLHTIKH);
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
    add("ΗΜ.ΓΕΝΝΗΣΗΣ", EdtBirthDay);
    add("ΕΟΡΤΑΖΕΙ ΣΤΙΣ", MskCelebr);
    g->setColumnStretch(1, 1);
    return w;
}

QWidget *TCitizenPage::politicalPanel()
{
    auto *w = new QWidget(this);
    w->setObjectName("PanelPolitical");
    paint(w, colours::political);
    auto *g = new QGridLayout(w);
    g->setContentsMargins(6, 2, 6, 2);
    g->setVerticalSpacing(1);
    RadioGroup4 = new TRadioGroup("RadioGroup4", "ΕΤΕΡΟΔΗΜΟΤΗΣ", codes::yesNo(), 2, w);
    RadioGroup2 = new TRadioGroup("RadioGroup2", "ΣΥΜΜΑΧΙΑ", codes::yesNo(), 2, w);
    g->addWidget(RadioGroup4, 0, 0, 1, 2);
    g->addWidget(RadioGroup2, 0, 2, 1, 2);

    Edit5 = lineEdit("Edit5", w);
    Edit5->setReadOnly(true);
    BtnIdiothta = speedButton("BtnIdiothta", "...", "ΙΔΙΟΤΗΤΕΣ", w);
    auto *cap = new QHBoxLayout;
    cap->addWidget(Edit5, 1);
    cap->addWidget(BtnIdiothta);
    g->addWidget(label("ΙΔΙΟΤΗΤΑ", w), 1, 0);
    g->addLayout(cap, 1, 1, 1, 3);
    ComboBox1 = pickList("ComboBox1", codes::sxesh(), w);
    ComboBox3 = pickList("ComboBox3", codes::koma(), w);
    g->addWidget(label("ΕΚΛ. ΣΧΕΣΗ", w), 2, 0);
    g->addWidget(ComboBox1, 2, 1, 1, 3);
    g->addWidget(label("ΚΟΜΜΑ", w), 3, 0);
    g->addWidget(ComboBox3, 3, 1, 1, 3);
    DBLookupComboBox7 = lookup("DBLookupComboBox7", w);
    DBLookupComboBox7->view()->setMinimumWidth(350);
    g->addWidget(label("ΤΟΠΟΣ ΑΣΚΗΣΗΣ", w), 4, 0);
    g->addWidget(DBLookupComboBox7, 4, 1, 1, 3);

    auto *party = new QGroupBox("ΣΧΕΣΗ ΜΕ ΚΟΜΜΑ", w);
    party->setObjectName("GroupParty");
    auto *pg = new QGridLayout(party);
    pg->setContentsMargins(6, 2, 6, 2);
    pg->setVerticalSpacing(1);
    DBLookupComboBox8 = lookup("DBLookupComboBox8", party);
    DBLookupComboBox9 = lookup("DBLookupComboBox9", party);
    DBLookupComboBox10 = lookup("DBLookupComboBox10", party);
    DBLookupComboBox11 = lookup("DBLookupComboBox11", party);
    DBLookupComboBox12 = lookup("DBLookupComboBox12", party);
    const QList<QPair<QString, DBLookupComboBox *>> rows =
        m_editing ? QList<QPair<QString, DBLookupComboBox *>>{{"ΜΕΛΟΣ", DBLookupComboBox9},
                                                             {"ΠΥΡΗΝΑΣ", DBLookupComboBox8},
                                                             {"Τ.Ο.", DBLookupComboBox10},
                                                             {"Ν.Ε.", DBLookupComboBox11},
                                                             {"Ν.Ο.", DBLookupComboBox12}}
                  : QList<QPair<QString, DBLookupComboBox *>>{{"ΠΥΡΗΝΑΣ", DBLookupComboBox8},
                                                             {"ΜΕΛΟΣ", DBLookupComboBox9},
                                                             {"Τ.Ο.", DBLookupComboBox10},
                                                             {"Ν.Ε.", DBLookupComboBox11},
                                                             {"Ν.Ο.", DBLookupComboBox12}};
    for (int i = 0; i < rows.size(); ++i) {
        pg->addWidget(label(rows[i].first, party), i, 0);
        pg->addWidget(rows[i].second, i, 1);
    }
    pg->setColumnStretch(1, 1);
    g->addWidget(party, 5, 0, 1, 4);
    g->setRowStretch(6, 1);
    g->setColumnStretch(1, 1);
    return w;
}

QWidget *TCitizenPage::middleColumn()
{
    auto *w = new QWidget(this);
    w->setObjectName("PanelMiddle");
    auto *v = new QVBoxLayout(w);
    v->setContentsMargins(6, 4, 6, 4);
    v->setSpacing(2);
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

    auto phoneGroup = [&](const QString &title, QLineEdit **fields, int n, const QStringList &names, int firstDial) {
        auto *g = new QGroupBox(title, w);
        auto *gl = new QGridLayout(g);
        gl->setContentsMargins(6, 2, 6, 2);
        gl->setVerticalSpacing(1);
        for (int i = 0; i < n; ++i) {
            fields[i] = lineEdit(names[i], g, 12);
            gl->addWidget(fields[i], i, 0);
            if (m_editing) {
                DialButtons[firstDial + i] =
                    speedButton(QString("SpeedButton%1").arg(firstDial + i + 2), "☎", "ΚΛΗΣΗ ΤΗΛΕΦΩΝΟΥ", g);
                gl->addWidget(DialButtons[firstDial + i], i, 1);
            }
        }
        v->addWidget(g);
    };
    phoneGroup("ΤΗΛ. ΟΙΚΙΑΣ", EdtTELO, 5, {"EdtTELO1", "EdtTELO2", "EdtTELO3", "EdtTELO4", "EdtTELO5"}, 0);
    phoneGroup("ΤΗΛ. ΕΡΓΑΣΙΑΣ", EdtTELE, 5, {"EdtTELE1", "EdtTELE2", "EdtTELE3", "EdtTELE4", "EdtTELE5"}, 5);
    QLineEdit *mobiles[2];
    phoneGroup("ΚΙΝΗΤΑ ΤΗΛΕΦΩΝΑ", mobiles, 2, {"Edit10", "Edit11"}, 10);
    Edit10 = mobiles[0];
    Edit11 = mobiles[1];

    auto *g = new QGridLayout;
    EdtFAX = lineEdit("EdtFAX", w, 12);
    EdtEMAIL = lineEdit("EdtEMAIL", w, 25);
    EdtWEB = lineEdit("EdtWEB", w, 50);
    DBLookupComboBox14 = lookup("DBLookupComboBox14", w);
    g->addWidget(label("FAX", w), 0, 0);
    g->addWidget(EdtFAX, 0, 1);
    g->addWidget(label("E-MAIL", w), 1, 0);
    g->addWidget(EdtEMAIL, 1, 1);
    g->addWidget(label("WEB", w), 2, 0);
    g->addWidget(EdtWEB, 2, 1);
    if (m_editing) {
        SpeedButton14 = speedButton("SpeedButton14", "@", "Ε-MAIL", w);
        SpeedButton15 = speedButton("SpeedButton15", "⌂", "WEB", w);
        g->addWidget(SpeedButton14, 1, 2);
        g->addWidget(SpeedButton15, 2, 2);
    }
    g->addWidget(label("ΣΥΝΔΕΣΜΟΣ ΜΕ", w), 3, 0);
    g->addWidget(DBLookupComboBox14, 3, 1, 1, 2);
    v->addLayout(g);
    v->addStretch();
    return w;
}

QWidget *TCitizenPage::rightColumn()
{
    auto *w = new QWidget(this);
    w->setObjectName("PanelRight");
    paint(w, colours::right);
    auto *v = new QGridLayout(w);
    v->setVerticalSpacing(3);
    int row = 0;
    v->addWidget(label("ΕΠΑΦΕΣ", w), row++, 0, 1, 2);
    ChkLstEpafes = new QListWidget(w);
    ChkLstEpafes->setObjectName("ChkLstEpafes");
    for (const QString &t : codes::epafes())
        form::addCheckItem(ChkLstEpafes, t);
    ChkLstEpafes->setMaximumHeight(110);
    v->addWidget(ChkLstEpafes, row++, 0, 1, 2);
    v->addWidget(label(m_editing ? "ΕΠΙΡΡΟΗ ΑΠΟ" : "ΕΠΙΡΡΟΗ\nΑΠΟ", w), row, 0);
    ChkBox2 = new QListWidget(w);
    ChkBox2->setObjectName("ChkBox2");
    ChkBox2->setMaximumHeight(110);
    v->addWidget(ChkBox2, row++, 1);
    Edit17 = digitEdit("Edit17", w);
    Edit18 = digitEdit("Edit18", w);
    v->addWidget(label(m_editing ? "ΑΤΟΜΙΚΟΙ ΨΗΦΟΙ" : "ΑΤΟΜΙΚΟΙ  ΨΗΦΟΙ", w), row, 0);
    v->addWidget(Edit17, row++, 1);
    v->addWidget(label("ΠΕΡΙΦΕΡΕΙΑΚΟΙ ΨΗΦΟΙ", w), row, 0);
    v->addWidget(Edit18, row++, 1);
    Label25 = label("ΣΥΝΟΛΟ ΨΗΦΩΝ ", w);
    Label25->setObjectName("Label25");
    if (m_editing) {
        SpeedButton18 = speedButton("SpeedButton18", "...", "ΚΑΤΑΝΟΜΗ ΣΥΝΟΛΟΥ ΨΗΦΩΝ ΣΤΙΣ ΠΟΛΕΙΣ", w);
        auto *h = new QHBoxLayout;
        h->addWidget(Label25, 1);
        h->addWidget(SpeedButton18);
        v->addLayout(h, row++, 0, 1, 2);
    } else {
        v->addWidget(Label25, row++, 0, 1, 2);
    }
    v->addWidget(label("ΠΡΟΟΡΙΣΜΟΣ ΨΗΦΩΝ", w), row++, 0, 1, 2);
    votes = new VotesModel(this);
    if (m_editing)
        votes->setTitles("ΣΥΝΥΠΟΨΗΦΙΟΣ - Α", "ΨΗΦΟΙ");
    DBGrid1 = new QTableView(w);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setModel(votes);
    DBGrid1->setItemDelegateForColumn(1, new DigitsDelegate(DBGrid1));
    DBGrid1->verticalHeader()->hide();
    DBGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    DBGrid1->setColumnWidth(0, 160);
    DBGrid1->setColumnWidth(1, m_editing ? 41 : 60);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setMinimumHeight(110);
    v->addWidget(DBGrid1, row++, 0, 1, 2);
    Edit12 = digitEdit("Edit12", w);
    Edit13 = digitEdit("Edit13", w);
    Edit4 = lineEdit("Edit4", w, 13);
    v->addWidget(label("ΨΗΦΟΔΕΛΤΙΑ ΠΡΟΣ ΠΑΡΑΔΟΣΗ", w), row, 0);
    v->addWidget(Edit12, row++, 1);
    auto *twoLines = new QVBoxLayout;
    twoLines->setSpacing(0);
    twoLines->addWidget(label("ΨΗΦΟΔΕΛΤΙΑ ΠΟΥ", w));
    twoLines->addWidget(label("ΠΑΡΑΔΟΘΗΚΑΝ", w));
    v->addLayout(twoLines, row, 0);
    v->addWidget(Edit13, row++, 1);
    v->addWidget(label("ΕΙΔΙΚΟΣ ΕΚΛΟΓΙΚΟΣ ΑΡ.", w), row, 0);
    v->addWidget(Edit4, row++, 1);
    v->setRowStretch(row, 1);
    return w;
}

QWidget *TCitizenPage::buttonBar()
{
    auto *w = new QWidget(this);
    w->setObjectName("ButtonBar");
    paint(w, colours::buttons);
    auto *h = new QHBoxLayout(w);
    auto button = [&](const QString &name, const QString &caption, const QString &hint = QString()) {
        auto *b = new QPushButton(caption, w);
        b->setObjectName(name);
        if (!hint.isEmpty())
            b->setToolTip(hint);
        return b;
    };
    BtnSave = button("BtnSave", "&ΑΠΟΘΗΚΕΥΣΗ");
    CancelBtn = button("CancelBtn", "&ΕΠΙΣΤΡΟΦΗ");
    BitBtn5 = button("BitBtn5", "&ΒΟΗΘΕΙΑ");
    BtnDel = button("BtnDel", "&ΚΑΘΑΡΙΣΜΟΣ", m_editing ? "ΚΑΘΑΡΙΣΜΟΣ ΟΛΩΝ ΤΩΝ ΒΑΣΙΚΩΝ" : "ΚΑΘΑΡΙΣΜΟΣ ΟΛΩΝ");
    BitBtn2 = button("BitBtn2", "&ΠΑΡΑΤΗΡΗΣΕΙΣ");
    BBtnSpecialNotes = button("BBtnSpecialNotes", "&E.ΣΗΜΕΙΩΣΕΙΣ");
    BBtnInfo = button("BBtnInfo", "&ΤΗΛ.ΣΥΖΗΤΗΣΗ");
    if (m_editing) {
        SpeedButton16 = speedButton("SpeedButton16", "◀", "ΜΕΤΑΚΙΝΗΣΗ ΣΤΗΝ ΠΠΡΟΗΓΟΥΜΕΝΗ ΕΓΓΡΑΦΗ", w);
        SpeedButton17 = speedButton("SpeedButton17", "▶", "ΜΕΤΑΚΙΝΗΣΗ ΣΤΗΝ ΕΠΟΜΕΝΗ ΕΓΓΡΑΦΗ", w);
        BitBtn3 = button("BitBtn3", "&ΔΙΑΓΡΑΦΗ");
        BBtnPrint = button("BBtnPrint", "Ε&ΚΤΥΠΩΣΗ");
        for (QWidget *b : QList<QWidget *>{BtnDel, BitBtn2, BBtnSpecialNotes, SpeedButton16, SpeedButton17, BBtnInfo,
                                           BitBtn3, BBtnPrint, BtnSave, CancelBtn, BitBtn5})
            h->addWidget(b);
    } else {
        for (QWidget *b : QList<QWidget *>{BtnSave, CancelBtn, BitBtn5, BtnDel, BitBtn2, BBtnSpecialNotes, BBtnInfo})
            h->addWidget(b);
    }
    h->addStretch();
    return w;
}

void TCitizenPage::applyKeyboardRules()
{
    for (QLineEdit *e : findChildren<QLineEdit *>()) {
        installEntryKeys(e);
        if (!e->property("digits").toBool() && !e->validator())
            installGreekCapitals(e);
    }
    for (QComboBox *c : findChildren<QComboBox *>())
        installEntryKeys(c);
    for (QListWidget *l : {ChkLstEpafes, ChkBox2})
        installEntryKeys(l);
    for (TRadioGroup *g : {RadioGroup1, RadioGroup2, RadioGroup3, RadioGroup4})
        for (QRadioButton *r : g->findChildren<QRadioButton *>())
            installEntryKeys(r);
    form::installLatinField(EdtEMAIL);
    form::installLatinField(EdtWEB);
}

void TCitizenPage::connectCascades()
{
    TDataMdl &dm = m_dm;
    lookups::bind(dm, lookupBoxes(), m_editing ? static_cast<Dataset *>(dm.TblPOLEIS) : m_towns, m_cells);
    lookups::onChosen(this, DBLookupComboBox6, &TCitizenPage::prefectureChosen);
    lookups::onChosen(this, DBLookupComboBox5, &TCitizenPage::provinceChosen);
    lookups::onChosen(this, DBLookupComboBox4, &TCitizenPage::municipalityChosen);
    lookups::onChosen(this, DBLookupComboBox3, &TCitizenPage::townChosen);
    lookups::onChosen(this, DBLookupComboBox12, &TCitizenPage::organisationChosen);
    lookups::onChosen(this, DBLookupComboBox11, &TCitizenPage::committeeChosen);
    lookups::onChosen(this, DBLookupComboBox10, &TCitizenPage::localChosen);
    lookups::onChosen(this, DBLookupComboBox8, &TCitizenPage::cellChosen);

    for (DBLookupComboBox *c : {DBLookupComboBox1, DBLookupComboBox2})
        connect(c, &DBLookupComboBox::keyChanged, this,
                [this, c] { m_changed.insert(c == DBLookupComboBox1 ? "ETHNIKOTHTA" : "EPAGELMA"); });
    connect(CmbKLHTIKH, QOverload<int>::of(&QComboBox::activated), this, [this] { m_changed.insert("KLHTIKH"); });

    connect(BtnIdiothta, &QToolButton::clicked, this, [this] { guarded([this] { chooseCapacities(); }); });
    connect(Edit17, &QLineEdit::textChanged, this, &TCitizenPage::votesChanged);
    connect(Edit18, &QLineEdit::textChanged, this, &TCitizenPage::votesChanged);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded([this] { showRemarks(); }); });
    connect(BBtnSpecialNotes, &QPushButton::clicked, this, [this] { guarded([this] { showSpecialNotes(); }); });
    connect(BBtnInfo, &QPushButton::clicked, this, [this] { guarded([this] { showConversation(); }); });

    if (m_editing)
        connect(EdtOnoma, &QLineEdit::textChanged, this, [this] { guarded([this] { fillVocatives(); }); });
    EdtOnoma->installEventFilter(new LeaveFilter(this, [this] { nameLeft(); }));
}

void TCitizenPage::prepareLists(bool reopenCitizens)
{
    TDataMdl &dm = m_dm;
    for (Dataset *d : QList<Dataset *>{dm.TblSpecialNotes, dm.TblEklogikaK, dm.TblAksiologhsh, dm.TblMorfosh,
                                       dm.TblEpafes, dm.TblKLHTIKH, dm.TblEpagelmata, dm.TblEthnikothtes, dm.TblNomoi,
                                       dm.TblEPARXIES, dm.TblDHMOI, dm.TblPOLEIS, dm.TblSynypops, dm.Query1,
                                       dm.TblPOLITES_SYNYPOPS, dm.TblTotPSHFOI, dm.TblMELOS, dm.TblNO, dm.TblNE,
                                       dm.TblTO, dm.TblPYRHNAS}) {
        d->close();
        d->open();
    }
    if (reopenCitizens) {
        dm.TblPOLITES->close();
        dm.TblPOLITES->open();
    } else if (!dm.TblPOLITES->active()) {
        dm.TblPOLITES->open();
    }
    dm.TblPOLEIS->setFiltered(false);

    ChkBox2->clear();
    QSqlQuery q = Store::instance().exec("Select AUTONUM,EPIROH From EPIROES ORDER BY EPIROH");
    while (q.next())
        form::addCheckItem(ChkBox2, q.value(1).toString(), q.value(0));
    votes->setRows(CitizenStore::coCandidates());
}

void TCitizenPage::clearPage()
{
    if (!m_editing)
        BBtnSpecialNotes->setEnabled(false);
    RadioGroup1->setItemIndex(-1);
    RadioGroup3->setItemIndex(-1);
    RadioGroup2->setItemIndex(1);
    RadioGroup4->setItemIndex(1);
    ComboBox1->setCurrentIndex(-1);
    ComboBox3->setCurrentIndex(-1);
    CmbKLHTIKH->clear();

    DBLookupComboBox1->setKeyValue("ΕΛΛΗΝΙΚΗ");
    for (DBLookupComboBox *c : {DBLookupComboBox2, DBLookupComboBox4, DBLookupComboBox5, DBLookupComboBox6,
                                DBLookupComboBox7, DBLookupComboBox8, DBLookupComboBox9, DBLookupComboBox10,
                                DBLookupComboBox11, DBLookupComboBox12, DBLookupComboBox13, DBLookupComboBox14})
        c->clearChoice();

    for (QLineEdit *e : {EdtEpitheto, EdtOnoma, EdtPatr, EdtMhtr, Edit1, Edit2, Edit5, Edit3->edit(), EdtFAX, EdtEMAIL,
                         EdtWEB, Edit17, Edit18, Edit12, Edit13, Edit4})
        e->clear();
    m_capacities.clear();
    for (int i = 0; i < ChkLstEpafes->count(); ++i)
        ChkLstEpafes->item(i)->setCheckState(Qt::Unchecked);
    EdtBirthDay->clear();
    MskCelebr->clear();

    // The home prefecture and prefectural organisation.
    Registry reg(Registry::General);
    const QString nomos = reg.readString("Settings", "Nomos");
    if (!nomos.isEmpty() && m_dm.TblNomoi->locate("NOMOS", nomos))
        DBLookupComboBox6->setKeyValue(m_dm.TblNomoi->value("AUTONUM"));
    const QString no = reg.readString("Settings", "NO");
    if (!no.isEmpty() && m_dm.TblNO->locate("N_O", no))
        DBLookupComboBox12->setKeyValue(m_dm.TblNO->value("AUTONUM"));

    pointTownsAtCurrentPrefecture();
    if (!m_editing)
        pointCellsAt(m_dm.TblNO->isEmpty() ? 0 : m_dm.TblNO->integer("AUTONUM"));
    DBLookupComboBox3->clearChoice();

    votes->clearVotes();
    if (!m_editing)
        m_remarks.clear();
    m_notes = SpecialNoteTexts();
    if (!m_editing)
        BBtnInfo->setEnabled(false);
    m_changed = {"ETHNIKOTHTA", "EPAGELMA", "KLHTIKH"};
}

int TCitizenPage::homeNomos() const
{
    return m_towns->property("nomos").toInt();
}

void TCitizenPage::pointTownsAtCurrentPrefecture()
{
    const int nomos = m_dm.TblNomoi->isEmpty() ? 0 : m_dm.TblNomoi->integer("AUTONUM");
    m_towns->setSql("Select * From POLEIS Where Nomos=" + QString::number(nomos));
    m_towns->setProperty("nomos", nomos);
    m_towns->open();
}

void TCitizenPage::pointCellsAt(int no, int ne, int to)
{
    m_cells->setSql(lookups::cellsOf(no, ne, to));
    m_cells->open();
}

lookups::Boxes TCitizenPage::lookupBoxes() const
{
    return {DBLookupComboBox1,  DBLookupComboBox2,  DBLookupComboBox3,  DBLookupComboBox4,  DBLookupComboBox5,
            DBLookupComboBox6,  DBLookupComboBox7,  DBLookupComboBox8,  DBLookupComboBox9,  DBLookupComboBox10,
            DBLookupComboBox11, DBLookupComboBox12, DBLookupComboBox13, DBLookupComboBox14};
}

// ---- geographic cascade

void TCitizenPage::prefectureChosen()
{
    DBLookupComboBox3->clearChoice();
    DBLookupComboBox4->clearChoice();
    DBLookupComboBox5->clearChoice();
    if (!m_editing) {
        m_towns->setSql("Select * From POLEIS Where Nomos=" + QString::number(keyOf(DBLookupComboBox6)));
        m_towns->open();
    }
}

void TCitizenPage::provinceChosen()
{
    DBLookupComboBox3->clearChoice();
    DBLookupComboBox4->clearChoice();
    DBLookupComboBox6->setKeyValue(m_dm.TblNomoi->value("AUTONUM"));
}

void TCitizenPage::municipalityChosen()
{
    DBLookupComboBox3->clearChoice();
    DBLookupComboBox5->setKeyValue(m_dm.TblEPARXIES->value("AUTONUM"));
    DBLookupComboBox6->setKeyValue(m_dm.TblNomoi->value("AUTONUM"));
}

void TCitizenPage::townChosen()
{
    if (m_editing) {
        DBLookupComboBox4->setKeyValue(m_dm.TblDHMOI->value("AUTONUM"));
        DBLookupComboBox5->setKeyValue(m_dm.TblEPARXIES->value("AUTONUM"));
        DBLookupComboBox6->setKeyValue(m_dm.TblNomoi->value("AUTONUM"));
        return;
    }
    const QVariant nomos = m_towns->value("NOMOS"), eparxia = m_towns->value("EPARXIA"), dhmos = m_towns->value("DHMOS");
    const QString town = m_towns->text("POLH");
    if (!m_dm.TblNomoi->locate("AUTONUM", nomos) || !m_dm.TblEPARXIES->locate("AUTONUM", eparxia)
        || !m_dm.TblDHMOI->locate(QStringList{"NOMOS", "AUTONUM"}, {nomos, dhmos}))
        return;
    if (m_dm.TblPOLEIS->locate("POLH", town)) {
        DBLookupComboBox4->setKeyValue(dhmos);
        DBLookupComboBox5->setKeyValue(eparxia);
        DBLookupComboBox6->setKeyValue(nomos);
    }
}

// ---- party cascade

void TCitizenPage::organisationChosen()
{
    DBLookupComboBox8->clearChoice();
    DBLookupComboBox10->clearChoice();
    DBLookupComboBox11->clearChoice();
    pointCellsAt(keyOf(DBLookupComboBox12));
}

void TCitizenPage::committeeChosen()
{
    DBLookupComboBox8->clearChoice();
    if (!m_editing)
        DBLookupComboBox10->clearChoice();
    DBLookupComboBox12->setKeyValue(m_dm.TblNO->value("AUTONUM"));
    pointCellsAt(m_dm.TblNO->integer("AUTONUM"), keyOf(DBLookupComboBox11));
}

void TCitizenPage::localChosen()
{
    DBLookupComboBox8->clearChoice();
    DBLookupComboBox11->setKeyValue(m_dm.TblNE->value("AUTONUM"));
    DBLookupComboBox12->setKeyValue(m_dm.TblNO->value("AUTONUM"));
    pointCellsAt(m_dm.TblNO->integer("AUTONUM"), m_dm.TblNE->integer("AUTONUM"), keyOf(DBLookupComboBox10));
}

void TCitizenPage::cellChosen()
{
    const QVariant no = m_cells->value("N_O"), ne = m_cells->value("N_E"), to = m_cells->value("T_O");
    const QString cell = m_cells->text("PYRHNAS");
    if (!m_dm.TblNO->locate("AUTONUM", no) || !m_dm.TblNE->locate("AUTONUM", ne) || !m_dm.TblTO->locate("AUTONUM", to))
        return;
    if (m_dm.TblPYRHNAS->locate("PYRHNAS", cell)) {
        DBLookupComboBox10->setKeyValue(to);
        DBLookupComboBox11->setKeyValue(ne);
        DBLookupComboBox12->setKeyValue(no);
    }
}

// ---- first name, vocatives, capacities, votes

void TCitizenPage::fillVocatives()
{
    CmbKLHTIKH->clear();
    CmbKLHTIKH->addItems(CitizenStore::vocatives(EdtOnoma->text(), RadioGroup1->itemIndex()));
    CmbKLHTIKH->setCurrentIndex(-1);
}

void TCitizenPage::nameLeft()
{
    const QString day = CitizenStore::nameDay(EdtOnoma->text());
    if (!day.isEmpty())
        MskCelebr->setText(day);
    if (!m_editing)
        fillVocatives();
}

void TCitizenPage::setVocative(const QString &v) { CmbKLHTIKH->setCurrentIndex(CmbKLHTIKH->findText(v)); }

void TCitizenPage::setCapacityCodes(const QString &codesText)
{
    m_capacities = codesText;
    const QList<int> items = codes::listItems(codesText);
    if (!items.isEmpty())
        Edit5->setText(codes::text(codes::idiothta(), items.first()));
}

void TCitizenPage::chooseCapacities()
{
    TIdiothtaDlg *d = CitizenScreens::idiothta();
    d->setList(m_capacities);
    if (ui().exec(d) != QDialog::Accepted)
        return;
    m_capacities = d->list();
    const QList<int> items = codes::listItems(m_capacities);
    if (!items.isEmpty())
        Edit5->setText(codes::text(codes::idiothta(), items.first()));
}

void TCitizenPage::votesChanged()
{
    bool ok1 = false, ok2 = false;
    const int a = Edit17->text().trimmed().toInt(&ok1);
    const int p = Edit18->text().trimmed().toInt(&ok2);
    if (!ok1 || !ok2) {
        Label25->setText("ΣΥΝΟΛΟ ΨΗΦΩΝ ");
        return;
    }
    Label25->setText("ΣΥΝΟΛΟ ΨΗΦΩΝ " + QString::number(a + p));
    const QString own = Registry(Registry::General).readString("Settings", "Synypops");
    if (!own.isEmpty())
        votes->setVotes(own, a + p);
}

// ---- notes

void TCitizenPage::showRemarks()
{
    TNOTESDlg *d = CitizenScreens::notes();
    d->RichEdit1->setPlainText(m_remarks);
    ui().exec(d);
    m_remarks = d->RichEdit1->toPlainText();
}

void TCitizenPage::showSpecialNotes()
{
    if (!Access::require())
        return;
    TSpecialNotesFrm *d = CitizenScreens::specialNotes();
    d->setCitizen(m_citizen, "ΕΠΑΦΕΣ : " + EdtEpitheto->text() + "  " + EdtOnoma->text());
    d->setTexts(m_notes);
    ui().exec(d);
    m_notes = d->texts();
}

void TCitizenPage::showConversation()
{
    TPolitesInfoDlg *d = CitizenScreens::conversation();
    d->setCitizen(m_citizen, EdtEpitheto->text() + " " + EdtOnoma->text());
    ui().exec(d);
}

// ---- the page as a record

CitizenRecord TCitizenPage::record() const
{
    CitizenRecord r;
    r.autonum = m_citizen;
    QVariantMap &f = r.fields;
    f["EPITHETO"] = EdtEpitheto->text();
    f["ONOMA"] = EdtOnoma->text();
    f["PATR"] = EdtPatr->text();
    f["MHTR"] = EdtMhtr->text();
    f["ADDRESS"] = Edit1->text();
    f["TK"] = Edit2->text();
    f["DATA1"] = Edit4->text();
    for (int i = 0; i < 5; ++i) {
        f[QString("TELO_%1").arg(i + 1)] = EdtTELO[i]->text();
        f[QString("TELE_%1").arg(i + 1)] = EdtTELE[i]->text();
    }
    f["MOBILE1"] = Edit10->text();
    f["MOBILE2"] = Edit11->text();
    f["FAX"] = EdtFAX->text();
    f["EMAIL"] = EdtEMAIL->text();
    f["WEB"] = EdtWEB->text();

    // Names kept by text: an untouched stored value that is no longer in its list stays.
    auto byName = [&](const QString &field, const QString &shown) {
        if (m_editing && !m_changed.contains(field) && shown.isEmpty() && !m_loaded.value(field).toString().isEmpty())
            return;
        f[field] = shown;
    };
    byName("ETHNIKOTHTA", DBLookupComboBox1->text());
    byName("EPAGELMA", DBLookupComboBox2->text());
    byName("KLHTIKH", CmbKLHTIKH->currentIndex() >= 0 ? CmbKLHTIKH->currentText() : QString());

    // Drop-downs over reference tables: the chosen row's number when one shows.
    const QList<QPair<QString, DBLookupComboBox *>> keyed = {
        {"MORFOSH", DBLookupComboBox13}, {"AKSIOLOGHSH", DBLookupComboBox14}, {"POLH", DBLookupComboBox3},
        {"DHMOS", DBLookupComboBox4},    {"EPARXIA", DBLookupComboBox5},      {"NOMOS", DBLookupComboBox6},
        {"ASKHSH", DBLookupComboBox7},   {"MelosID", DBLookupComboBox9},      {"PYRHNASID", DBLookupComboBox8},
        {"TO_ID", DBLookupComboBox10},   {"NE_ID", DBLookupComboBox11},       {"NO_ID", DBLookupComboBox12}};
    for (const auto &[field, combo] : keyed) {
        if (!combo->text().isEmpty())
            f[field] = combo->keyValue();
        else if (!m_editing)
            f[field] = QVariant();
    }

    f["BIRTHDAY"] = dates::storedBirthday(EdtBirthDay->displayText());
    f["CELEBRDAY"] = dates::storedNameDay(MskCelebr->displayText());
    f["FYLO"] = RadioGroup1->code();
    f["OIKOGKAT"] = RadioGroup3->code();
    f["ETERODHMOTHS"] = RadioGroup4->code();
    f["SYMAXIA"] = RadioGroup2->code();
    f["SXESH"] = ComboBox1->currentIndex();
    f["KOMA"] = ComboBox3->currentIndex();
    f["IDIOTHTA"] = m_capacities;
    f["MELHOIKOG"] = numberOrNull(Edit3->edit());
    f["AVOTE"] = numberOrNull(Edit17);
    f["PVOTE"] = numberOrNull(Edit18);
    f["P_PSHFOI"] = numberOrNull(Edit12);
    f["PSHFOI_P"] = numberOrNull(Edit13);

    QList<int> contacts;
    for (int i = 0; i < ChkLstEpafes->count(); ++i)
        if (ChkLstEpafes->item(i)->checkState() == Qt::Checked)
            contacts << i;
    QStringList c;
    for (int i : contacts)
        c << QString::number(i);
    f["EPAFES"] = c.join(',');
    QStringList influence;
    for (int i = 0; i < ChkBox2->count(); ++i)
        if (ChkBox2->item(i)->checkState() == Qt::Checked)
            influence << ChkBox2->item(i)->data(Qt::UserRole).toString();
    f["EPIROH"] = influence.join(',');
    f["NOTES"] = m_remarks;

    r.votes = votes->rows();
    r.notes = m_notes;
    return r;
}

bool TCitizenPage::validate()
{
    if (EdtEpitheto->text().trimmed().isEmpty() || EdtOnoma->text().trimmed().isEmpty()) {
        ui().message("Σφάλμα!Τα πεδία ΕΠΙΘΕΤΟ , ΟΝΟΜΑ είναι υποχρεωτικά για την αποθήκευση.");
        return false;
    }
    if (!dates::birthdayValid(dates::storedBirthday(EdtBirthDay->displayText()))) {
        ui().message("Η ημερομηνία γέννησης δεν είναι έγκυρη. Συμπληρώστε ημέρα/μήνα/έτος (ή ημέρα/μήνα) "
                     "μιας ημερομηνίας που υπάρχει.");
        EdtBirthDay->setFocus();
        return false;
    }
    if (!dates::nameDayValid(dates::storedNameDay(MskCelebr->displayText()))) {
        ui().message("Η ημερομηνία της γιορτής δεν είναι έγκυρη. Συμπληρώστε ημέρα/μήνα μιας ημερομηνίας που υπάρχει.");
        MskCelebr->setFocus();
        return false;
    }
    const FieldDef *influence = Schema::table("POLITES").field("EPIROH");
    if (record().fields.value("EPIROH").toString().size() > influence->width) {
        ui().message(QString("Οι επιλεγμένες επιρροές δεν χωρούν στην καρτέλα του πολίτη (έως %1 χαρακτήρες). "
                             "Αφαιρέστε κάποιες επιρροές.")
                         .arg(influence->width));
        ChkBox2->setFocus();
        return false;
    }
    return true;
}

} // namespace dorvani
