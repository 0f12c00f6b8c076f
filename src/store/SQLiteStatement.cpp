#include "store/SQLiteStatement.h"

#include <sqlite3.h>

#include <climits>

namespace quillon {

SQLiteStatement::~SQLiteStatement() {
    Finalize();
}

int SQLiteStatement::Finalize() {
    if (handle_ == nullptr) {
        return SQLITE_OK;
    }
    // SQLite frees the statement whatever it returns (an error only repeats the last step's), so
    // keeping the handle after an error would finalize freed memory later.
    int rc = sqlite3_finalize(handle_);
    handle_ = nullptr;
    return rc;
}

int SQLiteStatement::BindInt(int index, int value) {
    if (handle_ == nullptr) {
        return SQLITE_MISUSE;
    }
    return sqlite3_bind_int(handle_, index, value);
}

int SQLiteStatement::BindText(int index, std::string_view text) {
    if (handle_ == nullptr) {
        return SQLITE_MISUSE;
    }
    if (text.size() > static_cast<size_t>(INT_MAX)) {
        return SQLITE_TOOBIG;
    }
    // An empty view may carry a null pointer, which SQLite would store as NULL instead of "".
    const char* bytes = text.data() != nullptr ? text.data() : "";
    return sqlite3_bind_text(handle_, index, bytes, static_cast<int>(text.size()), SQLITE_STATIC);
}

int SQLiteStatement::Step() {
    if (handle_ == nullptr) {
        return SQLITE_MISUSE;
    }
    return sqlite3_step(handle_);
}

void SQLiteStatement::Reset() {
    if (handle_ == nullptr) {
        return;
    }
    sqlite3_reset(handle_);
    sqlite3_clear_bindings(handle_);
}

int SQLiteStatement::ColumnInt(int column) const {
    if (handle_ == nullptr) {
        return 0;
    }
    return sqlite3_column_int(handle_, column);
}

const char* SQLiteStatement::ColumnText(int column) const {
    if (handle_ == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<const char*>(sqlite3_column_text(handle_, column));
}

std::string SQLiteStatement::ColumnString(int column) const {
    const char* text = ColumnText(column);
    return text != nullptr ? std::string(text) : std::string();
}

}  // namespace quillon
