#include "app/clsregistry.h"

#include "app/application.h"

#include "platform/folders.h"
#include "platform/fileread.h"
#include "platform/vb.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>

// The store file holds one object per root key; each maps key paths ("" is the root key itself)
// to their values, and each value is {"type": n, "data": ...}: text for REG_SZ and REG_EXPAND_SZ,
// a number for REG_DWORD, base64 text for REG_BINARY.

namespace reg {

QString storePath() { return folders::configFolder() + QStringLiteral("/registry.json"); }

filewrite::Error lastWriteError() { return app().registryWriteError; }

}  // namespace reg

namespace {

constexpr int kStringBuffer = 255;

QString rootName(int32_t hKey)
{
    switch (hKey) {
    case reg::HKEY_CLASSES_ROOT: return QStringLiteral("HKEY_CLASSES_ROOT");
    case reg::HKEY_CURRENT_USER: return QStringLiteral("HKEY_CURRENT_USER");
    case reg::HKEY_LOCAL_MACHINE: return QStringLiteral("HKEY_LOCAL_MACHINE");
    case reg::HKEY_USERS: return QStringLiteral("HKEY_USERS");
    default: return {};
    }
}

QStringList pathParts(const QString &subKey) { return subKey.split(u'\\', Qt::SkipEmptyParts); }

// The name under which `name` is kept in `object`, compared without regard to case: of several
// spellings the store may hold (edited by hand or by another program), the first in the store's
// order, whichever spelling is asked. Reading and writing find keys and values through it alone,
// so that both reach the same one.
std::optional<QString> storedName(const QJsonObject &object, const QString &name)
{
    for (auto it = object.begin(); it != object.end(); ++it)
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.key();
    return std::nullopt;
}

// The whole store and one root key's map of keys.
class Store {
public:
    explicit Store(int32_t hKey) : root_(rootName(hKey))
    {
        if (root_.isEmpty())
            return;
        if (QFile file; fileread::openPlain(file, reg::storePath())) {
            const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
            if (doc.isObject())
                all_ = doc.object();
        }
        keys_ = all_.value(root_).toObject();
    }

    bool validRoot() const { return !root_.isEmpty(); }

    // The stored spelling of a key path, when the key exists.
    std::optional<QString> findKey(const QString &subKey) const
    {
        if (!validRoot())
            return std::nullopt;
        const QString path = pathParts(subKey).join(u'\\');
        if (path.isEmpty())
            return QString();
        return storedName(keys_, path);
    }

    // Creates the key and every missing parent; gives its stored spelling, the one findKey gives.
    std::optional<QString> createKey(const QString &subKey)
    {
        if (!validRoot())
            return std::nullopt;
        QString path;
        for (const QString &part : pathParts(subKey)) {
            path = path.isEmpty() ? part : path + u'\\' + part;
            if (auto existing = storedName(keys_, path))
                path = *existing;
            else
                keys_.insert(path, QJsonObject());
        }
        if (path.isEmpty() && !keys_.contains(QString()))
            keys_.insert(QString(), QJsonObject());
        return path;
    }

    // The value (type and data) of an existing key, when there is one.
    std::optional<QJsonObject> value(const QString &keyPath, const QString &valueName) const
    {
        const QJsonObject values = keys_.value(keyPath).toObject();
        const auto name = storedName(values, valueName);
        if (!name)
            return std::nullopt;
        const QJsonValue v = values.value(*name);
        if (!v.isObject() || !v.toObject().value(QStringLiteral("type")).isDouble())
            return std::nullopt;
        return v.toObject();
    }

    void setValue(const QString &keyPath, const QString &valueName, int type, const QJsonValue &data)
    {
        QJsonObject values = keys_.value(keyPath).toObject();
        const QString name = storedName(values, valueName).value_or(valueName);
        values.insert(name, QJsonObject{{QStringLiteral("type"), type}, {QStringLiteral("data"), data}});
        keys_.insert(keyPath, values);
    }

    bool save()
    {
        all_.insert(root_, keys_);
        app().registryWriteError = {};
        if (!QDir().mkpath(folders::configFolder())) {
            app().registryWriteError = {filewrite::Fault::Missing, folders::configFolder()};
            return false;
        }
        // The old store stays whole unless the new one reached the disk.
        return filewrite::writeWhole(reg::storePath(), QJsonDocument(all_).toJson(), &app().registryWriteError);
    }

private:
    QString root_;
    QJsonObject all_;
    QJsonObject keys_;
};

int typeOf(const QJsonObject &value) { return value.value(QStringLiteral("type")).toInt(); }
QJsonValue dataOf(const QJsonObject &value) { return value.value(QStringLiteral("data")); }

// The values given, set in the store and written back in its one write.
bool setValues(int32_t hKey, const QString &subKey, const std::vector<reg::NamedValue> &values)
{
    Store store(hKey);
    const auto key = store.createKey(subKey);
    if (!key)
        return false;
    for (const reg::NamedValue &value : values) {
        if (const auto *text = std::get_if<QString>(&value.data))
            store.setValue(*key, value.name, reg::REG_SZ, *text);
        else
            store.setValue(*key, value.name, reg::REG_DWORD, std::get<int32_t>(value.data));
    }
    return store.save();
}

// The value when its key opens and it exists.
std::optional<QJsonObject> readValue(int32_t hKey, const QString &subKey, const QString &valueName)
{
    const Store store(hKey);
    const auto key = store.findKey(subKey);
    if (!key)
        return std::nullopt;
    return store.value(*key, valueName);
}

}  // namespace

bool clsRegistry::fncREGSetStringVal(int32_t hKey, const QString &SubKey, const QString &ValueName, const QString &Value)
{
    return setValues(hKey, SubKey, {{ValueName, Value}});
}

QString clsRegistry::fncREGGetVersionVal(int32_t hKey, const QString &SubKey, const QString &ValueName,
                                         const QString &Default)
{
    const auto value = readValue(hKey, SubKey, ValueName);
    if (!value)
        return Default;
    const int type = typeOf(*value);
    const QJsonValue data = dataOf(*value);
    if ((type != reg::REG_SZ && type != reg::REG_EXPAND_SZ) || !data.isString())
        return Default;
    const QString text = data.toString();
    if (text.size() > kStringBuffer)  // does not fit the reader's buffer
        return Default;
    return text;
}

bool clsRegistry::fncREGSetDwordVal(int32_t hKey, const QString &SubKey, const QString &ValueName, int32_t Value)
{
    return setValues(hKey, SubKey, {{ValueName, Value}});
}

int32_t clsRegistry::fncREGGetDwordVal(int32_t hKey, const QString &SubKey, const QString &ValueName, int32_t Default)
{
    const auto value = readValue(hKey, SubKey, ValueName);
    if (!value || typeOf(*value) != reg::REG_DWORD)
        return Default;
    const QJsonValue data = dataOf(*value);
    if (!data.isDouble())
        return Default;
    // A whole number within 32 bits; anything else in a hand-edited store is no DWORD.
    const auto number = vb::cLng(data.toDouble());
    if (!number || *number != data.toDouble())
        return Default;
    return *number;
}

bool clsRegistry::fncREGSetValues(int32_t hKey, const QString &SubKey, const std::vector<reg::NamedValue> &Values)
{
    return setValues(hKey, SubKey, Values);
}
