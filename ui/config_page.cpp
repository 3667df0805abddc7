#include "config_page.h"

#include "ui/dialog_captions.h"
#include "ui/leader_label.h"

#include "persistence/settings.h"
#include "render/sprites.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include <limits>

namespace kp {

// ---- BoundedSpinEdit ----

BoundedSpinEdit::BoundedSpinEdit(QWidget* parent) : QSpinBox(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State BoundedSpinEdit::validate(QString& input, int&) const {
    static const QRegularExpression number(QStringLiteral("^\\s*-?\\d*\\s*$"));
    if (!number.match(input).hasMatch()) return QValidator::Invalid;
    bool ok = false;
    const int v = input.trimmed().toInt(&ok);
    // Anything else made of digits may still be typed; it is held to the bounds afterwards.
    return ok && v >= minimum() && v <= maximum() ? QValidator::Acceptable
                                                  : QValidator::Intermediate;
}

void BoundedSpinEdit::fixup(QString& input) const {
    const QString t = input.trimmed();
    static const QRegularExpression digits(QStringLiteral("^-?\\d+$"));
    int v = minimum();
    if (digits.match(t).hasMatch()) {
        bool ok = false;
        const qlonglong n = t.toLongLong(&ok);
        if (!ok) // more digits than any integer holds: far beyond one bound or the other
            v = t.startsWith(QLatin1Char('-')) ? minimum() : maximum();
        else
            v = int(std::clamp<qlonglong>(n, minimum(), maximum()));
    }
    input = QString::number(v);
}

// ---- ConfigPage ----

namespace {

struct ParameterRow {
    std::string_view key;
    const char* label;
};

struct EditGroup {
    const char* title;
    std::initializer_list<ParameterRow> bandRows;
};

const EditGroup editGroups[] = {
    {"LabelConfigGenerale",
     {{"NbLgn", "NbLgn_Label"},
      {"NbCol", "NbCol_Label"},
      {"NbColor", "NbColor_Edit_Label"},
      {"MinCasesConsecutives", "MinCasesConsecutives_EditLabel"}}},
    {"LabelConfigPremierNiveau",
     {{"NbVirus", "NbVirus_EditLabel"},
      {"NbVirusLignes", "NbVirusLignes_EditLabel"},
      {"TempoDepart", "TempoDepart_Label"}}},
    {"LabelConfigNiveauSuivant",
     {{"NbVirusInc", "NbVirusInc_Edit_Label"},
      {"NbVirusLignesInc", "NbVirusLignesInc_Edit_Label"},
      {"NbVirusLignesMax", "NbVirusLignesMax_EditLabel"},
      {"TempoNiveauInc", "TempoNiveauInc_Edit_Label"}}},
};
const char* const presetTitle = "LabelConfigPredefinies";
const char* const buttonNames[4] = {"BtnConfig", "BtnConfig2", "BtnConfig3", "BtnConfig4"};
const char* const buttonCaptions[4] = {"          &d", "          &p", "          &n",
                                       "          &w"};

size_t keyIndex(std::string_view key) {
    for (size_t i = 0; i < ParameterKeys.size(); ++i)
        if (ParameterKeys[i].key == key) return i;
    return 0;
}

LevelParameters preset(int32_t rows, int32_t columns, int32_t smileys, int32_t smileyRows,
                       int32_t smileysPerLevel, int32_t smileyRowsPerLevel, int32_t maxSmileyRows,
                       int32_t firstFallPeriod, int32_t fallPeriodStep, int32_t minCases,
                       int32_t colours) {
    LevelParameters p;
    p.rows = rows;
    p.columns = columns;
    p.smileys = smileys;
    p.smileyRows = smileyRows;
    p.smileysPerLevel = smileysPerLevel;
    p.smileyRowsPerLevel = smileyRowsPerLevel;
    p.maxSmileyRows = maxSmileyRows;
    p.firstFallPeriod = firstFallPeriod;
    p.fallPeriodStep = fallPeriodStep;
    p.minRun = minCases;
    p.colours = colours;
    return p;
}

bool sameValues(const LevelParameters& a, const LevelParameters& b) {
    for (const ParameterKey& k : ParameterKeys)
        if (a.*k.field != b.*k.field) return false;
    return true;
}

} // namespace

const std::array<LevelParameters, 4>& ConfigPage::presets() {
    static const std::array<LevelParameters, 4> table{
        preset(18, 8, 5, 5, 5, 1, 14, 650, 10, 4, 3),
        preset(18, 8, 15, 7, 5, 1, 17, 650, 0, 4, 3),
        preset(25, 8, 20, 10, 5, 1, 20, 500, 0, 5, 3),
        preset(30, 20, 50, 20, 50, 1, 25, 750, 0, 5, 5),
    };
    return table;
}

ConfigPage::ConfigPage(QWidget* parent) : Translated(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 7, 10, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);
    grid->setColumnMinimumWidth(0, 10);
    grid->setColumnStretch(1, 1);
    int row = 0;
    auto title = [&](int index, const char* id) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(id));
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
        // The room left over goes between the groups.
        if (row > 0) {
            grid->setRowMinimumHeight(row, 3);
            grid->setRowStretch(row++, 1);
        }
        grid->addWidget(label, row++, 0, 1, 3);
        titles_[index] = label;
    };
    int groupe = 0;
    for (const EditGroup& g : editGroups) {
        title(groupe++, g.title);
        for (const ParameterRow& l : g.bandRows) {
            const size_t i = keyIndex(l.key);
            auto* label = new LeaderLabel(this);
            label->setObjectName(QString::fromLatin1(l.label));
            auto* edit = new BoundedSpinEdit(this);
            edit->setObjectName(QString::fromLatin1(l.key.data(), qsizetype(l.key.size())) +
                                QStringLiteral("_Edit"));
            edit->setRange(ParameterKeys[i].min, ParameterKeys[i].max);
            edit->setFixedSize(62, 22);
            label->setBuddy(edit);
            connect(edit, &QSpinBox::valueChanged, this, [this] { onValueChanged(); });
            grid->addWidget(label, row, 1, Qt::AlignBottom);
            grid->addWidget(edit, row++, 2, Qt::AlignBottom);
            edits_[i] = edit;
            labels_[i] = label;
        }
    }
    title(3, presetTitle);
    auto* tableRow = new QHBoxLayout;
    tableRow->setSpacing(8);
    for (int k = 0; k < 4; ++k) {
        auto* b = new QPushButton(QString::fromLatin1(buttonCaptions[k]), this);
        b->setObjectName(QString::fromLatin1(buttonNames[k]));
        const QImage glyph =
            toTransparentImage(loadBitmap(QStringLiteral(":/dialog/ImgConfig%1").arg(k + 1)));
        b->setIcon(QIcon(QPixmap::fromImage(glyph)));
        b->setIconSize(QSize(32, 32));
        b->setFixedHeight(40);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, k] { configClicked(k + 1); });
        tableRow->addWidget(b);
        buttons_[k] = b;
    }
    grid->addLayout(tableRow, row++, 0, 1, 3);
    retranslate();
}

BoundedSpinEdit* ConfigPage::edit(std::string_view key) const {
    for (size_t i = 0; i < ParameterKeys.size(); ++i)
        if (ParameterKeys[i].key == key) return edits_[i];
    return nullptr;
}

void ConfigPage::setValues(const LevelParameters& p) {
    for (size_t i = 0; i < ParameterKeys.size(); ++i) {
        edits_[i]->setRange(ParameterKeys[i].min, ParameterKeys[i].max);
        edits_[i]->setValue(p.*ParameterKeys[i].field);
    }
}

LevelParameters ConfigPage::values() const {
    LevelParameters p;
    for (size_t i = 0; i < ParameterKeys.size(); ++i)
        p.*ParameterKeys[i].field = edits_[i]->value();
    return p;
}

int ConfigPage::NoConfig() {
    const LevelParameters p = values();
    int found = 0;
    for (int k = 1; k <= 4 && found == 0; ++k)
        if (sameValues(p, presets()[k - 1])) found = k;
    for (int k = 1; k <= 4; ++k) buttons_[k - 1]->setEnabled(k != found);
    return found;
}

void ConfigPage::onValueChanged() {
    modified_ = true;
    for (QPushButton* b : buttons_) b->setEnabled(true);
}

void ConfigPage::configClicked(int k) {
    const LevelParameters& p = presets()[k - 1];
    for (size_t i = 0; i < ParameterKeys.size(); ++i)
        edits_[i]->setValue(p.*ParameterKeys[i].field);
    modified_ = true;
    // The button that was used goes grey, even if the values did not change.
    for (int j = 1; j <= 4; ++j) buttons_[j - 1]->setEnabled(j != k);
}

void ConfigPage::takeTypedValues() {
    for (BoundedSpinEdit* e : edits_) e->interpretText();
}

void ConfigPage::makeConsistent() {
    QSpinBox* bandRows = edit("NbLgn");
    QSpinBox* max = edit("NbVirusLignesMax");
    QSpinBox* first = edit("NbVirusLignes");
    QSpinBox* inc = edit("NbVirusLignesInc");
    if (bandRows->value() < max->value()) max->setValue(bandRows->value());
    if (max->value() < first->value()) first->setValue(max->value());
    if (max->value() < first->value() + inc->value()) inc->setValue(max->value() - first->value());
}

void ConfigPage::retranslate() {
    int g = 0;
    for (const EditGroup& groupe : editGroups) {
        titles_[g++]->setText(dialogCaption(groupe.title));
        for (const ParameterRow& l : groupe.bandRows)
            labels_[keyIndex(l.key)]->setText(dialogCaption(l.label));
    }
    titles_[3]->setText(dialogCaption(presetTitle));
    for (int k = 0; k < 4; ++k) buttons_[k]->setToolTip(presetText(presets()[k]));
}

} // namespace kp
