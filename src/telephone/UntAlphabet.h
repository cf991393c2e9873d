// The initial-letter finder: a small window on top with a button per letter, Greek or Latin.
#pragma once

#include <QDialog>
#include <QList>

class QPushButton;
class QToolButton;
class QWidget;

namespace dorvani {

class TAlphabetDlg : public QDialog {
    Q_OBJECT
public:
    explicit TAlphabetDlg(QWidget *parent = nullptr);

    QWidget *GreekBar;
    QWidget *LatinBar;
    QToolButton *GrBtn;
    QToolButton *EnBtn;
    QList<QPushButton *> letterButtons() const { return m_letters; }
    QPushButton *letterButton(const QString &letter) const;

    void showGreek(bool greek);

signals:
    void letterChosen(const QString &letter);

protected:
    void showEvent(QShowEvent *e) override;

private:
    QWidget *bar(const QString &letters, const QString &name, QToolButton **dropDown, const QString &dropText);
    QList<QPushButton *> m_letters;
};

} // namespace dorvani
