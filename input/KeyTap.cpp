#include "input/KeyTap.h"

#include "platform/KeyTapSource.h"
#include "platform/Log.h"

#include <QPointer>

namespace tq {

KeyTap::KeyTap(KeyTapSource& source, QObject* parent) : QObject(parent), source_(source)
{
    source_.onRefusedChanged([self = QPointer<KeyTap>(this)] {
        if (self) {
            log::info(QStringLiteral("key tap: %1 shortcuts held by another program").arg(self->refusedKeys().size()));
            emit self->refusedKeysChanged();
        }
    });
    source_.onGrabsApplied([self = QPointer<KeyTap>(this)] {
        if (self && self->keysInForce())
            emit self->keysApplied();
    });
}

TapEvent KeyTap::toTapEvent(const std::optional<TappedKey>& key)
{
    if (!key)
        return TapEvent::pointer();
    return TapEvent::keyPress(KeyPress{key->keyCode, ModifierSet(std::uint8_t(key->modifiers & 0x0F)),
                                       key->characters.left(8), key->isRepeat},
                              key->held);
}

KeyTap::~KeyTap()
{
    source_.onRefusedChanged({});
    source_.onGrabsApplied({});
    if (source_.isRunning())
        source_.setGrabs({}); // nothing stays held for a handler that is gone
}

bool KeyTap::start()
{
    if (source_.isRunning())
        return true;
    const bool ok = source_.start([self = QPointer<KeyTap>(this)](const std::optional<TappedKey>& key) {
        if (!self || !self->handler)
            return false;
        if (key && !key->held && self->source_.refusedGrabs().contains(TapGrab{key->keyCode, key->modifiers}))
            return false; // the other program's: the field saw nothing
        return self->handler(toTapEvent(key));
    });
    if (ok)
        applyGrabs();
    else
        log::warning(QStringLiteral("key tap: the window system refused the tap"));
    return ok;
}

bool KeyTap::isRunning() const { return source_.isRunning(); }

void KeyTap::setKeys(const QList<KeyCombo>& keys)
{
    QList<KeyCombo> unique;
    for (const KeyCombo& k : keys)
        if (!unique.contains(k))
            unique.append(k);
    if (unique == keys_)
        return;
    keys_ = unique;
    applyGrabs();
}

QList<KeyCombo> KeyTap::grabbedKeys() const { return keys_; }

bool KeyTap::keysInForce() const { return !source_.isRunning() || source_.grabsApplied(); }

QList<KeyCombo> KeyTap::refusedKeys() const
{
    QList<KeyCombo> out;
    for (const TapGrab& g : source_.refusedGrabs())
        out.append(KeyCombo{g.keyCode, ModifierSet(g.modifiers)});
    return out;
}

void KeyTap::applyGrabs()
{
    if (!source_.isRunning())
        return;
    QList<TapGrab> grabs;
    for (const KeyCombo& c : grabbedKeys())
        grabs.append(TapGrab{c.keyCode, c.modifiers.rawValue});
    source_.setGrabs(grabs);
}

} // namespace tq
