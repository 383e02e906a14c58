#pragma once
// The registry wrapper: small typed operations on the program's own registry, a key/value store
// kept in a file under the per-user configuration folder. Keys sit under one of the predefined
// root keys and are named by a path of parts joined by "\"; each value keeps its type. Every
// operation reads the store, and those that change it write it back whole. No operation raises:
// failures answer false or the caller's default. Key and value names compare without regard to
// case (of several spellings of one name in the store, reads and writes both take the same one);
// strings are stored and given back exactly as written.

#include "platform/filewrite.h"
#include <QByteArray>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <variant>
#include <vector>

namespace reg {

inline constexpr int32_t HKEY_CLASSES_ROOT = static_cast<int32_t>(0x80000000u);
inline constexpr int32_t HKEY_CURRENT_USER = static_cast<int32_t>(0x80000001u);
inline constexpr int32_t HKEY_LOCAL_MACHINE = static_cast<int32_t>(0x80000002u);
inline constexpr int32_t HKEY_USERS = static_cast<int32_t>(0x80000003u);

inline constexpr int REG_SZ = 1;
inline constexpr int REG_EXPAND_SZ = 2;
inline constexpr int REG_BINARY = 3;
inline constexpr int REG_DWORD = 4;

// The file that holds the store: registry.json in the configuration folder.
QString storePath();
// Why the last write to the store failed.
filewrite::Error lastWriteError();

// A value to write under its name: a string (REG_SZ) or a number (REG_DWORD).
struct NamedValue {
    QString name;
    std::variant<QString, int32_t> data;
};

}  // namespace reg

class clsRegistry {
public:
    // Writes a string value (creating the key when it is missing); true when written.
    bool fncREGSetStringVal(int32_t hKey, const QString &SubKey, const QString &ValueName, const QString &Value);
    // A string value (REG_SZ or REG_EXPAND_SZ) of at most 255 characters, else Default.
    QString fncREGGetVersionVal(int32_t hKey, const QString &SubKey, const QString &ValueName, const QString &Default);

    // The end of start-up: opens the last-used lottery when its database is there, else shows the
    // start window; then logs that start-up has finished.
    QVariant subStartMainWindow();

    bool fncREGSetDwordVal(int32_t hKey, const QString &SubKey, const QString &ValueName, int32_t Value);
    // A REG_DWORD value, else Default.
    int32_t fncREGGetDwordVal(int32_t hKey, const QString &SubKey, const QString &ValueName, int32_t Default);

    // Writes several values of one key (creating the key when it is missing) in one write of the
    // store: afterwards it holds all of them or, on failure, none; true when written.
    bool fncREGSetValues(int32_t hKey, const QString &SubKey, const std::vector<reg::NamedValue> &Values);
};
