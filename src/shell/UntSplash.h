// The splash box shown at start-up for five seconds.
#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace dorvani {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    QLabel *Version;
    QTimer *Timer1;

protected:
    void showEvent(QShowEvent *e) override;
};

// A picture of the program's emblem, drawn rather than loaded.
QPixmap dorvaniEmblem(int size);

} // namespace dorvani
