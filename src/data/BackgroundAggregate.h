// The count and the sums of a large result, computed off the screen's thread on a
// read-only connection of its own, so that the rows show at once and the totals follow.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <atomic>
#include <memory>

namespace dorvani {

class Dataset;

class BackgroundAggregate : public QObject {
    Q_OBJECT
public:
    // Starts "SELECT COUNT(*), expressions FROM (the dataset's rows)". The dataset learns its
    // count when the result arrives, unless its rows changed meanwhile.
    BackgroundAggregate(Dataset *ds, const QStringList &expressions, QObject *parent = nullptr);
    ~BackgroundAggregate() override;

    bool running() const { return m_running; }
    // Stops the pass (the result is not delivered) and waits for the thread; done by itself
    // when the store announces it is closing.
    void cancel();
    // Waits for the result, at most the given milliseconds (-1: as long as it takes); true
    // when it came, and then it has been delivered.
    bool wait(int ms = -1);
    QVariantList values() const { return m_values; } // the count first, then each expression
    QString error() const { return m_error; }

signals:
    void finished(const QVariantList &values);
    void failed(const QString &error);

private:
    void deliver(const QVariantList &values, const QString &error);

    struct Shared;
    std::shared_ptr<Shared> m_shared;
    QPointer<Dataset> m_ds;
    quint64 m_generation = 0;
    bool m_running = false;
    QVariantList m_values;
    QString m_error;
};

} // namespace dorvani
