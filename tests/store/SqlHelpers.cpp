#include "SqlHelpers.h"

#include "store/SQLiteDB.h"

namespace quillon::test {

SqlRows QuerySql(const std::string& path, const std::string& sql) {
    SqlRows rows;
    SQLiteDB db;
    if (!db.Open(path, kOpenReadWrite | kOpenCreate)) {
        return {{"cannot open"}};
    }
    auto collect = [](void* argument, int columns, char** values, char**) {
        auto& out = *static_cast<SqlRows*>(argument);
        auto& row = out.emplace_back();
        for (int i = 0; i < columns; ++i) {
            row.emplace_back(values[i] != nullptr ? values[i] : "NULL");
        }
        return 0;
    };
    int rc = db.Exec(sql, collect, &rows);
    if (rc != kSqlOk) {
        return {{"error " + std::to_string(rc)}};
    }
    return rows;
}

std::vector<std::string> QueryColumn(const std::string& path, const std::string& sql) {
    std::vector<std::string> column;
    for (const auto& row : QuerySql(path, sql)) {
        column.push_back(row.empty() ? std::string() : row.front());
    }
    return column;
}

}  // namespace quillon::test
