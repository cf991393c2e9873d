#include "widgets/UntProgress.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvani {

TProgressDlg::TProgressDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("ProgressDlg");
    setWindowTitle("ΠΑΡΑΚΑΛΩ ΠΕΡΙΜΕΝΕΤΕ");
    ProgBar = new QProgressBar(this);
    ProgBar->setObjectName("ProgBar");
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    QFont f = Label1->font();
    f.setBold(true);
    Label1->setFont(f);
    BitBtn1 = new QPushButton("ΑΚΥΡΩΣΗ", this);
    BitBtn1->setObjectName("BitBtn1");
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ProgBar);
    layout->addWidget(BitBtn1, 0, Qt::AlignRight);
    resize(380, 120);
    connect(BitBtn1, &QPushButton::clicked, this, &TProgressDlg::cancel);
}

void TProgressDlg::begin(int items)
{
    ProgBar->setRange(0, qMax(0, items));
    ProgBar->setValue(0);
    Label1->setText("Παρακαλώ περιμένετε...");
    m_cancelled = false;
    setModal(false);
    show();
    QCoreApplication::processEvents();
}

bool TProgressDlg::step()
{
    ProgBar->setValue(qMin(ProgBar->maximum(), ProgBar->value() + 1));
    QCoreApplication::processEvents();
    return !m_cancelled;
}

void TProgressDlg::end() { hide(); }

} // namespace dorvani
