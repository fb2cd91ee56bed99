#pragma once
// Keeps Qt's notices that say nothing to a user of this program off standard
// error; every other message goes where it went before.
namespace vexoria {

// Installs the filter in front of the current message handler. Call it once,
// first thing in main, before the application object is made.
void installQuietMessages();

} // namespace vexoria
