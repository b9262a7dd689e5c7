// The shell calls of the program under test, as the recorder program sees them: it is
// registered in the test prefix as the handler of .htm files, mailto: and http(s):.
#pragma once

#include <string>
#include <vector>

namespace kvtest {

// Registers the recorder as the shell's handler and empties its log.
void UseShellRecorder();

// The command lines the recorder was started with since UseShellRecorder, in order.
std::vector<std::wstring> RecordedShellCalls();

// Waits until at least `count` calls are recorded (or a timeout) and returns them all.
std::vector<std::wstring> WaitForShellCalls(std::size_t count, int timeout_ms = 60000);

// The path of the recorder program.
std::wstring RecorderExe();

}  // namespace kvtest
