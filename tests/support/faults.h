#pragma once
// Faults of the world around the program: a full disk, a file system that answers a folder's
// sync with an error, a database another program holds.

#include "platform/filewrite.h"

#include <QFile>
#include <QString>
#include <cerrno>
#include <csignal>
#include <sqlite3.h>
#include <sys/resource.h>

// A full disk as the process sees it: while the object lives no file may grow past the limit,
// and a write that would gets an error instead of ending the process. Nothing may be printed to
// a file (a test log) meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
};

// A file system that answers every sync of a folder with `errnoValue` while the object lives.
class FolderSyncFailure {
public:
    explicit FolderSyncFailure(int errnoValue)
    {
        gErrno = errnoValue;
        filewrite::setFolderSync([](int) {
            errno = gErrno;
            return -1;
        });
    }
    ~FolderSyncFailure() { filewrite::setFolderSync(nullptr); }
    FolderSyncFailure(const FolderSyncFailure &) = delete;
    FolderSyncFailure &operator=(const FolderSyncFailure &) = delete;

private:
    static inline int gErrno = 0;
};

// Another program that holds a results database: while the object lives nobody else can read or
// change it.
class DatabaseHolder {
public:
    explicit DatabaseHolder(const QString &path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
        held_ = sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~DatabaseHolder()
    {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }
    DatabaseHolder(const DatabaseHolder &) = delete;
    DatabaseHolder &operator=(const DatabaseHolder &) = delete;
    bool held() const { return held_; }

private:
    sqlite3 *db_ = nullptr;
    bool held_ = false;
};
