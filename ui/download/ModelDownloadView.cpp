#include "ui/download/ModelDownloadView.h"

#include "ui/design/Backdrop.h"

#include "engines/BuiltInProvider.h"
#include "engines/ProviderHub.h"
#include "platform/Text.h"
#include "ui/design/Buttons.h"
#include "ui/design/Components.h"
#include "ui/design/Confirmation.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/Symbols.h"
#include "ui/design/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq {

using fonts::Face;
using fonts::Role;

namespace {

} // namespace

ModelDownloadView::ModelDownloadView(ModelStore& store, ProviderHub& hub, MotionContext& motion, bool standalone,
                                     QWidget* parent)
    : QWidget(parent), store_(store), hub_(hub), standalone_(standalone)
{
    setObjectName(QStringLiteral("modelDownload"));
    auto* column = bareColumn(this, 8);

    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    const ModelSpec& spec = store_.spec();
    QLabel* title = makeLabel(spec.title, fonts::font(Role::body, QFont::Medium), palette::paper());
    texts->addWidget(title);
    texts->addWidget(makeLabel(modelcard::specLine(spec), Role::caption, palette::paperDim(), true));
    row->addLayout(texts, 1);
    primary_ = new PrimaryButton(QString(), motion, this);
    plain_ = new HandButton(QString(), this);
    row->addWidget(primary_, 0, Qt::AlignTop);
    row->addWidget(plain_, 0, Qt::AlignTop);
    // The title sits on the buttons' text line: both are centred on one line of one size.
    const int button = std::max(primary_->sizeHint().height(), plain_->sizeHint().height());
    texts->setContentsMargins(0, std::max(0, (button - title->sizeHint().height()) / 2), 0, 0);
    column->addLayout(row);
    connect(primary_, &QAbstractButton::clicked, this, &ModelDownloadView::act);
    connect(plain_, &QAbstractButton::clicked, this, &ModelDownloadView::act);

    bar_ = new InkProgressBar(6, motion, this);
    bar_->setAccessibleName(tq::text("Model download"));
    column->addWidget(bar_);

    failedRow_ = new QWidget(this);
    auto* failed = bareRow(failedRow_, 6);
    auto* triangle = new QLabel(failedRow_);
    triangle->setPixmap(symbols::pixmap(QStringLiteral("exclamationmark.triangle.fill"), 14, palette::orange(), devicePixelRatioF()));
    failed->addWidget(triangle, 0, Qt::AlignTop);
    failedText_ = makeLabel(QString(), Role::callout, palette::orange(), true, failedRow_);
    failed->addWidget(failedText_, 1);
    column->addWidget(failedRow_);

    verifyingRow_ = new QWidget(this);
    auto* verifying = bareRow(verifyingRow_, 8);
    auto* spinner = new ActivitySpinner(motion, 14, verifyingRow_);
    spinner->setAccessibleName(tq::text("Checking the download"));
    verifying->addWidget(spinner, 0, Qt::AlignVCenter);
    verifying->addWidget(makeLabel(tq::text("Checking the download"), Role::callout, palette::paperDim()), 1);
    column->addWidget(verifyingRow_);

    status_ = makeLabel(QString(), fonts::font(Role::callout, Face::tabularDigits), palette::paperDim(), true, this);
    column->addWidget(status_);

    connect(&store_, &ModelStore::phaseChanged, this, &ModelDownloadView::follow);
    follow();
}

QAbstractButton* ModelDownloadView::actionButton() const
{
    if (card_.action == modelcard::Action::none)
        return nullptr;
    return card_.primary ? static_cast<QAbstractButton*>(primary_) : plain_;
}

void ModelDownloadView::follow()
{
    using modelcard::StatusKind;
    card_ = modelcard::card(store_.phase(), standalone_, hub_.apple().currentStatus().isReady());
    primary_->setText(card_.actionTitle);
    plain_->setText(card_.actionTitle);
    primary_->setVisible(card_.action != modelcard::Action::none && card_.primary);
    plain_->setVisible(card_.action != modelcard::Action::none && !card_.primary);

    bar_->setVisible(card_.status == StatusKind::progress);
    bar_->setValue(card_.fraction);
    // "2.1 GB of 5.0 GB" as the value, and as the description where only numbers reach the value.
    bar_->setValueText(card_.progressValue);
    bar_->setAccessibleDescription(card_.progressValue);
    failedRow_->setVisible(card_.status == StatusKind::failed);
    failedText_->setText(card_.status == StatusKind::failed ? card_.statusText : QString());
    verifyingRow_->setVisible(card_.status == StatusKind::verifying);
    const bool plainStatus = card_.status == StatusKind::progress || card_.status == StatusKind::note;
    status_->setVisible(plainStatus);
    status_->setText(plainStatus ? card_.statusText : QString());
    // The removal question is moot once the model is gone.
    if (confirm_ && !store_.phase().is(ModelStore::Phase::Kind::ready))
        confirm_->reject();
}

void ModelDownloadView::act()
{
    switch (card_.action) {
    case modelcard::Action::download:
    case modelcard::Action::retry:
        store_.download();
        break;
    case modelcard::Action::cancel:
        store_.cancel();
        break;
    case modelcard::Action::remove:
        askToRemove();
        break;
    case modelcard::Action::none:
        break;
    }
}

void ModelDownloadView::askToRemove()
{
    if (confirm_)
        return;
    // The shared dark question: a red "Remove", Cancel the default.
    const Confirmation::Question question{modelcard::removeTitle(),
                                          modelcard::removeMessage(store_.spec(), hub_.apple().currentStatus().isReady()),
                                          tq::text("Remove")};
    confirm_ = Confirmation::ask(this, question, [this] { removeModel(); });
    confirm_->setObjectName(QStringLiteral("removeModelConfirmation"));
}

void ModelDownloadView::removeModel()
{
    if (auto* builtIn = dynamic_cast<BuiltInProvider*>(&hub_.builtIn()))
        builtIn->handleMemoryPressure(); // cancels the idle unload and unloads on its queue
    store_.remove();
    hub_.refresh(EngineKind::builtIn);
}

} // namespace tq
