// Holds the write lock of a database for a while, as another program would: opens the file, runs
// BEGIN EXCLUSIVE, prints "locked" and sleeps for the given number of seconds.
//
//     store_lock_holder FILE SECONDS
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: store_lock_holder FILE SECONDS\n");
        return 64;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK ||
        sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "store_lock_holder: %s\n", sqlite3_errmsg(db));
        return 1;
    }
    std::printf("locked\n");
    std::fflush(stdout);
    ::sleep(static_cast<unsigned>(std::atoi(argv[2])));
    sqlite3_close(db);
    return 0;
}
