#include "citizens/UntPolitesInfo.h"

#include "platform/AppContext.h"
#include "data/DbError.h"
#include "widgets/FormParts.h"
#include "widgets/InputHelpers.h"
#include "platform/Printing.h"
#include "platform/RtfCodec.h"
#include "widgets/Ui.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace dorvani {

TPolitesInfoDlg::TPolitesInfoDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("PolitesInfoDlg");
    setWindowTitle("ΠΛΗΡΟΦΟΡΙΕΣ ΓΙΑ ΤΟΝ ΠΟΛΙΤΗ");
    setModal(true);
    RchPolithsInfo = new QTextEdit(this);
    RchPolithsInfo->setObjectName("RchPolithsInfo");
    installGreekCapitals(RchPolithsInfo);
    BtnPrint = form::button("BtnPrint", "ΕΚΤΥΠΩΣΗ", this);
    BtnSave = form::button("BtnSave", "ΑΠΟΘΗΚΕΥΣΗ", this);
    BtnReturn = form::button("BtnReturn", "ΕΠΙΣΤΡΟΦΗ", this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnPrint);
    buttons->addWidget(BtnSave);
    buttons->addWidget(BtnReturn);
    auto *v = new QVBoxLayout(this);
    v->addWidget(RchPolithsInfo, 1);
    v->addLayout(buttons);
    resize(760, 560);
    connect(BtnSave, &QPushButton::clicked, this, [this] { guarded([this] { save(); }); });
    connect(BtnPrint, &QPushButton::clicked, this, [this] { guarded([this] { print(); }); });
    connect(BtnReturn, &QPushButton::clicked, this, &QDialog::reject);
}

void TPolitesInfoDlg::setCitizen(int number, const QString &name)
{
    m_citizen = number;
    m_name = name;
}

QString TPolitesInfoDlg::fileName() const
{
    return QDir(AppPaths::telDocs()).filePath(QString::number(m_citizen) + ".rtf");
}

void TPolitesInfoDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    setWindowTitle("ΠΛΗΡΟΦΟΡΙΕΣ ΓΙΑ ΤΟΝ ΠΟΛΙΤΗ " + m_name + " ΜΕ ΚΩΔΙΚΟ " + QString::number(m_citizen));
    QDir().mkpath(AppPaths::telDocs());
    RchPolithsInfo->clear();
    RchPolithsInfo->setFocus();
    if (m_citizen >= 0)
        rtf::load(fileName(), *RchPolithsInfo->document());
}

void TPolitesInfoDlg::save()
{
    if (m_citizen < 0)
        return;
    QDir().mkpath(AppPaths::telDocs());
    const QString error = rtf::save(fileName(), *RchPolithsInfo->document());
    if (!error.isEmpty())
        throw DbError(error);
    ui().message("Η αποθήκευση ολοκληρώθηκε");
}

void TPolitesInfoDlg::print()
{
    const QString title = windowTitle();
    QTextDocument *doc = RchPolithsInfo->document();
    ui().printPreview(title, [doc](PageSink &page) {
        page.document(*doc, QRectF(QPointF(0, 0), page.pageSize()));
    });
}

} // namespace dorvani
