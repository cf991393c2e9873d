#include "data/BackgroundAggregate.h"

#include "data/Dataset.h"
#include "data/ValidText.h"
#include "data/Store.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMutex>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>
#include <QUuid>

#include <sqlite3.h>

namespace dorvani {

struct BackgroundAggregate::Shared {
    QMutex mutex;
    sqlite3 *handle = nullptr;
    std::atomic<bool> cancelled{false};
    std::unique_ptr<QThread> thread;
};

BackgroundAggregate::BackgroundAggregate(Dataset *ds, const QStringList &expressions, QObject *parent)
    : QObject(parent), m_shared(std::make_shared<Shared>()), m_ds(ds)
{
    const Dataset::Statement st = ds->statement();
    m_generation = ds->rowsGeneration();
    const QString sql = "SELECT COUNT(*)" + (expressions.isEmpty() ? QString() : ", " + expressions.join(", "))
                        + " FROM (\n" + st.sql + "\n)";
    const QString file = Store::instance().mainFile();
    std::shared_ptr<Shared> shared = m_shared;
    m_running = true;
    // The pass stops before the data files close.
    connect(&Store::instance(), &Store::aboutToClose, this, &BackgroundAggregate::cancel);
    m_shared->thread.reset(QThread::create([this, shared, sql, st, file] {
        QVariantList values;
        QString error;
        const QString name = "aggregate-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
        {
            QSqlDatabase d = QSqlDatabase::addDatabase("QSQLITE", name);
            d.setDatabaseName(file);
            d.setConnectOptions("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000");
            if (!d.open()) {
                error = d.lastError().databaseText();
            } else {
                Store::registerGreek(d);
                {
                    QMutexLocker lock(&shared->mutex);
                    const QVariant h = d.driver()->handle();
                    if (h.isValid() && qstrcmp(h.typeName(), "sqlite3*") == 0)
                        shared->handle = *static_cast<sqlite3 *const *>(h.data());
                }
                QSqlQuery q(d);
                q.setForwardOnly(true);
                if (!shared->cancelled && q.prepare(validUnicode(sql))) {
                    for (int i = 0; i < st.binds.size(); ++i)
                        q.bindValue(i, validValue(st.binds[i]));
                    for (auto it = st.named.begin(); it != st.named.end(); ++it) {
                        const QString n = it.key().startsWith(':') ? it.key() : ':' + it.key();
                        if (sql.contains(n, Qt::CaseInsensitive))
                            q.bindValue(n, validValue(it.value()));
                    }
                    if (q.exec() && q.next())
                        for (int i = 0; i < q.record().count(); ++i)
                            values << q.value(i);
                    else
                        error = q.lastError().databaseText();
                } else if (!shared->cancelled) {
                    error = q.lastError().databaseText();
                }
                q.finish();
                QMutexLocker lock(&shared->mutex);
                shared->handle = nullptr;
            }
            d.close();
        }
        QSqlDatabase::removeDatabase(name);
        if (!shared->cancelled)
            QMetaObject::invokeMethod(this, [this, values, error] { deliver(values, error); }, Qt::QueuedConnection);
    }));
    m_shared->thread->start();
}

BackgroundAggregate::~BackgroundAggregate()
{
    cancel();
}

void BackgroundAggregate::cancel()
{
    if (!m_shared->thread)
        return;
    m_shared->cancelled = true;
    {
        QMutexLocker lock(&m_shared->mutex);
        if (m_shared->handle)
            sqlite3_interrupt(m_shared->handle);
    }
    m_shared->thread->wait();
    m_running = false;
}

bool BackgroundAggregate::wait(int ms)
{
    if (m_running) {
        if (!m_shared->thread->wait(ms < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(ms)))
            return false;
        // The result waits in the event queue: take it now.
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
    return !m_running && m_error.isEmpty() && !m_values.isEmpty();
}

void BackgroundAggregate::deliver(const QVariantList &values, const QString &error)
{
    if (!m_running)
        return;
    m_running = false;
    m_values = values;
    m_error = error;
    if (!error.isEmpty() || values.isEmpty()) {
        emit failed(error);
        return;
    }
    if (m_ds && m_ds->rowsGeneration() == m_generation)
        m_ds->learnCount(values.first().toInt());
    emit finished(values);
}

} // namespace dorvani
