#include "shell/UntSplash.h"

#include "platform/VerInfo.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace dorvani {

QPixmap dorvaniEmblem(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(82, 144, 105));
    p.drawEllipse(QRectF(2, 2, size - 4, size - 4));
    p.setBrush(QColor(82, 194, 18));
    p.drawEllipse(QRectF(size * 0.18, size * 0.18, size * 0.64, size * 0.64));
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(int(size * 0.42));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, "Δ");
    return pm;
}

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName("AboutBox");
    setModal(true);
    auto *panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(3);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, QColor(215, 207, 179));
    panel->setPalette(pal);

    auto *picture = new QLabel(panel);
    picture->setObjectName("ProgramIcon");
    picture->setPixmap(dorvaniEmblem(96));
    picture->setAlignment(Qt::AlignCenter);
    auto *title = new QLabel("DORVANI", panel);
    title->setObjectName("ProductName");
    QFont tf("DejaVu Sans");
    tf.setPointSize(28);
    tf.setBold(true);
    title->setFont(tf);
    title->setAlignment(Qt::AlignCenter);
    QPalette tp = title->palette();
    tp.setColor(QPalette::WindowText, QColor(82, 144, 105));
    title->setPalette(tp);
    Version = new QLabel("Version : " + TVerInfoRes(QCoreApplication::applicationFilePath()).fileVersion(), panel);
    Version->setObjectName("Version");
    Version->setAlignment(Qt::AlignCenter);

    auto *pl = new QVBoxLayout(panel);
    pl->setContentsMargins(30, 24, 30, 24);
    pl->addWidget(picture);
    pl->addWidget(title);
    pl->addWidget(Version);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    setFixedSize(420, 300);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(5000);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (QScreen *s = screen())
        move(s->geometry().center() - rect().center());
    Timer1->start();
}

} // namespace dorvani
