#include "platform/DesktopConfig.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

// GIO names a struct member "signals", which Qt defines away.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace tq::desktopconfig {

QString kdeglobalsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/kdeglobals");
}

QString readKdeglobals()
{
    QFile f(kdeglobalsPath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

namespace {
// What tells a rewritten file from an untouched one.
QString fileState(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char(' ') + QString::number(info.size());
}
} // namespace

struct Watch::GSettingsHandle {
    GSettingsSchema* schema = nullptr;
    GSettings* settings = nullptr;
    gulong handler = 0;
};

namespace {
// The schema when it is installed: GSettings aborts the program on one that is not.
GSettingsSchema* installedSchema(const char* schema)
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    return source ? g_settings_schema_source_lookup(source, schema, TRUE) : nullptr;
}
} // namespace

Watch::Watch(const char* schema, const QStringList& keys, QObject* parent) : QObject(parent), keys_(keys)
{
    if (GSettingsSchema* found = installedSchema(schema)) {
        settings_ = new GSettingsHandle;
        settings_->schema = found;
        settings_->settings = g_settings_new_full(found, nullptr, nullptr);
        settings_->handler = g_signal_connect(
            settings_->settings, "changed", G_CALLBACK(+[](GSettings*, const gchar* key, gpointer self) {
                auto* watch = static_cast<Watch*>(self);
                if (key && watch->keys_.contains(QString::fromUtf8(key)))
                    emit watch->changed();
            }),
            this);
        // GSettings reports changes only of keys read since the handler was connected.
        for (const QString& key : keys_)
            value(key.toUtf8().constData());
    }
    // Watch the folder too: editors replace the file, which drops a file watch. Other files
    // come and go there as well: only a change to this one counts.
    const QString path = kdeglobalsPath();
    watcher_.addPath(QFileInfo(path).absolutePath());
    if (QFile::exists(path))
        watcher_.addPath(path);
    seen_ = fileState(path);
    auto onChange = [this, path](bool inFolder) {
        const QString state = fileState(path);
        if (inFolder && state == seen_)
            return;
        seen_ = state;
        if (QFile::exists(path) && !watcher_.files().contains(path))
            watcher_.addPath(path);
        emit changed();
    };
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [onChange] { onChange(false); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [onChange] { onChange(true); });
}

Watch::~Watch()
{
    if (settings_) {
        g_signal_handler_disconnect(settings_->settings, settings_->handler);
        g_object_unref(settings_->settings);
        g_settings_schema_unref(settings_->schema);
        delete settings_;
    }
}

std::optional<QString> Watch::value(const char* key) const
{
    if (!settings_ || !g_settings_schema_has_key(settings_->schema, key))
        return std::nullopt;
    GVariant* v = g_settings_get_value(settings_->settings, key);
    gchar* printed = g_variant_print(v, FALSE);
    const QString out = QString::fromUtf8(printed);
    g_free(printed);
    g_variant_unref(v);
    return out;
}

} // namespace tq::desktopconfig
