#include "platform/fakes/FakeAccessibility.h"

#include <QPointF>
#include <QSizeF>

#include <algorithm>

namespace tq {

namespace {
qint64 nextHash = 1000;
}

FakeElement::FakeElement(qint64 p, QString role) : pid(p), hashValue(++nextHash)
{
    if (!role.isEmpty())
        attributes.insert(QString::fromLatin1(ax::kRole), role);
}

std::shared_ptr<FakeElement> makeFakeElement(qint64 pid, const QString& role)
{
    return std::make_shared<FakeElement>(pid, role);
}

void FakeElement::addChild(const std::shared_ptr<FakeElement>& child)
{
    children_.append(QVariant::fromValue(child->element()));
    attributes.insert(QString::fromLatin1(ax::kChildren), children_);
    child->attributes.insert(QString::fromLatin1(ax::kParent), QVariant::fromValue(element()));
}

QRectF FakeElement::gridBox(qint64 position, bool empty) const
{
    const QString t = text.value_or(QString());
    int row = 0;
    qint64 col = 0;
    for (qint64 i = 0; i < position && i < t.size(); ++i) {
        if (t[i] == QLatin1Char('\n')) {
            ++row;
            col = 0;
        } else {
            ++col;
        }
    }
    return QRectF(frame.x() + 4 + col * charWidth, frame.y() + 2 + row * lineHeight, empty ? 0 : charWidth, lineHeight);
}

QVariant FakeElement::attribute(const QString& name)
{
    ++messages;
    auto it = attributes.constFind(name);
    if (it != attributes.constEnd())
        return *it;
    const QByteArray n = name.toLatin1();
    if (!frame.isNull()) {
        if (n == ax::kPosition)
            return frame.topLeft();
        if (n == ax::kSize)
            return frame.size();
    }
    if (!text)
        return {};
    if (n == ax::kValue)
        return *text;
    if (n == ax::kSelectedTextRange)
        return QVariant::fromValue(selection);
    if (n == ax::kNumberOfCharacters && answersRanges)
        return qint64(text->size());
    if (n == ax::kSelectedText)
        return text->mid(selection.location, selection.length);
    return {};
}

QVariant FakeElement::parameterizedAttribute(const QString& name, const QVariant& parameter)
{
    ++messages;
    auto it = parameterized.find(name);
    if (it != parameterized.end())
        return it->second(parameter);
    if (!text || parameter.metaType() != QMetaType::fromType<AXRange>())
        return {};
    const AXRange r = parameter.value<AXRange>();
    if (r.location < 0 || r.length < 0 || r.location + r.length > text->size())
        return {};
    const QByteArray n = name.toLatin1();
    if (n == ax::kStringForRange && answersRanges) {
        const AXRange c = utf16::clampToPairs(*text, r);
        return text->mid(c.location, c.length);
    }
    if (n == ax::kBoundsForRange && answersBounds) {
        if (boundsFor) {
            const auto box = boundsFor(r);
            return box ? QVariant(*box) : QVariant();
        }
        QRectF box = gridBox(r.location, r.length == 0);
        if (r.length > 1)
            box = box.united(gridBox(r.location + r.length - 1, false));
        return box;
    }
    if (n == ax::kAttributedStringForRange) {
        AXAttributedString s;
        s.string = text->mid(r.location, r.length);
        QVariantMap font;
        if (fontSize)
            font.insert(QString::fromLatin1(ax::kFontSize), *fontSize);
        if (!fontName.isEmpty())
            font.insert(QString::fromLatin1(ax::kFontName), fontName);
        if (!font.isEmpty())
            s.runs.append({0, s.string.size(), {{QString::fromLatin1(ax::kFont), font}}});
        return QVariant::fromValue(s);
    }
    return {};
}

std::optional<bool> FakeElement::isSettable(const QString& name)
{
    ++messages;
    if (settableQueryFails)
        return std::nullopt;
    return settable.contains(name);
}

bool FakeElement::setAttribute(const QString& name, const QVariant& value)
{
    ++messages;
    if (refusesSet || !settable.contains(name))
        return false;
    if (name == QLatin1String(ax::kSelectedText) && text) {
        const QString inserted = value.toString();
        text->replace(selection.location, selection.length, inserted);
        selection = {selection.location + inserted.size(), 0};
    } else {
        attributes.insert(name, value);
    }
    if (onSet)
        onSet(name, value);
    return true;
}

class FakeAccessibility::Observer final : public AccessibilityObserver {
public:
    Observer(FakeAccessibility& owner, qint64 pid, AXNotificationHandler handler)
        : owner_(owner), pid_(pid), handler_(std::move(handler))
    {
        owner_.live.push_back(this);
    }
    ~Observer() override { std::erase(owner_.live, this); }
    bool add(const AccessibilityElement& element, const QString& notification) override
    {
        if (!element)
            return false;
        remove(element, notification);
        regs_.push_back({element, notification});
        return true;
    }
    void remove(const AccessibilityElement& element, const QString& notification) override
    {
        std::erase_if(regs_, [&](const auto& r) { return r.second == notification && r.first == element; });
    }
    bool deliver(const AccessibilityElement& source, const QString& notification)
    {
        if (!source || source->processId() != pid_)
            return false;
        const bool processWide = notification == QLatin1String(ax::kFocusedUIElementChanged)
            || notification == QLatin1String(ax::kFocusedWindowChanged);
        for (const auto& r : regs_) {
            if (r.second != notification)
                continue;
            const bool onApp = r.first->attribute(QString::fromLatin1(ax::kRole)).toString() == QLatin1String(ax::kApplication);
            if (r.first == source || (processWide && onApp)) {
                handler_(source, notification);
                return true;
            }
        }
        return false;
    }
    int count(const AccessibilityElement& element, const QString& notification) const
    {
        return int(std::count_if(regs_.begin(), regs_.end(), [&](const auto& r) { return r.second == notification && r.first == element; }));
    }

private:
    FakeAccessibility& owner_;
    qint64 pid_;
    AXNotificationHandler handler_;
    std::vector<std::pair<AccessibilityElement, QString>> regs_;
};

AccessibilityElement FakeAccessibility::application(qint64 pid)
{
    auto it = apps.find(pid);
    return it == apps.end() ? AccessibilityElement() : it->second;
}

std::unique_ptr<AccessibilityObserver> FakeAccessibility::createObserver(qint64 pid, AXNotificationHandler handler)
{
    if (observersFail)
        return nullptr;
    ++observersCreated;
    return std::make_unique<Observer>(*this, pid, std::move(handler));
}

void FakeAccessibility::post(const AccessibilityElement& element, const QString& notification)
{
    const std::vector<Observer*> targets = live;
    for (Observer* o : targets)
        if (std::find(live.begin(), live.end(), o) != live.end())
            o->deliver(element, notification);
}

int FakeAccessibility::registrations(const AccessibilityElement& element, const QString& notification) const
{
    int n = 0;
    for (const Observer* o : live)
        n += o->count(element, notification);
    return n;
}

} // namespace tq
