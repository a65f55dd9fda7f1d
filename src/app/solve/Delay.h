#pragma once

namespace korvelan::app {

// Waits until the wall clock has advanced by the given time while serving window
// events, so windows repaint and buttons such as abort are served meanwhile.
void Delay(int seconds, int milliseconds);

}  // namespace korvelan::app
