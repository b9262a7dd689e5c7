// PLAY: plays the wave file named by line 1 to its end and ends without a result file and
// without any message, whether the sound could be played or not.
#include "commands/commands.h"

namespace kelvari {

Outcome PlayWaveFile(const Invocation& call, Sound& sound) {
  // Whether the sound was heard is nobody's business but the listener's: a failure stays quiet.
  (void)sound.PlayWaveToEnd(call.Line(1));
  return Outcome::NoAnswer(kExitAnswered);
}

}  // namespace kelvari
