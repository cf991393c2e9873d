#include "shell/UntTips.h"

#include "platform/Registry.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

namespace dorvani {

const QStringList &TTipsDlg::tips()
{
    static const QStringList t = {
        "Ανοίγοντας για πρώτη φορά το DORVANI το πρώτο πράγμα που πρέπει να κάνετε, είναι να επιλέξετε από το κεντρικό μενού ΚΑΤΗΓΟΡΙΕΣ να καταχωρήσετε τις επαρχίες,δήμους,πόλεις του Νομού.",
        "Ένα απαραίτητο βήμα για την αποθήκευση Νέου Πολίτη είναι να δημιουργήσετε, τις λίστες των Συνυποψηφίων και Επιροή από,επιλέγοντας από το κεντρικό μενού ΚΑΤΗΓΟΡΙΕΣ.",
        "Ανοίγοντας για πρώτη φορά το DORVANI το πρώτο πράγμα που πρέπει να κάνετε, είναι να επιλέξετε από το κεντρικό μενού Πολίτες - Νέοι και να αρχίσετε να καταχωρήτε διάφορα πρόσωπα.",
        "Αν θέλετε να εμφανίζεται ο Νομός που δουλεύετε πάντα επιλεγμένος , επιλέξτε από το κεντρικό μενού Βοηθητικά - Ρυθμίσεις και συμπληρώστε το Νομό που επιθυμείτε.",
        "Αν θέλετε να αποδίδονται οι περιφερειακοί και ατομικοί ψήφοι πάντα σε έναν Συνυποψήφιο, επιλέξτε από το κεντρικό μενού Βοηθητικά - Ρυθμίσεις και συμπληρώστε τον Συνυποψήφιο που επιθυμείτε, αφού έχετε δημιουργήσει τη λίστα των Συνυποψηφίων.",
        "Στην εισαγωγή και διόρθωση(εμφάνιση) Πολίτη συμπληρώνοντας το πεδίο ΟΝΟΜΑ συμπληρώνεται,αυτόματα και το πεδίο ΕΟΡΤΑΖΕΙ ΣΤΙΣ εφόσον το όνομα είναι καταχωρημένο στο εορτολόγιο.",
        "Μπορείτε να αλλάξετε το πλάτος των στηλών στα αποτελέσματα αναζήτησης , κρατώνας πατημένο το αριστερό κουμπί του ποντικιού και μετακινώντας το , αριστερά ή δεξιά.",
        "Μπορείτε να δείτε ποιοι πολίτες εορτάζουν επιλέγοντας από το κεντρικό μενού ΕΟΡΤΟΛΟΓΙΟ και ΠΡΟΒΟΛΗ ΕΟΡΤΑΖΟΝΤΩΝ ΗΜΕΡΑΣ.",
        "Επιλέγοντας Πολίτες - Αναζήτηση από το κεντρικό μενού και συμπληρώνοντας όσα πεδία σας ενδιαφέρουν βλέπετε τα αποτελέσματα αναζήτησης και αν θέλετε εκτυπώνετε τη λίστα ή εκτυπώνετε ετικέτες (κουμπί ΔΙΕΥΘΥΝΣΙΟΓΡΑΦΟΣ).",
        "Στην αναζήτηση μπορείτε να βρείτε όλους τους πολίτες που το ΕΠΙΘΕΤΟ τους αρχίζει από ΜΠ δώστε στο πεδίο ΕΠΙΘΕΤΟ ΜΠ*, ή να βρείτε όλους όσους το ΟΝΟΜΑ τους λήγει σε ΟΣ συμπληρώστε στο ΟΝΟΜΑ *ΟΣ ή όλους όσους στο όνομά τους περιέχεται το ΚΟ δώστε *ΚΟ*.",
        "Μπορείτε να ομαδοποιήσετε τη λίστα των Πολιτών σας βάσει αρχικού γράμματος του ΕΠΙΘΕΤΟΥ, επιλέγοντας ΤΗΛΕΦΩΝΙΚΟΣ ΚΑΤΑΛΟΓΟΣ από το κεντρικό μενού καθώς και να καλέσετε απευθείας κάποιο τηλέφωνο πατώντας το κουμπί με το τηλέφωνο.",
        "Μπορείτε να δείτε αναλυτικά τους Πολίτες που θα σας αποδόσουν ψήφους και το σύνολο των ψήφων στο Νομό επιλέγοντας ΣΤΑΤΙΣΤΙΚΑ από το κεντρικό μενού.",
        "Μπορείτε να δείτε τους ψήφους για σας ή για όλους τους Συνυποψήφιους που έχετε υποστηρίξει αναλυτικά για κάθε πόλη,δήμο,επαρχία πατώντας από τα ΣΤΑΤΙΣΤΙΚΑ το κουμπί ΣΥΓΚΕΝΤΡΩΤΙΚΑ.",
        "Στην αναζήτηση αν θέλετε να δείτε ποιοι Πολίτες έχουν πάνω από 5 ατομικούς και 10 περιφερειακούς ψήφους συμπληρώνετε 5 και 10 στα αντίστοιχα κουτιά.",
        "Μπορείτε να στείλετε Επιστολές σε πολίτες που επιθυμείτε επιλέγοντας ΕΠΙΣΤΟΛΟΓΡΑΦΟΣ - Δημιουργία-Εκτύπωση Επιστολών ",
        "Με τον Επιστολογράφο μπορείτε να δημιουργήσετε μια δυναμική λίστας πολιτών που θέλετε ,να στείλετε μία συγκεκριμένη επιστολή με δυνατότητα ενσωμάτωσης Φωτογραφίας, Υπογραφής σας ,ξεχωριστή Προσφώνηση ,Κλητική για κάθε πολίτη.",
        "Μπορείτε να εκτυπώσετε Ετικέτες επιλέγοντας ΠΟΛΙΤΕΣ - Διευθυνσιογράφος με δυναμική λίστα των πολιτών και των πεδίων που θέλετε να εκτυπώσετε.",
        "Για την λειτουργία του προγράμματος σας προτείνουμε ανάλυση οθόνης 1024 x 768",
        "Η Οργάνωση και η Στρατηγική οδηγούν στις Επιτυχίες",
    };
    return t;
}

TTipsDlg::TTipsDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("TipsDlg");
    setWindowTitle("Πληροφορία της Ημέρας");
    setModal(true);

    auto *panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    panel->setPalette(pal);
    auto *heading = new QLabel("Γνωρίζετε ότι ...", panel);
    heading->setObjectName("Label1");
    QFont hf = heading->font();
    hf.setBold(true);
    hf.setPointSize(hf.pointSize() + 4);
    heading->setFont(hf);
    Label2 = new QLabel(panel);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setMinimumHeight(110);
    auto *pl = new QVBoxLayout(panel);
    pl->addWidget(heading);
    pl->addWidget(Label2, 1);

    ChkShowTips = new QCheckBox("Να φαίνονται οι πληροφορίες κατά την εκκίνηση", this);
    ChkShowTips->setObjectName("ChkShowTips");
    BtnNext = new QPushButton("&Επόμενη", this);
    BtnNext->setObjectName("BtnNext");
    BtnClose = new QPushButton("&Κλείσιμο", this);
    BtnClose->setObjectName("BtnClose");
    BtnClose->setDefault(true);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(ChkShowTips);
    bottom->addStretch();
    bottom->addWidget(BtnNext);
    bottom->addWidget(BtnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel, 1);
    layout->addLayout(bottom);
    resize(520, 260);

    connect(BtnNext, &QPushButton::clicked, this, &TTipsDlg::pickTip);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TTipsDlg::pickTip()
{
    m_tip = int(QRandomGenerator::global()->bounded(tips().size()));
    Label2->setText(tips().at(m_tip));
}

void TTipsDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    pickTip();
    ChkShowTips->setChecked(Registry(Registry::General).readBool("Tips", "ShowTips", true));
}

void TTipsDlg::done(int r)
{
    Registry(Registry::General).writeBool("Tips", "ShowTips", ChkShowTips->isChecked());
    QDialog::done(r);
}

} // namespace dorvani
