// Every drop-down, text field, spin box and list of the settings panes, and the lists the
// drop-downs open, drawn dark over a light desktop palette.

#include "SettingsFileFixture.h"
#include "support/LookCheck.h"

#include "settings/AppRules.h"
#include "ui/design/Confirmation.h"
#include "ui/settings/AppsPane.h"
#include "ui/settings/LanguagePicker.h"
#include "ui/settings/SettingsRoot.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <algorithm>

namespace tq {

namespace {
// The median lightness of an image: its background, whatever text or edge it holds.
double backgroundLightness(const QImage& img)
{
    std::vector<double> values;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2)
            values.push_back(img.pixelColor(x, y).lightnessF());
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// How many pixels of the outermost two rings are light: a frame drawn from a light palette.
int lightEdgePixels(const QImage& img)
{
    int light = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const bool edge = x < 2 || y < 2 || x >= img.width() - 2 || y >= img.height() - 2;
            light += edge && img.pixelColor(x, y).lightnessF() > 0.6;
        }
    return light;
}

class InputsLookTest : public SettingsFileFixture {
protected:
    InputsLookTest() : SettingsFileFixture(true)
    {
        saved_ = QApplication::palette();
        QPalette light = saved_; // a light desktop theme
        light.setColor(QPalette::Window, QColor(239, 239, 239));
        light.setColor(QPalette::Base, Qt::white);
        light.setColor(QPalette::Button, QColor(239, 239, 239));
        light.setColor(QPalette::Text, Qt::black);
        light.setColor(QPalette::WindowText, Qt::black);
        QApplication::setPalette(light);
    }
    ~InputsLookTest() override
    {
        delete root;
        QApplication::setPalette(saved_);
    }
    QPalette saved_;
    SettingsRoot* root = nullptr;
};
} // namespace

TEST_F(InputsLookTest, EveryPickerFieldAndListOfThePanesIsDarkAndSoAreTheListsThePickersOpen)
{
    buildOverFile();
    model->rules().setRule(AppRule{RuleMode::on, false, InsertionMethod::paste, CompletionLength::short_, false},
                           QStringLiteral("app:org.example.Writer"));
    SettingsContext c = settingsContext(*model, motion);
    root = new SettingsRoot(c);
    root->resize(900, 2400); // every row of a pane in view
    root->show();
    int pickers = 0;
    for (SettingsPane p : kAllSettingsPanes) {
        model->windows().router().setPane(p);
        settle(40);
        QWidget* pane = root->currentPane();
        if (auto* apps = qobject_cast<AppsPane*>(pane)) {
            apps->select(QStringLiteral("app:org.example.Writer"));
            settle(40);
        }
        const QImage window = root->grab().toImage();
        QList<QWidget*> inputs;
        for (QWidget* w : pane->findChildren<QWidget*>()) {
            if (w->isVisible() && (qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w)
                                   || qobject_cast<QAbstractItemView*>(w) || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w))
                && !qobject_cast<QComboBox*>(w->parentWidget()) && !qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
                inputs.push_back(w);
        }
        for (QWidget* w : inputs) {
            const QRect r(w->mapTo(root, QPoint(0, 0)), w->size());
            const std::string where = settingsPaneName(p).toStdString() + " " + w->metaObject()->className() + " "
                                      + w->accessibleName().toStdString();
            EXPECT_LT(backgroundLightness(window.copy(r)), 0.3) << where;
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) {
                // The field's context menu, a window of its own.
                QWidget* target = qobject_cast<QPlainTextEdit*>(w) ? static_cast<QPlainTextEdit*>(w)->viewport() : w;
                QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), target->mapToGlobal(QPoint(4, 4)));
                QCoreApplication::sendEvent(target, &event);
                QCoreApplication::processEvents();
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                ASSERT_NE(menu, nullptr) << where;
                const QImage shown = menu->grab().toImage();
                EXPECT_LT(backgroundLightness(shown), 0.3) << where << " menu";
                EXPECT_EQ(lightEdgePixels(shown), 0) << where << " menu";
                menu->close();
                QCoreApplication::processEvents();
            }
            auto* box = qobject_cast<QComboBox*>(w);
            if (!box || !box->isEnabled())
                continue;
            ++pickers;
            box->showPopup();
            QCoreApplication::processEvents();
            QWidget* popup = box->view()->window();
            ASSERT_TRUE(popup->isVisible()) << where;
            const QImage list = popup->grab().toImage();
            EXPECT_LT(backgroundLightness(list), 0.3) << where;
            EXPECT_EQ(lightEdgePixels(list), 0) << where;
            box->hidePopup();
            QCoreApplication::processEvents();
        }
    }
    EXPECT_GE(pickers, 5);

    // The language sheet the General pane opens: its search field.
    model->windows().router().setPane(SettingsPane::general);
    settle(40);
    auto* language = root->currentPane()->findChild<LanguageRow*>();
    ASSERT_NE(language, nullptr);
    LanguageSheet* sheet = language->openSheet();
    QCoreApplication::processEvents();
    auto* search = sheet->findChild<QLineEdit*>();
    ASSERT_NE(search, nullptr);
    const QImage sheetImage = sheet->grab().toImage();
    EXPECT_LT(backgroundLightness(sheetImage.copy(QRect(search->mapTo(sheet, QPoint(0, 0)), search->size()))), 0.3);
    sheet->close();
}

} // namespace tq

namespace tq {

// Every pane, the rule editor and the sheets the panes open: fonts on the ladder, nothing on the
// light desktop palette, every stock widget reached by the ink style sheet.
TEST_F(InputsLookTest, EveryPaneAndSheetKeepsTheLadderAndTheInkTheme)
{
    buildOverFile();
    model->rules().setRule(AppRule{RuleMode::on, false, InsertionMethod::paste, CompletionLength::short_, false},
                           QStringLiteral("app:org.example.Writer"));
    root = new SettingsRoot(settingsContext(*model, motion));
    root->resize(900, 2400);
    root->show();
    for (SettingsPane p : kAllSettingsPanes) {
        model->windows().router().setPane(p);
        settle(40);
        if (auto* apps = qobject_cast<AppsPane*>(root->currentPane())) {
            apps->select(QStringLiteral("app:org.example.Writer"));
            settle(40);
        }
        EXPECT_EQ(testing::lookFaults(root), QStringList()) << settingsPaneName(p).toStdString();
    }
    // The sheets, each a window of its own.
    auto* apps = qobject_cast<AppsPane*>(root->currentPane());
    if (!apps) {
        model->windows().router().setPane(SettingsPane::apps);
        settle(40);
        apps = qobject_cast<AppsPane*>(root->currentPane());
    }
    ASSERT_NE(apps, nullptr);
    apps->openAddWebsite();
    apps->openAddApp();
    Confirmation::ask(apps, {QStringLiteral("Erase?"), QStringLiteral("This can't be undone."), QStringLiteral("Erase")}, nullptr);
    auto* language = new LanguageSheet(model->language(), root);
    language->show();
    settle(10);
    int sheets = 0;
    for (QDialog* sheet : root->findChildren<QDialog*>()) {
        if (!sheet->isVisible())
            continue;
        ++sheets;
        EXPECT_EQ(testing::lookFaults(sheet), QStringList()) << sheet->metaObject()->className();
        if (const QString dir = qEnvironmentVariable("TQ_ARTIFACTS"); !dir.isEmpty())
            sheet->grab().save(QDir(dir).filePath(QStringLiteral("settings-sheet-%1.png").arg(QString::fromLatin1(sheet->metaObject()->className()).section(u':', -1))));
    }
    EXPECT_EQ(sheets, 4);
}

} // namespace tq
