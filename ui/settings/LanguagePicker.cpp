#include "ui/settings/LanguagePicker.h"

#include "platform/Text.h"
#include "ui/design/Buttons.h"
#include "ui/design/Components.h"
#include "ui/design/Confirmation.h"
#include "ui/design/Decoration.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/Symbols.h"
#include "ui/design/Text.h"
#include "ui/design/Theme.h"
#include "ui/settings/SettingsStyle.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace tq {

namespace {

constexpr int kRowPadX = 12;
constexpr int kRowPadY = 9;
constexpr int kFlagBox = 34;

} // namespace

LanguageChoiceRow::LanguageChoiceRow(std::optional<QString> identifier, const QString& flag, const QString& title,
                                     const QString& subtitle, bool selected, MotionContext* motion, QWidget* parent)
    : QAbstractButton(parent), identifier_(std::move(identifier)), flag_(flag), title_(title), subtitle_(subtitle),
      selected_(selected), motion_(motion)
{
    markSelectable(this); // before anything asks for its accessible face
    if (motion_) {
        hover_.emplace(motion_->frames(), 0);
        press_.emplace(motion_->frames(), 0);
        driver_ = std::make_unique<FrameDriver>(motion_->frames(), this);
    }
    connect(this, &QAbstractButton::pressed, this, &LanguageChoiceRow::follow);
    connect(this, &QAbstractButton::released, this, &LanguageChoiceRow::follow);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover); // the card lightens under the pointer
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(title_);
    setAccessibleDescription(subtitle_);
    // Screen readers hear the chosen row as selected.
    setCheckable(true);
    setChecked(selected_);
    if (identifier_)
        setLayoutDirection(AppLanguage::isRightToLeft(*identifier_) ? Qt::RightToLeft : Qt::LeftToRight);
    else
        setLayoutDirection(Qt::LeftToRight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

LanguageChoiceRow::~LanguageChoiceRow() = default;

void LanguageChoiceRow::enterEvent(QEnterEvent* event)
{
    hovering_ = true;
    follow();
    QAbstractButton::enterEvent(event);
}

void LanguageChoiceRow::leaveEvent(QEvent* event)
{
    hovering_ = false;
    follow();
    QAbstractButton::leaveEvent(event);
}

void LanguageChoiceRow::follow()
{
    if (motion_) {
        // As the choice card: the hover fades with Reduce Motion on or off, the press springs only
        // with it off.
        if (hover_->target() != (hovering_ ? 1 : 0))
            hover_->animateTo(hovering_ ? 1 : 0, buttonHoverFade());
        if (press_->target() != (isDown() ? 1 : 0))
            press_->animateTo(isDown() ? 1 : 0, motion_->pick(choiceCardPress()));
        driver_->run([this] { return hover_->isMoving() || press_->isMoving(); });
    }
    update();
}

QSize LanguageChoiceRow::sizeHint() const
{
    return {360, kFlagBox + 2 * kRowPadY + 3}; // and the card's ledge
}

void LanguageChoiceRow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool rtl = layoutDirection() == Qt::RightToLeft;

    // The shared choice card: a raised face on a ledge, gold when selected; pressing sinks the
    // face, and the content with it.
    const double hover = hover_ ? hover_->value() : (hovering_ ? 1 : 0);
    const double press = press_ ? press_->value() : (isDown() ? 1 : 0);
    paintChoiceCard(p, QRectF(rect()), {selected_, hover, press, hasFocus()});
    p.translate(0, 2 * press);

    const auto mirrored = [&](QRectF r) {
        if (rtl)
            r.moveLeft(width() - r.right());
        return r;
    };

    const QRectF flagBox = mirrored(QRectF(kRowPadX, (height() - 3 - kFlagBox) / 2.0, kFlagBox, kFlagBox));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::wash());
    p.drawEllipse(flagBox);
    p.setFont(fonts::system(24));
    p.setPen(palette::paper());
    p.drawText(flagBox, Qt::AlignCenter, flag_);
    if (!identifier_) {
        // The system's badge on the flag's bottom-trailing corner, 3 past it each way: a 9 point
        // symbol with 3 around it.
        QRectF badge(0, 0, 15, 15);
        badge.moveBottomRight(flagBox.bottomRight() + QPointF(3, 3));
        p.setPen(Qt::NoPen);
        p.setBrush(palette::gold());
        p.drawEllipse(badge);
        symbols::paint(p, QStringLiteral("laptopcomputer"), badge.adjusted(3, 3, -3, -3), palette::ink());
    }

    const qreal textLeft = kRowPadX + kFlagBox + 12;
    const qreal checkSize = 18;
    const qreal textWidth = width() - textLeft - kRowPadX - (selected_ ? checkSize + 12 : 0);
    const QFont titleFont = fonts::system(15, QFont::Medium);
    const QFont subFont = fonts::font(fonts::Role::caption);
    const QFontMetricsF tm(titleFont), sm(subFont);
    const qreal block = tm.height() + 2 + sm.height();
    const qreal top = (height() - 3 - block) / 2.0;
    // Absolute: the row keeps its own direction in a right-to-left interface.
    const Qt::Alignment align = (rtl ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute | Qt::AlignVCenter;
    p.setFont(titleFont);
    p.setPen(palette::paper());
    const QRectF titleRect = mirrored(QRectF(textLeft, top, textWidth, tm.height()));
    p.drawText(titleRect, align, tm.elidedText(title_, Qt::ElideRight, textWidth));
    p.setFont(subFont);
    p.setPen(palette::paperDim());
    const QRectF subRect = mirrored(QRectF(textLeft, top + tm.height() + 2, textWidth, sm.height()));
    p.drawText(subRect, align, sm.elidedText(subtitle_, Qt::ElideRight, textWidth));

    if (selected_)
        symbols::paint(p, QStringLiteral("checkmark.circle.fill"),
                       mirrored(QRectF(width() - kRowPadX - checkSize, (height() - 3 - checkSize) / 2.0, checkSize, checkSize)),
                       palette::gold());
}

LanguageSheet::LanguageSheet(AppLanguage& language, QWidget* parent, MotionContext* motion)
    : QDialog(parent), language_(language), motion_(motion)
{
    setObjectName(QStringLiteral("LanguageSheet"));
    setWindowTitle(tq::text("Choose a language"));
    setWindowModality(Qt::WindowModal);
    setFixedWidth(420);
    applyInkTheme(this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(22, 22, 22, 22);
    column->setSpacing(12);

    QLabel* title = makeLabel(tq::text("Choose a language"), fonts::font(fonts::Role::title2, QFont::DemiBold), palette::paper(), false, this);
    column->addWidget(title);

    search_ = new QLineEdit(this);
    search_->setPlaceholderText(tq::text("Search languages"));
    search_->setAccessibleName(tq::text("Search languages"));
    search_->setClearButtonEnabled(true);
    column->addWidget(search_);
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        query_ = text;
        rebuild();
    });

    auto* scroll = new QScrollArea(this);
    scroll->setFixedHeight(360);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listHost_ = new QWidget(scroll);
    listHost_->setAutoFillBackground(false);
    list_ = new QVBoxLayout(listHost_);
    list_->setContentsMargins(0, 0, 6, 0);
    list_->setSpacing(6);
    scroll->setWidget(listHost_);
    scroll->viewport()->setAutoFillBackground(false);
    column->addWidget(scroll);

    auto* footer = new QHBoxLayout;
    footer->addStretch(1);
    auto* cancel = new HandButton(tq::text("Cancel"), this);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    footer->addWidget(cancel);
    column->addLayout(footer);

    rebuild();
    search_->setFocus();
}

void LanguageSheet::setQuery(const QString& query)
{
    search_->setText(query);
}

QList<LanguageChoiceRow*> LanguageSheet::rows() const
{
    QList<LanguageChoiceRow*> out;
    for (int i = 0; i < list_->count(); ++i)
        if (auto* row = qobject_cast<LanguageChoiceRow*>(list_->itemAt(i)->widget()))
            out << row;
    return out;
}

void LanguageSheet::rebuild()
{
    while (QLayoutItem* item = list_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const std::optional<QString> stored = language_.override();
    const QString interface = language_.current();
    const QString system = language_.system();
    const std::optional<QString> region = AppLanguage::systemRegion();

    const auto add = [&](LanguageChoiceRow* row) {
        connect(row, &QAbstractButton::clicked, this, [this, row] { choose(row); });
        list_->addWidget(row);
    };
    if (query_.isEmpty()) {
        // The row that follows the system: its language named in itself.
        const QString code = QLocale().bcp47Name().section(u'-', 0, 0);
        add(new LanguageChoiceRow(std::nullopt, AppLanguage::flag(system, system, region), tq::text("Same as my computer"),
                                  AppLanguage::displayName(code.isEmpty() || code == u"C" ? QStringLiteral("en") : code),
                                  !stored, motion_, listHost_));
    }
    for (const QString& id : AppLanguage::filtered(query_, interface))
        add(new LanguageChoiceRow(id, AppLanguage::flag(id, system, region), AppLanguage::displayName(id),
                                  AppLanguage::nameIn(id, interface), stored && *stored == id, motion_, listHost_));
    list_->addStretch(1);
}

QString LanguageSheet::confirmTitle(const std::optional<QString>& choice)
{
    if (!choice)
        return tq::text("Switch to the computer's language?");
    return tq::text("Switch to %1?").arg(AppLanguage::displayName(*choice));
}

void LanguageSheet::choose(LanguageChoiceRow* row)
{
    if (row->isSelected()) {
        reject();
        return;
    }
    pending_ = row->identifier();
    const QString title = confirmTitle(row->identifier());
    const QString message =
        tq::text("%1 closes and opens again in a second. Your settings stay as they are.").arg(QCoreApplication::applicationName());
    Confirmation::Question question{title, message, tq::text("Reopen Now")};
    question.destructive = false;
    Confirmation::ask(this, question, [this] { confirm(); }, [this] { pending_.reset(); });
}

void LanguageSheet::confirm()
{
    if (!pending_)
        return;
    const std::optional<QString> choice = *pending_;
    pending_.reset();
    QString error;
    if (language_.apply(choice, &error) == AppLanguage::ApplyResult::started)
        return;
    Confirmation::ask(this, {error, QString(), QString()}, nullptr);
}

QString languageButtonText(const AppLanguage& language)
{
    const QString current = language.current();
    return AppLanguage::flag(current, language.system(), AppLanguage::systemRegion()) + QStringLiteral("  ")
           + AppLanguage::displayName(current);
}

namespace {

LanguageSheet* openSheetOver(AppLanguage& language, QWidget* from, MotionContext* motion)
{
    auto* sheet = new LanguageSheet(language, from->window(), motion);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    // The motion context belongs to the content that holds `from`, not to the window: the
    // sheet goes with `from`, before the context.
    if (motion)
        QObject::connect(from, &QObject::destroyed, sheet, [sheet] { delete sheet; });
    sheet->open();
    return sheet;
}

} // namespace

LanguageRow::LanguageRow(AppLanguage& language, QWidget* parent, MotionContext* motion)
    : QWidget(parent), language_(language), motion_(motion)
{
    setObjectName(QStringLiteral("LanguageRow"));
    auto* layout = bareColumn(this);
    button_ = new HandButton(languageButtonText(language_));
    button_->setAccessibleName(tq::text("App language"));
    button_->setAccessibleDescription(AppLanguage::displayName(language_.current()));
    layout->addWidget(new SettingRow(
        tq::text("App language"), tq::text("Pick the language you read most easily. Suggestions follow whatever language you type."),
        button_, this));
    connect(button_, &QPushButton::clicked, this, [this] { openSheet(); });
}

LanguageSheet* LanguageRow::openSheet()
{
    return openSheetOver(language_, this, motion_);
}

LanguageButton::LanguageButton(AppLanguage& language, QWidget* parent, MotionContext* motion)
    : PlainButton(languageButtonText(language), parent), language_(language), motion_(motion)
{
    setObjectName(QStringLiteral("LanguageButton"));
    setFont(fonts::font(fonts::Role::callout));
    setToolTip(tq::text("Change the app language"));
    setAccessibleName(tq::text("Change the app language"));
    setAccessibleDescription(AppLanguage::displayName(language_.current()));
    setLabelColour(this, palette::paperDim());
    connect(this, &QPushButton::clicked, this, [this] { openSheet(); });
}

LanguageSheet* LanguageButton::openSheet()
{
    return openSheetOver(language_, this, motion_);
}

} // namespace tq
