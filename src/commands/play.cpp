// PLAY: plays the wave file named by line 1 to its end and ends without a result file and
// without any message, whether the sound could be played or not.
#include "core/program.h"
#include "commands/play_mci.h"

namespace kelvari {

Outcome Form1::DoPlay() {
  if (Step ended = ChkParamFileName(1)) return *ended;
  MMControl MMControl1(system());
  MMControl1.DeviceType = L"WaveAudio";
  MMControl1.FileName = ParamLines[1];
  MMControl1.Command(L"SOUND");
  MMControl1.Command(L"Close");
  return Outcome::NoAnswer(kExitAnswered);
}

}  // namespace kelvari
