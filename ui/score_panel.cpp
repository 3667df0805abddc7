#include "score_panel.h"

#include "ui/about_widgets.h"
#include "ui/dialog_captions.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace kp {

namespace {

QLabel* label(QWidget* parent, const QString& name, Qt::Alignment align = Qt::AlignLeft) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText); // a player's name is shown as typed, never as markup
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

QString cssColour(int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF).name();
}

// Invented nicknames of the friends who tried the game first, with their portraits.
constexpr const char* Nicknames[BetaPanel::Testers] = {
    "Pilulix", "Capsulette", "Zigzag", "Frimousse", "Mamie Turbo", "Bidouille", "Capitaine Pixel"};

} // namespace

void styleTable(QFrame* panel) {
    panel->setStyleSheet(
        QStringLiteral("QFrame#%1 { background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                       "stop:0 #26386a, stop:1 #101a36); border: 1px solid #08101f; "
                       "border-radius: 6px; } QLabel { color: #e6ebf5; }")
            .arg(panel->objectName()));
}

ScorePanel::ScorePanel(QWidget* parent) : Translated(parent) {
    setObjectName(QStringLiteral("PanelPalmares"));
    styleTable(this);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 8, 12, 10);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    title_ = label(this, QStringLiteral("LabelPalmares"), Qt::AlignHCenter);
    QFont bold = title_->font();
    bold.setBold(true);
    QFont grand = bold;
    grand.setPointSizeF(bold.pointSizeF() + 1.5);
    QFont entry = title_->font();
    entry.setPointSizeF(entry.pointSizeF() + 1);
    QFont boldEntry = entry;
    boldEntry.setBold(true);
    title_->setFont(grand);
    title_->setStyleSheet(QStringLiteral("color: #ffd75a;"));
    grid->addWidget(title_, 0, 0, 1, 7);

    const char* ids[4] = {"LabelClt", "LabelChampion", "LabelScore", "LabelDate"};
    const int columns[4] = {0, 1, 2, 5};
    for (int i = 0; i < 4; ++i) {
        headers_[i] =
            label(this, QString::fromLatin1(ids[i]), i == 2 ? Qt::AlignHCenter : Qt::AlignLeft);
        headers_[i]->setFont(bold);
        headers_[i]->setStyleSheet(QStringLiteral("color: #9fb6e0;"));
        grid->addWidget(headers_[i], 1, columns[i], 1, i == 2 ? 3 : 1);
    }
    for (int r = 0; r < 3; ++r) {
        const QString prefix = QStringLiteral("Score%1_").arg(r + 1, 2, 10, QLatin1Char('0'));
        ParameterRow& l = lines_[r];
        l.rank = label(this, QStringLiteral("LabelClt%1").arg(r + 1), Qt::AlignHCenter);
        l.rank->setText(QString::number(r + 1));
        l.rank->setFont(boldEntry);
        l.name = label(this, prefix + QStringLiteral("Nom"));
        l.name->setFont(boldEntry);
        l.level = label(this, prefix + QStringLiteral("Niv"), Qt::AlignRight);
        l.bar = label(this, QStringLiteral("LabelBarre%1").arg(r + 1), Qt::AlignHCenter);
        l.bar->setText(QStringLiteral("/"));
        l.left = label(this, prefix + QStringLiteral("Vir"));
        l.date = label(this, prefix + QStringLiteral("Dat"));
        QLabel* cells[6] = {l.rank, l.name, l.level, l.bar, l.left, l.date};
        for (int c = 0; c < 6; ++c) {
            if (c >= 2) cells[c]->setFont(entry);
            grid->addWidget(cells[c], r + 2, c);
        }
        grid->setRowMinimumHeight(r + 2, 26);
        watch_[r] = new QPushButton(this);
        watch_[r]->setObjectName(QStringLiteral("BtnVoir%1").arg(r + 1));
        watch_[r]->setStyleSheet(QStringLiteral("padding: 0 6px;"));
        watch_[r]->setEnabled(false);
        connect(watch_[r], &QPushButton::clicked, this, [this, r] {
            if (onWatch) onWatch(r);
        });
        grid->addWidget(watch_[r], r + 2, 6);
    }
    grid->setColumnMinimumWidth(0, 28);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(2, 30);
    grid->setColumnMinimumWidth(4, 30);
    grid->setColumnMinimumWidth(5, 150);
    grid->setRowMinimumHeight(0, 26);
    grid->setRowStretch(5, 1);
    retranslate();
}

void ScorePanel::showTable(const ScoreTable& table, const std::array<int32_t, 5>& colours) {
    for (int r = 0; r < 3; ++r) {
        const ScoreEntry& e = table.Entries[r];
        ParameterRow& l = lines_[r];
        l.name->setText(QString::fromStdString(e.name));
        l.level->setText(QString::fromStdString(e.level));
        l.left->setText(QString::fromStdString(e.left));
        l.date->setText(QString::fromStdString(e.date).trimmed());
        const QString css = QStringLiteral("color: %1;").arg(cssColour(colours[r]));
        l.rank->setStyleSheet(css);
        l.name->setStyleSheet(css);
    }
}

void ScorePanel::setWatchable(int rank, bool watchable) {
    watch_[static_cast<size_t>(rank)]->setEnabled(watchable);
}

void ScorePanel::retranslate() {
    for (QPushButton* b : watch_) b->setText(dialogCaption("BtnVoir"));
    title_->setText(dialogCaption("LabelPalmares"));
    const char* ids[4] = {"LabelClt", "LabelChampion", "LabelScore", "LabelDate"};
    for (int i = 0; i < 4; ++i) headers_[i]->setText(dialogCaption(ids[i]));
}

BetaPanel::BetaPanel(QWidget* parent) : Translated(parent) {
    setObjectName(QStringLiteral("PanelBetaTesteurs"));
    styleTable(this);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 6, 10, 8);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    title_ = label(this, QStringLiteral("LabelBetaTesteurs"), Qt::AlignHCenter);
    QFont f = title_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() + 1.5);
    title_->setFont(f);
    title_->setStyleSheet(QStringLiteral("color: #ffd75a;"));
    grid->addWidget(title_, 0, 0, 1, 8);
    for (int k = 0; k < Testers; ++k) {
        // Four on the first row, three centred below.
        const int row = k < 4 ? 1 : 3;
        const int col = k < 4 ? 2 * k : 2 * (k - 4) + 1;
        auto* image = label(this, QStringLiteral("ImgTesteur%1").arg(k + 1), Qt::AlignHCenter);
        image->setPixmap(transparentImage(QStringLiteral(":/dialog/ImgTesteur%1").arg(k + 1)));
        auto* name = label(this, QStringLiteral("LabelTesteur%1").arg(k + 1), Qt::AlignHCenter);
        name->setText(QString::fromLatin1(Nicknames[k]));
        grid->addWidget(image, row, col, 1, 2);
        grid->addWidget(name, row + 1, col, 1, 2, Qt::AlignHCenter | Qt::AlignTop);
    }
    for (int c = 0; c < 8; ++c) grid->setColumnStretch(c, 1);
    retranslate();
}

void BetaPanel::retranslate() {
    title_->setText(dialogCaption("LabelBetaTesteurs"));
}

} // namespace kp
