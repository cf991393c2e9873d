// The shared progress window of long runs (labels, letters): a bar, a text line and a
// cancel button that records a cancel request.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace dorvani {

class TProgressDlg : public QDialog {
    Q_OBJECT
public:
    explicit TProgressDlg(QWidget *parent = nullptr);

    QProgressBar *ProgBar;
    QLabel *Label1;
    QPushButton *BitBtn1;

    // A run: the bar's range is its number of items; the window shows without blocking.
    void begin(int items);
    // Advances the bar and lets pending window messages through; false once cancelled.
    bool step();
    bool cancelled() const { return m_cancelled; }
    void cancel() { m_cancelled = true; }
    void end();

private:
    bool m_cancelled = false;
};

} // namespace dorvani
