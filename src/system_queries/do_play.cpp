// PLAY: plays the wave file named by line 1 to its end and ends without a result file and
// without any message, whether the sound could be played or not.
#include "frontend/form1.h"
#include "system_queries/mm_control.h"

namespace kelvari {

void Form1::DoPlay() {
  ChkParamFileName(1);
  {
    MMControl MMControl1(system());
    MMControl1.Notify = false;
    MMControl1.Wait = true;
    MMControl1.Shareable = false;
    MMControl1.DeviceType = L"WaveAudio";
    MMControl1.FileName = ParamLines[1];
    MMControl1.Command(L"SOUND");
    MMControl1.Command(L"Close");
  }
  system().ExitProcess(kExitAnswered);
}

}  // namespace kelvari
