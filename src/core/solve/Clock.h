#pragma once

namespace korvelan {

// Time of day in seconds: hours x 3600 + minutes x 60 + seconds + milliseconds x 0.001.
double WallClockSeconds();

// An elapsed time that came out negative passed midnight: add a day.
double WrapElapsed(double elapsed);

}  // namespace korvelan
