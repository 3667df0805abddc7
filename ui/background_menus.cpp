#include "ui/background_menus.h"

#include "ui/file_messages.h"
#include "ui/menu_book.h"
#include "ui/menu_ids.h"
#include "ui/platform.h"
#include "ui/settings_model.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>

#include <algorithm>

namespace kp {

namespace {

// The background keys live in the settings; the composer has its own copy of them. One list
// of pairs serves both directions.
template <typename S, typename B, typename Copy> void backgroundFields(S& s, B& b, Copy copy) {
    copy(s.background, b.background);
    copy(s.plainColour, b.plainColour);
    copy(s.gradientTop, b.gradientTop);
    copy(s.gradientBottom, b.gradientBottom);
    copy(s.borderColour, b.borderColour);
    copy(s.pictureSize, b.pictureSize);
    copy(s.pictureAlignH, b.pictureAlignH);
    copy(s.pictureAlignV, b.pictureAlignV);
    copy(s.tiled, b.tiled);
    copy(s.greyscale, b.greyscale);
    copy(s.negative, b.negative);
    copy(s.recentPictures, b.recentPictures);
}

BackgroundSettings backgroundOf(const Settings& s) {
    BackgroundSettings b;
    backgroundFields(s, b, [](const auto& from, auto& to) {
        to = static_cast<std::remove_reference_t<decltype(to)>>(from);
    });
    return b;
}

void copyBackground(BackgroundSettings& b, Settings& s) {
    backgroundFields(s, b, [](auto& to, const auto& from) {
        to = static_cast<std::remove_reference_t<decltype(to)>>(from);
    });
}

// The composed background as an image Qt can draw (the bytes are copied).
QImage toQImage(const Bitmap24& bmp) {
    if (bmp.empty()) return {};
    return QImage(bmp.bytes.data(), bmp.width, bmp.height, bmp.stride, QImage::Format_BGR888)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

QColor toQColor(Colour c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

Colour fromQColor(const QColor& c) {
    return MakeColour(c.red(), c.green(), c.blue());
}

BackgroundMenus::BackgroundMenus(MenuBook& book, QMenu* options, SettingsModel& model,
                                 Platform& platform, QWidget& window)
    : QObject(&window), book_(book), model_(model), platform_(platform), window_(window) {
    build(options);
}

std::optional<QImage> BackgroundMenus::compose(int width, int height,
                                               const std::optional<std::string>& path) {
    // Only a picture can take long enough for the wait cursor to mean anything (and the
    // cursor theme costs a start-up without one its loading).
    const bool picture = path || model_.settings().background == PictureBackground;
    if (picture) QApplication::setOverrideCursor(Qt::WaitCursor);
    BackgroundSettings b = backgroundOf(model_.settings());
    const Composition c = composer_.composeBackground(b, width, height, path);
    model_.settle([&b](Settings& s) { copyBackground(b, s); });
    if (picture) QApplication::restoreOverrideCursor();
    if (!c.composed) {
        // The command's radio item took the check mark; it goes back to the background in view.
        if (checkedMode_) checkedMode_->setChecked(true);
        if (c.refusedPicture) platform_.message(&window_, unknownPictureMessage(*c.refusedPicture));
        return std::nullopt;
    }
    showComposition(c);
    return toQImage(composer_.takeBackground());
}

void BackgroundMenus::showComposition(const Composition& c) {
    const Settings& s = model_.settings();
    switch (c.checked) {
    case ModeItem::Plain:
        book_.check(Item::BackgroundPlain);
        break;
    case ModeItem::Gradient:
        book_.check(Item::BackgroundGradient);
        break;
    case ModeItem::Logo:
        book_.check(Item::BackgroundLogo);
        break;
    case ModeItem::Open:
        book_.check(Item::BackgroundPicture);
        break;
    case ModeItem::Recent1:
        book_.check(Item::RecentPicture1);
        break;
    }
    checkedMode_ = book_.action(Item::BackgroundPlain)->actionGroup()->checkedAction();
    book_.check(ids::pictureSizeItems[std::clamp(s.pictureSize, 0, 8)]);
    book_.check(ids::positionH[std::clamp(s.pictureAlignH, 0, 2)]);
    book_.check(ids::positionV[std::clamp(s.pictureAlignV, 0, 2)]);
    book_.check(Item::PictureTiled, s.tiled);
    book_.check(Item::PictureGreyscale, s.greyscale);
    book_.check(Item::PictureNegative, s.negative);
    if (c.recentChanged) showRecentPictures();
    for (const Item id : {Item::PictureSizeMenu, Item::PicturePlaceMenu, Item::PictureOptionsMenu})
        book_.menu(id)->setEnabled(c.pictureMenusEnabled);
    if (c.borderColourEnabled) book_.action(Item::BorderColour)->setEnabled(*c.borderColourEnabled);
}

void BackgroundMenus::change(const std::function<void(BackgroundSettings&)>& change) {
    model_.changeBackground([&change](Settings& s) {
        BackgroundSettings b = backgroundOf(s);
        change(b);
        copyBackground(b, s);
    });
}

// A cancelled colour or picture choice changes nothing but still composes again: the command's
// radio item took the check mark, and the composition puts it back where it was.
void BackgroundMenus::plain() {
    const auto c = platform_.chooseColour(
        &window_, toQColor(static_cast<Colour>(model_.settings().plainColour)));
    model_.changeBackground([&c](Settings& s) {
        if (!c) return;
        s.plainColour = static_cast<int32_t>(fromQColor(*c));
        s.background = PlainBackground;
    });
}

void BackgroundMenus::gradient() {
    const auto c1 = platform_.chooseColour(
        &window_, toQColor(static_cast<Colour>(model_.settings().gradientTop)));
    std::optional<QColor> c2;
    if (c1)
        c2 = platform_.chooseColour(
            &window_, toQColor(static_cast<Colour>(model_.settings().gradientBottom)));
    model_.changeBackground([&c1, &c2](Settings& s) {
        if (c1) s.gradientTop = static_cast<int32_t>(fromQColor(*c1));
        if (!c2) return;
        s.gradientBottom = static_cast<int32_t>(fromQColor(*c2));
        s.background = GradientBackground;
    });
}

void BackgroundMenus::loadPicture() {
    const auto path = platform_.openPicture(&window_);
    if (!path) return model_.changeBackground([](Settings&) {});
    model_.changeBackground([](Settings& s) { s.background = PictureBackground; },
                            systemPath(*path).string());
}

void BackgroundMenus::recent(int index) {
    const std::string picture = model_.settings().recentPictures[index - 1];
    model_.changeBackground([](Settings& s) { s.background = PictureBackground; }, picture);
}

QColor BackgroundMenus::borderColour() const {
    return toQColor(static_cast<Colour>(model_.settings().borderColour));
}

void BackgroundMenus::chooseBorderColour() {
    const auto c = platform_.chooseColour(&window_, borderColour());
    if (!c) return;
    model_.changeBackground(
        [colour = fromQColor(*c)](Settings& s) { s.borderColour = static_cast<int32_t>(colour); });
}

void BackgroundMenus::build(QMenu* options) {
    QMenu* background = book_.addMenu(options, Item::BackgroundMenu);
    QActionGroup* modes = book_.radioGroup();
    book_.addItem(
        background, Item::BackgroundPlain, [this] { plain(); }, modes);
    book_.addItem(
        background, Item::BackgroundGradient, [this] { gradient(); }, modes);
    book_.addItem(
        background, Item::BackgroundLogo,
        [this] { model_.changeBackground([](Settings& s) { s.background = LogoBackground; }); },
        modes);
    background->addSeparator();
    book_.addItem(
        background, Item::BackgroundPicture, [this] { loadPicture(); }, modes);
    // The recent pictures: captions and visibility come with the list.
    for (int i = 1; i <= 10; ++i)
        book_
            .addItem(
                background, nth(Item::RecentPicture1, i - 1), [this, i] { recent(i); }, modes, true,
                QStringLiteral(" "))
            ->setVisible(false);
    background->addSeparator();
    buildPictureMenus(background);
    book_.addItem(background, Item::BorderColour, [this] { chooseBorderColour(); });
}

// How a background picture shows: its size, its place, its colours.
void BackgroundMenus::buildPictureMenus(QMenu* background) {
    QMenu* sizeChoice = book_.addMenu(background, Item::PictureSizeMenu);
    QActionGroup* sizeGroup = book_.radioGroup();
    sizeGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const std::pair<Item, int> sizes[] = {
        {Item::PictureSizeNormal, 0}, {Item::PictureSizeStretched, 1}, {Item::PictureSizeWidth, 2},
        {Item::PictureSizeHeight, 3}, {Item::PictureSize25, 4},        {Item::PictureSize50, 5},
        {Item::PictureSize75, 6},     {Item::PictureSize100, 0},       {Item::PictureSize150, 7},
        {Item::PictureSize200, 8}};
    for (const auto& [id, value] : sizes) {
        const bool member = id != Item::PictureSize100; // never shows a mark
        book_.addItem(
            sizeChoice, id,
            [this, value = value] {
                change([value](BackgroundSettings& b) { b.pictureSize = value; });
            },
            member ? sizeGroup : nullptr, member);
        if (id == Item::PictureSizeHeight || id == Item::PictureSize75) sizeChoice->addSeparator();
    }

    QMenu* position = book_.addMenu(background, Item::PicturePlaceMenu);
    book_.addRadios(position, ids::positionH,
                    [this](int v) { change([v](BackgroundSettings& b) { b.pictureAlignH = v; }); });
    position->addSeparator();
    book_.addRadios(position, ids::positionV,
                    [this](int v) { change([v](BackgroundSettings& b) { b.pictureAlignV = v; }); });

    QMenu* imageOptions = book_.addMenu(background, Item::PictureOptionsMenu);
    book_.addItem(
        imageOptions, Item::PictureTiled,
        [this] { change([](BackgroundSettings& b) { b.tiled = !b.tiled; }); }, nullptr, true);
    book_.addItem(
        imageOptions, Item::PictureGreyscale,
        [this] { change([](BackgroundSettings& b) { b.greyscale = !b.greyscale; }); }, nullptr,
        true);
    book_.addItem(
        imageOptions, Item::PictureNegative,
        [this] { change([](BackgroundSettings& b) { b.negative = !b.negative; }); }, nullptr, true);
}

void BackgroundMenus::showRecentPictures() {
    for (int i = 1; i <= 10; ++i) {
        QAction* a = book_.action(nth(Item::RecentPicture1, i - 1));
        const std::string text = RecentCaption(i, model_.settings().recentPictures[i - 1]);
        a->setText(QString::fromStdString(text));
        a->setVisible(RecentCaptionVisible(text));
    }
}

} // namespace kp
