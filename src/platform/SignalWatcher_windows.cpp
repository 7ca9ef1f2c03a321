// Windows sends a program no such signals: the end of a session comes through Qt's session
// manager instead (commitDataRequest), which saves as closing the window does.
#include "platform/SignalWatcher.h"

namespace zwervel {

SignalWatcher::SignalWatcher(QObject* parent) : QObject(parent) {}
SignalWatcher::~SignalWatcher() = default;
void SignalWatcher::readSignal() {}

} // namespace zwervel
