// PLAY: plays the wave file named by line 1 to its end and ends without a result file and
// without any message, whether the sound could be played or not.
#include "commands/commands.h"
#include "commands/wave_player.h"

namespace kelvari {

Outcome PlayWaveFile(const Invocation& call, Sound& sound) {
  WavePlayer player(sound, call.Line(1));
  player.Play();
  player.Close();
  return Outcome::NoAnswer(kExitAnswered);
}

}  // namespace kelvari
