#pragma once

#include <gtest/gtest.h>

#include <string>

#include "store/SettingsStore.h"
#include "support/TempDir.h"

namespace quillon::test {

// A store of its own on a fresh database file "db/Q1_data_rdn.db" in a temporary data folder.
class StoreFixture : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(store.OpenForDevice(dir.path(), "Q1")); }

    std::string DbPath() const { return dir.file("db/Q1_data_rdn.db"); }

    TempDir dir;
    SettingsStore store;
};

}  // namespace quillon::test
