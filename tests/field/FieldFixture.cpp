#include "FieldFixture.h"

#include "platform/Log.h"

namespace tq::testing {

namespace {
LogCapture* current = nullptr;

void capture(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (current && context.category && QLatin1String(context.category) == QLatin1String(tqLog().categoryName()))
        current->lines << message;
}
} // namespace

LogCapture::LogCapture()
{
    current = this;
    previous_ = qInstallMessageHandler(capture);
    AXFieldSource::resetFieldLog();
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(previous_);
    current = nullptr;
}

void FieldFixture::SetUp()
{
    app = makeFakeElement(kPid, attr(ax::kApplication));
    ax.apps[kPid] = app->element();
    workspace.add(kPid, QStringLiteral("org.example.Editor"), QStringLiteral("Editor"));
    field = makeField(attr(ax::kTextField), QString());
    focus(field);
    source = std::make_unique<AXFieldSource>(&injector, ax, workspace, screen, clock);
    source->onChange = [this](AXFieldSource::Change c) { changes.push_back(c); };
}

std::shared_ptr<FakeElement> FieldFixture::makeField(const QString& role, const QString& text, QRectF frame)
{
    auto e = makeFakeElement(kPid, role);
    e->text = text;
    e->selection = {text.size(), 0};
    e->frame = frame;
    app->addChild(e);
    return e;
}

void FieldFixture::focus(const std::shared_ptr<FakeElement>& element)
{
    if (element)
        app->attributes.insert(attr(ax::kFocusedUIElement), QVariant::fromValue(element->element()));
    else
        app->attributes.remove(attr(ax::kFocusedUIElement));
}

} // namespace tq::testing
