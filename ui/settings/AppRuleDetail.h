#pragma once

#include "settings/AppRules.h"

#include <QString>
#include <QWidget>

class QAbstractButton;
class QComboBox;
class QLabel;
class QToolButton;

namespace tq {

struct SettingsContext;

// The rule editor of one key.
class AppRuleDetail final : public QWidget {
    Q_OBJECT
public:
    AppRuleDetail(SettingsContext& context, const QString& key, QWidget* parent = nullptr);
    const QString& key() const { return key_; }
    void refresh();
    void reset();
    void eraseMemory();

    QComboBox* modeBox() const { return mode_; }
    QWidget* group() const { return group_; }
    QComboBox* insertionBox() const { return insertion_; }
    QComboBox* lengthBox() const { return length_; }
    QLabel* note() const { return note_; }
    QAbstractButton* resetButton() const { return reset_; }
    QLabel* pauseTitle() const { return pauseTitle_; }
    QAbstractButton* resumeButton() const { return resume_; }
    QToolButton* pauseButton() const { return pause_; }
    QWidget* memoryToggle() const { return record_; }
    QLabel* passages() const { return passages_; }

private:
    AppRule rule() const;
    void write(const AppRule& rule);
    int passageCount() const;

    SettingsContext& c_;
    QString key_;
    QWidget* wordsRow_;
    QLabel* wordsValue_;
    QComboBox* mode_;
    QWidget* group_;
    QWidget* tab_;
    QComboBox* insertion_;
    QComboBox* length_;
    QLabel* note_;
    QLabel* pauseTitle_;
    QAbstractButton* resume_;
    QToolButton* pause_;
    QWidget* record_;
    QLabel* recordDetail_;
    QWidget* passagesRow_;
    QLabel* passages_;
    QAbstractButton* reset_;
};

} // namespace tq
