#include "shell/UntAboutDlg.h"

#include "widgets/FormParts.h"
#include "shell/UntSplash.h"
#include "platform/VerInfo.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace dorvani {

TAboutDlg::TAboutDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("AboutDlg");
    setWindowTitle("Γενικά για το πρόγραμμα");
    setModal(true);

    ProgramIcon = new QLabel(this);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setPixmap(dorvaniEmblem(96));
    ProgramIcon->setAlignment(Qt::AlignCenter);
    ProductName = new QLabel("DORVANI", this);
    ProductName->setObjectName("ProductName");
    QFont f("DejaVu Sans");
    f.setPointSize(26);
    f.setBold(true);
    ProductName->setFont(f);
    ProductName->setAlignment(Qt::AlignCenter);
    Version = new QLabel(this);
    Version->setObjectName("Version");
    Version->setAlignment(Qt::AlignCenter);
    OKButton = new QPushButton("&OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);

    auto *top = new QHBoxLayout;
    top->addWidget(ProgramIcon);
    top->addWidget(ProductName, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(Version);
    layout->addSpacing(8);
    layout->addWidget(OKButton, 0, Qt::AlignCenter);
    setMinimumWidth(380);

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutDlg::~TAboutDlg() = default;

void TAboutDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    m_verInfo = std::make_unique<TVerInfoRes>(QCoreApplication::applicationFilePath());
    Version->setText("Έκδοση : " + m_verInfo->fileVersion());
    form::centre(this);
}

void TAboutDlg::done(int r)
{
    m_verInfo.reset();
    QDialog::done(r);
}

} // namespace dorvani
