#include "citizens/UntEditPers.h"

#include "citizens/CitizenLookups.h"
#include "citizens/CitizenScreens.h"
#include "data/Codes.h"
#include "data/DataModule.h"
#include "widgets/DbControls.h"
#include "platform/Desktop.h"
#include "widgets/Access.h"
#include "widgets/InputHelpers.h"
#include "platform/Printing.h"
#include "widgets/Ui.h"
#include "widgets/MainWindow.h"
#include "widgets/Screens.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSqlQuery>
#include <QTimer>
#include <QToolButton>

namespace dorvani {

namespace {
std::function<void(const QString &)> &dialler()
{
    static std::function<void(const QString &)> d;
    return d;
}
} // namespace


TEditPersFrm::TEditPersFrm(TDataMdl &dm, QWidget *parent) : TCitizenPage(dm, parent)
{
    SpeedButton16 = toolButton("SpeedButton16", "◀", "ΜΕΤΑΚΙΝΗΣΗ ΣΤΗΝ ΠΠΡΟΗΓΟΥΜΕΝΗ ΕΓΓΡΑΦΗ");
    SpeedButton17 = toolButton("SpeedButton17", "▶", "ΜΕΤΑΚΙΝΗΣΗ ΣΤΗΝ ΕΠΟΜΕΝΗ ΕΓΓΡΑΦΗ");
    SpeedButton18 = toolButton("SpeedButton18", "...", "ΚΑΤΑΝΟΜΗ ΣΥΝΟΛΟΥ ΨΗΦΩΝ ΣΤΙΣ ΠΟΛΕΙΣ");
    SpeedButton14 = toolButton("SpeedButton14", "@", "Ε-MAIL");
    SpeedButton15 = toolButton("SpeedButton15", "⌂", "WEB");
    for (int i = 0; i < 12; ++i)
        DialButtons[i] = toolButton(QString("SpeedButton%1").arg(i + 2), "☎", "ΚΛΗΣΗ ΤΗΛΕΦΩΝΟΥ");
    BitBtn3 = form::button("BitBtn3", "&ΔΙΑΓΡΑΦΗ", this);
    BBtnPrint = form::button("BBtnPrint", "Ε&ΚΤΥΠΩΣΗ", this);
    build();
    votes->setTitles("ΣΥΝΥΠΟΨΗΦΙΟΣ - Α", "ΨΗΦΟΙ");
    DBGrid1->setColumnWidth(1, form::scaledWidth(41, DBGrid1->font()));
    BtnDel->setToolTip("ΚΑΘΑΡΙΣΜΟΣ ΟΛΩΝ ΤΩΝ ΒΑΣΙΚΩΝ");
    connect(EdtOnoma, &QLineEdit::textChanged, this, [this] { guarded([this] { fillVocatives(); }); });

    setObjectName("EditPersFrm");
    setWindowTitle("ΔΙΟΡΘΩΣΗ ΠΟΛΙΤΗ");
    m_capacities.clear();
    Keyboard::switchToGreek();
    Keyboard::setCapsLock(true);

    connect(BtnSave, &QPushButton::clicked, this, [this] { save(); });
    connect(CancelBtn, &QPushButton::clicked, this, &TEditPersFrm::returnClicked);
    connect(BtnDel, &QPushButton::clicked, this, [this] { guarded([this] { clearPage(); }); });
    connect(SpeedButton16, &QToolButton::clicked, this, [this] { guarded([this] { step(false); }); });
    connect(SpeedButton17, &QToolButton::clicked, this, [this] { guarded([this] { step(true); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded([this] { deleteCitizen(); }); });
    connect(BBtnPrint, &QPushButton::clicked, this, [this] { guarded([this] { print(); }); });
    connect(SpeedButton14, &QToolButton::clicked, this, [this] { writeMail(); });
    connect(SpeedButton15, &QToolButton::clicked, this, [this] { openWeb(); });
    // Each call button dials its field's text as it stands.
    for (int i = 0; i < 12; ++i) {
        DialButtons[i]->setEnabled(bool(dialler()));
        QLineEdit *field = phones()[i];
        connect(DialButtons[i], &QToolButton::clicked, this, [field] {
            if (dialler())
                guarded([field] { dialler()(field->text()); });
        });
    }
    // The distribution of votes over the towns opens for this citizen once its screen is there.
    SpeedButton18->setEnabled(Screens::has("TTotPSHFOIDlg"));
    connect(SpeedButton18, &QToolButton::clicked, this, [] { Screens::run("TTotPSHFOIDlg"); });
}

TEditPersFrm::~TEditPersFrm() = default;

void TEditPersFrm::setDialler(std::function<void(const QString &)> dial) { dialler() = std::move(dial); }

void TEditPersFrm::closeEvent(QCloseEvent *e)
{
    TCitizenPage::closeEvent(e);
    // Closing, by any way, shows again the list that opened the screen (not when the
    // program itself is ending).
    MainWindow *main = MainWindow::instance();
    if (!main || main->shuttingDown())
        return;
    const int origin = m_origin, autonum = m_citizen;
    QTimer::singleShot(0, main->widget(), [origin, autonum] { CitizenScreens::returnTo(origin, autonum); });
}

void TEditPersFrm::openCitizen(int autonum, int origin)
{
    m_origin = origin;
    prepareLists(false);
    clearPage();
    load(autonum);
    raise();
}

bool TEditPersFrm::load(int autonum)
{
    const QVariantMap c = CitizenStore::load(autonum);
    if (c.isEmpty())
        return false;
    TDataMdl &dm = m_dm;
    auto v = [&](const char *f) { return c.value(QString::fromLatin1(f)); };
    auto s = [&](const char *f) { return c.value(QString::fromLatin1(f)).toString(); };
    m_citizen = autonum;
    m_loaded = c;

    Edit4->setText(s("DATA1"));
    EdtEpitheto->setText(s("EPITHETO"));
    EdtOnoma->setText(s("ONOMA")); // refills the vocatives
    EdtPatr->setText(s("PATR"));
    EdtMhtr->setText(s("MHTR"));
    Edit1->setText(s("ADDRESS"));
    Edit2->setText(s("TK"));
    DBLookupComboBox1->setKeyValue(s("ETHNIKOTHTA"));
    DBLookupComboBox2->setKeyValue(s("EPAGELMA"));
    if (!v("MORFOSH").isNull())
        DBLookupComboBox13->setKeyValue(v("MORFOSH"));
    DBLookupComboBox14->setKeyValue(v("AKSIOLOGHSH"));

    // Geography from the town.
    if (!v("POLH").isNull() && dm.Query1->locate("AUTONUM", v("POLH"))) {
        const QVariant nomos = dm.Query1->value("NOMOS"), eparxia = dm.Query1->value("EPARXIA"),
                       dhmos = dm.Query1->value("DHMOS");
        if (dm.TblNomoi->locate("AUTONUM", nomos))
            DBLookupComboBox6->setKeyValue(nomos);
        if (dm.TblEPARXIES->locate("AUTONUM", eparxia))
            DBLookupComboBox5->setKeyValue(eparxia);
        if (dm.TblDHMOI->locate("AUTONUM", dhmos))
            DBLookupComboBox4->setKeyValue(dhmos);
        DBLookupComboBox3->setKeyValue(v("POLH"));
    }
    // Party organisation from the cell.
    QSqlQuery cell = Store::instance().exec("Select * from PYRHNAS Where AUTONUM=?", {v("PYRHNASID").toInt()});
    if (cell.next()) {
        const QVariant no = cell.value("N_O"), ne = cell.value("N_E"), to = cell.value("T_O");
        if (dm.TblNO->locate("AUTONUM", no))
            DBLookupComboBox12->setKeyValue(no);
        if (dm.TblNE->locate("AUTONUM", ne))
            DBLookupComboBox11->setKeyValue(ne);
        if (dm.TblTO->locate("AUTONUM", to))
            DBLookupComboBox10->setKeyValue(to);
    }
    cell.finish();
    QStringList cells = {"Select * From PYRHNAS "};
    if (!DBLookupComboBox12->text().isEmpty())
        cells[0] += "Where N_O=" + QString::number(dm.TblNO->integer("AUTONUM"));
    cellQuery()->setSql(cells);
    cellQuery()->open();
    DBLookupComboBox8->setKeyValue(v("PYRHNASID"));
    DBLookupComboBox9->setKeyValue(v("MelosID"));
    // The place names again, each among the rows its list holds now.
    DBLookupComboBox4->showKey(v("DHMOS"));
    DBLookupComboBox5->showKey(v("EPARXIA"));
    DBLookupComboBox6->showKey(v("NOMOS"));

    EdtBirthDay->setText(dates::shownDate(s("BIRTHDAY")));
    MskCelebr->setText(dates::shownDate(s("CELEBRDAY")));
    auto option = [&](TRadioGroup *g, const char *f) {
        if (!v(f).isNull())
            g->setItemIndex(v(f).toInt());
    };
    option(RadioGroup4, "ETERODHMOTHS");
    option(RadioGroup2, "SYMAXIA");
    option(RadioGroup1, "FYLO");
    option(RadioGroup3, "OIKOGKAT");
    auto item = [&](QComboBox *cb, const char *f) {
        if (!v(f).isNull())
            cb->setCurrentIndex(v(f).toInt() < cb->count() ? v(f).toInt() : -1);
    };
    item(ComboBox1, "SXESH");
    item(ComboBox3, "KOMA");
    DBLookupComboBox7->setKeyValue(v("ASKHSH"));

    Edit5->clear();
    setCapacityCodes(s("IDIOTHTA"));
    Edit3->edit()->setText(s("MELHOIKOG"));
    for (int i = 0; i < 5; ++i) {
        EdtTELO[i]->setText(s(QString("TELO_%1").arg(i + 1).toLatin1().constData()));
        EdtTELE[i]->setText(s(QString("TELE_%1").arg(i + 1).toLatin1().constData()));
    }
    Edit10->setText(s("MOBILE1"));
    Edit11->setText(s("MOBILE2"));
    EdtFAX->setText(s("FAX"));
    EdtEMAIL->setText(s("EMAIL"));
    EdtWEB->setText(s("WEB"));
    setVocative(s("KLHTIKH"));

    for (int i = 0; i < ChkLstEpafes->count(); ++i)
        ChkLstEpafes->item(i)->setCheckState(Qt::Unchecked);
    for (int code : codes::listItems(s("EPAFES")))
        if (code >= 0 && code < ChkLstEpafes->count())
            ChkLstEpafes->item(code)->setCheckState(Qt::Checked);
    const QList<int> influence = codes::listItems(s("EPIROH"));
    for (int i = 0; i < ChkBox2->count(); ++i)
        ChkBox2->item(i)->setCheckState(influence.contains(ChkBox2->item(i)->data(Qt::UserRole).toInt()) ? Qt::Checked
                                                                                                         : Qt::Unchecked);
    Edit17->setText(s("AVOTE"));
    Edit18->setText(s("PVOTE"));
    votesChanged();
    Edit12->setText(s("P_PSHFOI"));
    Edit13->setText(s("PSHFOI_P"));
    m_remarks = s("NOTES");

    votes->setRows(CitizenStore::loadVotes(autonum));
    if (const auto notes = CitizenStore::loadNotes(autonum))
        m_notes = *notes;
    m_changed.clear();

    // The citizen table follows the citizen on screen, so that the list does too.
    if (dm.TblPOLITES->active() && (dm.TblPOLITES->state() == Dataset::Browse))
        dm.TblPOLITES->locate("AUTONUM", autonum);
    return true;
}

bool TEditPersFrm::save()
{
    if (!validate())
        return false;
    try {
        CitizenStore::update(record(), m_homeNomos);
    } catch (const DbError &) {
        ui().message("Παρουσιάστηκε σφάλμα στην αποθήκευση.");
        return false;
    }
    m_loaded = CitizenStore::load(m_citizen);
    m_changed.clear();
    ui().message("Η αποθήκευση ολοκληρώθηκε");
    emit saved(m_citizen);
    return true;
}

void TEditPersFrm::step(bool forward)
{
    if (ui().question("Θέλετε να αποθηκεύσετε τις αλλαγές;", "ΕΠΙΒΕΒΑΙΩΣΗ") && !save())
        return;
    const int next = CitizenStore::neighbour(m_citizen, forward);
    prepareLists(false);
    clearPage();
    if (next > 0)
        load(next);
}

void TEditPersFrm::deleteCitizen()
{
    if (!Access::require())
        return;
    if (!ui().question("Παρακαλώ επιβεβαιώστε τη διαγραφή του πολίτη", "ΕΠΙΒΕΒΑΙΩΣΗ", true))
        return;
    // The list comes back on the citizen that followed (or, after the last, preceded).
    int neighbour = CitizenStore::neighbour(m_citizen, true);
    if (neighbour <= 0 || neighbour == m_citizen)
        neighbour = CitizenStore::neighbour(m_citizen, false);
    CitizenStore::remove(m_citizen);
    if (neighbour > 0 && neighbour != m_citizen)
        m_citizen = neighbour;
    closeScreen();
}

void TEditPersFrm::returnClicked()
{
    if (ui().question("Θέλετε να αποθηκεύσετε τις αλλαγές;", "ΕΠΙΒΕΒΑΙΩΣΗ") && !save())
        return; // a refused save keeps what was typed
    closeScreen();
}

void TEditPersFrm::print()
{
    // A picture of the page with its current contents, as large as the sheet allows.
    const QImage picture = grab().toImage();
    ui().printPreview(windowTitle(), [picture](PageSink &page) {
        const QSizeF area = page.pageSize();
        QSizeF size = picture.size();
        size.scale(area, Qt::KeepAspectRatio);
        page.image(QRectF(QPointF(0, 0), size), picture);
    });
}

void TEditPersFrm::writeMail()
{
    const QUrl u = mailAddress(EdtEMAIL->text());
    if (u.isValid())
        Desktop::instance().openUrl(u);
}

void TEditPersFrm::openWeb()
{
    const QUrl u = webAddress(EdtWEB->text());
    if (u.isValid())
        Desktop::instance().openUrl(u);
}

// ---------------------------------------------------------------- the editing page's own ways

CitizenRecord TEditPersFrm::record() const
{
    CitizenRecord r = TCitizenPage::record();
    for (const auto &[field, combo] : keyedFields())
        if (combo->text().isEmpty())
            r.fields.remove(field);
    for (const QString &field : {QStringLiteral("ETHNIKOTHTA"), QStringLiteral("EPAGELMA"), QStringLiteral("KLHTIKH")})
        if (!m_changed.contains(field) && r.fields.value(field).toString().isEmpty()
            && !m_loaded.value(field).toString().isEmpty())
            r.fields.remove(field);
    return r;
}

QList<DBLookupComboBox *> TEditPersFrm::partyRows() const
{
    return {DBLookupComboBox9, DBLookupComboBox8, DBLookupComboBox10, DBLookupComboBox11, DBLookupComboBox12};
}

QList<DBLookupComboBox *> TEditPersFrm::partyTabOrder() const
{
    return {DBLookupComboBox9, DBLookupComboBox8, DBLookupComboBox10, DBLookupComboBox12, DBLookupComboBox11};
}

void TEditPersFrm::besidePhone(QGridLayout *g, int row, int column, int index)
{
    g->addWidget(DialButtons[index], row, column);
}

void TEditPersFrm::besideContact(QGridLayout *g)
{
    g->addWidget(SpeedButton14, 1, 2);
    g->addWidget(SpeedButton15, 2, 2);
}

QWidget *TEditPersFrm::votesTotal(QLabel *total)
{
    auto *w = new QWidget(this);
    auto *h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(total, 1);
    h->addWidget(SpeedButton18);
    return w;
}

QList<QWidget *> TEditPersFrm::buttonOrder() const
{
    return {BtnDel,   BitBtn2, BBtnSpecialNotes, SpeedButton16, SpeedButton17, BBtnInfo,
            BitBtn3,  BBtnPrint, BtnSave,        CancelBtn,     BitBtn5};
}

Dataset *TEditPersFrm::townList() const { return m_dm.TblPOLEIS; }

void TEditPersFrm::prefectureChosen()
{
    DBLookupComboBox3->clearChoice();
    DBLookupComboBox4->clearChoice();
    DBLookupComboBox5->clearChoice();
}

void TEditPersFrm::townChosen()
{
    DBLookupComboBox4->setKeyValue(m_dm.TblDHMOI->value("AUTONUM"));
    DBLookupComboBox5->setKeyValue(m_dm.TblEPARXIES->value("AUTONUM"));
    DBLookupComboBox6->setKeyValue(m_dm.TblNomoi->value("AUTONUM"));
}

void TEditPersFrm::committeeChosen()
{
    // The local organisation chosen stays.
    DBLookupComboBox8->clearChoice();
    DBLookupComboBox12->setKeyValue(m_dm.TblNO->value("AUTONUM"));
    pointCellsAt(m_dm.TblNO->integer("AUTONUM"), lookups::keyOf(DBLookupComboBox11));
}

void TEditPersFrm::nameLeft() { showNameDay(); }

} // namespace dorvani
