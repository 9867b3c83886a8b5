#include "access/StoreVfs.h"

#include <sqlite3.h>

namespace sindhikit::dataaccess::detail {

namespace {

// The platform's own VFS, which does the real work.
sqlite3_vfs* Base(sqlite3_vfs* vfs) {
    return static_cast<sqlite3_vfs*>(vfs->pAppData);
}

int OpenStoreFileOnly(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    if (!(flags & SQLITE_OPEN_MAIN_DB) || !name) {
        file->pMethods = nullptr;  // nothing for SQLite to close
        return SQLITE_CANTOPEN;
    }
    flags &= ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_DELETEONCLOSE | SQLITE_OPEN_EXCLUSIVE);
    flags |= SQLITE_OPEN_READONLY;
    return Base(vfs)->xOpen(Base(vfs), name, file, flags, outFlags);
}

int RefuseDelete(sqlite3_vfs*, const char*, int) {
    return SQLITE_IOERR_DELETE;
}

// Asked whether a journal or a write-ahead log lies beside the store: never (so a planted
// "hot journal" is not rolled into the store, and a log is not opened).
int NothingBeside(sqlite3_vfs*, const char*, int, int* result) {
    *result = 0;
    return SQLITE_OK;
}

int FullPathname(sqlite3_vfs* vfs, const char* name, int size, char* out) {
    return Base(vfs)->xFullPathname(Base(vfs), name, size, out);
}
int Randomness(sqlite3_vfs* vfs, int size, char* out) {
    return Base(vfs)->xRandomness(Base(vfs), size, out);
}
int Sleep(sqlite3_vfs* vfs, int microseconds) {
    return Base(vfs)->xSleep(Base(vfs), microseconds);
}
int CurrentTime(sqlite3_vfs* vfs, double* now) {
    return Base(vfs)->xCurrentTime(Base(vfs), now);
}
int GetLastError(sqlite3_vfs* vfs, int size, char* out) {
    return Base(vfs)->xGetLastError(Base(vfs), size, out);
}
int CurrentTimeInt64(sqlite3_vfs* vfs, sqlite3_int64* now) {
    sqlite3_vfs* base = Base(vfs);
    if (base->iVersion >= 2 && base->xCurrentTimeInt64) return base->xCurrentTimeInt64(base, now);
    double days = 0;
    const int rc = base->xCurrentTime(base, &days);
    *now = static_cast<sqlite3_int64>(days * 86400000.0);
    return rc;
}

sqlite3_vfs MakeStoreVfs() {
    sqlite3_initialize();
    sqlite3_vfs* base = sqlite3_vfs_find(nullptr);
    sqlite3_vfs vfs{};
    vfs.iVersion = 2;
    vfs.szOsFile = base->szOsFile;
    vfs.mxPathname = base->mxPathname;
    vfs.zName = "sindhikit-store";
    vfs.pAppData = base;
    vfs.xOpen = OpenStoreFileOnly;
    vfs.xDelete = RefuseDelete;
    vfs.xAccess = NothingBeside;
    vfs.xFullPathname = FullPathname;
    vfs.xRandomness = Randomness;
    vfs.xSleep = Sleep;
    vfs.xCurrentTime = CurrentTime;
    vfs.xGetLastError = GetLastError;
    vfs.xCurrentTimeInt64 = CurrentTimeInt64;
    return vfs;
}

}  // namespace

const char* StoreVfsName() {
    // Registered once, never as the default; it lives as long as the process.
    static sqlite3_vfs vfs = MakeStoreVfs();
    static const bool registered = sqlite3_vfs_register(&vfs, 0) == SQLITE_OK;
    return registered ? vfs.zName : nullptr;
}

}  // namespace sindhikit::dataaccess::detail
