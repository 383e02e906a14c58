#pragma once
// Faults of the world around the program: a full disk, a file system that answers a folder's
// sync with an error, a database another program holds or keeps in write-ahead-log mode, a file
// the user may not read.

#include "platform/filewrite.h"

#include <QFile>
#include <QString>
#include <array>
#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

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

// Files' permissions that hold the superuser too (as on the build machines): while the object
// lives, the calling thread and the threads it starts lay down the right to pass them.
class PermissionsHoldEveryone {
public:
    PermissionsHoldEveryone()
    {
        syscall(SYS_capget, &header_, held_);
        __user_cap_data_struct without[2] = {held_[0], held_[1]};
        without[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &header_, without);
    }
    ~PermissionsHoldEveryone() { syscall(SYS_capset, &header_, held_); }
    PermissionsHoldEveryone(const PermissionsHoldEveryone &) = delete;
    PermissionsHoldEveryone &operator=(const PermissionsHoldEveryone &) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct held_[2]{};
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

// Another program's copy of the database at `from`, at `to`, in write-ahead-log mode; when
// `keepsLog`, its last change stays in the log it keeps beside it, with the log's index (as while
// that program runs).
inline void loggedCopy(const QString &from, const QString &to, bool keepsLog)
{
    ASSERT_TRUE(QFile::copy(from, to));
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(to).constData(), &db), SQLITE_OK);
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, keepsLog ? 1 : 0, nullptr);
    EXPECT_EQ(sqlite3_exec(db, "PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0; UPDATE TBLRESULTS SET WinnerNumber1 = 9",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
}

// The bytes of a database and of the write-ahead log and index beside it (empty when missing).
inline std::array<QByteArray, 3> databaseFiles(const QString &path)
{
    std::array<QByteArray, 3> bytes;
    for (size_t i = 0; i < bytes.size(); ++i) {
        QFile file(path + std::array{"", "-wal", "-shm"}[i]);
        if (file.open(QIODevice::ReadOnly))
            bytes[i] = file.readAll();
    }
    return bytes;
}
