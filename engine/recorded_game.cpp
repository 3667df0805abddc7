#include "recorded_game.h"

namespace kp {

namespace detail {

void EventRelay::messageChanged() {
    to_.messageChanged();
    messageNoticed();
}

// The replay's timers are its own clock's: the window's stands still while it plays.
void EventRelay::timerChanged(TimerId id) {
    if (!watching_) to_.timerChanged(id);
}

void EventRelay::panicChanged(bool hidden) {
    if (!watching_) to_.panicChanged(hidden);
}

void EventRelay::recordOffered() {
    if (!watching_) to_.recordOffered();
}

bool EventRelay::recordQualifies(int32_t level, int32_t smileysLeft) {
    return !watching_ && to_.recordQualifies(level, smileysLeft);
}

} // namespace detail

RecordedGame::RecordedGame(GameEvents& events, uint32_t seed)
    : detail::EventRelay(events), Game(static_cast<detail::EventRelay&>(*this), seed) {}

void RecordedGame::setClock(VirtualClock& clock, std::function<void()> catchUp) {
    clock_ = &clock;
    catchUp_ = std::move(catchUp);
}

int64_t RecordedGame::tableTime() {
    if (catchUp_) catchUp_();
    return clock_ ? clock_->now() - origin_ : 0;
}

bool RecordedGame::record(InputKind kind, int32_t value, int32_t value2) {
    if (watching_) return false;
    const int64_t time = tableTime();
    live_.inputs.push_back({time, kind, value, value2});
    return true;
}

// A lost game is finished the moment it is declared, before any score offer: what the replay
// must reach is the board the player saw lose.
void RecordedGame::messageNoticed() {
    const GameState& s = state();
    if (!watching_ && s.message == Message::Lost && s.messageVisible) finish();
}

void RecordedGame::finish() {
    if (over_) return;
    over_ = true;
    live_.duration = tableTime();
    live_.end = {{gameEnd(state())}, {}};
    last_ = std::make_shared<const Recording>(live_);
    if (finished_) finished_(last_);
}

const Recording& RecordedGame::recording() {
    live_.duration = clock_ ? clock_->now() - origin_ : 0;
    return live_;
}

void RecordedGame::endGame() {
    stopWatching();
    if (live_.played()) finish();
}

void RecordedGame::newGame(const SavedGame* saved) {
    if (watching_) return;
    tableTime(); // the game in progress ends with the timers due by now fired
    if (live_.played()) finish();
    const GameState& s = state();
    live_ = Recording{};
    live_.seed = random().seed();
    live_.params = s.params;
    live_.options = s.options;
    live_.windowActive = s.windowActive;
    live_.hidden = s.hidden;
    if (saved) live_.saved = std::make_shared<const SavedGame>(*saved);
    origin_ = clock_ ? clock_->now() : 0;
    over_ = false;
    Game::newGame(saved);
    if (clock_) clock_->rearmAll();
}

void RecordedGame::restartLevel() {
    if (record(InputKind::RestartLevel)) Game::restartLevel();
}

void RecordedGame::skipLevel() {
    if (record(InputKind::SkipLevel)) Game::skipLevel();
}

void RecordedGame::markHelped() {
    if (record(InputKind::Helped)) Game::markHelped();
}

void RecordedGame::togglePause() {
    if (record(InputKind::TogglePause)) Game::togglePause();
}

void RecordedGame::pause() {
    if (record(InputKind::Pause)) Game::pause();
}

void RecordedGame::resume() {
    if (record(InputKind::Resume)) Game::resume();
}

void RecordedGame::panic() {
    if (record(InputKind::Panic)) Game::panic();
}

void RecordedGame::unhide() {
    if (record(InputKind::Unhide)) Game::unhide();
}

void RecordedGame::setWindowActive(bool active) {
    if (watching_) heldActive_ = active;
    if (state().windowActive != active && record(InputKind::WindowActive, active ? 1 : 0))
        Game::setWindowActive(active);
}

void RecordedGame::handle(Command command) {
    if (record(InputKind::Handle, static_cast<int32_t>(command))) Game::handle(command);
}

void RecordedGame::press(Command command) {
    if (record(InputKind::Press, static_cast<int32_t>(command))) Game::press(command);
}

void RecordedGame::release(Command command) {
    if (record(InputKind::Release, static_cast<int32_t>(command))) Game::release(command);
}

void RecordedGame::setKeyRepeat(int32_t delay, int32_t interval) {
    if (record(InputKind::KeyRepeat, delay, interval)) Game::setKeyRepeat(delay, interval);
}

void RecordedGame::setParameters(const LevelParameters& p) {
    if (watching_) return;
    live_.parameters.push_back(p);
    record(InputKind::Parameters, static_cast<int32_t>(live_.parameters.size() - 1));
    Game::setParameters(p);
}

void RecordedGame::setSmileyAnimation(int32_t value) {
    if (record(InputKind::SmileyAnimation, value)) Game::setSmileyAnimation(value);
}

void RecordedGame::setRemovalAnimation(int32_t value) {
    if (record(InputKind::RemovalAnimation, value)) Game::setRemovalAnimation(value);
}

void RecordedGame::setShake(bool on) {
    if (record(InputKind::Shake, on ? 1 : 0)) Game::setShake(on);
}

void RecordedGame::setPinup(int32_t value) {
    if (record(InputKind::Pinup, value)) Game::setPinup(value);
}

// A timer that does not run does nothing when fired: it is left out of the recording.
void RecordedGame::fire(TimerId id) {
    if (watching_ || !state().timer(id).running()) return;
    record(InputKind::Fire, static_cast<int32_t>(id));
    Game::fire(id);
}

void RecordedGame::watch(std::shared_ptr<const Recording> recording) {
    if (!recording || recording->match) return;
    if (!watching_) {
        held_ = std::make_unique<GameState>(state());
        heldSeed_ = random().seed();
        heldActive_.reset();
    }
    watching_ = true;
    replay_.reset();
    watched_ = std::move(recording);
    replay_ = std::make_unique<Replay>(*watched_, *this);
}

void RecordedGame::stopWatching() {
    if (!watching_) return;
    replay_.reset();
    watched_.reset();
    state() = *held_;
    random().setSeed(heldSeed_);
    held_.reset();
    watching_ = false;
    if (heldActive_) setWindowActive(*heldActive_);
    heldActive_.reset();
}

} // namespace kp
