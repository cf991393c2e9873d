// A test object with a store of its own: a fresh program folder with its Db opened, and the
// data module over it when the test asks for one.
#pragma once

#include "data/DataModule.h"
#include "data/Store.h"
#include "TestSupport.h"

#include <QObject>

#include <memory>

namespace dorvani::test {

class StoreTest : public QObject {
protected:
    void openStore(bool withDataModule = false)
    {
        m_home = std::make_unique<TestHome>();
        m_store = std::make_unique<Store>();
        m_store->open(m_home->path("Db"));
        if (withDataModule)
            m_dm = std::make_unique<TDataMdl>();
    }
    void closeStore()
    {
        m_dm.reset();
        m_store.reset();
        m_home.reset();
    }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<TDataMdl> m_dm;
};

} // namespace dorvani::test
