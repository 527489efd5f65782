#pragma once
// The photo folder's benchmark lines that run the widget's own folder owner or the widget itself.
#include <string>

namespace bench {

// Photos arrive in the folder every 0.5 s for 60 s while the folder's owner follows it, as the
// widget does: prints the longest time from an arrival until it (or a newer one) was shown, and
// the process's CPU time for the stream against that of one rescan of the unchanged folder.
int MeasureStream(const std::wstring& folder, const std::wstring& work);

// Waits for a window of the class and for the file that tells that its program's work is done
// (its CPU time, as the system counts it, stood still), then closes the window.
int CloseWhenSettled(const std::wstring& windowClass, const std::wstring& doneFile);

}  // namespace bench
